#include "wave_writer.h"

#include <cstddef>
#include <cstdio>

#include "synth_math.h"

namespace fenx::sounds {
namespace {

constexpr uint32_t kChannels = 2;
constexpr uint32_t kBitsPerSample = 8;
constexpr uint32_t kBlockAlign = kChannels * kBitsPerSample / 8;
constexpr std::size_t kHeaderSize = 44;

class HeaderWriter {
  public:
    explicit HeaderWriter(std::vector<uint8_t>& out) : out_(out) {}
    void Tag(const char (&tag)[5]) {
        for (int i = 0; i < 4; ++i) {
            out_[position_++] = static_cast<uint8_t>(tag[i]);
        }
    }
    void Little(uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out_[position_++] = static_cast<uint8_t>(value >> (8 * i));
        }
    }

  private:
    std::vector<uint8_t>& out_;
    std::size_t position_ = 0;
};

} // namespace

std::vector<uint8_t> BuildWaveImage(const std::vector<uint8_t>& interleavedPcm8) {
    const auto dataSize = static_cast<uint32_t>(interleavedPcm8.size());
    const uint32_t padding = dataSize & 1u; // RIFF keeps chunks at even lengths
    std::vector<uint8_t> out(kHeaderSize + dataSize + padding, 128);
    HeaderWriter header(out);
    header.Tag("RIFF");
    header.Little(36 + dataSize + padding, 4);
    header.Tag("WAVE");
    header.Tag("fmt ");
    header.Little(16, 4);
    header.Little(1, 2); // PCM
    header.Little(kChannels, 2);
    header.Little(kSampleRate, 4);
    header.Little(kSampleRate * kBlockAlign, 4);
    header.Little(kBlockAlign, 2);
    header.Little(kBitsPerSample, 2);
    header.Tag("data");
    header.Little(dataSize, 4);
    for (std::size_t i = 0; i < interleavedPcm8.size(); ++i) {
        out[kHeaderSize + i] = interleavedPcm8[i];
    }
    return out;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace fenx::sounds
