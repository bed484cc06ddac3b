// fenx-cli render: a stage's picture as the game's window would show it,
// one image pixel per surface pixel.
#include <ctime>
#include <memory>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/png_writer.h"
#include "cli/stage_dump.h"
#include "cli/stage_number_argument.h"
#include "cli/stage_size_argument.h"
#include "core/stage_build.h"
#include "presentation/canvas.h"

namespace fenx {
namespace {

enum class View { Start, Title, Solution };

struct RenderOptions {
    std::optional<int> hour;
    std::optional<View> view;
    std::optional<FixedBlocks> fixed;
};

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

// Reads the options after OUT.png; on failure sets `error`.
std::optional<RenderOptions> ParseOptions(std::span<const std::string_view> rest,
                                          std::string& error) {
    RenderOptions options;
    while (!rest.empty()) {
        const std::string_view name = rest[0];
        if (name == "--hour") {
            const auto hour = rest.size() > 1 ? ParseInteger(rest[1], 0, 23) : std::nullopt;
            if (options.hour || !hour) {
                error = options.hour ? "--hour given twice"
                                     : "--hour takes a whole number from 0 to 23";
                return std::nullopt;
            }
            options.hour = static_cast<int>(*hour);
            rest = rest.subspan(2);
        } else if (name == "--view") {
            const std::string_view value = rest.size() > 1 ? rest[1] : std::string_view{};
            std::optional<View> view;
            if (value == "start") {
                view = View::Start;
            } else if (value == "title") {
                view = View::Title;
            } else if (value == "solution") {
                view = View::Solution;
            }
            if (options.view || !view) {
                error =
                    options.view ? "--view given twice" : "--view takes start, title or solution";
                return std::nullopt;
            }
            options.view = view;
            rest = rest.subspan(2);
        } else if (name == "--fixed") {
            const auto pair = rest.size() > 2 ? ParseFixedBlocks(rest[1], rest[2]) : std::nullopt;
            if (options.fixed || !pair) {
                error = options.fixed ? "--fixed given twice"
                                      : "--fixed takes two block indices (-1 for none)";
                return std::nullopt;
            }
            options.fixed = pair;
            rest = rest.subspan(3);
        } else {
            error = "unknown option '" + std::string(name) + "'";
            return std::nullopt;
        }
    }
    return options;
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
    if (args.size() < 4) {
        return UsageError(kUsage);
    }
    std::string error;
    const auto size = ParseStageSize(args[0], args[1], error);
    if (!size) {
        return UsageError(error);
    }
    const auto number = ParseStageNumber(args[2], error);
    if (!number) {
        return UsageError(error);
    }
    const std::string path(args[3]);
    if (path.empty()) {
        return UsageError("the output file name is empty");
    }
    const auto options = ParseOptions(args.subspan(4), error);
    if (!options) {
        return UsageError(error);
    }
    const auto sheet = EmbeddedSpriteSheet();
    if (!sheet) {
        std::fprintf(stderr, "fenx-cli: this build has no sprite sheet\n");
        return 1;
    }

    const auto stage = BuildStage(size->width, size->height, static_cast<int>(*number),
                                  options->fixed.value_or(FixedBlocks{}));

    auto canvas = std::make_unique<Canvas>(*sheet);
    canvas->CreateSurfaces(size->width, size->height);
    canvas->SelectBackgroundTile(options->hour.value_or(LocalHour()));
    const View view = options->view.value_or(View::Start);
    if (view == View::Title) {
        canvas->DrawTitlePicture();
    } else {
        canvas->DrawField();
        DrawBlocks(*canvas, stage->blocks, 0, false);
        if (view == View::Solution) {
            DrawBlocks(*canvas, stage->blocks, size->height, true);
        }
    }

    const OffscreenSurface& surface = canvas->surface();
    const IndexedImage image{surface.pixels(), surface.width(), surface.height(), surface.stride()};
    if (!WriteIndexedPng(path, image, canvas->colourTable(), error)) {
        return UsageError(error);
    }
    return 0;
}

} // namespace fenx
