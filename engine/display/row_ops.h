#pragma once
// Whole-row pixel loops, the inner work of every blit and scene primitive. Each is built for
// three processor paths (the x86-64 baseline, AVX2, AVX-512 with BW and VBMI); the best one the
// processor offers is chosen once at start, and every path gives the same pixels.

#include <cstdint>

namespace rowops {

void Fill(uint16_t* __restrict dst, int count, uint16_t colour);
void Copy(uint16_t* __restrict dst, const uint16_t* __restrict src, int count);
// `rows` rows of `count` pixels; one copy when both sides are contiguous.
void CopyRows(uint16_t* __restrict dst, int dstPitch, const uint16_t* __restrict src, int srcPitch,
              int count, int rows);
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
// Per-channel halvings mask with 0xF7DE, so that no bit runs into the next channel.
// Every non-zero pixel s over d becomes s/2 + (d/2 + s/2)/2: three quarters picture.
void Faded(uint16_t* __restrict dst, const uint16_t* __restrict src, int count);
// Each pixel becomes d/2 + colour/2.
void Tint(uint16_t* __restrict dst, int count, uint16_t colour);
// Each pixel is halved.
void Darken(uint16_t* __restrict dst, int count);
// Per channel (a × first + (255 − a) × second) >> 8 on 5-bit channels (green by its top 5
// bits); a is 0..255.
void Blend(uint16_t* __restrict dst, const uint16_t* __restrict first,
           const uint16_t* __restrict second, int count, uint16_t a);
// Blend over `rows` rows of `count` pixels; one run when all three are contiguous.
void BlendRows(uint16_t* __restrict dst, int dstPitch, const uint16_t* __restrict first,
               int firstPitch, const uint16_t* __restrict second, int secondPitch, int count,
               int rows, uint16_t a);
// g = (r + g5 + b) / 3 written back as r = g, green = 2g, b = g.
void Grey(uint16_t* __restrict dst, const uint16_t* __restrict src, int count);
// Each of `pixels` source pixels twice.
void PixelDouble(uint16_t* __restrict dst, const uint16_t* __restrict src, int pixels);

// The processor paths, plainest first.
enum class Path { Plain, Avx2, Avx512 };

// The widest path this processor (and its operating system) can run.
Path BestPath();
// The path the loops run on now.
Path CurrentPath();
// Makes the loops run on `path`, or on the best one the processor has when it lacks that one;
// returns the path now in use. For tests and benchmarks; the start-up choice is BestPath(), or
// the RAVEZ_ROW_PATH environment variable (plain, avx2, avx512) when it is set.
Path UsePath(Path path);
const char* PathName(Path path);
// "plain", "avx2" or "avx512"; false for anything else.
bool ParsePath(const char* name, Path* path);

}  // namespace rowops
