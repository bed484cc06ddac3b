#include "dialog_rules/list_columns.h"

#include <algorithm>

namespace fenx {

std::vector<std::string_view> LineFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(' ', at)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        fields.push_back(line.substr(at, end - at));
        at = end;
    }
    return fields;
}

std::vector<ColumnSpan> LayOutColumns(std::span<const int> widths, int room, int minGap) {
    std::vector<ColumnSpan> columns;
    if (widths.empty()) {
        return columns;
    }
    const int gaps = static_cast<int>(widths.size()) - 1;
    int used = 0;
    for (const int w : widths) {
        used += w;
    }
    const int spare = gaps > 0 ? std::max(0, room - used - gaps * minGap) : 0;
    int left = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        if (i > 0) {
            const int gap = static_cast<int>(i) - 1;
            left += minGap + spare / gaps + (gap < spare % gaps ? 1 : 0);
        }
        columns.push_back({left, widths[i]});
        left += widths[i];
    }
    return columns;
}

int FieldLeft(ColumnSpan column, int width, FieldAlign align) {
    switch (align) {
    case FieldAlign::Left:
        break;
    case FieldAlign::Centre:
        return column.left + (column.width - width) / 2;
    case FieldAlign::Right:
        return column.right() - width;
    }
    return column.left;
}

std::vector<int> TitleLefts(std::span<const ColumnSpan> columns, std::span<const int> titleWidths) {
    std::vector<int> lefts;
    if (columns.empty()) {
        return lefts;
    }
    const std::size_t titled = std::min(columns.size(), titleWidths.size());
    const std::size_t first = columns.size() - titled;
    const int start = columns.front().left;
    const int end = columns.back().right();
    for (std::size_t i = 0; i < titled; ++i) {
        const int width = titleWidths[i];
        const int left = FieldLeft(columns[first + i], width, FieldAlign::Centre);
        lefts.push_back(std::max(start, std::min(left, end - width)));
    }
    return lefts;
}

} // namespace fenx
