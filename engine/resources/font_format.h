#pragma once
// TFF fonts: fixed-size monochrome bitmap fonts, loaded whole into one block in exactly their
// file layout (little-endian):
//    0  3  tag "TFF" (byte 3 is the tag's terminating zero, not read)
//    4  4  glyph data size in bytes
//    8  2  glyph count (not needed for drawing)
//   10  2  first character code
//   12  2  last character code
//   14  2  cell width in pixels, a multiple of 8
//   16  2  cell height in rows
//   18  2  kind: 0 bitmap font, anything else a picture font (only the typed loader reads it)
//   20     glyph data: one glyph per code from first to last, height rows of width / 8 bytes,
//          the leftmost pixel in the most significant bit of a row's first byte.

#include <cstddef>
#include <cstdint>

#include "engine/resources/file_manager.h"

constexpr uint32_t kFontHeaderBytes = 20;
// Font data are smaller than 65,536 bytes: the reader takes the low 16 bits of the size field.
constexpr uint32_t kFontMaxGlyphBytes = 0xFFFF;

struct FontHeader {
    char tag[3];
    uint8_t unused;
    uint32_t glyphBytes;
    uint16_t glyphCount;
    uint16_t first;
    uint16_t last;
    uint16_t width;
    uint16_t height;
    uint16_t kind;
};
static_assert(sizeof(FontHeader) == kFontHeaderBytes);

// Header fields from 20 raw bytes (alignment-safe).
FontHeader ParseFontHeader(const uint8_t* bytes);

// Block size (header + glyph data) a bitmap font with this header needs, or 0 with error 15
// when the tag is not "TFF", first > last, the width is not a multiple of 8, or the glyph data
// size is not (last - first + 1) × height × width / 8 (which the text drawer relies on).
uint32_t FontBlockSize(const FontHeader& header);

// Reads a bitmap font from the handle's position (header, then glyph data) into destination
// (destinationSize bytes). false with the error code set: 4 destination missing or too small,
// 9 short read, 15 header rejected by FontBlockSize.
bool ReadFontAtPosition(FileHandle handle, uint8_t* destination, uint32_t destinationSize);

// Forces the extension ".TFF", opens the file and reads it as above.
bool ReadFontFile(const char* name, uint8_t* destination, uint32_t destinationSize);

// What the text drawer needs from a loaded bitmap font block.
struct FontView {
    uint16_t first = 0;
    uint16_t last = 0;
    uint16_t width = 0;   // pixels, a multiple of 8
    uint16_t height = 0;  // rows
    const uint8_t* glyphs = nullptr;

    uint32_t RowBytes() const { return width / 8u; }
    uint32_t GlyphBytes() const { return RowBytes() * height; }
    // The glyph of a character code, null outside first..last.
    const uint8_t* Glyph(int code) const;
};

// A view of a bitmap font block of blockSize bytes; false (view untouched) when the block is no
// complete bitmap font.
bool MakeFontView(const uint8_t* block, uint32_t blockSize, FontView* view);

// The font information line: "Memory:%lu     1st-Char:%d last-Char:%d    Size-X:%d Size-Y:%d".
// Returns the length snprintf reports.
int FormatFontInfo(const uint8_t* block, char* out, std::size_t outSize);

// Picture fonts (kind not 0). The font header is followed by a second header of 786 bytes:
//      0    4  tag, not interpreted (our writer puts "TAF")
//      4    2  bit depth: 8 (19 reads as 8) or 16
//      6    2  glyph count
//      8    4  glyph data size: the bytes of all decoded glyph pixels together
//     12  768  palette, 256 × red, green, blue
//    780    4  offset of the first glyph frame, counted from the start of the font header
//    784    2  not interpreted
// Each glyph is stored as an animation frame (14-byte frame header with mode, width, height
// and the offset of the next glyph frame, then the compressed pixels).
// The loaded block:
//      0   20  the font header
//     20    2  glyph count
//     22    2  bit depth (19 stored as 8)
//     24  768  palette
//    792       glyph pointer table, one pointer per glyph (not aligned: use PictureFontGlyph)
//     …        glyph pictures: uint16 width, uint16 height, width × height pixels (1 byte per
//              pixel, 2 for depth 16)
constexpr uint32_t kPictureFontHeaderBytes = 786;
constexpr uint32_t kPictureFontCountOffset = 20;
constexpr uint32_t kPictureFontDepthOffset = 22;
constexpr uint32_t kPictureFontPaletteOffset = 24;
constexpr uint32_t kPictureFontTableOffset = 792;
// Fonts are small; a glyph data size beyond this is a damaged header, not a font.
constexpr uint32_t kPictureFontMaxGlyphBytes = 16u << 20;

struct PictureFontHeader {
    uint16_t depth;
    uint16_t glyphs;
    uint32_t glyphBytes;
    const uint8_t* palette;  // into the raw header bytes
    uint32_t firstGlyph;
};

PictureFontHeader ParsePictureFontHeader(const uint8_t* bytes);

// Block size the loaded picture font needs, or 0 with error 15 for an implausible header.
uint32_t PictureFontBlockSize(const PictureFontHeader& header);

// Reads a picture font whose 20-byte font header (fontHeader) has just been read from handle;
// the handle stands at the second header and fontStart is the file position of the font
// header. Fills destination (at least PictureFontBlockSize bytes) as laid out above.
// false with 4 (destination missing or too small), 9 (short read) or 15 (bad header or glyph
// frames that do not fit).
bool ReadPictureFontAtPosition(FileHandle handle, long fontStart, const uint8_t* fontHeader,
                               uint8_t* destination, uint32_t destinationSize);

uint16_t PictureFontGlyphCount(const uint8_t* block);
// The picture of glyph i of a loaded picture font, null when i is out of range.
const uint8_t* PictureFontGlyph(const uint8_t* block, uint32_t index);
