#include "dialog_rules/list_keys.h"

#include <algorithm>

namespace fenx {

int RowAfterListKey(ListKey key, int caret, bool selected, int rows, int pageRows) {
    if (rows <= 0) {
        return -1;
    }
    const bool onLine = caret >= 0 && caret < rows;
    const int at = onLine ? caret : 0;
    // A page moves by one line fewer than show, so the line moved from
    // stays in view; never less than one line.
    const int page = std::max(1, pageRows - 1);
    int row = at;
    switch (key) {
    case ListKey::Up:
        row = selected && onLine ? at - 1 : at;
        break;
    case ListKey::Down:
        row = selected && onLine ? at + 1 : at;
        break;
    case ListKey::Home:
        row = 0;
        break;
    case ListKey::End:
        row = rows - 1;
        break;
    case ListKey::PageUp:
        row = at - page;
        break;
    case ListKey::PageDown:
        row = at + page;
        break;
    }
    return std::clamp(row, 0, rows - 1);
}

} // namespace fenx
