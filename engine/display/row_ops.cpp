#include "engine/display/row_ops.h"

#include <cstring>

namespace {

// Sixteen pixels from two bytes of bits: the pair is loaded as one little-endian word, so the
// first byte tests the low half of the word and the second the high half.
using Pixels16 = uint16_t __attribute__((vector_size(32)));
using Pixels8 = uint16_t __attribute__((vector_size(16)));
constexpr Pixels16 kBitsOfPair = {0x80,   0x40,   0x20,   0x10,   0x08,   0x04,   0x02,   0x01,
                                  0x8000, 0x4000, 0x2000, 0x1000, 0x0800, 0x0400, 0x0200, 0x0100};
constexpr Pixels8 kBitsOfByte = {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};

// All ones where the pixel's bit is set (a macro: vectors wider than the baseline's registers
// must not cross a call boundary).
#define RAVEZ_BIT_MASK(V, bits, tests) reinterpret_cast<V>(((V{} + (bits)) & (tests)) == (tests))

}  // namespace

// Each loop is built twice, for AVX2 and for the baseline, and the loader picks one once at
// start.
#define RAVEZ_ROW_LOOP __attribute__((target_clones("avx2", "default")))

namespace rowops {

RAVEZ_ROW_LOOP void Fill(uint16_t* __restrict dst, int count, uint16_t colour) {
    for (int i = 0; i < count; ++i) dst[i] = colour;
}

void Copy(uint16_t* __restrict dst, const uint16_t* __restrict src, int count) {
    if (count > 0) std::memcpy(dst, src, static_cast<std::size_t>(count) * 2);
}

RAVEZ_ROW_LOOP void CopyKeyed(uint16_t* __restrict dst, const uint16_t* __restrict src, int count) {
    // Written as a select so that it becomes compare-and-blend on whole vectors.
    for (int i = 0; i < count; ++i) {
        const uint16_t s = src[i];
        dst[i] = s != 0 ? s : dst[i];
    }
}

RAVEZ_ROW_LOOP void To555(uint16_t* __restrict dst, const uint16_t* __restrict src, int count) {
    for (int i = 0; i < count; ++i) {
        const uint16_t p = src[i];
        dst[i] = static_cast<uint16_t>(((p >> 1) & 0x7FE0) | (p & 0x001F));
    }
}

// Written as selects on whole vectors, so that each becomes one blend.
RAVEZ_ROW_LOOP void ExpandBits(uint16_t* __restrict dst, const uint8_t* __restrict bits, int bytes,
                               uint16_t fg, uint16_t bg) {
    int i = 0;
    for (; i + 2 <= bytes; i += 2) {
        uint16_t pair;
        std::memcpy(&pair, bits + i, 2);
        const Pixels16 out =
            RAVEZ_BIT_MASK(Pixels16, pair, kBitsOfPair) ? Pixels16{} + fg : Pixels16{} + bg;
        std::memcpy(dst + 8 * i, &out, sizeof out);
    }
    if (i < bytes) {
        const Pixels8 out =
            RAVEZ_BIT_MASK(Pixels8, bits[i], kBitsOfByte) ? Pixels8{} + fg : Pixels8{} + bg;
        std::memcpy(dst + 8 * i, &out, sizeof out);
    }
}

RAVEZ_ROW_LOOP void ExpandBitsOver(uint16_t* __restrict dst, const uint8_t* __restrict bits,
                                   int bytes, uint16_t fg) {
    int i = 0;
    for (; i + 2 <= bytes; i += 2) {
        uint16_t pair;
        Pixels16 out;
        std::memcpy(&pair, bits + i, 2);
        std::memcpy(&out, dst + 8 * i, sizeof out);
        out = RAVEZ_BIT_MASK(Pixels16, pair, kBitsOfPair) ? Pixels16{} + fg : out;
        std::memcpy(dst + 8 * i, &out, sizeof out);
    }
    if (i < bytes) {
        Pixels8 out;
        std::memcpy(&out, dst + 8 * i, sizeof out);
        out = RAVEZ_BIT_MASK(Pixels8, bits[i], kBitsOfByte) ? Pixels8{} + fg : out;
        std::memcpy(dst + 8 * i, &out, sizeof out);
    }
}

}  // namespace rowops
