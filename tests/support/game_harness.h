// A whole Game on a recording platform and a synthetic sheet, with the
// mouse and the play timer driven the way the window shell drives them.
#pragma once

#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "core/board.h"
#include "core/step_rule.h"

#include "stage/game.h"
#include "support/fake_platform.h"
#include "support/game_probe.h"
#include "support/pattern_sheet.h"

namespace fenx {

namespace testing {

class GameHarness {
  public:
    FakePlatform platform;
    PatternSheet sheet;
    std::unique_ptr<Game> game = std::make_unique<Game>(platform, sheet.sheet);
    GameView g{*game};

    GameHarness() {
        game->SetChangeListener([this](const GameChange& c) { platform.RecordChange(c); });
    }

    // Start-up as the shell does it: settings, then the title screen.
    void StartUp() {
        game->StartUp();
        game->ShowTitleScreen();
    }

    // One 100 ms tick with every paced frame it asks for, the clock set to
    // each due reading exactly. Returns the number of frames run.
    int Tick() {
        platform.milliseconds += 100;
        const auto countFrames = [this] { return platform.presented.size(); };
        const std::size_t before = countFrames();
        std::optional<uint32_t> due = game->OnPlayTimer();
        while (due) {
            platform.milliseconds = *due;
            due = game->OnPacedFrame();
        }
        return static_cast<int>(countFrames() - before);
    }

    // A stage at the current size, flown in and ready to play.
    void StartPlaying(int number) {
        StartStage(number);
        while (g.state.gamePhase == PhaseOpening) {
            Tick();
        }
    }

    // A stage start that keeps the challenge flag as it is.
    void StartStage(int number) { GameProbe::StartStage(*game, number); }

    // --- Hand-made situations -----------------------------------------------
    void SetPhase(GamePhase phase) { GameProbe::EditState(*game).gamePhase = phase; }
    void SetChallengeFlag(bool on) { GameProbe::EditState(*game).challengeActive = on; }
    void MakeFixed(int block) { GameProbe::EditBlocks(*game)[block].fixed = true; }
    // Block b's anchor in the generated tiling (row 0..H-1 of the tiling).
    void SetSolution(int block, int column, int row) {
        Block& b = GameProbe::EditBlocks(*game)[block];
        b.solutionColumn = column;
        b.solutionRow = row;
    }
    // Any stored display mode, also one that no menu item sets.
    void SetDragDisplayMode(int32_t mode) { GameProbe::PlayOf(*game).setDragDisplayMode(mode); }

    void Press(int cx, int cy) { game->OnLeftButtonDown(CellCentrePixel(cx), CellCentrePixel(cy)); }
    void DragTo(int cx, int cy) {
        game->OnMouseMove(CellCentrePixel(cx), CellCentrePixel(cy), true, false);
    }
    void Release() { game->OnLeftButtonUp(); }

    int Cell(int cx, int cy) const { return g.board.at(cx, cy); }

    void Key(PlayKey key, bool autoRepeat = false) { game->OnKey(key, autoRepeat); }
    // The picture as it stands, and where every block's anchor is.
    std::vector<uint8_t> Pixels() const {
        const OffscreenSurface& s = g.canvas.surface();
        return {s.pixels(), s.pixels() + s.height() * s.stride()};
    }
    std::vector<fenx::Cell> Anchors() const {
        std::vector<fenx::Cell> anchors;
        for (int i = 0; i < g.blocks.count; ++i) {
            anchors.push_back({g.blocks[i].column, g.blocks[i].row});
        }
        return anchors;
    }

    struct Placed {
        int orientation;
        int column;
        int row;
    };
    // A hand-made field in PhasePlaying: exactly these blocks, block i in
    // colour i mod 7, the picture drawn as a finished fly-in leaves it.
    void PlaceBlocks(std::initializer_list<Placed> placed) {
        Board& board = GameProbe::EditBoard(*game);
        BlockList& blocks = GameProbe::EditBlocks(*game);
        GameState& state = GameProbe::EditState(*game);
        ResetBoard(board, state.W, 2 * state.H);
        blocks.count = 0;
        for (const Placed& p : placed) {
            const int i = blocks.count++;
            Block& b = blocks[i];
            b = Block{};
            b.orientation = static_cast<int16_t>(p.orientation);
            b.kind = static_cast<int16_t>(i % 7);
            b.column = p.column;
            b.row = p.row;
            WriteBlockCells(board, p.column, p.row, p.orientation, static_cast<int16_t>(i));
        }
        state.openingStep = 0;
        GameProbe::PlayOf(*game).DrawOpeningPicture();
        state.gamePhase = PhasePlaying;
    }

    // Puts every block of the stage in play on its place in the tiling,
    // then lifts one movable block a row, so that dragging it one cell down
    // solves the stage. Returns that block.
    int SetUpOneStepFromSolved() {
        Board& board = GameProbe::EditBoard(*game);
        BlockList& blocks = GameProbe::EditBlocks(*game);
        ResetBoard(board, g.state.W, 2 * g.state.H);
        for (int i = 0; i < blocks.count; ++i) {
            Block& b = blocks[i];
            b.column = b.solutionColumn;
            b.row = b.solutionRow + g.state.H;
            WriteBlockCells(board, b.column, b.row, b.orientation, static_cast<int16_t>(i));
        }
        for (int i = 0; i < blocks.count; ++i) {
            Block& b = blocks[i];
            if (!b.fixed && StepFits(board, b, i, 0, -1)) {
                WriteBlockCells(board, b.column, b.row, b.orientation, CellEmpty);
                --b.row;
                WriteBlockCells(board, b.column, b.row, b.orientation, static_cast<int16_t>(i));
                return i;
            }
        }
        return -1;
    }

    // Drags block b one row down by its anchor cell.
    void DropOneRow(int b) {
        const Block& block = g.blocks[b];
        Press(block.column, block.row);
        DragTo(block.column, block.row + 1);
        Release();
    }
};

// Whether the 16 x 16 square of the surface at (x, y) shows sheet tile
// `tile`, with `under` showing through the tile's transparent pixels.
inline bool ShowsTile(const OffscreenSurface& surface, int x, int y, const SpriteSheet& sheet,
                      SheetTile tile, std::optional<SheetTile> under = std::nullopt) {
    for (int iy = 0; iy < kTileSize; ++iy) {
        for (int ix = 0; ix < kTileSize; ++ix) {
            uint8_t want = sheet.At(tile.column * kTileSize + ix, tile.row * kTileSize + iy);
            if (want == 0 && under) {
                want = sheet.At(under->column * kTileSize + ix, under->row * kTileSize + iy);
            }
            if (want != 0 && surface.At(x + ix, y + iy) != want) {
                return false;
            }
        }
    }
    return true;
}

} // namespace testing
} // namespace fenx
