// SPDX-License-Identifier: MIT
// fenx-make-sounds OUTDIR: writes the game's four sounds as WAVE files and
// prints a line of figures for each.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "sounds.h"
#include "wave_writer.h"

namespace {

struct Recipe {
    const char* fileName;
    std::vector<uint8_t> (*make)();
};

constexpr Recipe kRecipes[] = {
    {"sndtada.wav", fenx::sounds::MakeTada},
    {"sndclick.wav", fenx::sounds::MakeClick},
    {"sndslide.wav", fenx::sounds::MakeSlide},
    {"sndopen.wav", fenx::sounds::MakeOpen},
};

int PeakDeviation(const std::vector<uint8_t>& pcm) {
    int peak = 0;
    for (uint8_t sample : pcm) {
        const int deviation = sample >= 128 ? sample - 128 : 128 - sample;
        peak = deviation > peak ? deviation : peak;
    }
    return peak;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fenx-make-sounds OUTDIR\n");
        return 2;
    }
    const std::string outDir = argv[1];
    for (const Recipe& recipe : kRecipes) {
        const std::vector<uint8_t> pcm = recipe.make();
        const std::string path = outDir + "/" + recipe.fileName;
        if (!fenx::sounds::WriteBytes(path, fenx::sounds::BuildWaveImage(pcm))) {
            std::fprintf(stderr, "fenx-make-sounds: cannot write %s\n", path.c_str());
            return 1;
        }
        const std::size_t frames = pcm.size() / 2;
        std::printf("%-13s %6zu frames  %6zu data bytes  %.3f s  peak %d/127\n", recipe.fileName,
                    frames, pcm.size(), static_cast<double>(frames) / 22050.0, PeakDeviation(pcm));
    }
    return 0;
}
