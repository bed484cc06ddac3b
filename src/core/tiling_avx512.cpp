// The AVX-512 path: the neighbourhood by bit extract, and after each
// regeneration the picks of all 55 draws as one vector of bytes, so that one
// bit shuffle tells for every pending draw whether its pick fits and a count
// of trailing zeros finds the first that does. Only this file's functions use
// these instructions (see tiling_paths.h).
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "core/generation.h"
#include "core/tiling_frame.h"
#include "core/tiling_paths.h"

#if FENX_X86_GENERATOR_PATHS
#include <immintrin.h>

// Everything from here on, the walk templates included, is compiled for
// processors with these instructions; the headers above are not.
#if defined(__clang__)
#pragma clang attribute push(                                                                      \
    __attribute__((target("bmi,bmi2,popcnt,lzcnt,avx2,avx512f,avx512bw,avx512vl,avx512bitalg"))),  \
    apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("bmi,bmi2,popcnt,lzcnt,avx2,avx512f,avx512bw,avx512vl,avx512bitalg")
// GCC 12 takes the deliberately undefined upper halves inside its own
// conversion intrinsics for uninitialised values.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include "core/tiling_walk.h"

namespace fenx {
namespace {

struct Avx512Path {
    static constexpr int kInterleave = 3;

    static uint32_t FitIndex(uint64_t window, const TilingFrame& frame) {
        return static_cast<uint32_t>(_pext_u64(window, frame.neighbourhood));
    }

    // r mod 28 = r - 28 * ((r >> 2) / 7), the division by 7 done by a
    // multiplication that is exact for every 16-bit value.
    static __m512i PicksOf(__m512i r) {
        const __m512i q = _mm512_srli_epi16(r, 2);
        const __m512i t = _mm512_mulhi_epu16(q, _mm512_set1_epi16(0x2493));
        const __m512i d =
            _mm512_srli_epi16(_mm512_add_epi16(t, _mm512_srli_epi16(_mm512_sub_epi16(q, t), 1)), 2);
        return _mm512_sub_epi16(r, _mm512_mullo_epi16(d, _mm512_set1_epi16(kPickCount)));
    }

    // The table as two vectors of 16-bit entries: 0..31 and 32..54.
    static constexpr __mmask32 kHighEntries = 0x7FFFFF;

    static void StorePicks(__m512i low, __m512i high, TablePicks& picks) {
        const __m256i lowBytes = _mm512_cvtepi16_epi8(PicksOf(low));
        const __m256i highBytes = _mm512_cvtepi16_epi8(PicksOf(high));
        const __m512i all = _mm512_inserti64x4(_mm512_castsi256_si512(lowBytes), highBytes, 1);
        const __m512i padded =
            _mm512_mask_blend_epi8(~uint64_t{0} >> (64 - kStageRandomSize),
                                   _mm512_set1_epi8(static_cast<char>(kEndPick)), all);
        _mm512_store_si512(picks.pick.data(), padded);
    }

    static void ReadPicks(const StageRandom& random, TablePicks& picks) {
        const uint16_t* table = random.table.data();
        StorePicks(_mm512_loadu_si512(table), _mm512_maskz_loadu_epi16(kHighEntries, table + 32),
                   picks);
    }

    // RefillStageRandom in two registers: entries 0..23 take entries
    // 31..54, then 24..31 take the new 0..7, and 32..54 take 8..30, of which
    // 24..30 are new by then.
    static void Regenerate(StageRandom& random, TablePicks& picks) {
        uint16_t* table = random.table.data();
        __m512i low = _mm512_loadu_si512(table);
        __m512i high = _mm512_maskz_loadu_epi16(kHighEntries, table + 32);
        const __m512i plus31 = _mm512_add_epi16(Lanes(), _mm512_set1_epi16(31));
        low = _mm512_mask_sub_epi16(low, 0x00FFFFFF, low,
                                    _mm512_permutex2var_epi16(low, plus31, high));
        const __m512i minus24 = _mm512_sub_epi16(Lanes(), _mm512_set1_epi16(24));
        low = _mm512_mask_sub_epi16(low, 0xFF000000, low, _mm512_permutexvar_epi16(minus24, low));
        const __m512i plus8 = _mm512_add_epi16(Lanes(), _mm512_set1_epi16(8));
        high =
            _mm512_mask_sub_epi16(high, kHighEntries, high, _mm512_permutexvar_epi16(plus8, low));
        _mm512_storeu_si512(table, low);
        _mm512_mask_storeu_epi16(table + 32, kHighEntries, high);
        StorePicks(low, high, picks);
    }

    // 0, 1, ..., 31 in 16-bit lanes.
    static __m512i Lanes() {
        return _mm512_set_epi16(31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16, 15,
                                14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
    }

    static int FirstFitting(const TablePicks& picks, int from, uint32_t fitting) {
        // Byte i of the picks selects bit pick[i] of `fitting`.
        const __mmask64 fits =
            _mm512_bitshuffle_epi64_mask(_mm512_set1_epi64(static_cast<long long>(fitting)),
                                         _mm512_load_si512(picks.pick.data()));
        const uint64_t pending = _cvtmask64_u64(fits) & (~uint64_t{0} << from);
        return static_cast<int>(_tzcnt_u64(pending)); // 64 when none fits
    }
};

} // namespace

const TilingPath kAvx512Tiling{&TileJobs<Avx512Path>, &TileStageRange<Avx512Path>};

} // namespace fenx

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC diagnostic pop
#pragma GCC pop_options
#endif

#endif
