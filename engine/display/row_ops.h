#pragma once
// Whole-row pixel loops, the inner work of every blit. Plain loops over restrict pointers, so
// that the compiler turns them into vector code.

#include <cstdint>

namespace rowops {

void Fill(uint16_t* __restrict dst, int count, uint16_t colour);
void Copy(uint16_t* __restrict dst, const uint16_t* __restrict src, int count);
// Copies every pixel that is not 0.
void CopyKeyed(uint16_t* __restrict dst, const uint16_t* __restrict src, int count);
// 5-6-5 to 5-5-5: red and green move down one bit, the lowest green bit is dropped.
void To555(uint16_t* __restrict dst, const uint16_t* __restrict src, int count);
// Eight pixels for each byte of bits, the leftmost from the top bit: a set bit gives fg, a
// clear one bg.
void ExpandBits(uint16_t* __restrict dst, const uint8_t* __restrict bits, int bytes, uint16_t fg,
                uint16_t bg);
// The same, but a clear bit leaves its pixel as it is.
void ExpandBitsOver(uint16_t* __restrict dst, const uint8_t* __restrict bits, int bytes,
                    uint16_t fg);

}  // namespace rowops
