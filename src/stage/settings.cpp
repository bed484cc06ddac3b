#include "stage/settings.h"

#include <cstdio>

#include "core/stage_size.h"

namespace fenx {

int32_t ParseSettingInt(const std::optional<std::string>& text, int32_t fallback) {
    if (!text || text->empty()) {
        return fallback;
    }
    const std::string& s = *text;
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    uint32_t value = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        value = value * 10u + static_cast<uint32_t>(s[i] - '0');
        ++i;
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<int32_t>(value);
}

StageSize CorrectStoredStageSize(int32_t width, int32_t height) {
    if (width < kMinWidth) {
        width = kMinWidth;
    } else if (width > kMaxWidth) {
        width = kMaxWidth;
    }
    if (height < kMinHeight) {
        height = kMinHeight;
    } else if (height > kMaxHeight) {
        height = kMaxHeight;
    }
    if ((width * height) % 4 != 0) {
        return {kDefaultWidth, kDefaultHeight};
    }
    return {width, height};
}

SettingText::SettingText(int32_t value) {
    const int n = std::snprintf(chars_.data(), chars_.size(), "%d", static_cast<int>(value));
    length_ = n > 0 ? static_cast<std::size_t>(n) : 0;
}

} // namespace fenx
