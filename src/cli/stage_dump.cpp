#include "cli/stage_dump.h"

#include <charconv>

#include "core/generation.h"

namespace fenx {
namespace {

void AppendInt(std::string& out, long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

} // namespace

void AppendStageDump(std::string& out, StageEngine& engine, int width, int height, long number,
                     FixedBlocks fixed) {
    const int n = static_cast<int>(number & 0xFFFF);
    SeedStageRandom(engine.random, static_cast<uint32_t>(n));
    ResetBoard(engine.board, width, height);
    engine.blocks.count = 0;
    GenerateTiling(engine.random, engine.board, engine.blocks);
    const uint64_t tilingDraws = engine.random.draws;

    out += "stage ";
    AppendInt(out, width);
    out += ' ';
    AppendInt(out, height);
    out += ' ';
    AppendInt(out, n);
    out += "\ndraws ";
    AppendInt(out, static_cast<long>(tilingDraws));

    // The tiling is recorded before layout replaces the board.
    std::string tiling;
    for (int y = 0; y < height; ++y) {
        tiling += "\ntiling";
        for (int x = 0; x < width; ++x) {
            tiling += ' ';
            AppendInt(tiling, engine.board.at(x, y));
        }
    }

    std::string attempts;
    int count = 0;
    bool done = false;
    while (!done) {
        const uint64_t before = engine.random.draws;
        done = LayOutStartField(engine.random, engine.board, engine.blocks, width, height, fixed);
        attempts += count++ == 0 ? "" : ",";
        AppendInt(attempts, static_cast<long>(engine.random.draws - before));
    }
    out += "\nlayout ";
    AppendInt(out, count);
    out += ' ';
    out += attempts;

    for (int i = 0; i < engine.blocks.count; ++i) {
        const Block& b = engine.blocks[i];
        out += "\nblock ";
        for (long v : {long{i}, long{b.orientation}, long{b.kind}, long{b.solutionColumn},
                       long{b.solutionRow}, long{b.column}, long{b.row}}) {
            AppendInt(out, v);
            out += ' ';
        }
        AppendInt(out, b.fixed);
    }
    out += tiling;
    for (int y = 0; y < 2 * height; ++y) {
        out += "\nfield";
        for (int x = 0; x < width; ++x) {
            const int16_t v = engine.board.at(x, y);
            out += ' ';
            if (v == CellEmpty) {
                out += '.';
            } else {
                AppendInt(out, v);
            }
        }
    }
}

} // namespace fenx
