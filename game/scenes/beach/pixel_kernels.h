#pragma once
// The beach's per-pixel loops for one processor path. Each path's table is built in its own file
// for that instruction set (pixel_kernels_*.cpp); pixel_path.cpp picks one at start.

#include <cstddef>
#include <cstdint>

namespace beachpx {

// Per-channel tables mapping a pixel to a new one: red by its 5 bits, green by its 6, blue by
// its 5, each entry already shifted to its channel's place. A rule that treats the channels
// apart (night light, flash, glow) is a table like this.
struct ChannelTables {
    uint16_t red[32];
    uint16_t green[64];
    uint16_t blue[32];
};

inline uint16_t mapped(uint16_t c, const ChannelTables& t) {
    return static_cast<uint16_t>(t.red[c >> 11] | t.green[(c >> 5) & 63] | t.blue[c & 31]);
}

namespace tables {
constexpr uint16_t low(int a, int b) {
    return static_cast<uint16_t>(a < b ? a : b);
}
}  // namespace tables

// Night form ((c AND 0xF7DE) >> 1) + 0x0861: each channel halved (green by its top five bits),
// then lifted by 1, 3 and 1.
constexpr ChannelTables nightTables() {
    ChannelTables t{};
    for (int v = 0; v < 32; ++v) {
        t.red[v] = static_cast<uint16_t>(((v >> 1) + 1) << 11);
        t.blue[v] = static_cast<uint16_t>((v >> 1) + 1);
    }
    for (int g = 0; g < 64; ++g) t.green[g] = static_cast<uint16_t>(((g >> 1) + 3) << 5);
    return t;
}
// Flash raise: each channel plus half of itself taken with its lowest bit cleared, saturated.
constexpr ChannelTables flashTables() {
    ChannelTables t{};
    for (int v = 0; v < 32; ++v) {
        t.red[v] = static_cast<uint16_t>(tables::low(v + (v >> 1), 31) << 11);
        t.blue[v] = tables::low(v + (v >> 1), 31);
    }
    for (int g = 0; g < 64; ++g)
        t.green[g] = static_cast<uint16_t>(tables::low(g + (g >> 1), 63) << 5);
    return t;
}
// Flash glow: the grey (addRB, addG, addRB) added, saturated.
constexpr ChannelTables glowTables(int addRB, int addG) {
    ChannelTables t{};
    for (int v = 0; v < 32; ++v) {
        t.red[v] = static_cast<uint16_t>(tables::low(v + addRB, 31) << 11);
        t.blue[v] = tables::low(v + addRB, 31);
    }
    for (int g = 0; g < 64; ++g) t.green[g] = static_cast<uint16_t>(tables::low(g + addG, 63) << 5);
    return t;
}
// Mixed light: per 5-bit channel (c × (255 − night) + d × night) >> 8 with d the night form;
// green by its top five bits, its lowest bit then 0.
constexpr ChannelTables mixedTables(int night) {
    ChannelTables t{};
    const int day = 255 - night;
    for (int v = 0; v < 32; ++v) {
        const int m = (v * day + ((v >> 1) + 1) * night) >> 8;
        t.red[v] = static_cast<uint16_t>(m << 11);
        t.blue[v] = static_cast<uint16_t>(m);
    }
    for (int g = 0; g < 64; ++g) {
        const int c = g >> 1;
        const int d = ((g >> 1) + 3) >> 1;
        t.green[g] = static_cast<uint16_t>(((c * day + d * night) >> 8) << 6);
    }
    return t;
}

// One in-place pass. Soften: every pixel becomes (8 × itself + its 8 neighbours) / 16; blur: the
// mean of its 8 neighbours.
enum class FilterPass { Soften, Blur };

// Where the filter's picture comes from: its pixel (x, y) is the source's (x + dx, y + dy),
// black outside the width × height source (rows `stride` apart), raised by the flash when
// `flash` is set. Filtering in place is reading from the picture itself.
struct FilterSource {
    const uint16_t* pixels;
    int stride;
    int width, height;
    int dx, dy;
    bool flash;
};

struct Kernels {
    // The visitors' night light: night form of each non-zero pixel of s.
    void (*night)(uint16_t* d, const uint16_t* s, int n);
    // The visitors' mixed light at weight `night`; t is the same rule as tables.
    void (*mixed)(uint16_t* d, const uint16_t* s, int n, uint16_t night, const ChannelTables& t);
    // Flash glow: add the grey (addRB, addG, addRB), saturated; t is the same rule as tables.
    void (*glow)(uint16_t* d, int n, uint16_t addRB, uint16_t addG, const ChannelTables& t);
    // Flash raise of s into d.
    void (*flash)(uint16_t* d, const uint16_t* s, int n);
    // The passes in order over the w × h picture from src, into `out` (rows `stride` apart; it
    // may be the source itself); work holds filterWork(w, h) words aligned to 64 bytes.
    void (*filter)(const FilterSource& src, uint16_t* out, int stride, int w, int h,
                   const FilterPass* passes, int count, uint32_t* work);
    std::size_t (*filterWork)(int w, int h);
    // Where key is not 0, the pixel of `lit`: a sprite drawn in a light worked out before.
    void (*keyedBy)(uint16_t* d, const uint16_t* lit, const uint16_t* key, int n);
    // Whether mixing a sprite row costs more than copying a mixed row kept from before (it
    // does not where the mix is three table lookups a vector).
    bool keepMixedRows;
};

extern const Kernels kPlainKernels;
extern const Kernels kAvx2Kernels;
extern const Kernels kAvx512Kernels;

}  // namespace beachpx
