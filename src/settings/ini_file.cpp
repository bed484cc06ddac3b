#include "settings/ini_file.h"

#include <cstddef>

namespace fenx {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// "[name]" gives the name; any other line gives nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(text.substr(1, close - 1));
}

struct KeyLine {
    std::string_view name;
    std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == ';' || text.front() == '#' || text.front() == '[') {
        return std::nullopt;
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view name = Trim(text.substr(0, equals));
    if (name.empty()) {
        return std::nullopt;
    }
    return KeyLine{name, Trim(text.substr(equals + 1))};
}

bool StorableName(std::string_view name) {
    if (name.empty() || name != Trim(name) || name.front() == ';' || name.front() == '#') {
        return false;
    }
    return name.find_first_of("=[]\r\n") == std::string_view::npos;
}

bool StorableValue(std::string_view value) {
    return value.find_first_of("\r\n") == std::string_view::npos;
}

} // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile file;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        Line line;
        if (newline == std::string_view::npos) {
            line.text = std::string(text);
            text = {};
        } else {
            const bool crlf = newline > 0 && text[newline - 1] == '\r';
            const std::size_t length = crlf ? newline - 1 : newline;
            line.text = std::string(text.substr(0, length));
            line.ending = crlf ? "\r\n" : "\n";
            text.remove_prefix(newline + 1);
        }
        file.lines_.push_back(std::move(line));
    }
    return file;
}

std::optional<IniFile::Place> IniFile::Locate(std::string_view section,
                                              std::string_view key) const {
    // The key itself, in the first section of that name that holds it.
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = SectionName(lines_[i].text)) {
            inSection = SameName(*name, section);
        } else if (inSection) {
            const auto keyLine = ParseKeyLine(lines_[i].text);
            if (keyLine && SameName(keyLine->name, key)) {
                return Place{i, true};
            }
        }
    }
    // Otherwise the line after the last key of the first such section, so a
    // new key does not land behind the blank lines or comments that lead
    // into the next section.
    std::optional<Place> insertAt;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = SectionName(lines_[i].text)) {
            if (insertAt) {
                break;
            }
            if (SameName(*name, section)) {
                insertAt = Place{i + 1, false};
            }
        } else if (insertAt && ParseKeyLine(lines_[i].text)) {
            insertAt->line = i + 1;
        }
    }
    return insertAt;
}

std::string IniFile::DefaultEnding() const {
    for (const Line& line : lines_) {
        if (!line.ending.empty()) {
            return line.ending;
        }
    }
    return "\n";
}

bool IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (!StorableName(section) || !StorableName(key) || !StorableValue(value)) {
        return false;
    }
    const std::optional<Place> place = Locate(section, key);
    if (place && place->found) {
        // Keep the key as it was spelt and the line's own end.
        std::string& text = lines_[place->line].text;
        const std::string name(ParseKeyLine(text)->name);
        text = name + "=" + std::string(value);
        return true;
    }
    const std::string ending = DefaultEnding();
    Line keyLine{std::string(key) + "=" + std::string(value), ending};
    if (place) {
        if (place->line == lines_.size() && lines_.back().ending.empty()) {
            lines_.back().ending = ending;
        }
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(place->line),
                      std::move(keyLine));
        return true;
    }
    if (!lines_.empty() && lines_.back().ending.empty()) {
        lines_.back().ending = ending;
    }
    std::string header(1, '[');
    header.append(section).append(1, ']');
    lines_.push_back(Line{std::move(header), ending});
    lines_.push_back(std::move(keyLine));
    return true;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
    const std::optional<Place> place = Locate(section, key);
    if (!place || !place->found) {
        return std::nullopt;
    }
    return std::string(ParseKeyLine(lines_[place->line].text)->value);
}

std::string IniFile::Serialize() const {
    std::string text;
    for (const Line& line : lines_) {
        text += line.text;
        text += line.ending;
    }
    return text;
}

} // namespace fenx
