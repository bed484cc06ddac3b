// Helpers for tests that build whole stages.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/board.h"
#include "core/stage_build.h"

namespace fenx::testing {

// A stage of its own for each test, with short names for its parts so that
// the tiling steps can also be run on them one by one.
struct Engine {
    std::unique_ptr<BuiltStage> stage = std::make_unique<BuiltStage>();
    StageRandom& random = stage->random;
    Board* const board = &stage->board;
    BlockList& blocks = stage->blocks;

    StageBuildTrace build(int width, int height, int number, FixedBlocks fixed = {}) {
        StageBuildTrace trace;
        BuildStage(*stage, width, height, number, fixed, &trace);
        return trace;
    }
};

// Rows of a board region joined as "a b c / d e f", '.' for an empty cell.
inline std::string Rows(const Board& board, int width, int rows) {
    std::ostringstream out;
    for (int y = 0; y < rows; ++y) {
        out << (y == 0 ? "" : " / ");
        for (int x = 0; x < width; ++x) {
            const int v = board.at(x, y);
            out << (x == 0 ? "" : " ");
            if (v == CellEmpty) {
                out << '.';
            } else {
                out << v;
            }
        }
    }
    return out.str();
}

struct BlockPlace {
    int column;
    int row;
    int orientation;
    int kind;
    bool operator==(const BlockPlace&) const = default;
};

inline std::vector<BlockPlace> SolutionPlaces(const BlockList& list) {
    std::vector<BlockPlace> out;
    for (int i = 0; i < list.count; ++i) {
        out.push_back(
            {list[i].solutionColumn, list[i].solutionRow, list[i].orientation, list[i].kind});
    }
    return out;
}

struct Anchor {
    int column;
    int row;
    bool operator==(const Anchor&) const = default;
};

inline std::vector<Anchor> StartAnchors(const BlockList& list) {
    std::vector<Anchor> out;
    for (int i = 0; i < list.count; ++i) {
        out.push_back({list[i].column, list[i].row});
    }
    return out;
}

inline std::ostream& operator<<(std::ostream& os, const BlockPlace& p) {
    return os << "(" << p.column << "," << p.row << "; " << p.orientation << "; " << p.kind << ")";
}
inline std::ostream& operator<<(std::ostream& os, const Anchor& a) {
    return os << "(" << a.column << "," << a.row << ")";
}

} // namespace fenx::testing
