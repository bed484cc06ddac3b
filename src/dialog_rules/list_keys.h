// The keys that move the selection in a dialog's list: the arrows, Home,
// End, Page Up and Page Down. Each selects the line it moves to, so that
// Start then plays it. A list opens with no line selected and its caret on
// the first: the first arrow then selects the line under the caret rather
// than moving past it, and Home, End and the page keys select where they
// land even when the caret is there already.
#pragma once

namespace fenx {

enum class ListKey { Up, Down, Home, End, PageUp, PageDown };

// The line to select after `key` in a list of `rows` lines, `pageRows` of
// which show at once; `caret` is the line with the caret (-1 for none) and
// `selected` whether it is selected. -1 when the list has no lines.
int RowAfterListKey(ListKey key, int caret, bool selected, int rows, int pageRows);

} // namespace fenx
