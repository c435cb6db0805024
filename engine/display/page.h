#pragma once
// The records pages are described by. PageView is what the per-pixel code works on: a plain
// 16-bit buffer with its pitch in pixels. PageRecord is the page table's form, pitch in bytes.

#include <cstddef>
#include <cstdint>

struct PageView {
    uint16_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;  // pixels from one row to the next

    uint16_t* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * pitch; }
};

struct PageRecord {
    uint16_t* address = nullptr;  // first pixel; null when the page is not available
    uint16_t width = 0;
    uint16_t height = 0;
    uint16_t pitch = 0;  // bytes
};

// Left, right, top, bottom; right and bottom exclusive.
struct ClipRect {
    int16_t left = 0;
    int16_t right = 0;
    int16_t top = 0;
    int16_t bottom = 0;
};

// A picture: width and height words, then width × height pixels row by row. The byte size of
// the buffer travels with it so that a header larger than its data is never followed.
struct PictureView {
    const uint16_t* data = nullptr;
    std::size_t bytes = 0;
};
