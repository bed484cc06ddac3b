// Writes 8-bit stereo PCM as a plain RIFF WAVE file: a 44-byte header of
// "RIFF", "WAVE", a 16-byte "fmt " chunk and the "data" chunk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fenx::sounds {

std::vector<uint8_t> BuildWaveImage(const std::vector<uint8_t>& interleavedPcm8);
bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace fenx::sounds
