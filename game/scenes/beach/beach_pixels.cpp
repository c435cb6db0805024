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

// Sums over the three pixels left, at and right of each column (clamped at the ends).
ROW_LOOP void rowTriple(uint32_t* __restrict out, const uint32_t* __restrict row, int n) {
    for (int x = 1; x < n - 1; ++x) out[x] = row[x - 1] + row[x] + row[x + 1];
    out[0] = row[0] + row[0] + row[n > 1 ? 1 : 0];
    if (n > 1) out[n - 1] = row[n - 2] + row[n - 1] + row[n - 1];
}

// The part of a row's sums that is known before its scan: the pixel itself times selfWeight,
// its right neighbour and the three below (not yet done). In the last row "below" is the row
// itself: its right pair here, its left neighbour once more in the scan (k).
ROW_LOOP void rowOldPart(uint32_t* __restrict q, const uint32_t* __restrict row,
                         const uint32_t* __restrict belowTriple, int n, uint32_t selfWeight) {
    for (int x = 0; x < n - 1; ++x) q[x] = selfWeight * row[x] + row[x + 1] + belowTriple[x];
    q[n - 1] = selfWeight * row[n - 1] + row[n - 1] + belowTriple[n - 1];
}
ROW_LOOP void rowOldPartLast(uint32_t* __restrict q, const uint32_t* __restrict row, int n,
                             uint32_t selfWeight) {
    for (int x = 0; x < n - 1; ++x) q[x] = selfWeight * row[x] + 2 * row[x + 1] + row[x];
    q[n - 1] = selfWeight * row[n - 1] + 3 * row[n - 1];
}
// The first row's "above" is the row itself as well.
ROW_LOOP void rowAddSelfPair(uint32_t* __restrict q, const uint32_t* __restrict row, int n) {
    for (int x = 0; x < n - 1; ++x) q[x] += row[x] + row[x + 1];
    q[n - 1] += 2 * row[n - 1];
}
ROW_LOOP void rowAdd(uint32_t* __restrict q, const uint32_t* __restrict t, int n) {
    for (int x = 0; x < n; ++x) q[x] += t[x];
}

constexpr int kGroup = 4;  // rows scanned together, each two columns behind the one above

// One in-place pass over a spread image: the sums of 16 (soften, shift 4) or 8 (blur, shift 3)
// pixels. Only the left neighbour and the row above chain the pixels, so each row's other
// terms are summed beforehand, and four rows are scanned at once, each two columns behind the
// row above it (whose new pixels it needs up to one column to its right).
template <int Shift>
void filterPass(uint32_t* img, int w, int h, uint32_t selfWeight) {
    thread_local std::vector<uint32_t> work;
    work.resize(static_cast<std::size_t>(w) * (kGroup + 1));
    uint32_t* triple = work.data() + static_cast<std::size_t>(w) * kGroup;
    for (int y0 = 0; y0 < h; y0 += kGroup) {
        const int rows = std::min(kGroup, h - y0);
        uint32_t* q[kGroup];
        uint32_t* row[kGroup];
        uint32_t k[kGroup];
        for (int r = 0; r < rows; ++r) {
            const int y = y0 + r;
            row[r] = img + static_cast<std::ptrdiff_t>(y) * w;
            q[r] = work.data() + static_cast<std::size_t>(r) * w;
            if (y < h - 1) {
                rowTriple(triple, row[r] + w, w);
                rowOldPart(q[r], row[r], triple, w, selfWeight);
            } else {
                rowOldPartLast(q[r], row[r], w, selfWeight);
            }
            if (y == 0) rowAddSelfPair(q[r], row[r], w);
            k[r] = 1u + (y == 0 ? 1u : 0u) + (y == h - 1 ? 1u : 0u);
        }
        // The first row of the group: the row above is done already.
        if (y0 > 0) {
            rowTriple(triple, row[0] - w, w);
            rowAdd(q[0], triple, w);
        }
        uint32_t left[kGroup];
        for (int r = 0; r < rows; ++r) left[r] = row[r][0];
        // One step of row r at column x (the clamped neighbours of the row above).
        auto step = [&](int r, int x, uint32_t l) {
            uint32_t sum = q[r][x] + k[r] * l;
            if (r > 0) {
                const uint32_t* above = row[r - 1];
                sum += above[x > 0 ? x - 1 : 0] + above[x] + above[x + 1 < w ? x + 1 : w - 1];
            }
            const uint32_t v = (sum >> Shift) & kSpreadMask;
            row[r][x] = v;
            return v;
        };
        const int steps = w + 2 * (rows - 1);
        int t = 0;
        if (rows == kGroup && w > 2 * kGroup) {
            // Until every row has begun, then all four side by side with their left neighbours
            // in registers, then until every row has ended.
            for (; t < 2 * (kGroup - 1); ++t) {
                for (int r = 0; r < rows; ++r) {
                    const int x = t - 2 * r;
                    if (x >= 0) left[r] = step(r, x, left[r]);
                }
            }
            uint32_t l0 = left[0], l1 = left[1], l2 = left[2], l3 = left[3];
            const uint32_t k0 = k[0], k1 = k[1], k2 = k[2], k3 = k[3];
            uint32_t* r0 = row[0];
            uint32_t* r1 = row[1];
            uint32_t* r2 = row[2];
            uint32_t* r3 = row[3];
            const uint32_t* q0 = q[0];
            const uint32_t* q1 = q[1];
            const uint32_t* q2 = q[2];
            const uint32_t* q3 = q[3];
            for (; t < w; ++t) {
                l0 = ((q0[t] + k0 * l0) >> Shift) & kSpreadMask;
                r0[t] = l0;
                const int x1 = t - 2;
                l1 = ((q1[x1] + r0[x1 - 1] + r0[x1] + r0[x1 + 1] + k1 * l1) >> Shift) & kSpreadMask;
                r1[x1] = l1;
                const int x2 = t - 4;
                l2 = ((q2[x2] + r1[x2 - 1] + r1[x2] + r1[x2 + 1] + k2 * l2) >> Shift) & kSpreadMask;
                r2[x2] = l2;
                const int x3 = t - 6;
                l3 = ((q3[x3] + r2[x3 > 0 ? x3 - 1 : 0] + r2[x3] + r2[x3 + 1] + k3 * l3) >> Shift) &
                     kSpreadMask;
                r3[x3] = l3;
            }
            left[0] = l0;
            left[1] = l1;
            left[2] = l2;
            left[3] = l3;
        }
        for (; t < steps; ++t) {
            for (int r = 0; r < rows; ++r) {
                const int x = t - 2 * r;
                if (x >= 0 && x < w) left[r] = step(r, x, left[r]);
            }
        }
    }
}

void filterInPlace(uint16_t* pixels, int w, int h, int stride, uint32_t selfWeight, int shift,
                   int passes) {
    if (!pixels || w <= 0 || h <= 0 || passes <= 0) return;
    thread_local std::vector<uint32_t> image;
    image.resize(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) rowSpread(image.data() + y * w, pixels + y * stride, w);
    for (int pass = 0; pass < passes; ++pass) {
        if (shift == 4) {
            filterPass<4>(image.data(), w, h, selfWeight);
        } else {
            filterPass<3>(image.data(), w, h, selfWeight);
        }
    }
    for (int y = 0; y < h; ++y) rowPack(pixels + y * stride, image.data() + y * w, w);
}

inline uint16_t raise(uint16_t c) {
    const uint32_t r = std::min<uint32_t>((c & 0xF800u) + ((c & 0xF000u) >> 1), 0xF800u);
    const uint32_t g = std::min<uint32_t>((c & 0x07E0u) + ((c & 0x07C0u) >> 1), 0x07E0u);
    const uint32_t b = std::min<uint32_t>((c & 0x001Fu) + ((c & 0x001Eu) >> 1), 0x001Fu);
    return static_cast<uint16_t>(r | g | b);
}

ROW_LOOP void rowFlash(uint16_t* __restrict d, const uint16_t* __restrict s, int n) {
    for (int i = 0; i < n; ++i) d[i] = raise(s[i]);
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
    return raise(c);
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
