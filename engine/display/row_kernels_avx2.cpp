// The AVX2 path: the plain loops vectorised for AVX2, and the two-picture blend by hand.
#include <immintrin.h>

#include <cstdint>

#include "engine/display/row_kernels.h"

#pragma GCC target("avx2")

namespace {
#define RAVEZ_ROW_WIDE_VECTORS 1
#include "engine/display/row_loops.inc"

// Each channel of both pictures goes into one 16-bit lane as a byte pair (first low, second
// high), so that one multiply-add by the weight pair (a, 255 - a) gives the whole sum. A sum's
// high byte is then the channel result; blue and green are put together by a second
// multiply-add, as low + 64 × high byte.
void blendAvx2(uint16_t* __restrict d, const uint16_t* __restrict s1, const uint16_t* __restrict s2,
               int n, uint16_t a) {
    if (n < 16) {
        loopBlend(d, s1, s2, n, a);
        return;
    }
    const __m256i weights = _mm256_set1_epi16(static_cast<short>((255 - a) << 8 | a));
    const __m256i highByte = _mm256_set1_epi16(static_cast<short>(0xFF00));
    const __m256i low5 = _mm256_set1_epi16(0x1F1F);
    const __m256i redField = _mm256_set1_epi16(static_cast<short>(0xF800));
    const __m256i blueGreen = _mm256_set1_epi16(64 << 8 | 1);
    for (int i = 0;; i += 16) {
        // The last vector overlaps the one before it rather than leaving a tail; the
        // destination is neither picture, so pixels computed twice come out the same.
        if (i > n - 16) i = n - 16;
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s1 + i));
        const __m256i q = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s2 + i));
        const __m256i red =
            _mm256_blendv_epi8(_mm256_srli_epi16(p, 11), _mm256_srli_epi16(q, 3), highByte);
        const __m256i green = _mm256_and_si256(
            _mm256_blendv_epi8(_mm256_srli_epi16(p, 6), _mm256_slli_epi16(q, 2), highByte), low5);
        const __m256i blue =
            _mm256_and_si256(_mm256_blendv_epi8(p, _mm256_slli_epi16(q, 8), highByte), low5);
        const __m256i sumR = _mm256_maddubs_epi16(weights, red);
        const __m256i sumG = _mm256_maddubs_epi16(weights, green);
        const __m256i sumB = _mm256_maddubs_epi16(weights, blue);
        const __m256i gb = _mm256_maddubs_epi16(
            _mm256_blendv_epi8(_mm256_srli_epi16(sumB, 8), sumG, highByte), blueGreen);
        const __m256i r = _mm256_and_si256(_mm256_slli_epi16(sumR, 3), redField);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), _mm256_or_si256(r, gb));
        if (i == n - 16) break;
    }
}

}  // namespace

const rowops::Kernels rowops::kAvx2Kernels = {
    loopFill, loopCopyKeyed, loopTo555, loopExpandBits, loopExpandBitsOver, loopFaded,
    loopTint, loopDarken,    blendAvx2, loopGrey,       loopPixelDouble};
