// Lines of text laid out in columns. A line keeps the text it is written
// with; its fields are its words, cut at the blanks between them (one or
// more), and each field stands in a column of its own. The columns are as
// wide as the widest field each can hold and share out the room the line
// has, so fields of different widths stand under each other, a column of
// numbers ends on one edge, and a header can put each title over its
// column. The same rule spreads the words of a single line over its box.
// All widths are pixels of the font the words are drawn in.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace fenx {

enum class FieldAlign { Left, Centre, Right };

struct ColumnSpan {
    int left = 0;
    int width = 0;
    int right() const { return left + width; }
    bool operator==(const ColumnSpan&) const = default;
};

// The words of a line, in order, without their blanks.
std::vector<std::string_view> LineFields(std::string_view line);

// Columns `widths` wide side by side from 0 in `room` pixels, at least
// `minGap` apart. The room left over goes to the gaps, shared out evenly
// (the odd pixels to the first ones), so that the last column ends at the
// right edge of the room; a single column stands at the left. Columns that
// do not fit stand `minGap` apart and run past the room.
std::vector<ColumnSpan> LayOutColumns(std::span<const int> widths, int room, int minGap);

// The left edge of a field `width` wide in its column.
int FieldLeft(ColumnSpan column, int width, FieldAlign align);

// The left edges of a header's titles, `titleWidths` wide, over the
// columns: the titles stand over the last columns, one each (the first
// fields of a line, such as a mark, may go without a title), centred on
// their column but never past the left edge of the first column or the
// right edge of the last. Titles beyond the columns get none.
std::vector<int> TitleLefts(std::span<const ColumnSpan> columns, std::span<const int> titleWidths);

} // namespace fenx
