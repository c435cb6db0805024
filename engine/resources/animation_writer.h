#pragma once
// Writes TAF animations for our own tools and tests.

#include <cstddef>
#include <cstdint>
#include <vector>

// One 16-bit frame: width × height RGB565 pixels, row by row.
struct TafFrame {
    uint16_t width = 0;
    uint16_t height = 0;
    std::vector<uint16_t> pixels;
};

// A frame whose pixels are already compressed with mode.
struct EncodedFrame {
    uint16_t mode = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    std::vector<uint8_t> data;
};

// A complete 16-bit TAF file: header, the frames compressed with mode 0, 1 or 2, and tables
// frame tables at the end (each a copy of the frame offsets; readers use only the first).
std::vector<uint8_t> EncodeTaf(const std::vector<TafFrame>& frames, int mode, uint16_t tables);

// Appends frames as a chain to out, each frame header pointing at the next (the last at the
// end of the chain). Offsets count from base. Returns the offset of each frame header.
std::vector<uint32_t> AppendFrameChain(std::vector<uint8_t>& out, std::size_t base,
                                       const std::vector<EncodedFrame>& frames);

// Byte runs: (count, value) pairs with counts of at most 255.
std::vector<uint8_t> EncodeByteRuns(const uint8_t* data, std::size_t size);
