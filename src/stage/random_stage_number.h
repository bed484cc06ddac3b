// Where new random stage numbers come from.
#pragma once

#include <cstdint>

namespace fenx {

// Bit i of the low 16 bits becomes bit 15 - i.
constexpr uint32_t ReverseLow16Bits(uint32_t value) {
    uint32_t reversed = 0;
    for (int i = 0; i < 16; ++i) {
        reversed |= ((value >> i) & 1u) << (15 - i);
    }
    return reversed;
}

// A fresh stage number from the calendar time in seconds, a ProcessRandom
// draw taken after reading that time, and the number of the stage last
// played. The fast-changing low bits of the clock end up in the high bits
// of the number. Not yet reduced to 16 bits: the stage start does that.
constexpr int32_t MixRandomStageNumber(int64_t calendarSeconds, int draw, int32_t current) {
    const auto b = static_cast<int32_t>(ReverseLow16Bits(static_cast<uint32_t>(calendarSeconds)));
    return b + draw + current;
}

} // namespace fenx
