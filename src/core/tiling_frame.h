// The target area during generation as one string of bits, column after
// column. A column of H rows takes H + 3 bits: three guard bits, always set,
// then its rows from the top. The guards stand for rows -3..-1 of their
// column and rows H..H+2 of the one before, so a shape that reaches above or
// below the area finds its cells taken; every bit from W * stride on is past
// the last column and set as well. Cell (x, y) is bit x * stride + 3 + y.
//
// Column-major order is the order of the stage's scan for the first empty
// cell, and every shape reaches only forward from its anchor in that order,
// so the board of a tiling in progress needs no array: every cell before the
// first empty one is filled, and nothing is placed more than 3 * stride bits
// after it. A 64-bit window that starts at that cell holds all there is.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/draw_picks.h"
#include "core/shapes.h"
#include "core/stage_size.h"

namespace fenx {

inline constexpr int kGuardBits = 3;
inline constexpr int kMinStride = kMinHeight + kGuardBits;
inline constexpr int kMaxStride = kMaxHeight + kGuardBits;
inline constexpr int kStrideCount = kMaxStride - kMinStride + 1;
// The whole widest, tallest area and two windows past its end.
inline constexpr int kFrameWords = (kMaxWidth * kMaxStride + 128) / 64 + 2;

// Each pick's cells as bits from its anchor: bit dx * stride + dy.
inline constexpr auto PickStringShapes = [] {
    std::array<std::array<uint64_t, kPickCount>, kStrideCount> shapes{};
    for (int stride = kMinStride; stride <= kMaxStride; ++stride) {
        for (int pick = 0; pick < kPickCount; ++pick) {
            for (const CellOffset& c : ShapeTable[PickOrientation[pick]]) {
                shapes[stride - kMinStride][pick] |= uint64_t{1} << (c.dx * stride + c.dy);
            }
        }
    }
    return shapes;
}();

// The twelve cells that decide which orientations fit at an empty anchor, in
// the order of FitMaskTable's window: rows +1..+3 of the anchor's column,
// -2..+2 of the next, -1..+1 of the one after, row 0 of the fourth. They lie
// in increasing bit order, so extracting them in bit order gives the index.
constexpr uint64_t NeighbourhoodMask(int stride) {
    return (uint64_t{7} << 1) | (uint64_t{31} << (stride - 2)) | (uint64_t{7} << (2 * stride - 1)) |
           (uint64_t{1} << (3 * stride));
}

// Guard bits of every column, for each stride.
inline constexpr auto GuardWords = [] {
    std::array<std::array<uint64_t, kFrameWords>, kStrideCount> words{};
    for (int stride = kMinStride; stride <= kMaxStride; ++stride) {
        for (int bit = 0; bit < 64 * kFrameWords; ++bit) {
            if (bit % stride < kGuardBits) {
                words[stride - kMinStride][bit / 64] |= uint64_t{1} << (bit % 64);
            }
        }
    }
    return words;
}();

// Everything about one stage size that generation needs, ready to use.
struct TilingFrame {
    TilingFrame(int w, int h)
        : width(w), height(h), stride(h + kGuardBits), total(w * h / 4),
          lastColumnsCell((w - 4) * stride + kGuardBits),
          shapes(PickStringShapes[static_cast<std::size_t>(stride - kMinStride)].data()),
          neighbourhood(NeighbourhoodMask(stride)),
          columnReciprocal(static_cast<uint32_t>((65536 + stride - 1) / stride)) {
        const auto& guards = GuardWords[static_cast<std::size_t>(stride - kMinStride)];
        const int end = w * stride;
        for (int k = 0; k < kFrameWords; ++k) {
            const int from = end - 64 * k; // first bit past the area in this word
            const uint64_t past = from <= 0 ? ~uint64_t{0} : from >= 64 ? 0 : ~uint64_t{0} << from;
            taken[static_cast<std::size_t>(k)] = guards[static_cast<std::size_t>(k)] | past;
        }
    }

    // The cells that are always taken, as a window from `cell` on; its low
    // 57 bits are meant, the rest may be clear.
    uint64_t takenFrom(int cell) const {
        if constexpr (std::endian::native == std::endian::little) {
            uint64_t word;
            std::memcpy(&word, reinterpret_cast<const unsigned char*>(taken.data()) + (cell >> 3),
                        sizeof word);
            return word >> (cell & 7);
        } else {
            const auto k = static_cast<std::size_t>(cell >> 6);
            const int shift = cell & 63;
            return (taken[k] >> shift) | ((taken[k + 1] << 1) << (63 - shift));
        }
    }

    // All 64 bits of that window.
    uint64_t takenWindow(int cell) const { return takenFrom(cell) | (takenFrom(cell + 57) << 57); }

    int columnOf(int cell) const {
        return static_cast<int>(((static_cast<uint32_t>(cell - kGuardBits)) * columnReciprocal) >>
                                16);
    }
    int rowOf(int cell) const { return cell - kGuardBits - columnOf(cell) * stride; }

    int width;
    int height;
    int stride;
    int total;
    int lastColumnsCell; // the first cell of the last four columns
    const uint64_t* shapes;
    uint64_t neighbourhood;
    uint32_t columnReciprocal;
    std::array<uint64_t, kFrameWords> taken{};
};

} // namespace fenx
