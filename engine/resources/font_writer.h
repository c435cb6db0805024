#pragma once
// Writes TFF fonts: bitmap fonts for our tools, picture fonts for tests of the typed loader.

#include <cstdint>
#include <vector>

// A bitmap font file (kind 0) for the codes first..last with cells of width (a multiple of 8)
// × height; glyphs holds (last - first + 1) × height × width / 8 bytes in code order. The size
// field always states what the cells need, whatever glyphs holds (missing bytes are zero).
std::vector<uint8_t> EncodeTff(uint16_t first, uint16_t last, uint16_t width, uint16_t height,
                               const std::vector<uint8_t>& glyphs);

// One glyph of a picture font: width × height pixels of bytesPerPixel bytes.
struct PictureGlyph {
    uint16_t width = 0;
    uint16_t height = 0;
    std::vector<uint8_t> pixels;
};

// A picture font file (kind 1) with the given depth (8 or 16), the glyphs compressed with mode
// 0 (raw) or 1 (byte runs) and an optional 768-byte palette (zeros when empty).
std::vector<uint8_t> EncodePictureFont(uint16_t first, uint16_t depth,
                                       const std::vector<PictureGlyph>& glyphs, int mode,
                                       const std::vector<uint8_t>& palette = {});
