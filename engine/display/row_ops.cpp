#include "engine/display/row_ops.h"

#include <cstring>

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

}  // namespace rowops
