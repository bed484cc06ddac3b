// fenx-cli render: a stage's picture as the game's window would show it,
// one image pixel per surface pixel.
#include <ctime>
#include <memory>
#include <optional>
#include <string>

#include "cli/argument_reader.h"
#include "cli/arguments.h"
#include "cli/command_output.h"
#include "cli/commands.h"
#include "cli/png_encoder.h"
#include "core/stage_build.h"
#include "presentation/canvas.h"

namespace fenx {
namespace {

enum class View { Start, Title, Solution };

std::optional<View> ReadView(std::string_view name) {
    if (name == "start") {
        return View::Start;
    }
    if (name == "title") {
        return View::Title;
    }
    if (name == "solution") {
        return View::Solution;
    }
    return std::nullopt;
}

constexpr std::string_view kUsage =
    "usage: fenx-cli render W H N OUT.png [--hour 0..23] [--view start|title|solution] "
    "[--fixed A B]";

int LocalHour() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return 0;
    }
    return local.tm_hour;
}

void DrawBlocks(Canvas& canvas, const BlockList& blocks, int rowOffset, bool atSolution) {
    for (int i = 0; i < blocks.count; ++i) {
        const Block& b = blocks[i];
        const int column = atSolution ? b.solutionColumn : b.column;
        const int row = (atSolution ? b.solutionRow : b.row) + rowOffset;
        canvas.DrawBlockAt(CellPixel(column), CellPixel(row), b.orientation, b.kind, b.fixed != 0);
    }
}

} // namespace

int RunRenderCommand(std::span<const std::string_view> args) {
    std::string error;
    const auto read = ReadStageArguments(args, {kUsage, true, true}, error);
    if (!read) {
        return UsageError(error);
    }
    std::optional<int> hour;
    View view = View::Start;
    FixedBlocks fixed;
    const CliOption options[] = {
        {"--hour", 1, "--hour takes a whole number from 0 to 23",
         [&hour](std::span<const std::string_view> values) {
             const auto h = ParseInteger(values[0], 0, 23);
             hour = h ? std::optional<int>(static_cast<int>(*h)) : std::nullopt;
             return h.has_value();
         }},
        {"--view", 1, "--view takes start, title or solution",
         [&view](std::span<const std::string_view> values) {
             const auto chosen = ReadView(values[0]);
             view = chosen.value_or(View::Start);
             return chosen.has_value();
         }},
        FixedBlocksOption(fixed, *read),
    };
    if (!ReadOptions(read->options, options, error)) {
        return UsageError(error);
    }
    const auto sheet = EmbeddedSpriteSheet();
    if (!sheet) {
        std::fprintf(stderr, "fenx-cli: this build has no sprite sheet\n");
        return 1;
    }

    const auto stage = BuildStage(read->width, read->height, read->number, fixed);

    auto canvas = std::make_unique<Canvas>(*sheet);
    canvas->CreateSurfaces(read->width, read->height);
    canvas->SelectBackgroundTile(hour.value_or(LocalHour()));
    if (view == View::Title) {
        canvas->DrawTitlePicture();
    } else {
        canvas->DrawField();
        DrawBlocks(*canvas, stage->blocks, 0, false);
        if (view == View::Solution) {
            DrawBlocks(*canvas, stage->blocks, read->height, true);
        }
    }

    const OffscreenSurface& surface = canvas->surface();
    const IndexedImage image{surface.pixels(), surface.width(), surface.height(), surface.stride()};
    const std::optional<std::string> png = EncodeIndexedPng(image, canvas->colourTable());
    if (!png) {
        return OutputFailed("the picture could not be encoded");
    }
    if (!WriteOutputFile(std::string(read->output), *png, error)) {
        return OutputFailed(error);
    }
    return 0;
}

} // namespace fenx
