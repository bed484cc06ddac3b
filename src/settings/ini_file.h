// The settings file as the lines of text it holds. Reading never fails: any
// bytes give a document, and writing it back gives the same bytes. Setting a
// key touches one line (or adds one), so comments, blank lines, other
// sections and keys the game does not know all survive a write.
//
// The reading rules follow the usual profile conventions:
// - a UTF-8 byte order mark at the start is kept and otherwise ignored;
// - lines end in "\n" or "\r\n"; the last line may end in a lone "\r" or
//   lack its end;
// - a section starts at "[name]" (blanks around the name are ignored);
// - "name = value" inside a section is a key; blanks around the name and the
//   value are ignored; lines starting with ';' or '#' are comments;
// - section and key names compare without regard to ASCII case;
// - when a section appears twice, only the first one counts, for reading
//   and for writing; when a key appears twice in it, the first one counts;
// - a value in double quotes is read without them; values with blanks at
//   their ends are written that way, so they read back as written;
// - anything else (garbage, NUL bytes, lines without '=') is kept and
//   otherwise ignored.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fenx {

class IniFile {
  public:
    static IniFile Parse(std::string_view text);

    // The value of the first `key` inside a section named `section`.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Replaces the value of the key Get would find, or adds "key=value" at
    // the end of the first such section, or adds the section at the end of
    // the file. Returns false, changing nothing, for a name or value that
    // cannot be stored on one line (empty name, line breaks, '=' or '[' in
    // the name, blanks around the name).
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Serialize() const;

  private:
    struct Line {
        std::string text;   // without its end
        std::string ending; // "\n", "\r\n", or "" for a last line without one
    };

    // Where a key was found, or where a new key of that section goes.
    struct Place {
        std::size_t line;
        bool found;
    };
    std::optional<Place> Locate(std::string_view section, std::string_view key) const;
    std::string DefaultEnding() const;
    // Gives the last line an end before lines are added after it.
    void EndLastLine(const std::string& ending);

    static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

    std::vector<Line> lines_;
    bool byteOrderMark_ = false;
};

} // namespace fenx
