#include "presentation/wave_reader.h"

#include <cstring>

namespace fenx {
namespace {

constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kRiffHeaderSize = 12;
constexpr std::size_t kPcmFormatSize = 16;

uint16_t Little16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t Little32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

bool HasTag(const uint8_t* p, const char (&tag)[5]) {
    return std::memcmp(p, tag, 4) == 0;
}

void ReadFormat(const uint8_t* body, WaveView& view) {
    view.formatTag = Little16(body);
    view.channels = Little16(body + 2);
    view.sampleRate = Little32(body + 4);
    view.byteRate = Little32(body + 8);
    view.blockAlign = Little16(body + 12);
    view.bitsPerSample = Little16(body + 14);
}

} // namespace

std::optional<WaveView> ParseWave(const uint8_t* data, std::size_t size) {
    if (data == nullptr || size < kRiffHeaderSize || !HasTag(data, "RIFF") ||
        !HasTag(data + 8, "WAVE")) {
        return std::nullopt;
    }
    // All positions are offsets no greater than `end`; sizes from the file
    // are compared against what remains, never added to a pointer first.
    const uint64_t riffEnd = uint64_t{Little32(data + 4)} + kChunkHeaderSize;
    const std::size_t end = riffEnd < size ? static_cast<std::size_t>(riffEnd) : size;
    if (end < kRiffHeaderSize) {
        return std::nullopt; // a RIFF size too small to hold even "WAVE"
    }

    WaveView view;
    bool haveFormat = false;
    const uint8_t* samples = nullptr;
    std::size_t sampleBytes = 0;
    std::size_t position = kRiffHeaderSize;
    while (end - position >= kChunkHeaderSize && !(haveFormat && samples != nullptr)) {
        const uint8_t* header = data + position;
        const std::size_t bodyStart = position + kChunkHeaderSize;
        const std::size_t available = end - bodyStart;
        const uint32_t declared = Little32(header + 4);
        if (HasTag(header, "data") && samples == nullptr) {
            samples = data + bodyStart;
            sampleBytes = declared < available ? declared : available;
        } else if (HasTag(header, "fmt ") && !haveFormat) {
            if (declared < kPcmFormatSize || declared > available) {
                return std::nullopt;
            }
            ReadFormat(data + bodyStart, view);
            haveFormat = true;
        }
        const uint64_t padded = uint64_t{declared} + (declared & 1u);
        if (padded > available) {
            break;
        }
        position = bodyStart + static_cast<std::size_t>(padded);
    }
    if (!haveFormat || samples == nullptr || view.channels == 0 || view.blockAlign == 0) {
        return std::nullopt;
    }
    view.samples = samples;
    view.sampleBytes = sampleBytes - sampleBytes % view.blockAlign;
    return view;
}

bool IsPlayableWave(const WaveView& wave) {
    const bool bitsOk = wave.bitsPerSample == 8 || wave.bitsPerSample == 16;
    const bool channelsOk = wave.channels == 1 || wave.channels == 2;
    return wave.formatTag == kWaveFormatPcm && bitsOk && channelsOk &&
           wave.blockAlign == wave.channels * wave.bitsPerSample / 8 && wave.sampleRate >= 4000 &&
           wave.sampleRate <= 192000 && wave.sampleBytes >= wave.blockAlign &&
           wave.samples != nullptr;
}

} // namespace fenx
