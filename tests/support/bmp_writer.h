#pragma once
// Windows bitmaps of every kind other programs write, made here so that the readers' tests and
// the fuzz seeds need no files from elsewhere: 1, 4 and 8 bits with a palette (full or short),
// RLE4 and RLE8, 16 and 32 bits plain or with bit fields, 24 bits, rows bottom-up or top-down,
// and the OS/2 core header, the 40-byte info header or the V4 and V5 headers.

#include <cstdint>
#include <vector>

enum class BmpHeader { Core, Info, V4, V5 };
enum class BmpCoding { Plain, Rle8, Rle4, BitFields };

struct BmpKind {
    int bits = 24;
    BmpCoding coding = BmpCoding::Plain;
    BmpHeader header = BmpHeader::Info;
    bool topDown = false;
    // Red, green, blue and alpha masks: the bit fields, and what the V4 and V5 headers list.
    // Zero: 5-5-5 for 16 bits, 8-8-8 for 32 bits, the layouts of a file without bit fields.
    uint32_t masks[4] = {};
    // A palette of only the colours the picture uses (its count in the header), as ImageMagick
    // writes it, rather than all 2^bits entries.
    bool shortPalette = false;
};

// A picture of 8-bit colours 0xRRGGBB, rows top first.
struct BmpPicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> colours;
};

// The whole file. A palette lists the picture's colours in the order they first appear; a
// channel narrower than 8 bits keeps the colour's top bits.
std::vector<uint8_t> WriteBmp(const BmpPicture& picture, const BmpKind& kind);
