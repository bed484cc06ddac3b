// Drawing speed: one whole frame of the largest stage, the field and all 95
// blocks, as the game draws it after a stage start or a size change.
//
//   build/release/bench/fenx_bench --benchmark_filter=Frame
//
// Uses the built-in sprite sheet, or a synthetic one of the same format when
// the build has none (the copy does not depend on the pictures).

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "core/stage_build.h"
#include "presentation/blit.h"
#include "presentation/canvas.h"

namespace fenx {
namespace {

// A sheet file whose pixels are never 0 except on a sparse grid.
std::vector<uint8_t> SyntheticSheetFile() {
    std::vector<uint8_t> bytes(kSheetFileSize, 0);
    const auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
        }
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<uint32_t>(kSheetFileSize));
    put32(10, static_cast<uint32_t>(kSheetPixelOffset));
    put32(14, 40);
    put32(18, kSheetWidth);
    put32(22, kSheetHeight);
    bytes[26] = 1;
    bytes[28] = 8;
    for (size_t i = kSheetPixelOffset; i < bytes.size(); ++i) {
        bytes[i] = i % 7 == 0 ? 0 : static_cast<uint8_t>(11 + i % 58);
    }
    return bytes;
}

struct FrameSetup {
    std::vector<uint8_t> syntheticBytes;
    std::unique_ptr<Canvas> canvas;
    std::unique_ptr<BuiltStage> stage = std::make_unique<BuiltStage>();
    BlockList& blocks = stage->blocks;

    FrameSetup() {
        auto sheet = EmbeddedSpriteSheet();
        if (!sheet) {
            syntheticBytes = SyntheticSheetFile();
            sheet = ParseSpriteSheet(syntheticBytes.data(), syntheticBytes.size());
        }
        canvas = std::make_unique<Canvas>(*sheet);
        canvas->CreateSurfaces(38, 10);
        canvas->SelectBackgroundTile(9);
        BuildStage(*stage, 38, 10, 0, {});
    }
};

void DrawFrame(Canvas& canvas, const BlockList& blocks) {
    canvas.DrawField();
    for (int i = 0; i < blocks.count; ++i) {
        const Block& b = blocks[i];
        canvas.DrawBlockAt(CellPixel(b.column), CellPixel(b.row), b.orientation, b.kind, b.fixed);
    }
}

void BM_FullFrame38x10(benchmark::State& state) {
    FrameSetup setup;
    for (auto _ : state) {
        DrawFrame(*setup.canvas, setup.blocks);
        benchmark::DoNotOptimize(setup.canvas->surface().pixels());
        benchmark::ClobberMemory();
    }
    state.counters["blocks"] = setup.blocks.count;
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FullFrame38x10)->Unit(benchmark::kMicrosecond);

// The same tiles through the general clipped copy, for comparison with the
// whole-tile path that DrawTile takes.
void BM_FullFrame38x10PlainCopy(benchmark::State& state) {
    FrameSetup setup;
    Canvas& canvas = *setup.canvas;
    const SpriteSheet& sheet = canvas.sheet();
    for (auto _ : state) {
        const SurfaceView view = canvas.surface().view();
        const SheetTile bg = canvas.backgroundTile();
        for (int cy = 0; cy < 20; ++cy) {
            for (int cx = 0; cx < 38; ++cx) {
                BlitKeyed(view, (cx + 1) * 16, (cy + 1) * 16, sheet, bg.column * 16, bg.row * 16,
                          16, 16);
            }
        }
        for (int i = 0; i < setup.blocks.count; ++i) {
            const Block& b = setup.blocks[i];
            for (int j = 0; j < 4; ++j) {
                const CellOffset c = ShapeTable[b.orientation][j];
                const SheetTile t = BlockCellTile(b.orientation, j, b.kind, false);
                BlitKeyed(view, (b.column + c.dx + 1) * 16, (b.row + c.dy + 1) * 16, sheet,
                          t.column * 16, t.row * 16, 16, 16);
            }
        }
        benchmark::DoNotOptimize(canvas.surface().pixels());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullFrame38x10PlainCopy)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace fenx
