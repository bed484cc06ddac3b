#include "solver/position.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

Position::Position() {
    path.reserve(kPlanPathCapacity);
    moves.reserve(kPlanMoveCapacity);
}

void Position::Load(const BlockList& blocks, int w, int h) {
    width = w;
    height = h;
    count = blocks.count;
    startGrid.Reset(w, 2 * h);
    for (int b = 0; b < count; ++b) {
        const Block& block = blocks[b];
        orientation[U(b)] = block.orientation;
        startAnchor[U(b)] = static_cast<int16_t>(SolverIndex(block.column, block.row));
        tilingAnchor[U(b)] =
            static_cast<int16_t>(SolverIndex(block.solutionColumn, block.solutionRow));
        fixed[U(b)] = block.fixed != 0 ? 1 : 0;
        startGrid.Write(startAnchor[U(b)], block.orientation, static_cast<int8_t>(b));
    }
}

void Position::Restart() {
    grid = startGrid;
    anchor = startAnchor;
    moves.clear();
    path.clear();
}

void Position::Place(int b, int to) {
    const int o = orientation[U(b)];
    grid.Write(anchor[U(b)], o, kSolverFree);
    grid.Write(to, o, static_cast<int8_t>(b));
    anchor[U(b)] = static_cast<int16_t>(to);
}

void Position::LayOut() {
    grid.Reset(width, 2 * height);
    for (int b = 0; b < count; ++b) {
        grid.Write(anchor[U(b)], orientation[U(b)], static_cast<int8_t>(b));
    }
}

void Position::JoinRuns() {
    // Written in place: the cells kept never run ahead of the cells read.
    std::size_t kept = 0;
    std::size_t cells = 0;
    for (std::size_t m = 0; m < moves.size(); ++m) {
        const PlannedMove move = moves[m];
        const bool joins = kept > 0 && moves[kept - 1].block == move.block;
        if (!joins) {
            moves[kept++] = PlannedMove{move.block, static_cast<int32_t>(cells), 0};
        }
        for (int32_t i = move.first + (joins ? 1 : 0); i < move.last; ++i) {
            path[cells++] = path[U(i)];
        }
        moves[kept - 1].last = static_cast<int32_t>(cells);
        if (moves[kept - 1].last - moves[kept - 1].first < 2) {
            cells = U(moves[kept - 1].first); // no step
            --kept;
        }
    }
    moves.resize(kept);
    path.resize(cells);
}

RowSet Position::FixedRows() const {
    RowSet rows = 0;
    for (int b = 0; b < count; ++b) {
        if (fixed[U(b)] != 0) {
            for (int off : SolverOffsets[U(orientation[U(b)])]) {
                rows |= RowSet{1} << SolverRow(startAnchor[U(b)] + off);
            }
        }
    }
    return rows;
}

} // namespace fenx
