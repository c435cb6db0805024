// The AVX-512 path (with BW): the filter as a wavefront of 32 rows in two vectors, and the
// per-channel rules as three 32-entry table lookups a vector (vpermw takes the low five bits of
// each index, so the channels need no masking).
#include <immintrin.h>

#include <cstddef>
#include <cstdint>

#include "game/scenes/beach/pixel_kernels.h"

#pragma GCC target("avx2,avx512f,avx512bw,avx512vl")
// GCC 12 takes the deliberately undefined source of the unmasked shifts and aligns for an
// uninitialised variable.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

namespace {
#include "game/scenes/beach/pixel_loops.inc"

struct Simd512 {
    using V = __m512i;
    using M = __mmask16;
    static constexpr int L = 16;
    static V load(const uint32_t* p) { return _mm512_load_si512(p); }
    static void store(uint32_t* p, V v) { _mm512_store_si512(p, v); }
    // 16 pixels spread out, and back.
    static V loadSpread(const uint16_t* p) {
        const V c = _mm512_cvtepu16_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)));
        const V b = _mm512_and_si512(c, set1(0x1F));
        const V g = _mm512_and_si512(_mm512_slli_epi32(c, 5), set1(0x3Fu << 10));
        const V r = _mm512_and_si512(_mm512_slli_epi32(c, 10), set1(0x1Fu << 21));
        return _mm512_ternarylogic_epi32(r, g, b, 0xFE);
    }
    static void storePacked(uint16_t* p, V s) {
        const V b = _mm512_and_si512(s, set1(0x1F));
        const V g = _mm512_and_si512(_mm512_srli_epi32(s, 5), set1(0x07E0));
        const V r = _mm512_and_si512(_mm512_srli_epi32(s, 10), set1(0xF800));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(p),
                            _mm512_cvtepi32_epi16(_mm512_ternarylogic_epi32(r, g, b, 0xFE)));
    }
    // r[i][j] becomes r[j][i]: pairs of rows interleaved by words, then by double words, then
    // the 128-bit quarters gathered.
    static void transpose(V (&r)[16]) {
        V a[16], b[16];
        for (int i = 0; i < 16; i += 2) {
            a[i] = _mm512_unpacklo_epi32(r[i], r[i + 1]);
            a[i + 1] = _mm512_unpackhi_epi32(r[i], r[i + 1]);
        }
        for (int i = 0; i < 16; i += 4) {
            b[i] = _mm512_unpacklo_epi64(a[i], a[i + 2]);
            b[i + 1] = _mm512_unpackhi_epi64(a[i], a[i + 2]);
            b[i + 2] = _mm512_unpacklo_epi64(a[i + 1], a[i + 3]);
            b[i + 3] = _mm512_unpackhi_epi64(a[i + 1], a[i + 3]);
        }
        // b[4q + m], quarter l: column 4l + m of rows 4q..4q + 3.
        for (int m = 0; m < 4; ++m) {
            const V even01 = _mm512_shuffle_i32x4(b[m], b[4 + m], 0x88);
            const V odd01 = _mm512_shuffle_i32x4(b[m], b[4 + m], 0xDD);
            const V even23 = _mm512_shuffle_i32x4(b[8 + m], b[12 + m], 0x88);
            const V odd23 = _mm512_shuffle_i32x4(b[8 + m], b[12 + m], 0xDD);
            r[m] = _mm512_shuffle_i32x4(even01, even23, 0x88);
            r[8 + m] = _mm512_shuffle_i32x4(even01, even23, 0xDD);
            r[4 + m] = _mm512_shuffle_i32x4(odd01, odd23, 0x88);
            r[12 + m] = _mm512_shuffle_i32x4(odd01, odd23, 0xDD);
        }
    }
    static V add(V a, V b) { return _mm512_add_epi32(a, b); }
    static V set1(uint32_t v) { return _mm512_set1_epi32(static_cast<int>(v)); }
    static V srl(V a, int s) { return _mm512_srli_epi32(a, static_cast<unsigned>(s)); }
    static V sll3(V a) { return _mm512_slli_epi32(a, 3); }
    static V andv(V a, V b) { return _mm512_and_si512(a, b); }
    // Lane i takes cur[i − 1], lane 0 takes prev's last lane.
    static V up(V cur, V prev) { return _mm512_alignr_epi32(cur, prev, 15); }
    // Lane i takes cur[i + 1], the last lane takes next's first lane.
    static V down(V cur, V next) { return _mm512_alignr_epi32(next, cur, 1); }
    static M mask(uint32_t bits) { return static_cast<M>(bits); }
    static V select(M m, V a, V b) { return _mm512_mask_blend_epi32(m, a, b); }
    static V addMasked(V a, M m, V b) { return _mm512_mask_add_epi32(a, m, a, b); }
};

#include "game/scenes/beach/pixel_wavefront.inc"

using Wave = Wavefront<Simd512, 2>;

void filterAvx512(uint16_t* pixels, int w, int h, int stride, const beachpx::FilterPass* passes,
                  int count, uint32_t* work) {
    Wave::filter(pixels, w, h, stride, passes, count, work);
}
std::size_t filterWorkAvx512(int w, int h) {
    return Wave::work(w, h);
}

// d = t(s) over the row; with keyed, only where s is not 0.
inline void mapRow(uint16_t* d, const uint16_t* s, int n, const beachpx::ChannelTables& t,
                   bool keyed) {
    const __m512i red = _mm512_loadu_si512(t.red);
    const __m512i greenLow = _mm512_loadu_si512(t.green);
    const __m512i greenHigh = _mm512_loadu_si512(t.green + 32);
    const __m512i blue = _mm512_loadu_si512(t.blue);
    for (int i = 0; i < n; i += 32) {
        const __mmask32 lanes =
            n - i >= 32 ? 0xFFFFFFFFu : static_cast<__mmask32>((1u << (n - i)) - 1);
        const __m512i c = _mm512_maskz_loadu_epi16(lanes, s + i);
        const __m512i r = _mm512_permutexvar_epi16(_mm512_srli_epi16(c, 11), red);
        const __m512i g = _mm512_permutex2var_epi16(greenLow, _mm512_srli_epi16(c, 5), greenHigh);
        const __m512i b = _mm512_permutexvar_epi16(c, blue);
        const __m512i out = _mm512_ternarylogic_epi32(r, g, b, 0xFE);  // r | g | b
        const __mmask32 write = keyed ? _mm512_mask_test_epi16_mask(lanes, c, c) : lanes;
        _mm512_mask_storeu_epi16(d + i, write, out);
    }
}

constexpr beachpx::ChannelTables kNight = beachpx::nightTables();
constexpr beachpx::ChannelTables kFlash = beachpx::flashTables();

void nightAvx512(uint16_t* d, const uint16_t* s, int n) {
    mapRow(d, s, n, kNight, true);
}
void mixedAvx512(uint16_t* d, const uint16_t* s, int n, uint16_t, const beachpx::ChannelTables& t) {
    mapRow(d, s, n, t, true);
}
void glowAvx512(uint16_t* d, int n, uint16_t, uint16_t, const beachpx::ChannelTables& t) {
    mapRow(d, d, n, t, false);
}
void flashAvx512(uint16_t* d, const uint16_t* s, int n) {
    mapRow(d, s, n, kFlash, false);
}
// Only the lanes where the key is drawn are read from lit and stored.
void keyedByAvx512(uint16_t* d, const uint16_t* lit, const uint16_t* key, int n) {
    for (int i = 0; i < n; i += 32) {
        const __mmask32 lanes =
            n - i >= 32 ? 0xFFFFFFFFu : static_cast<__mmask32>((1u << (n - i)) - 1);
        const __m512i k = _mm512_maskz_loadu_epi16(lanes, key + i);
        const __mmask32 drawn = _mm512_mask_test_epi16_mask(lanes, k, k);
        _mm512_mask_storeu_epi16(d + i, drawn, _mm512_maskz_loadu_epi16(drawn, lit + i));
    }
}

}  // namespace

namespace beachpx {
const Kernels kAvx512Kernels = {nightAvx512,  mixedAvx512,      glowAvx512,    flashAvx512,
                                filterAvx512, filterWorkAvx512, keyedByAvx512, false};
}  // namespace beachpx
