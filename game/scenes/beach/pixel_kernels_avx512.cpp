// The AVX-512 path (with BW): the filter as a wavefront of 16 rows in one vector, and the
// per-channel rules as three 32-entry table lookups a vector (vpermw takes the low five bits of
// each index, so the channels need no masking).
#include <immintrin.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "game/scenes/beach/pixel_kernels.h"

#pragma GCC target("avx2,avx512f,avx512bw,avx512vl")
// GCC 12 takes the deliberately undefined source of the unmasked shifts and aligns for an
// uninitialised variable.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"

namespace {
#include "game/scenes/beach/pixel_loops.inc"

// The 16-bit parts of a spread pixel looked up by its channels: the low half (blue, and green at
// bits 10..15) and the high half (red at bits 5..9), with or without the flash raise.
struct SpreadTables {
    uint16_t blue[32];
    uint16_t green[64];
    uint16_t red[32];
};
constexpr SpreadTables spreadTables(bool flash) {
    SpreadTables t{};
    for (int v = 0; v < 32; ++v) {
        const int c = flash ? std::min(v + (v >> 1), 31) : v;
        t.blue[v] = static_cast<uint16_t>(c);
        t.red[v] = static_cast<uint16_t>(c << 5);
    }
    for (int g = 0; g < 64; ++g)
        t.green[g] = static_cast<uint16_t>((flash ? std::min(g + (g >> 1), 63) : g) << 10);
    return t;
}
constexpr SpreadTables kSpread = spreadTables(false);
constexpr SpreadTables kSpreadFlash = spreadTables(true);

struct Simd512 {
    using V = __m512i;
    using M = __mmask16;
    static constexpr int L = 16;
    static constexpr int kBlock = 32;
    static V load(const uint32_t* p) { return _mm512_load_si512(p); }
    static V loadu(const uint32_t* p) { return _mm512_loadu_si512(p); }
    static void store(uint32_t* p, V v) { _mm512_store_si512(p, v); }
    // Lane 15 alone to p[0].
    static void storeLast(uint32_t* p, V v) { _mm512_mask_storeu_epi32(p - 15, 0x8000, v); }
    static V add(V a, V b) { return _mm512_add_epi32(a, b); }
    static V set1(uint32_t v) { return _mm512_set1_epi32(static_cast<int>(v)); }
    static V srl(V a, int s) { return _mm512_srli_epi32(a, static_cast<unsigned>(s)); }
    static V sll3(V a) { return _mm512_slli_epi32(a, 3); }
    static V andv(V a, V b) { return _mm512_and_si512(a, b); }
    // Lane i takes cur[i − 1], lane 0 takes prev's last lane.
    static V up(V cur, V prev) { return _mm512_alignr_epi32(cur, prev, 15); }
    static M mask(uint32_t bits) { return static_cast<M>(bits); }
    static V select(M m, V a, V b) { return _mm512_mask_blend_epi32(m, a, b); }
    static V addMasked(V a, M m, V b) { return _mm512_mask_add_epi32(a, m, a, b); }

    // Words at p[first..first + count) of a 32-word vector whose first word would be at p; the
    // rest zero. The words outside are never read.
    static V loadPart(const uint16_t* p, int first, int count) {
        if (count <= 0) return _mm512_setzero_si512();
        const __mmask32 bits =
            static_cast<__mmask32>((count >= 32 ? 0xFFFFFFFFu : (1u << count) - 1) << first);
        return _mm512_maskz_loadu_epi16(bits, p);
    }

    // Columns c0..c0 + 31 of a row, its pads and the black around it included.
    static V rowPart(const RowIn& row, int w, int c0) {
        if (c0 >= row.first && c0 + 32 <= row.end) return _mm512_loadu_si512(row.at(c0));
        const int a = std::max(c0, row.first);
        const int b = std::min(c0 + 32, row.end);
        V r = loadPart(row.at(c0), a - c0, b - a);
        if (c0 <= -1 && -1 < c0 + 32)
            r = _mm512_mask_set1_epi16(r, static_cast<__mmask32>(1u << (-1 - c0)),
                                       static_cast<short>(row.padLeft));
        if (c0 <= w && w < c0 + 32)
            r = _mm512_mask_set1_epi16(r, static_cast<__mmask32>(1u << (w - c0)),
                                       static_cast<short>(row.padRight));
        return r;
    }

    // r[i][j] becomes r[j][i]: pairs of rows interleaved by double words, then by quad words,
    // then the 128-bit quarters gathered.
    static void transpose(V (&r)[16]) {
        V a[16], b[16];
#pragma GCC unroll 8
        for (int i = 0; i < 16; i += 2) {
            a[i] = _mm512_unpacklo_epi32(r[i], r[i + 1]);
            a[i + 1] = _mm512_unpackhi_epi32(r[i], r[i + 1]);
        }
#pragma GCC unroll 4
        for (int i = 0; i < 16; i += 4) {
            b[i] = _mm512_unpacklo_epi64(a[i], a[i + 2]);
            b[i + 1] = _mm512_unpackhi_epi64(a[i], a[i + 2]);
            b[i + 2] = _mm512_unpacklo_epi64(a[i + 1], a[i + 3]);
            b[i + 3] = _mm512_unpackhi_epi64(a[i + 1], a[i + 3]);
        }
        // b[4q + m], quarter l: column 4l + m of rows 4q..4q + 3.
#pragma GCC unroll 4
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

    // The 4 × 4 transpose of the 128-bit quarters of q[0..3].
    static void quarters(V& q0, V& q1, V& q2, V& q3) {
        const V a = _mm512_shuffle_i32x4(q0, q1, 0x44);
        const V b = _mm512_shuffle_i32x4(q0, q1, 0xEE);
        const V c = _mm512_shuffle_i32x4(q2, q3, 0x44);
        const V d = _mm512_shuffle_i32x4(q2, q3, 0xEE);
        q0 = _mm512_shuffle_i32x4(a, c, 0x88);
        q1 = _mm512_shuffle_i32x4(a, c, 0xDD);
        q2 = _mm512_shuffle_i32x4(b, d, 0x88);
        q3 = _mm512_shuffle_i32x4(b, d, 0xDD);
    }

    // 32 steps of the 16 rows of rowsIn into out (step j, lane g: column t0 + j − 2g − 1 of row
    // g), spread (and raised with the flash). The rows are read 32 pixels at a time and turned
    // as double words, two pixels each: rows two columns apart a lane keep the pairs whole.
    static void loadBlock(const RowIn* rowsIn, int w, int t0, bool inside, bool flash,
                          uint32_t* out) {
        V rows[16];
        if (inside) {
            // Every row has all 32 pixels: no border, no black.
#pragma GCC unroll 16
            for (int g = 0; g < 16; ++g) rows[g] = _mm512_loadu_si512(rowsIn[g].at(t0 - 2 * g - 1));
        } else {
            for (int g = 0; g < 16; ++g) rows[g] = rowPart(rowsIn[g], w, t0 - 2 * g - 1);
        }
        // rows[j]: columns 2j and 2j + 1 of each row, which are steps t0 + 2j and the next.
        transpose(rows);
        const SpreadTables& t = flash ? kSpreadFlash : kSpread;
        const V blue = _mm512_loadu_si512(t.blue);
        const V greenLow = _mm512_loadu_si512(t.green);
        const V greenHigh = _mm512_loadu_si512(t.green + 32);
        const V red = _mm512_loadu_si512(t.red);
        const V lowHalf = set1(0xFFFF);
#pragma GCC unroll 16
        for (int j = 0; j < 16; ++j) {
            // Both pixels of each double word looked up at once, then each with its halves.
            const V c = rows[j];
            const V low = _mm512_or_si512(
                _mm512_permutexvar_epi16(c, blue),
                _mm512_permutex2var_epi16(greenLow, _mm512_srli_epi16(c, 5), greenHigh));
            const V high = _mm512_permutexvar_epi16(_mm512_srli_epi16(c, 11), red);
            store(out + 2 * j * 16,
                  _mm512_ternarylogic_epi32(low, _mm512_slli_epi32(high, 16), lowHalf, 0xE4));
            store(out + (2 * j + 1) * 16,
                  _mm512_ternarylogic_epi32(_mm512_srli_epi32(low, 16), high, lowHalf, 0xE4));
        }
    }

    // The 16 rows of rowsOut (null: not in the picture), columns t0 + j − 2g − 1 from step j of
    // in, packed into the columns of the picture that there are: loadBlock's way backwards.
    static void storeBlock(const uint32_t* in, uint16_t* const* rowsOut, int w, int t0,
                           bool inside) {
        const V keepLow = set1(0x1F);
        const V keepHigh = set1(0xFFFFF800u);
        const auto packed = [&](V d) {
            const V x = _mm512_ternarylogic_epi32(d, _mm512_srli_epi32(d, 5), keepLow, 0xE4);
            return _mm512_ternarylogic_epi32(_mm512_srli_epi32(d, 10), x, keepHigh, 0xE4);
        };
        V q[4][4];
#pragma GCC unroll 4
        for (int u = 0; u < 4; ++u) {
#pragma GCC unroll 4
            for (int l = 0; l < 4; ++l) {
                const int s = 8 * l + 2 * u;
                q[u][l] =
                    _mm512_packus_epi32(packed(load(in + s * 16)), packed(load(in + (s + 1) * 16)));
            }
            quarters(q[u][0], q[u][1], q[u][2], q[u][3]);
        }
        // A row's words are the low (or high) halves of the double words of a quarter of each of
        // two vectors.
        const V low = set1(0xFFFF);
#pragma GCC unroll 4
        for (int l = 0; l < 4; ++l) {
            const auto ps = [](V v) { return _mm512_castsi512_ps(v); };
            const V pl0 = _mm512_castps_si512(_mm512_shuffle_ps(ps(q[0][l]), ps(q[1][l]), 0x88));
            const V pl1 = _mm512_castps_si512(_mm512_shuffle_ps(ps(q[0][l]), ps(q[1][l]), 0xDD));
            const V ph0 = _mm512_castps_si512(_mm512_shuffle_ps(ps(q[2][l]), ps(q[3][l]), 0x88));
            const V ph1 = _mm512_castps_si512(_mm512_shuffle_ps(ps(q[2][l]), ps(q[3][l]), 0xDD));
            const V pair[2][2] = {{pl0, ph0}, {pl1, ph1}};
#pragma GCC unroll 2
            for (int k = 0; k < 2; ++k) {
                const V a = _mm512_packus_epi32(_mm512_and_si512(pair[k][0], low),
                                                _mm512_and_si512(pair[k][1], low));
                const V b = _mm512_packus_epi32(_mm512_srli_epi32(pair[k][0], 16),
                                                _mm512_srli_epi32(pair[k][1], 16));
                const V rowPair[2] = {a, b};
#pragma GCC unroll 2
                for (int e = 0; e < 2; ++e) {
                    const int g = 4 * l + 2 * k + e;
                    if (inside) {
                        _mm512_storeu_si512(rowsOut[g] + (t0 - 2 * g - 1), rowPair[e]);
                        continue;
                    }
                    if (!rowsOut[g]) continue;
                    const int c0 = t0 - 2 * g - 1;
                    const auto row = reinterpret_cast<std::uintptr_t>(rowsOut[g]);
                    auto* p = reinterpret_cast<uint16_t*>(
                        row + static_cast<std::uintptr_t>(static_cast<std::ptrdiff_t>(c0) * 2));
                    if (c0 >= 0 && c0 + 32 <= w) {
                        _mm512_storeu_si512(p, rowPair[e]);
                        continue;
                    }
                    const int first = std::max(c0, 0);
                    const int end = std::min(c0 + 32, w);
                    if (first >= end) continue;
                    const int n = end - first;
                    const __mmask32 bits = static_cast<__mmask32>(
                        (n >= 32 ? 0xFFFFFFFFu : (1u << n) - 1) << (first - c0));
                    _mm512_mask_storeu_epi16(p, bits, rowPair[e]);
                }
            }
        }
    }
};

#include "game/scenes/beach/pixel_wavefront.inc"

using Wave = Wavefront<Simd512>;

void filterAvx512(const beachpx::FilterSource& src, uint16_t* out, int stride, int w, int h,
                  const beachpx::FilterPass* passes, int count, uint32_t* work) {
    Wave::filter(src, out, stride, w, h, passes, count, work);
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
