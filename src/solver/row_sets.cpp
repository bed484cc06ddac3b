#include "solver/row_sets.h"

#include <bit>

namespace fenx {
namespace {

// The next larger number with as many set bits.
RowSet NextSameCount(RowSet v) {
    const RowSet t = v | (v - 1);
    return (t + 1) | (((~t & (0u - ~t)) - 1) >> (std::countr_zero(v) + 1));
}

} // namespace

int TileableRuns(RowSet rows, int width) {
    int runs = 0;
    while (rows != 0) {
        const int first = std::countr_zero(rows);
        const int length = std::countr_one(rows >> first);
        if (width * length % 4 != 0) {
            return 0;
        }
        ++runs;
        rows &= ~(((RowSet{1} << length) - 1) << first);
    }
    return runs;
}

int CollectRowSets(int width, int height, RowSet fixedRows, std::span<RowSet> out) {
    const RowSet upper = (RowSet{1} << height) - 1;
    const RowSet lower = upper << height;
    const RowSet end = RowSet{1} << (2 * height);
    std::size_t count = 0;
    const auto add = [&](RowSet set) {
        if (count < out.size() && (set & fixedRows) == fixedRows) {
            out[count++] = set;
        }
    };
    if (TileableRuns(lower, width) != 0) {
        add(lower);
        add(upper);
    }
    for (int runs = 1; runs <= height && count < out.size(); ++runs) {
        for (RowSet set = upper; set < end && count < out.size(); set = NextSameCount(set)) {
            if (set != lower && set != upper && TileableRuns(set, width) == runs) {
                add(set);
            }
        }
    }
    return static_cast<int>(count);
}

} // namespace fenx
