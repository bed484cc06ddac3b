// Moves undone, redone and the stage restarted. Each puts whole blocks back
// on the board at once, drawn at once, with no walk: the places a history
// hands out are free by construction, since every later move has been put
// back first. The board is still checked before anything changes, so a
// history that does not match it refuses to act rather than overlap blocks.
#include <vector>

#include "core/completion.h"
#include "core/geometry.h"
#include "play/play.h"

namespace fenx {

void Play::Undo() {
    ReplayHistory(false);
}

void Play::Redo() {
    ReplayHistory(true);
}

void Play::ReplayHistory(bool redo) {
    if (HoldsBlock(mode_)) {
        return;
    }
    const std::span<const Carry> move = redo ? history_.Redo() : history_.Undo();
    if (move.empty()) {
        return;
    }
    if (!ApplyCarries(move, redo)) {
        history_.Clear();
        return;
    }
    PositionChanged();
}

void Play::Restart() {
    if (HoldsBlock(mode_)) {
        return;
    }
    std::vector<Carry> move;
    for (int i = 0; i < stage_.blocks.count; ++i) {
        const Block& b = stage_.blocks[i];
        const Cell now{b.column, b.row};
        const Cell start = history_.StartOf(i, now);
        if (start != now) {
            move.push_back({static_cast<int16_t>(i), now, start});
        }
    }
    if (move.empty()) {
        return; // on the start position already: no move
    }
    if (!ApplyCarries(move, true)) {
        history_.Clear();
        return;
    }
    history_.Record(move);
    PositionChanged();
}

bool Play::ApplyCarries(std::span<const Carry> carries, bool forward) {
    Board& board = stage_.board;
    BlockList& blocks = stage_.blocks;
    const auto source = [&](const Carry& c) { return forward ? c.from : c.to; };
    const auto target = [&](const Carry& c) { return forward ? c.to : c.from; };
    for (const Carry& c : carries) {
        if (c.block < 0 || c.block >= blocks.count) {
            return false;
        }
        const Block& b = blocks[c.block];
        if (Cell{b.column, b.row} != source(c) || (stage_.state.challengeActive && b.fixed)) {
            return false;
        }
    }
    // Lift every block first: a restart may put one where another stood.
    for (const Carry& c : carries) {
        const Block& b = blocks[c.block];
        WriteBlockCells(board, b.column, b.row, b.orientation, CellEmpty);
    }
    std::size_t placed = 0;
    for (; placed < carries.size(); ++placed) {
        const Carry& c = carries[placed];
        const Cell to = target(c);
        const int orientation = blocks[c.block].orientation;
        if (!InField(to) || !BlockFits(board, to.column, to.row, orientation)) {
            break;
        }
        WriteBlockCells(board, to.column, to.row, orientation, c.block);
    }
    if (placed < carries.size()) {
        // Everything back as it was.
        for (std::size_t i = 0; i < placed; ++i) {
            const Cell to = target(carries[i]);
            WriteBlockCells(board, to.column, to.row, blocks[carries[i].block].orientation,
                            CellEmpty);
        }
        for (const Carry& c : carries) {
            const Block& b = blocks[c.block];
            WriteBlockCells(board, b.column, b.row, b.orientation, c.block);
        }
        return false;
    }
    for (const Carry& c : carries) {
        Block& b = blocks[c.block];
        b.column = target(c).column;
        b.row = target(c).row;
    }
    return true;
}

bool Play::InField(Cell c) const {
    return c.column >= 0 && c.column < stage_.state.W && c.row >= 0 && c.row < 2 * stage_.state.H;
}

void Play::PositionChanged() {
    ++position_; // a plan made for the old position no longer applies
    if (IsStageComplete(stage_.board, stage_.state.W, stage_.state.H)) {
        EnterSolved();
        return;
    }
    DrawPlayPicture();
}

bool Play::CarryMade(int block, Cell from, Cell to) {
    const GameState& s = stage_.state;
    if (s.gamePhase != PhasePlaying || block < 0 || block >= stage_.blocks.count || from == to) {
        return false;
    }
    const Block& b = stage_.blocks[block];
    if (Cell{b.column, b.row} != to || (s.challengeActive && b.fixed) || !InField(from)) {
        return false;
    }
    for (const CellOffset& o : ShapeTable[b.orientation]) {
        const int16_t v = stage_.board.at(from.column + o.dx, from.row + o.dy);
        if (v != CellEmpty && v != block) {
            return false;
        }
    }
    const Carry carry{static_cast<int16_t>(block), from, to};
    history_.Record({&carry, 1});
    return true;
}

} // namespace fenx
