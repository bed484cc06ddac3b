// The opening jingle: a bell arpeggio rising up the C major chord
// (C5 E5 G5 C6, walking from left to right) that lands on a soft C6-E6-G6
// bell chord, with a warm pad of C4-E4-G4 swelling underneath and a room
// tail that dies away.
#include <array>
#include <cstddef>
#include <utility>

#include "mastering.h"
#include "reverb.h"
#include "sounds.h"
#include "voices.h"

namespace fenx::sounds {
namespace {

constexpr double kStep = 0.1;
constexpr double kLanding = 0.42;

void AddArpeggio(StereoBuffer& buffer) {
    constexpr std::array<double, 4> kNotes = {72.0, 76.0, 79.0, 84.0};
    for (std::size_t n = 0; n < kNotes.size(); ++n) {
        const double pan = -0.45 + 0.3 * static_cast<double>(n);
        AddBell(buffer, {kStep * static_cast<double>(n), kNotes[n], 0.55, pan, 0.8});
    }
}

void AddLanding(StereoBuffer& buffer) {
    AddBell(buffer, {kLanding, 84.0, 0.38, -0.25, 0.95});
    AddBell(buffer, {kLanding + 0.012, 88.0, 0.3, 0.25, 0.95});
    AddBell(buffer, {kLanding + 0.024, 91.0, 0.26, 0.0, 0.85});
}

void AddPadChord(StereoBuffer& buffer) {
    AddPad(buffer, {0.05, 0.85, 60.0, 0.16, -0.3});
    AddPad(buffer, {0.05, 0.85, 64.0, 0.13, 0.3});
    AddPad(buffer, {0.05, 0.85, 67.0, 0.13, 0.0});
}

} // namespace

std::vector<uint8_t> MakeOpen() {
    StereoBuffer buffer(kOpenFrames);
    AddArpeggio(buffer);
    AddLanding(buffer);
    AddPadChord(buffer);
    AddReverb(buffer, {0.8, 0.3, 0.25});
    return MasterToPcm8(std::move(buffer), {0.8, 0.002, 0.25, true, 0x0BE7});
}

} // namespace fenx::sounds
