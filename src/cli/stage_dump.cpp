#include "cli/stage_dump.h"

#include <charconv>

#include "core/stage_build.h"
#include "core/stage_number.h"

namespace fenx {
namespace {

void AppendInt(std::string& out, long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

} // namespace

void AppendStageDump(std::string& out, BuiltStage& stage, int width, int height, long number,
                     FixedBlocks fixed) {
    const int n = ReduceStageNumber(number);
    StageBuildTrace trace;
    BuildStage(stage, width, height, n, fixed, &trace);
    const BlockList& blocks = stage.blocks;

    out += "stage ";
    for (long v : {long{width}, long{height}}) {
        AppendInt(out, v);
        out += ' ';
    }
    AppendInt(out, n);
    out += "\ndraws ";
    AppendInt(out, static_cast<long>(trace.tilingDraws));
    out += "\nlayout ";
    AppendInt(out, static_cast<long>(trace.layoutDraws.size()));
    for (size_t i = 0; i < trace.layoutDraws.size(); ++i) {
        out += i == 0 ? ' ' : ',';
        AppendInt(out, static_cast<long>(trace.layoutDraws[i]));
    }
    for (int i = 0; i < blocks.count; ++i) {
        const Block& b = blocks[i];
        out += "\nblock ";
        for (long v : {long{i}, long{b.orientation}, long{b.kind}, long{b.solutionColumn},
                       long{b.solutionRow}, long{b.column}, long{b.row}}) {
            AppendInt(out, v);
            out += ' ';
        }
        AppendInt(out, b.fixed);
    }

    // The tiling is rebuilt from the solution places, which layout keeps.
    int tiling[10][38];
    for (int i = 0; i < blocks.count; ++i) {
        const Block& b = blocks[i];
        for (const CellOffset& c : ShapeTable[b.orientation]) {
            tiling[b.solutionRow + c.dy][b.solutionColumn + c.dx] = i;
        }
    }
    for (int y = 0; y < height; ++y) {
        out += "\ntiling";
        for (int x = 0; x < width; ++x) {
            out += ' ';
            AppendInt(out, tiling[y][x]);
        }
    }
    for (int y = 0; y < 2 * height; ++y) {
        out += "\nfield";
        for (int x = 0; x < width; ++x) {
            const int16_t v = stage.board.at(x, y);
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
