// The game's four sounds, each as interleaved unsigned 8-bit stereo at
// 22050 frames per second. The frame counts are the lengths the game was
// timed around.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fenx::sounds {

inline constexpr std::size_t kTadaFrames = 47488;  // 2.15 s: a stage is solved
inline constexpr std::size_t kClickFrames = 170;   // 7.7 ms: a block is picked up
inline constexpr std::size_t kSlideFrames = 25947; // 1.18 s: a stage's blocks fly in
inline constexpr std::size_t kOpenFrames = 35460;  // 1.61 s: the program starts

std::vector<uint8_t> MakeTada();
std::vector<uint8_t> MakeClick();
std::vector<uint8_t> MakeSlide();
std::vector<uint8_t> MakeOpen();

} // namespace fenx::sounds
