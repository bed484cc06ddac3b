#include "app/qt_platform.h"

#include <QCursor>
#include <QString>

#include <ctime>

namespace fenx {

QtPlatform::QtPlatform(SoundPlayer& sound, SettingsStore& settings, const HistoryFile& history)
    : sound_(sound), settings_(settings), history_(history) {
    clock_.start();
}

void QtPlatform::SetWindowTitle(std::string_view title) {
    if (window_) {
        window_->setWindowTitle(
            QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    }
}

void QtPlatform::PresentSurface(SurfaceRect area) {
    // Frames come at least 10 ms apart, so a scheduled repaint shows each.
    if (window_) {
        window_->surface().UpdateSurfaceArea(area);
    }
}

void QtPlatform::ResizeClientArea(int width, int height) {
    if (window_) {
        window_->ResizeClientArea({width, height});
    }
}

bool QtPlatform::CursorInsideWindow() {
    // QRect::contains is half-open in pixel terms: right() is the last pixel.
    return window_ && window_->frameGeometry().contains(QCursor::pos());
}

uint32_t QtPlatform::Milliseconds() {
    return static_cast<uint32_t>(clock_.elapsed());
}

int64_t QtPlatform::CalendarSeconds() {
    return static_cast<int64_t>(std::time(nullptr));
}

LocalTime QtPlatform::ToLocalTime(int64_t calendarSeconds) {
    const auto seconds = static_cast<std::time_t>(calendarSeconds);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) {
        return LocalTime{1970, 1, 1, 0, 0};
    }
    return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                     local.tm_min};
}

void QtPlatform::PlaySound(SoundId sound) {
    sound_.Play(sound);
}

std::optional<std::string> QtPlatform::ReadSetting(std::string_view key) {
    return settings_.Read(key);
}

void QtPlatform::WriteSettings(std::span<const SettingValue> values) {
    // A settings file that cannot be written is no reason to stop playing:
    // the store keeps the values and tries again with its next write.
    settings_.Write(values);
}

std::string QtPlatform::MergeSetting(std::string_view key, std::string_view value,
                                     SettingMerge merge) {
    return settings_.Merge(key, value, merge);
}

std::optional<std::string> QtPlatform::ReadStoredSetting(std::string_view key) {
    return settings_.ReadStored(key);
}

void QtPlatform::AppendHistoryLine(std::string_view line) {
    history_.Append(line);
}

} // namespace fenx
