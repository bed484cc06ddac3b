#include "core/draw_picks.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fenx {

void DrawPicks::read(const StageRandom& random) {
#if defined(__SSE2__)
    // r mod 28 = r - 28 * ((r >> 2) / 7), with the division by 7 done by a
    // multiplication that is exact for every 16-bit value; then 1 << pick is
    // read off the float 2^pick.
    const auto* in = reinterpret_cast<const __m128i*>(random.table.data());
    auto* out = reinterpret_cast<__m128i*>(bits_.data());
    const __m128i magic = _mm_set1_epi16(0x2493);
    const __m128i bias = _mm_set1_epi32(127);
    const __m128i zero = _mm_setzero_si128();
    for (int v = 0; v < kTableVectors; ++v) {
        const __m128i r = _mm_load_si128(in + v);
        const __m128i q = _mm_srli_epi16(r, 2);
        const __m128i t = _mm_mulhi_epu16(q, magic);
        const __m128i d =
            _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(_mm_sub_epi16(q, t), 1)), 2);
        const __m128i pick = _mm_sub_epi16(r, _mm_mullo_epi16(d, _mm_set1_epi16(kPickCount)));
        const __m128i lo = _mm_slli_epi32(_mm_add_epi32(_mm_unpacklo_epi16(pick, zero), bias), 23);
        const __m128i hi = _mm_slli_epi32(_mm_add_epi32(_mm_unpackhi_epi16(pick, zero), bias), 23);
        _mm_store_si128(out + 2 * v, _mm_cvttps_epi32(_mm_castsi128_ps(lo)));
        _mm_store_si128(out + 2 * v + 1, _mm_cvttps_epi32(_mm_castsi128_ps(hi)));
    }
#else
    for (int i = 0; i < kStageRandomSize; ++i) {
        bits_[static_cast<std::size_t>(i)] =
            1u << (random.table[static_cast<std::size_t>(i)] % kPickCount);
    }
#endif
    bits_[kStageRandomSize] = kEndBit;
}

} // namespace fenx
