#pragma once
// The row loops of one processor path. Each path's table lives in its own file, built for that
// instruction set; row_ops.cpp picks the table once at start (or when told to).

#include <cstdint>

namespace rowops {

struct Kernels {
    void (*fill)(uint16_t* dst, int count, uint16_t colour);
    void (*copyKeyed)(uint16_t* dst, const uint16_t* src, int count);
    void (*to555)(uint16_t* dst, const uint16_t* src, int count);
    void (*expandBits)(uint16_t* dst, const uint8_t* bits, int bytes, uint16_t fg, uint16_t bg);
    void (*expandBitsOver)(uint16_t* dst, const uint8_t* bits, int bytes, uint16_t fg);
    void (*faded)(uint16_t* dst, const uint16_t* src, int count);
    void (*tint)(uint16_t* dst, int count, uint16_t colour);
    void (*darken)(uint16_t* dst, int count);
    void (*blend)(uint16_t* dst, const uint16_t* first, const uint16_t* second, int count,
                  uint16_t weight);
    void (*grey)(uint16_t* dst, const uint16_t* src, int count);
    void (*pixelDouble)(uint16_t* dst, const uint16_t* src, int pixels);
};

extern const Kernels kPlainKernels;
extern const Kernels kAvx2Kernels;
extern const Kernels kAvx512Kernels;

}  // namespace rowops
