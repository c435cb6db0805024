#include "game/scenes/beach/beach_pixels.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

#define ROW_LOOP __attribute__((target_clones("avx2", "default")))

// A pixel spread out so that the sums of 16 pixels fit in each channel's field: blue in bits
// 0..9, green in 10..20, red in 21..30. A sum shifted down and masked is again a spread pixel.
constexpr uint32_t kSpreadMask = 0x1Fu | (0x3Fu << 10) | (0x1Fu << 21);
inline uint32_t spread(uint16_t p) {
    return (p & 0x1Fu) | ((p & 0x07E0u) << 5) | ((p & 0xF800u) << 10);
}
inline uint16_t packed(uint32_t s) {
    return static_cast<uint16_t>((s & 0x1Fu) | ((s >> 5) & 0x07E0u) | ((s >> 10) & 0xF800u));
}

ROW_LOOP void rowSpread(uint32_t* __restrict d, const uint16_t* __restrict s, int n) {
    for (int i = 0; i < n; ++i) d[i] = spread(s[i]);
}
ROW_LOOP void rowPack(uint16_t* __restrict d, const uint32_t* __restrict s, int n) {
    for (int i = 0; i < n; ++i) d[i] = packed(s[i]);
}

// Everything of a row's sums that does not depend on the left neighbour: the pixel itself
// times selfWeight, its right neighbour, the three above (already done) and the three below
// (not yet). In the first row "above" is the row itself, in the last row "below" is: there the
// left neighbour counts once more for each (the k of the scan).
ROW_LOOP void rowPartial(uint32_t* __restrict p, const uint32_t* __restrict row,
                         const uint32_t* __restrict above, const uint32_t* __restrict below, int n,
                         uint32_t selfWeight) {
    // Interior columns without clamping; the two ends afterwards.
    for (int x = 1; x < n - 1; ++x) {
        const uint32_t u = above ? above[x - 1] + above[x] + above[x + 1] : row[x] + row[x + 1];
        const uint32_t d = below ? below[x - 1] + below[x] + below[x + 1] : row[x] + row[x + 1];
        p[x] = selfWeight * row[x] + row[x + 1] + u + d;
    }
}

uint32_t edgePartial(const uint32_t* row, const uint32_t* above, const uint32_t* below, int n,
                     int x, uint32_t selfWeight) {
    const int l = std::max(x - 1, 0);
    const int r = std::min(x + 1, n - 1);
    const uint32_t u = above ? above[l] + above[x] + above[r] : row[x] + row[r];
    const uint32_t d = below ? below[l] + below[x] + below[r] : row[x] + row[r];
    return selfWeight * row[x] + row[r] + u + d;
}

// One in-place pass over a spread image: the sums of 16 (soften, shift 4) or 8 (blur, shift 3)
// pixels. Only the left neighbour chains the pixels of a row, so the rest is summed for the
// whole row first.
void filterPass(uint32_t* img, int w, int h, uint32_t selfWeight, int shift) {
    thread_local std::vector<uint32_t> partial;
    partial.resize(static_cast<std::size_t>(w));
    uint32_t* p = partial.data();
    for (int y = 0; y < h; ++y) {
        uint32_t* row = img + static_cast<std::ptrdiff_t>(y) * w;
        const uint32_t* above = y > 0 ? row - w : nullptr;
        const uint32_t* below = y < h - 1 ? row + w : nullptr;
        rowPartial(p, row, above, below, w, selfWeight);
        p[0] = edgePartial(row, above, below, w, 0, selfWeight);
        if (w > 1) p[w - 1] = edgePartial(row, above, below, w, w - 1, selfWeight);
        const uint32_t k = 1u + (above ? 0u : 1u) + (below ? 0u : 1u);
        uint32_t left = row[0];  // the left neighbour of column 0 is the pixel itself
        for (int x = 0; x < w; ++x) {
            left = ((p[x] + k * left) >> shift) & kSpreadMask;
            row[x] = left;
        }
    }
}

void filterInPlace(uint16_t* pixels, int w, int h, int stride, uint32_t selfWeight, int shift,
                   int passes) {
    if (!pixels || w <= 0 || h <= 0 || passes <= 0) return;
    thread_local std::vector<uint32_t> image;
    image.resize(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) rowSpread(image.data() + y * w, pixels + y * stride, w);
    for (int pass = 0; pass < passes; ++pass) filterPass(image.data(), w, h, selfWeight, shift);
    for (int y = 0; y < h; ++y) rowPack(pixels + y * stride, image.data() + y * w, w);
}

ROW_LOOP void rowFlash(uint16_t* __restrict d, const uint16_t* __restrict s, int n) {
    for (int i = 0; i < n; ++i) d[i] = flashRaised(s[i]);
}

ROW_LOOP void rowNight(uint16_t* __restrict d, const uint16_t* __restrict s, int n) {
    for (int i = 0; i < n; ++i) d[i] = s[i] != 0 ? nightPixel(s[i]) : d[i];
}

ROW_LOOP void rowMixed(uint16_t* __restrict d, const uint16_t* __restrict s, int n,
                       uint16_t night) {
    const uint16_t day = static_cast<uint16_t>(255 - night);
    for (int i = 0; i < n; ++i) {
        const uint16_t c = s[i];
        const uint16_t e = nightPixel(c);
        const uint16_t r = static_cast<uint16_t>((c >> 11) * day + (e >> 11) * night) >> 8;
        const uint16_t g =
            static_cast<uint16_t>(((c >> 6) & 31) * day + ((e >> 6) & 31) * night) >> 8;
        const uint16_t b = static_cast<uint16_t>((c & 31) * day + (e & 31) * night) >> 8;
        const uint16_t m = static_cast<uint16_t>(r << 11 | g << 6 | b);
        d[i] = c != 0 ? m : d[i];
    }
}

ROW_LOOP void rowGlow(uint16_t* __restrict d, int n, uint16_t addR, uint16_t addG, uint16_t addB) {
    for (int i = 0; i < n; ++i) {
        const uint16_t p = d[i];
        const uint16_t r = std::min<uint16_t>(static_cast<uint16_t>((p >> 11) + addR), 31);
        const uint16_t g = std::min<uint16_t>(static_cast<uint16_t>(((p >> 5) & 63) + addG), 63);
        const uint16_t b = std::min<uint16_t>(static_cast<uint16_t>((p & 31) + addB), 31);
        d[i] = static_cast<uint16_t>(r << 11 | g << 5 | b);
    }
}

}  // namespace

uint16_t mixedVisitorPixel(uint16_t c, int night) {
    uint16_t out = 0;
    rowMixed(&out, &c, 1, static_cast<uint16_t>(std::clamp(night, 0, 255)));
    return out;
}

void drawVisitorSprite(const PageView& view, PicView sprite, int x, int y, VisitorLight light) {
    if (!sprite || !view.pixels) return;
    const int x0 = std::max(x, 0);
    const int y0 = std::max(y, 0);
    const int x1 = std::min(x + sprite.width, view.width);
    const int y1 = std::min(y + sprite.height, view.height);
    if (x0 >= x1 || y0 >= y1) return;
    const uint16_t night = static_cast<uint16_t>(std::clamp(light.night, 0, 255));
    for (int row = y0; row < y1; ++row) {
        uint16_t* d = view.Row(row) + x0;
        const uint16_t* s =
            sprite.pixels + static_cast<std::ptrdiff_t>(row - y) * sprite.stride + (x0 - x);
        const int n = x1 - x0;
        switch (light.kind) {
            case VisitorLight::Day:
                for (int i = 0; i < n; ++i) d[i] = s[i] != 0 ? s[i] : d[i];
                break;
            case VisitorLight::Night:
                rowNight(d, s, n);
                break;
            case VisitorLight::Mixed:
                rowMixed(d, s, n, night);
                break;
        }
    }
}

uint16_t flashRaised(uint16_t c) {
    const uint32_t r = std::min<uint32_t>((c & 0xF800u) + ((c & 0xF000u) >> 1), 0xF800u);
    const uint32_t g = std::min<uint32_t>((c & 0x07E0u) + ((c & 0x07C0u) >> 1), 0x07E0u);
    const uint32_t b = std::min<uint32_t>((c & 0x001Fu) + ((c & 0x001Eu) >> 1), 0x001Fu);
    return static_cast<uint16_t>(r | g | b);
}

void copyFromView(const PageView& view, int x, int y, int width, int height, uint16_t* out,
                  int outStride, bool flash) {
    for (int row = 0; row < height; ++row) {
        uint16_t* d = out + static_cast<std::ptrdiff_t>(row) * outStride;
        std::memset(d, 0, static_cast<std::size_t>(width) * 2);
        const int sy = y + row;
        if (!view.pixels || sy < 0 || sy >= view.height) continue;
        const int x0 = std::max(x, 0);
        const int x1 = std::min(x + width, view.width);
        if (x0 >= x1) continue;
        const uint16_t* s = view.Row(sy) + x0;
        if (flash) {
            rowFlash(d + (x0 - x), s, x1 - x0);
        } else {
            std::memcpy(d + (x0 - x), s, static_cast<std::size_t>(x1 - x0) * 2);
        }
    }
}

void softenInPlace(uint16_t* pixels, int width, int height, int stride) {
    filterInPlace(pixels, width, height, stride, 8, 4, 1);
}

void blurInPlace(uint16_t* pixels, int width, int height, int stride, int passes) {
    filterInPlace(pixels, width, height, stride, 0, 3, passes);
}

void addGlow(const PageView& view, int glow) {
    if (!view.pixels || glow <= 0) return;
    const int g = std::min(glow, 255);
    const auto addRB = static_cast<uint16_t>(g >> 3);
    const auto addG = static_cast<uint16_t>(g >> 2);
    for (int row = 0; row < view.height; ++row)
        rowGlow(view.Row(row), view.width, addRB, addG, addRB);
}
