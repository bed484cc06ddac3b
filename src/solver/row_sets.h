// Which rows may end a stage. A field is solved when H of its 2H rows are
// full and the others empty; the full rows need not touch. Each run of
// adjacent full rows is tiled on its own, so it must be a whole number of
// blocks wide, and the rows of every fixed block must be among them.
#pragma once

#include <cstdint>
#include <span>

namespace fenx {

// One bit per row, row 0 the top one.
using RowSet = uint32_t;

// Runs of adjacent rows in `rows`, or 0 when one of them is no whole
// number of blocks wide.
int TileableRuns(RowSet rows, int width);

// Writes the sets of `height` rows out of 2 * height that may end the
// stage into `out`, as many as fit, and returns how many: the lower half
// first, then the upper half, then the other single bands, then sets of
// two runs, three, and so on. Only sets holding all of `fixedRows`.
int CollectRowSets(int width, int height, RowSet fixedRows, std::span<RowSet> out);

} // namespace fenx
