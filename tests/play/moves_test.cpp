// Moves undone, redone and the stage restarted: each puts the blocks back
// exactly where the history says and shows that field at once, the restart
// is one move of its own, and a field completed this way is solved as a
// drag solves it.
#include <gtest/gtest.h>

#include "core/cursor_walk.h"
#include "support/game_harness.h"

namespace fenx::testing {
namespace {

// Where the blocks stand, the board and the picture: all a move changes.
struct Position {
    std::vector<Cell> anchors;
    std::array<int16_t, kGridSize * kGridSize> grid;
    std::vector<uint8_t> pixels;
};

class MovesTest : public ::testing::Test {
  protected:
    void SetUp() override { h.StartUp(); }

    Position Take() const { return {h.Anchors(), h.g.board.grid, h.Pixels()}; }
    void ExpectAt(const Position& p, const char* where) const {
        EXPECT_EQ(h.Anchors(), p.anchors) << where;
        EXPECT_EQ(h.g.board.grid, p.grid) << where;
        EXPECT_EQ(h.Pixels(), p.pixels) << where;
    }
    // A mouse drag of the block under (cx, cy) toward (tx, ty).
    void Drag(int cx, int cy, int tx, int ty) {
        h.Press(cx, cy);
        h.DragTo(tx, ty);
        h.Release();
    }
    // A square in the bottom-left corner, an upright bar at the right edge
    // and a lying bar at the top: room to walk in the middle.
    void PlaceThree() {
        h.PlaceBlocks({{0, 0, 6}, {1, 6, 4}, {2, 1, 0}});
        ASSERT_EQ(h.g.state.gamePhase, PhasePlaying);
    }

    GameHarness h;
};

TEST_F(MovesTest, UndoOfADragThroughSeveralCellsShowsTheFieldItBeganFrom) {
    PlaceThree();
    const Position start = Take();
    h.Press(0, 7);
    h.DragTo(2, 5); // two diagonal steps
    h.DragTo(4, 2); // two more, then one up
    h.Release();
    ASSERT_EQ(h.g.blocks[0].column, 4);
    ASSERT_EQ(h.g.blocks[0].row, 1);
    const Position moved = Take();

    const std::size_t presented = h.platform.presented.size();
    h.Key(PlayKey::Undo);
    ExpectAt(start, "undone");
    EXPECT_EQ(h.platform.presented.size(), presented + 1);
    EXPECT_EQ(h.platform.presented.back(), (SurfaceRect{0, 0, 144, 160}));
    h.Key(PlayKey::Undo); // nothing further back
    ExpectAt(start, "undone twice");
    EXPECT_EQ(h.platform.presented.size(), presented + 1);

    // A drag that comes back to where it began is no move: it keeps what
    // can be redone.
    h.Press(6, 7);
    h.DragTo(5, 7);
    h.DragTo(6, 7);
    h.Release();
    h.Key(PlayKey::Redo);
    ExpectAt(moved, "redone");
    const std::size_t redone = h.platform.presented.size();
    h.Key(PlayKey::Redo); // nothing more to redo
    EXPECT_EQ(h.platform.presented.size(), redone);
}

TEST_F(MovesTest, UndoAndRedoWalkTheChainBothWaysAndANewMoveDropsTheRedo) {
    PlaceThree();
    std::vector<Position> after{Take()};
    Drag(0, 7, 2, 5);
    after.push_back(Take());
    Drag(6, 7, 6, 2);
    after.push_back(Take());
    Drag(2, 5, 4, 5);
    after.push_back(Take());
    ASSERT_NE(after[1].anchors, after[2].anchors);
    ASSERT_NE(after[2].anchors, after[3].anchors);

    for (int i = 2; i >= 0; --i) {
        h.Key(PlayKey::Undo);
        ExpectAt(after[static_cast<std::size_t>(i)], "undo chain");
    }
    for (int i = 1; i <= 3; ++i) {
        h.Key(PlayKey::Redo);
        ExpectAt(after[static_cast<std::size_t>(i)], "redo chain");
    }
    h.Key(PlayKey::Undo);
    h.Key(PlayKey::Undo);
    ExpectAt(after[1], "two undone");
    Drag(1, 0, 1, 3); // a new move: the two undone ones are gone
    const Position fresh = Take();
    h.Key(PlayKey::Redo);
    ExpectAt(fresh, "nothing to redo");
    h.Key(PlayKey::Undo);
    ExpectAt(after[1], "the new move undone");
    h.Key(PlayKey::Undo);
    ExpectAt(after[0], "the first move undone");
}

TEST_F(MovesTest, RestartIsOneMoveBackToTheStartWithoutAFlyIn) {
    h.StartPlaying(9);
    const Position start = Take();
    h.Key(PlayKey::Restart); // on the start position: no move
    EXPECT_FALSE(h.g.history().canUndo());
    ExpectAt(start, "restart at the start");

    // Two blocks moved one cell, up or sideways, wherever that fits.
    int moves = 0;
    for (int b = 0; b < h.g.blocks.count && moves < 2; ++b) {
        const Block& block = h.g.blocks[b];
        const Cell at{block.column, block.row};
        for (const Cell to : {Cell{at.column, at.row - 1}, Cell{at.column - 1, at.row},
                              Cell{at.column + 1, at.row}}) {
            Drag(at.column, at.row, to.column, to.row);
            if (Cell{block.column, block.row} != at) {
                ++moves;
                break;
            }
        }
    }
    ASSERT_EQ(moves, 2);
    const Position moved = Take();
    const std::size_t sounds = h.platform.sounds.size();

    h.Key(PlayKey::Restart);
    ExpectAt(start, "restarted");
    EXPECT_EQ(h.g.state.gamePhase, PhasePlaying);
    EXPECT_EQ(h.platform.sounds.size(), sounds); // no fly-in, no slide
    h.Key(PlayKey::Undo);
    ExpectAt(moved, "the restart undone");
    h.Key(PlayKey::Redo);
    ExpectAt(start, "the restart redone");

    // Undone back to the start, a restart makes no move and the redo stays.
    h.Key(PlayKey::Undo);
    h.Key(PlayKey::Undo);
    h.Key(PlayKey::Undo);
    ExpectAt(start, "all undone");
    h.Key(PlayKey::Restart);
    h.Key(PlayKey::Redo);
    h.Key(PlayKey::Redo);
    ExpectAt(moved, "redone past a restart that was no move");
}

// A stage one row from solved, in three games: solved by a drag, by a redo
// and by a restart. The last two must do what the drag does.
class CompletedByMovesTest : public ::testing::Test {
  protected:
    static constexpr int kChallenge = 4; // 7 x 4 with block 6 fixed

    void Begin(GameHarness& h) {
        h.StartUp();
        h.game->StartChallenge(kChallenge);
        while (h.g.state.gamePhase == PhaseOpening) {
            h.Tick();
        }
        lifted_ = h.SetUpOneStepFromSolved();
        ASSERT_GE(lifted_, 0);
        ASSERT_FALSE(h.g.blocks[lifted_].fixed);
    }
    // The lifted block set down by hand: no step, so no completion test.
    void SetDownByHand(GameHarness& h) {
        MoveBlock(GameProbe::EditBoard(*h.game), GameProbe::EditBlocks(*h.game)[lifted_], lifted_,
                  0, 1);
    }
    void ExpectSolvedLike(const GameHarness& by, const GameHarness& drag) {
        EXPECT_EQ(by.g.state.gamePhase, PhaseSolved);
        EXPECT_EQ(by.platform.sounds.back(), SoundId::Tada);
        EXPECT_EQ(by.platform.challengesMarked, drag.platform.challengesMarked);
        EXPECT_EQ(by.platform.settings.at("challenge"), drag.platform.settings.at("challenge"));
        EXPECT_EQ(by.g.record.status, ResultSolved);
        EXPECT_FALSE(by.g.history().canUndo());
        EXPECT_FALSE(by.g.history().canRedo());
    }
    int lifted_ = -1;
};

TEST_F(CompletedByMovesTest, ARedoOrARestartThatCompletesTheFieldSolvesItAsADragWould) {
    GameHarness drag;
    Begin(drag);
    drag.DropOneRow(lifted_);
    ASSERT_EQ(drag.g.state.gamePhase, PhaseSolved);
    ASSERT_EQ(drag.platform.challengesMarked, std::vector<int>{kChallenge});

    // The redo: a carry recorded by the history's entry point, undone (no
    // solve: the field is one row off), then made again.
    GameHarness redo;
    Begin(redo);
    const Block& b = redo.g.blocks[lifted_];
    const Cell up{b.column, b.row};
    SetDownByHand(redo);
    ASSERT_TRUE(redo.game->CarryMade(lifted_, up, {up.column, up.row + 1}));
    redo.Key(PlayKey::Undo);
    ASSERT_EQ(redo.g.state.gamePhase, PhasePlaying);
    redo.Key(PlayKey::Redo);
    ExpectSolvedLike(redo, drag);

    // The restart: a complete field to start from, one drag away from it.
    GameHarness restart;
    Begin(restart);
    SetDownByHand(restart);
    const Block& r = restart.g.blocks[lifted_];
    restart.Press(r.column, r.row);
    restart.DragTo(r.column, r.row - 1);
    restart.Release();
    ASSERT_EQ(restart.g.state.gamePhase, PhasePlaying);
    restart.Key(PlayKey::Restart);
    ExpectSolvedLike(restart, drag);

    // The same animation from the same draws, frame by frame.
    for (int tick = 0; tick < 6; ++tick) {
        drag.Tick();
        redo.Tick();
        restart.Tick();
        ASSERT_EQ(redo.Pixels(), drag.Pixels()) << "tick " << tick;
        ASSERT_EQ(restart.Pixels(), drag.Pixels()) << "tick " << tick;
    }
    // Solved, there is nothing to undo.
    const std::vector<Cell> anchors = redo.Anchors();
    redo.Key(PlayKey::Undo);
    redo.Key(PlayKey::Restart);
    EXPECT_EQ(redo.Anchors(), anchors);
    EXPECT_EQ(redo.g.state.gamePhase, PhaseSolved);
}

TEST_F(MovesTest, NothingActsInTheFlyInOnTheTitleOrWhileABlockIsHeld) {
    h.Key(PlayKey::Restart); // the title screen
    EXPECT_EQ(h.g.state.gamePhase, PhaseTitle);
    h.StartStage(3);
    h.Tick();
    ASSERT_EQ(h.g.state.gamePhase, PhaseOpening);
    const std::size_t presented = h.platform.presented.size();
    for (PlayKey key :
         {PlayKey::Undo, PlayKey::Restart, PlayKey::Right, PlayKey::PickUpOrPutDown}) {
        h.Key(key);
    }
    EXPECT_EQ(h.platform.presented.size(), presented);
    EXPECT_FALSE(h.g.keyCursor().shown);

    PlaceThree();
    Drag(0, 7, 2, 5);
    const Position moved = Take();
    h.Press(6, 7); // held by the mouse
    h.Key(PlayKey::Undo);
    h.Key(PlayKey::Restart);
    h.Release();
    ExpectAt(moved, "held by the mouse");
    h.Key(PlayKey::Up); // the keys carry the block at the cursor's cell...
    h.Key(PlayKey::Up);
    h.Key(PlayKey::Right);
    h.Key(PlayKey::Right);
    ASSERT_EQ(h.g.keyCursor().cell, (Cell{2, 5}));
    h.Key(PlayKey::PickUpOrPutDown);
    ASSERT_TRUE(h.g.carryingByKeys());
    h.Key(PlayKey::Undo); // ...and undo waits for it to be put down
    EXPECT_EQ(h.Anchors(), moved.anchors);
    h.Key(PlayKey::PutDown);
    h.Key(PlayKey::Undo);
    EXPECT_EQ(h.g.blocks[0].column, 0);
}

TEST_F(MovesTest, TheNextMoveIsPlannedFromThePositionAnUndoLeaves) {
    PlaceThree();
    Drag(0, 7, 2, 5);
    const auto before = h.game->AskNextMove();
    ASSERT_TRUE(before.has_value());
    h.Key(PlayKey::Undo);
    const auto after = h.game->AskNextMove();
    ASSERT_TRUE(after.has_value());
    EXPECT_NE(after->position, before->position);
    EXPECT_EQ(after->blocks[0].column, 0);
    EXPECT_EQ(after->blocks[0].row, 6);
    // A plan for the position before the undo is not shown.
    EXPECT_FALSE(h.game->ShowNextMove(before->position, 0, 3, 3));
    EXPECT_TRUE(h.game->ShowNextMove(after->position, 0, 3, 3));
    h.Key(PlayKey::Redo); // a key ends the move shown
    EXPECT_FALSE(h.game->NextMoveShowing());
}

TEST_F(MovesTest, ACarryIsRecordedOnlyWhenTheBoardAgrees) {
    PlaceThree();
    // Block 0 stands at (0, 6): a carry to anywhere else, or from a place
    // that another block covers or that lies off the field, is refused.
    EXPECT_FALSE(h.game->CarryMade(0, {3, 3}, {4, 4}));
    EXPECT_FALSE(h.game->CarryMade(0, {5, 6}, {0, 6})); // the bar covers (6, 6)
    EXPECT_FALSE(h.game->CarryMade(0, {-3, 6}, {0, 6}));
    EXPECT_FALSE(h.game->CarryMade(0, {0, 6}, {0, 6}));
    EXPECT_FALSE(h.game->CarryMade(7, {0, 0}, {0, 6}));
    EXPECT_FALSE(h.g.history().canUndo());
    ASSERT_TRUE(h.game->CarryMade(0, {1, 6}, {0, 6})); // one cell of its own
    h.Key(PlayKey::Undo);
    EXPECT_EQ(h.g.blocks[0].column, 1);
    EXPECT_EQ(h.Cell(0, 6), CellEmpty);
    EXPECT_EQ(h.Cell(2, 7), 0);
}

TEST_F(MovesTest, AHistoryTheBoardNoLongerAgreesWithChangesNothing) {
    PlaceThree();
    Drag(0, 7, 2, 5);
    Drag(6, 7, 5, 7);
    ASSERT_EQ(h.Anchors()[0], (Cell{2, 4}));
    // The lying bar set down by hand across the square's first place: the
    // square's undo has no room, and nothing may overlap.
    MoveBlock(GameProbe::EditBoard(*h.game), GameProbe::EditBlocks(*h.game)[2], 2, -1, 7);
    h.Key(PlayKey::Undo); // the bar's own move: room enough
    ASSERT_EQ(h.Anchors()[1], (Cell{6, 4}));
    const Position jammed = Take();
    h.Key(PlayKey::Undo);
    ExpectAt(jammed, "the square's undo");
    h.Key(PlayKey::Restart);
    ExpectAt(jammed, "a restart");
    EXPECT_FALSE(h.g.history().canUndo());
    EXPECT_FALSE(h.g.history().canRedo());
}

} // namespace
} // namespace fenx::testing
