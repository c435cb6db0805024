#pragma once
// Writes 16-bit pictures as TBF files for our own tools (pool tool, asset generator).

#include <cstdint>
#include <vector>

// A complete TBF file (header and pixel data) for width × height RGB565 pixels, compressed with
// mode 0 (raw), 1 (byte runs) or 2 (word runs).
std::vector<uint8_t> EncodeTbf(const uint16_t* pixels, uint16_t width, uint16_t height, int mode);
