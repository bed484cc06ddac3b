#include "app/window_zoom.h"

#include <QKeySequence>
#include <QShortcut>

#include <initializer_list>

#include "stage/settings.h"

namespace fenx {
namespace {

void AddShortcuts(QWidget& window, std::initializer_list<QKeySequence> keys, WindowZoom& zoom,
                  void (WindowZoom::*step)()) {
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, &window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &zoom, step);
        // A key that matches two of the sequences (a shifted plus may read
        // as Ctrl+Plus and as Ctrl+Shift+=) still means the same step.
        QObject::connect(shortcut, &QShortcut::activatedAmbiguously, &zoom, step);
    }
}

} // namespace

int32_t CorrectStoredZoom(const std::optional<std::string>& text) {
    const int32_t zoom = ParseSettingInt(text, kDefaultZoom);
    return zoom >= 1 && zoom <= kMaxZoom ? zoom : kDefaultZoom;
}

WindowZoom::WindowZoom(MainWindow& window, SettingsStore& settings)
    : QObject(&window), window_(window), settings_(settings) {
    window_.SetZoom(CorrectStoredZoom(settings_.Read(kZoomKey)));
    // Plus is a shifted key on most layouts; Qt finds Ctrl+Plus in
    // Ctrl+Shift+= by itself. Ctrl+= is the same key without Shift.
    AddShortcuts(window_,
                 {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                 *this, &WindowZoom::ZoomIn);
    AddShortcuts(window_, {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, *this, &WindowZoom::ZoomOut);
    AddShortcuts(window_, {QKeySequence(Qt::CTRL | Qt::Key_0)}, *this, &WindowZoom::Reset);
}

void WindowZoom::ZoomIn() {
    const int next = window_.zoom() + 1;
    if (next <= kMaxZoom && window_.ZoomFits(next)) {
        Choose(next);
    }
}

void WindowZoom::ZoomOut() {
    if (window_.zoom() > 1) {
        Choose(window_.zoom() - 1);
    }
}

void WindowZoom::Reset() {
    Choose(1);
}

void WindowZoom::Choose(int zoom) {
    window_.SetZoom(zoom);
    // Like every setting, written the moment it changes and only then.
    if (CorrectStoredZoom(settings_.Read(kZoomKey)) != zoom) {
        settings_.Write(kZoomKey, SettingText(zoom).view());
    }
}

} // namespace fenx
