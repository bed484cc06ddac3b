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

// A value that reading would change (blanks at its ends, or quotes round
// it) is stored in quotes.
std::string QuotedValue(std::string_view value) {
    const bool quote =
        !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) ||
                           (value.size() >= 2 && value.front() == '"' && value.back() == '"'));
    std::string text;
    text.reserve(value.size() + 2);
    if (quote) {
        text.push_back('"');
    }
    text.append(value);
    if (quote) {
        text.push_back('"');
    }
    return text;
}

bool StorableValue(std::string_view value) {
    return value.find_first_of("\r\n") == std::string_view::npos;
}

} // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile file;
    // Editors may put a UTF-8 byte order mark before the first section.
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        file.byteOrderMark_ = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        Line line;
        if (newline == std::string_view::npos) {
            // A last line may end in a lone CR; it is its line end.
            const bool cr = text.back() == '\r';
            line.text = std::string(text.substr(0, text.size() - (cr ? 1 : 0)));
            line.ending.assign(cr ? 1 : 0, '\r');
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
    // Only the first section of that name counts, for reading and writing
    // alike. A missing key goes after the section's last key, so it does
    // not land behind the blank lines or comments that lead into the next
    // section.
    std::optional<Place> insertAt;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = SectionName(lines_[i].text)) {
            if (insertAt) {
                break;
            }
            if (SameName(*name, section)) {
                insertAt = Place{i + 1, false};
            }
        } else if (insertAt) {
            const auto keyLine = ParseKeyLine(lines_[i].text);
            if (keyLine && SameName(keyLine->name, key)) {
                return Place{i, true};
            }
            if (keyLine) {
                insertAt->line = i + 1;
            }
        }
    }
    return insertAt;
}

std::string IniFile::DefaultEnding() const {
    for (const Line& line : lines_) {
        if (!line.ending.empty()) {
            // A lone CR ends only a last line; new lines take CR LF.
            return line.ending == "\r" ? "\r\n" : line.ending;
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
        text = name + "=" + QuotedValue(value);
        return true;
    }
    const std::string ending = DefaultEnding();
    Line keyLine{std::string(key) + "=" + QuotedValue(value), ending};
    if (place) {
        if (place->line == lines_.size()) {
            EndLastLine(ending);
        }
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(place->line),
                      std::move(keyLine));
        return true;
    }
    EndLastLine(ending);
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
    std::string_view value = ParseKeyLine(lines_[place->line].text)->value;
    // Quotes keep blanks at a value's ends; they are not part of it.
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

void IniFile::EndLastLine(const std::string& ending) {
    if (lines_.empty()) {
        return;
    }
    std::string& last = lines_.back().ending;
    if (last.empty()) {
        last = ending;
    } else if (last == "\r") {
        last = "\r\n"; // a lone CR ends nothing once more lines follow
    }
}

std::string IniFile::Serialize() const {
    std::string text(byteOrderMark_ ? kByteOrderMark : "");
    for (const Line& line : lines_) {
        text += line.text;
        text += line.ending;
    }
    return text;
}

} // namespace fenx
