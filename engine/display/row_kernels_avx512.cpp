// The AVX-512 path (with BW and VBMI): 32 pixels a step. Heads and tails are masked vectors, so
// a row of any width runs without a scalar loop, and the head brings the destination to a
// 64-byte boundary, so that no store of the main loop splits a cache line.
#include <immintrin.h>

#include <cstdint>

#include "engine/display/row_kernels.h"

#pragma GCC target("avx2,avx512f,avx512bw,avx512vl,avx512vbmi")

namespace {
#define RAVEZ_ROW_WIDE_VECTORS 1
#include "engine/display/row_loops.inc"

inline __mmask32 firstLanes(int count) {
    return static_cast<__mmask32>(count >= 32 ? 0xFFFFFFFFu : (1u << count) - 1);
}

// Calls step(i, lanes) over the row: a head up to the destination's next 64-byte boundary,
// whole vectors, then the tail.
template <typename Step>
inline void eachVector(const uint16_t* dst, int count, Step step) {
    if (count <= 0) return;
    const int misaligned = static_cast<int>((reinterpret_cast<uintptr_t>(dst) & 63) / 2);
    int i = misaligned == 0 ? 0 : 32 - misaligned;
    if (i > count) i = count;
    if (i > 0) step(0, firstLanes(i));
    for (; i + 32 <= count; i += 32) step(i, firstLanes(32));
    if (i < count) step(i, firstLanes(count - i));
}

inline __m512i load(__mmask32 lanes, const uint16_t* p) {
    return _mm512_maskz_loadu_epi16(lanes, p);
}
inline void store(uint16_t* p, __mmask32 lanes, __m512i v) {
    _mm512_mask_storeu_epi16(p, lanes, v);
}
inline __m512i halve(__m512i v) {
    return _mm512_srli_epi16(_mm512_and_si512(v, _mm512_set1_epi16(static_cast<short>(kHalfMask))),
                             1);
}

// Pictures are usually far away in the cache hierarchy (the page copies of every frame push
// them out) and are read row after row: fetch the source well ahead.
inline void prefetchPicture(const uint16_t* p) {
    _mm_prefetch(reinterpret_cast<const char*>(p + 640), _MM_HINT_T0);
}

void fill512(uint16_t* __restrict d, int n, uint16_t colour) {
    const __m512i c = _mm512_set1_epi16(static_cast<short>(colour));
    eachVector(d, n, [&](int i, __mmask32 lanes) { store(d + i, lanes, c); });
}

// Only the non-zero pixels are stored: the destination is never read.
void copyKeyed512(uint16_t* __restrict d, const uint16_t* __restrict s, int n) {
    eachVector(d, n, [&](int i, __mmask32 lanes) {
        prefetchPicture(s + i);
        const __m512i v = load(lanes, s + i);
        store(d + i, _mm512_test_epi16_mask(v, v), v);
    });
}

void to555512(uint16_t* __restrict d, const uint16_t* __restrict s, int n) {
    const __m512i low = _mm512_set1_epi16(0x001F);
    eachVector(d, n, [&](int i, __mmask32 lanes) {
        const __m512i p = load(lanes, s + i);
        // Blue from the pixel, the rest from the pixel shifted down one (its top bit clear):
        // C ? B : A.
        store(d + i, lanes, _mm512_ternarylogic_epi32(_mm512_srli_epi16(p, 1), p, low, 0xD8));
    });
}

void faded512(uint16_t* __restrict d, const uint16_t* __restrict s, int n) {
    eachVector(d, n, [&](int i, __mmask32 lanes) {
        prefetchPicture(s + i);
        const __m512i src = load(lanes, s + i);
        const __mmask32 drawn = _mm512_mask_test_epi16_mask(lanes, src, src);
        const __m512i hs = halve(src);
        const __m512i hd = halve(load(drawn, d + i));
        store(d + i, drawn, _mm512_add_epi16(hs, halve(_mm512_add_epi16(hd, hs))));
    });
}

void tint512(uint16_t* __restrict d, int n, uint16_t colour) {
    const __m512i hc = _mm512_set1_epi16(static_cast<short>(half(colour)));
    eachVector(d, n, [&](int i, __mmask32 lanes) {
        store(d + i, lanes, _mm512_add_epi16(halve(load(lanes, d + i)), hc));
    });
}

void darken512(uint16_t* __restrict d, int n) {
    eachVector(d, n,
               [&](int i, __mmask32 lanes) { store(d + i, lanes, halve(load(lanes, d + i))); });
}

// Text rows: the bits become lane masks, so a set bit is one masked lane. A glyph byte's
// leftmost pixel is its top bit, a mask's first lane its lowest, hence the reversal.
inline uint64_t mirroredBytes(uint64_t v) {
    v = ((v >> 1) & 0x5555555555555555ULL) | ((v & 0x5555555555555555ULL) << 1);
    v = ((v >> 2) & 0x3333333333333333ULL) | ((v & 0x3333333333333333ULL) << 2);
    return ((v >> 4) & 0x0F0F0F0F0F0F0F0FULL) | ((v & 0x0F0F0F0F0F0F0F0FULL) << 4);
}

// Calls put(pixel offset, set lanes, lanes) for each 32 pixels of `bytes` bytes of bits.
template <typename Put>
inline void eachBitVector(const uint8_t* bits, int bytes, Put put) {
    for (int i = 0; i < bytes; i += 8) {
        const int count = bytes - i < 8 ? bytes - i : 8;
        uint64_t word = 0;
        __builtin_memcpy(&word, bits + i, static_cast<unsigned>(count));
        word = mirroredBytes(word);
        put(8 * i, static_cast<__mmask32>(word), firstLanes(8 * count));
        if (count > 4)
            put(8 * i + 32, static_cast<__mmask32>(word >> 32), firstLanes(8 * count - 32));
    }
}

void expandBits512(uint16_t* __restrict d, const uint8_t* __restrict bits, int bytes, uint16_t fg,
                   uint16_t bg) {
    const __m512i fore = _mm512_set1_epi16(static_cast<short>(fg));
    const __m512i back = _mm512_set1_epi16(static_cast<short>(bg));
    eachBitVector(bits, bytes, [&](int at, __mmask32 set, __mmask32 lanes) {
        store(d + at, lanes, _mm512_mask_blend_epi16(set, back, fore));
    });
}

// Only the set bits are stored: the row is never read.
void expandBitsOver512(uint16_t* __restrict d, const uint8_t* __restrict bits, int bytes,
                       uint16_t fg) {
    const __m512i fore = _mm512_set1_epi16(static_cast<short>(fg));
    eachBitVector(bits, bytes, [&](int at, __mmask32 set, __mmask32 lanes) {
        store(d + at, set & lanes, fore);
    });
}

// Each channel of both pictures goes into a 16-bit lane as a byte pair, so that one
// multiply-add by the weight pair gives a channel's whole sum, its high byte the result. The
// pairs are cut out with byte-granular multishifts and merged by bitwise selects. Word shifts
// and shuffles each have one port on these processors, multiplies and bitwise operations two:
// so the remaining moves (a byte up, a byte down, red into place) are multiplies by 256, the
// high half of one, and a multiply by 8, which also spreads the work over both ports.
//   first:  byte 2i = red of pixel i, byte 2i+1 = green   (masked to five bits each)
//   second: byte 2i = green,          byte 2i+1 = red     (unmasked)
// Taking the five low bits of each byte from one and everything else from the masked first
// gives the red pairs (first, second) and the green pairs the other way round (second,
// first), weighted (255 − a, a); the masked side supplies the zero bits of both.
void blend512(uint16_t* __restrict d, const uint16_t* __restrict s1, const uint16_t* __restrict s2,
              int n, uint16_t a) {
    // Bitwise selects: C ? B : A and C ? A : B.
    constexpr int kSecondWhere = 0xD8;
    constexpr int kFirstWhere = 0xE4;
    const __m512i weights = _mm512_set1_epi16(static_cast<short>((255 - a) << 8 | a));
    const __m512i swapped = _mm512_set1_epi16(static_cast<short>(a << 8 | (255 - a)));
    const __m512i five = _mm512_set1_epi16(0x1F1F);
    const __m512i lowFive = _mm512_set1_epi16(0x001F);
    const __m512i highFive = _mm512_set1_epi16(0x1F00);
    const __m512i redField = _mm512_set1_epi16(static_cast<short>(0xF800));
    const __m512i blueGreen = _mm512_set1_epi16(64 << 8 | 1);
    // Bit offsets inside each quadword of four pixels.
    const __m512i redGreen = _mm512_set1_epi64(0x363B262B161B060BLL);
    const __m512i greenRed = _mm512_set1_epi64(0x3B362B261B160B06LL);
    const __mmask64 high = 0xAAAAAAAAAAAAAAAAULL;
    const __m512i byteUp = _mm512_set1_epi16(256);
    const __m512i eight = _mm512_set1_epi16(8);
    eachVector(d, n, [&](int i, __mmask32 lanes) {
        // Both pictures stream from the second-level cache; fetching them well ahead keeps
        // the loads from stalling the arithmetic.
        _mm_prefetch(reinterpret_cast<const char*>(s1 + i + 640), _MM_HINT_T0);
        _mm_prefetch(reinterpret_cast<const char*>(s2 + i + 640), _MM_HINT_T0);
        const __m512i p = load(lanes, s1 + i);
        const __m512i q = load(lanes, s2 + i);
        const __m512i rgP =
            _mm512_and_si512(_mm512_maskz_multishift_epi64_epi8(~0ULL, redGreen, p), five);
        const __m512i grQ = _mm512_maskz_multishift_epi64_epi8(~0ULL, greenRed, q);
        const __m512i red = _mm512_ternarylogic_epi32(rgP, grQ, highFive, kSecondWhere);
        const __m512i green = _mm512_ternarylogic_epi32(grQ, rgP, lowFive, kFirstWhere);
        const __m512i blue = _mm512_ternarylogic_epi32(
            _mm512_and_si512(p, lowFive), _mm512_mullo_epi16(q, byteUp), highFive, kSecondWhere);
        const __m512i sumR = _mm512_maddubs_epi16(weights, red);
        const __m512i sumG = _mm512_maddubs_epi16(swapped, green);
        const __m512i sumB = _mm512_maddubs_epi16(weights, blue);
        const __m512i gb = _mm512_maddubs_epi16(
            _mm512_mask_blend_epi8(high, _mm512_mulhi_epu16(sumB, byteUp), sumG), blueGreen);
        // Red field from the shifted red sum, the rest from gb.
        store(
            d + i, lanes,
            _mm512_ternarylogic_epi32(_mm512_mullo_epi16(sumR, eight), gb, redField, kFirstWhere));
    });
}

}  // namespace

const rowops::Kernels rowops::kAvx512Kernels = {
    fill512, copyKeyed512, to555512, expandBits512, expandBitsOver512, faded512,
    tint512, darken512,    blend512, loopGrey,      loopPixelDouble};
