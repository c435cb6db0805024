// The AVX2 path: the plain loops vectorised for AVX2, and the two-picture blend by hand.
#include <immintrin.h>

#include <cstdint>

#include "engine/display/row_kernels.h"

#pragma GCC target("avx2")

namespace {
#define RAVEZ_ROW_WIDE_VECTORS 1
#include "engine/display/row_loops.inc"

#include "engine/display/blend_avx2.inc"

void blendAvx2(uint16_t* __restrict d, const uint16_t* __restrict s1, const uint16_t* __restrict s2,
               int n, uint16_t a) {
    if (n < 16) {
        loopBlend(d, s1, s2, n, a);
        return;
    }
    const __m256i weights = _mm256_set1_epi16(static_cast<short>((255 - a) << 8 | a));
    for (int i = 0;; i += 16) {
        // The last vector overlaps the one before it rather than leaving a tail; the
        // destination is neither picture, so pixels computed twice come out the same.
        if (i > n - 16) i = n - 16;
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s1 + i));
        const __m256i q = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s2 + i));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), blendPixelsAvx2(p, q, weights));
        if (i == n - 16) break;
    }
}

}  // namespace

const rowops::Kernels rowops::kAvx2Kernels = {
    loopFill, loopCopyKeyed, loopTo555, loopExpandBits, loopExpandBitsOver, loopFaded,
    loopTint, loopDarken,    blendAvx2, loopGrey,       loopPixelDouble};
