// SPDX-License-Identifier: MIT
// fenx-make-sheet OUTDIR: draws the game's artwork and writes
// OUTDIR/fenx00.bmp (the sprite sheet), OUTDIR/icon/fenx-<size>.png and the
// scalable OUTDIR/icon/fenx.svg.
// Everything is integer arithmetic on fixed tables: every run writes the
// same pictures.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "background_tiles.h"
#include "block_tiles.h"
#include "bmp_writer.h"
#include "font.h"
#include "frame_tiles.h"
#include "icon.h"
#include "icon_svg.h"
#include "outline_tiles.h"
#include "palette.h"
#include "png_writer.h"
#include "title_logo.h"

int main(int argc, char** argv) {
    using namespace fenx::sheet;
    if (argc != 2) {
        std::fprintf(stderr, "usage: fenx-make-sheet OUTDIR\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    std::error_code error;
    std::filesystem::create_directories(out / "icon", error);
    if (error) {
        std::fprintf(stderr, "cannot create %s\n", (out / "icon").string().c_str());
        return 1;
    }

    auto sheet = std::make_unique<SheetImage>();
    DrawFrame(*sheet);
    DrawBackgrounds(*sheet);
    DrawTitleLogo(*sheet);
    DrawColourBlocks(*sheet);
    DrawFont(*sheet);
    DrawOutlines(*sheet);

    const auto palette = SheetPalette();
    const std::string sheetPath = (out / "fenx00.bmp").string();
    if (!WriteFile(sheetPath, EncodeBmp(*sheet, palette))) {
        std::fprintf(stderr, "cannot write %s\n", sheetPath.c_str());
        return 1;
    }
    for (int size : kIconSizes) {
        const std::string path =
            (out / "icon" / ("fenx-" + std::to_string(size) + ".png")).string();
        if (!WritePng(path, RenderIcon(size, palette))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    const std::string svgPath = (out / "icon" / "fenx.svg").string();
    const std::string svg = EncodeSvg(RenderIcon(64, palette));
    if (!WriteFile(svgPath, std::vector<uint8_t>(svg.begin(), svg.end()))) {
        std::fprintf(stderr, "cannot write %s\n", svgPath.c_str());
        return 1;
    }
    return 0;
}
