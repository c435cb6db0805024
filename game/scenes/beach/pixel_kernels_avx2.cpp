// The AVX2 path: the row loops vectorised by the compiler for AVX2, the filter as a wavefront of
// 8 rows in one vector, and the mixed light, the glow and the keyed copy by hand.
#include <immintrin.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "game/scenes/beach/pixel_kernels.h"

#pragma GCC target("avx2")

namespace {
#include "game/scenes/beach/pixel_loops.inc"

struct Simd256 {
    using V = __m256i;
    using M = __m256i;  // all ones in the chosen lanes
    static constexpr int L = 8;
    static constexpr int kBlock = 8;
    static V load(const uint32_t* p) { return _mm256_load_si256(reinterpret_cast<const V*>(p)); }
    static V loadu(const uint32_t* p) { return _mm256_loadu_si256(reinterpret_cast<const V*>(p)); }
    static void store(uint32_t* p, V v) { _mm256_store_si256(reinterpret_cast<V*>(p), v); }
    // Lane 7 alone to p[0].
    static void storeLast(uint32_t* p, V v) {
        *p = static_cast<uint32_t>(_mm256_extract_epi32(v, 7));
    }
    // 8 pixels spread out, and back.
    static V loadSpread(const uint16_t* p) {
        const V c = _mm256_cvtepu16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
        const V b = _mm256_and_si256(c, set1(0x1F));
        const V g = _mm256_and_si256(_mm256_slli_epi32(c, 5), set1(0x3Fu << 10));
        const V r = _mm256_and_si256(_mm256_slli_epi32(c, 10), set1(0x1Fu << 21));
        return _mm256_or_si256(_mm256_or_si256(r, g), b);
    }
    static void storePacked(uint16_t* p, V s) {
        const V b = _mm256_and_si256(s, set1(0x1F));
        const V g = _mm256_and_si256(_mm256_srli_epi32(s, 5), set1(0x07E0));
        const V r = _mm256_and_si256(_mm256_srli_epi32(s, 10), set1(0xF800));
        const V c = _mm256_or_si256(_mm256_or_si256(r, g), b);
        // The low word of each double word (a signed pack would saturate pixels over 0x7FFF).
        const V words = _mm256_shuffle_epi8(
            c, _mm256_setr_epi8(0, 1, 4, 5, 8, 9, 12, 13, -1, -1, -1, -1, -1, -1, -1, -1, 0, 1, 4,
                                5, 8, 9, 12, 13, -1, -1, -1, -1, -1, -1, -1, -1));
        const V joined = _mm256_permute4x64_epi64(words, 0x08);  // quarters 0 and 2 first
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_castsi256_si128(joined));
    }
    // r[i][j] becomes r[j][i]: pairs of rows interleaved by words, then by double words, then
    // the halves gathered.
    static void transpose(V (&r)[8]) {
        V a[8], b[8];
        for (int i = 0; i < 8; i += 2) {
            a[i] = _mm256_unpacklo_epi32(r[i], r[i + 1]);
            a[i + 1] = _mm256_unpackhi_epi32(r[i], r[i + 1]);
        }
        for (int i = 0; i < 8; i += 4) {
            b[i] = _mm256_unpacklo_epi64(a[i], a[i + 2]);
            b[i + 1] = _mm256_unpackhi_epi64(a[i], a[i + 2]);
            b[i + 2] = _mm256_unpacklo_epi64(a[i + 1], a[i + 3]);
            b[i + 3] = _mm256_unpackhi_epi64(a[i + 1], a[i + 3]);
        }
        // b[4q + m], half l: column 4l + m of rows 4q..4q + 3.
        for (int m = 0; m < 4; ++m) {
            r[m] = _mm256_permute2x128_si256(b[m], b[4 + m], 0x20);
            r[4 + m] = _mm256_permute2x128_si256(b[m], b[4 + m], 0x31);
        }
    }
    // 8 steps of the 8 rows of rowsIn into out (step j, lane g: column t0 + j − 2g − 1 of row g),
    // spread (and raised with the flash): each row's 8 pixels spread, then turned.
    static void loadBlock(const RowIn* rowsIn, int w, int t0, bool inside, bool flash,
                          uint32_t* out) {
        V block[8];
        if (inside) {
#pragma GCC unroll 8
            for (int g = 0; g < 8; ++g) block[g] = loadSpread(rowsIn[g].at(t0 - 2 * g - 1));
        } else {
            for (int g = 0; g < 8; ++g) {
                const RowIn& row = rowsIn[g];
                const int c0 = t0 - 2 * g - 1;
                if (c0 >= row.first && c0 + 8 <= row.end) {
                    block[g] = loadSpread(row.at(c0));
                    continue;
                }
                if (row.first >= row.end) {
                    // Not in the picture, or black all along.
                    block[g] = set1(0);
                    continue;
                }
                alignas(16) uint16_t part[8];
                for (int j = 0; j < 8; ++j) {
                    const int x = c0 + j;
                    part[j] = x == -1                         ? row.padLeft
                              : x == w                        ? row.padRight
                              : x >= row.first && x < row.end ? *row.at(x)
                                                              : uint16_t{0};
                }
                block[g] = loadSpread(part);
            }
        }
        if (flash) {
#pragma GCC unroll 8
            for (int g = 0; g < 8; ++g) block[g] = raisedSpread(block[g]);
        }
        transpose(block);
#pragma GCC unroll 8
        for (int j = 0; j < 8; ++j) store(out + j * 8, block[j]);
    }
    // Each channel of a spread pixel raised by half of itself (rounded down), saturated.
    static V raisedSpread(V s) {
        const V half =
            _mm256_and_si256(_mm256_srli_epi32(s, 1), set1(0xFu | (0x1Fu << 10) | (0xFu << 21)));
        const V t = _mm256_add_epi32(s, half);
        const V b = _mm256_min_epu32(_mm256_and_si256(t, set1(0x3FFu)), set1(31));
        const V g = _mm256_min_epu32(_mm256_and_si256(t, set1(0x7FFu << 10)), set1(63u << 10));
        const V r = _mm256_min_epu32(_mm256_and_si256(t, set1(0x7FFu << 21)), set1(31u << 21));
        return _mm256_or_si256(_mm256_or_si256(b, g), r);
    }
    // The 8 rows of rowsOut (null: not in the picture), columns t0 + j − 2g − 1 from step j of
    // in, packed into the columns of the picture that there are.
    static void storeBlock(const uint32_t* in, uint16_t* const* rowsOut, int w, int t0,
                           bool inside) {
        V block[8];
#pragma GCC unroll 8
        for (int j = 0; j < 8; ++j) block[j] = load(in + j * 8);
        transpose(block);
        if (inside) {
#pragma GCC unroll 8
            for (int g = 0; g < 8; ++g) storePacked(rowsOut[g] + (t0 - 2 * g - 1), block[g]);
            return;
        }
        for (int g = 0; g < 8; ++g) {
            uint16_t* row = rowsOut[g];
            if (!row) continue;
            const int c0 = t0 - 2 * g - 1;
            const int first = std::max(c0, 0);
            const int end = std::min(c0 + 8, w);
            if (first >= end) continue;
            if (end - first == 8) {
                storePacked(row + c0, block[g]);
            } else {
                alignas(16) uint16_t part[8];
                storePacked(part, block[g]);
                for (int x = first; x < end; ++x) row[x] = part[x - c0];
            }
        }
    }
    static V add(V a, V b) {
        return _mm256_add_epi32(a, b);
    }
    static V set1(uint32_t v) {
        return _mm256_set1_epi32(static_cast<int>(v));
    }
    static V srl(V a, int s) {
        return _mm256_srli_epi32(a, s);
    }
    static V sll3(V a) {
        return _mm256_slli_epi32(a, 3);
    }
    static V andv(V a, V b) {
        return _mm256_and_si256(a, b);
    }
    // Lane i takes cur[i − 1], lane 0 takes prev's last lane: the halves [prev high, cur low]
    // give each 128-bit half the lane it lacks.
    static V up(V cur, V prev) {
        return _mm256_alignr_epi8(cur, _mm256_permute2x128_si256(prev, cur, 0x21), 12);
    }
    // Lane i takes cur[i + 1], the last lane takes next's first lane.
    static V down(V cur, V next) {
        return _mm256_alignr_epi8(_mm256_permute2x128_si256(cur, next, 0x21), cur, 4);
    }
    static M mask(uint32_t bits) {
        const V laneBits = _mm256_setr_epi32(1, 2, 4, 8, 16, 32, 64, 128);
        return _mm256_cmpeq_epi32(_mm256_and_si256(set1(bits), laneBits), laneBits);
    }
    static V select(M m, V a, V b) {
        return _mm256_blendv_epi8(a, b, m);
    }
    static V addMasked(V a, M m, V b) {
        return _mm256_add_epi32(a, _mm256_and_si256(b, m));
    }
};

#include "game/scenes/beach/pixel_wavefront.inc"

using Wave = Wavefront<Simd256>;

void filterAvx2(const beachpx::FilterSource& src, uint16_t* out, int stride, int w, int h,
                const beachpx::FilterPass* passes, int count, uint32_t* work) {
    Wave::filter(src, out, stride, w, h, passes, count, work);
}
std::size_t filterWorkAvx2(int w, int h) {
    return Wave::work(w, h);
}

#include "engine/display/blend_avx2.inc"

// Night light mixed with the day's by weight: the blend of the pixel (weight 255 − night) and
// its night form (weight night), keyed by the sprite.
void mixedAvx2(uint16_t* __restrict d, const uint16_t* __restrict s, int n, uint16_t night,
               const beachpx::ChannelTables& tables) {
    if (n < 16) {
        loopMixed(d, s, n, night, tables);
        return;
    }
    const __m256i weights = _mm256_set1_epi16(static_cast<short>(night << 8 | (255 - night)));
    const __m256i halfMask = _mm256_set1_epi16(static_cast<short>(0xF7DE));
    const __m256i lift = _mm256_set1_epi16(0x0861);
    const __m256i zero = _mm256_setzero_si256();
    for (int i = 0;; i += 16) {
        // The last vector overlaps the one before it rather than leaving a tail: a pixel
        // computed twice comes out the same, as the sprite is not the destination.
        if (i > n - 16) i = n - 16;
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        const __m256i q =
            _mm256_add_epi16(_mm256_srli_epi16(_mm256_and_si256(p, halfMask), 1), lift);
        const __m256i mixed = blendPixelsAvx2(p, q, weights);
        __m256i* out = reinterpret_cast<__m256i*>(d + i);
        const __m256i transparent = _mm256_cmpeq_epi16(p, zero);
        _mm256_storeu_si256(out, _mm256_blendv_epi8(mixed, _mm256_loadu_si256(out), transparent));
        if (i == n - 16) break;
    }
}

// Where the key is drawn, the lit pixel; the last vector overlaps the one before it, which
// gives the same pixels again.
void keyedByAvx2(uint16_t* __restrict d, const uint16_t* __restrict lit,
                 const uint16_t* __restrict key, int n) {
    if (n < 16) {
        loopKeyedBy(d, lit, key, n);
        return;
    }
    const __m256i zero = _mm256_setzero_si256();
    for (int i = 0;; i += 16) {
        if (i > n - 16) i = n - 16;
        const __m256i k = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(key + i));
        const __m256i l = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lit + i));
        __m256i* out = reinterpret_cast<__m256i*>(d + i);
        _mm256_storeu_si256(
            out, _mm256_blendv_epi8(l, _mm256_loadu_si256(out), _mm256_cmpeq_epi16(k, zero)));
        if (i == n - 16) break;
    }
}

// The flash glow: each channel moved to the top of its lane and the grey added with unsigned
// saturation, which clamps it at the channel's maximum.
void glowAvx2(uint16_t* __restrict d, int n, uint16_t addRB, uint16_t addG,
              const beachpx::ChannelTables& tables) {
    const __m256i redOrBlueAdd = _mm256_set1_epi16(static_cast<short>(addRB << 11));
    const __m256i greenAdd = _mm256_set1_epi16(static_cast<short>(addG << 10));
    const __m256i redField = _mm256_set1_epi16(static_cast<short>(0xF800));
    const __m256i greenField = _mm256_set1_epi16(0x07E0);
    int i = 0;
    for (; i + 16 <= n; i += 16) {
        __m256i* at = reinterpret_cast<__m256i*>(d + i);
        const __m256i p = _mm256_loadu_si256(at);
        const __m256i r = _mm256_and_si256(
            _mm256_adds_epu16(_mm256_and_si256(p, redField), redOrBlueAdd), redField);
        const __m256i g = _mm256_and_si256(
            _mm256_srli_epi16(
                _mm256_adds_epu16(_mm256_slli_epi16(_mm256_and_si256(p, greenField), 5), greenAdd),
                5),
            greenField);
        const __m256i b =
            _mm256_srli_epi16(_mm256_adds_epu16(_mm256_slli_epi16(p, 11), redOrBlueAdd), 11);
        _mm256_storeu_si256(at, _mm256_or_si256(_mm256_or_si256(r, g), b));
    }
    // In place, so the tail cannot be done twice: the rest one by one.
    loopGlow(d + i, n - i, addRB, addG, tables);
}

}  // namespace

namespace beachpx {
const Kernels kAvx2Kernels = {loopNight,  mixedAvx2,      glowAvx2,    loopFlash,
                              filterAvx2, filterWorkAvx2, keyedByAvx2, true};
}  // namespace beachpx
