// Reading a RIFF WAVE image where it lies: the game keeps each sound's file
// in memory and hands the audio device a pointer into it, so nothing is
// copied or decoded.
//
// What the reader accepts, and why:
// - "RIFF", a size, "WAVE", then chunks of a 4-byte id, a 4-byte little-endian
//   size and the body, each padded to an even length. The walk stops at the
//   end of the RIFF chunk or of the bytes at hand, whichever comes first.
// - Chunks it does not know ("LIST", "fact", ...) are skipped wherever they
//   stand. A chunk that claims more bytes than remain ends the walk.
// - "fmt " must hold at least 16 bytes, all of them present; a longer one
//   (18 bytes with an empty extension, 40 for the extensible layout) is
//   read for its first 16. The first "fmt " counts.
// - A "data" chunk longer than the bytes present is clipped to what is
//   there, so a file cut short still plays what it holds. The data is then
//   rounded down to whole frames (block align).
// - "data" may come before or after "fmt "; both must be found.
// - Zero channels or a zero block align are rejected: no frame size.
// Any format tag is reported as found; IsPlayableWave decides whether the
// game can play it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace fenx {

inline constexpr uint16_t kWaveFormatPcm = 1;

struct WaveView {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t sampleRate = 0; // frames per second
    uint32_t byteRate = 0;   // as written; not trusted for anything
    uint16_t blockAlign = 0; // bytes per frame
    uint16_t bitsPerSample = 0;
    const uint8_t* samples = nullptr; // first data byte, inside the parsed image
    std::size_t sampleBytes = 0;      // a whole number of frames

    std::size_t frameCount() const { return blockAlign == 0 ? 0 : sampleBytes / blockAlign; }
};

std::optional<WaveView> ParseWave(const uint8_t* data, std::size_t size);

// True for what the game's audio output can play as it stands: PCM, 8 or
// 16 bits, one or two channels, a block align that matches, 4000 to 192000
// frames per second, and at least one frame.
bool IsPlayableWave(const WaveView& wave);

} // namespace fenx
