#include "game/ui/scene_draw.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/display/row_ops.h"
#include "engine/memory/memory.h"

namespace {

BlendTable gBlend;

// The part of a w × h rectangle at (x, y) that lies on the page: first source column and row,
// destination start and size. False when nothing is visible.
struct Clip {
    int srcX, srcY, dstX, dstY, width, height;
};
bool clipRect(const PageView& page, int x, int y, int w, int h, Clip* c) {
    if (!page.pixels) return false;
    const int x0 = std::max(x, 0);
    const int y0 = std::max(y, 0);
    const int x1 = std::min(x + w, page.width);
    const int y1 = std::min(y + h, page.height);
    if (x0 >= x1 || y0 >= y1) return false;
    *c = {x0 - x, y0 - y, x0, y0, x1 - x0, y1 - y0};
    return true;
}

// Kept scalar: a vector gather of 16-bit pixels is no faster than single loads.
void rowGather(uint16_t* __restrict d, const uint16_t* __restrict s, const int* __restrict cols,
               int n) {
    for (int i = 0; i < n; ++i) d[i] = s[cols[i]];
}

// Puts the visible part of a picture at (x, y), a clipped row at a time through `row`.
template <typename RowOp>
void drawRows(const PageView& page, PicView p, int x, int y, RowOp row) {
    Clip c;
    if (!p || !clipRect(page, x, y, p.width, p.height, &c)) return;
    for (int r = 0; r < c.height; ++r) {
        row(page.Row(c.dstY + r) + c.dstX,
            p.pixels + static_cast<std::ptrdiff_t>(c.srcY + r) * p.stride + c.srcX, c.width);
    }
}

}  // namespace

PicView picView(const uint8_t* block) {
    if (!block) return {};
    uint16_t w = 0;
    uint16_t h = 0;
    std::memcpy(&w, block, 2);
    std::memcpy(&h, block + 2, 2);
    // A block smaller than its header claims is not drawn.
    const uint32_t bytes = MemBlockSize(block);
    if (bytes != 0 && 4u + 2u * w * h > bytes) return {};
    return {reinterpret_cast<const uint16_t*>(block + 4), w, h, w};
}

PicView subPicture(PicView p, int x, int y, int width, int height) {
    if (!p) return {};
    const int x0 = std::clamp(x, 0, p.width);
    const int y0 = std::clamp(y, 0, p.height);
    const int x1 = std::clamp(x + width, x0, p.width);
    const int y1 = std::clamp(y + height, y0, p.height);
    return {p.pixels + static_cast<std::ptrdiff_t>(y0) * p.stride + x0, x1 - x0, y1 - y0, p.stride};
}

void drawCopy(const PageView& page, PicView p, int x, int y) {
    Clip c;
    if (!p || !clipRect(page, x, y, p.width, p.height, &c)) return;
    rowops::CopyRows(page.Row(c.dstY) + c.dstX, page.pitch,
                     p.pixels + static_cast<std::ptrdiff_t>(c.srcY) * p.stride + c.srcX, p.stride,
                     c.width, c.height);
}

void drawKeyed(const PageView& page, PicView p, int x, int y) {
    drawRows(page, p, x, y, rowops::CopyKeyed);
}

void drawFaded(const PageView& page, PicView p, int x, int y) {
    drawRows(page, p, x, y, rowops::Faded);
}

void tintBox(const PageView& page, int x, int y, int width, int height, uint16_t colour) {
    Clip c;
    if (!clipRect(page, x, y, width, height, &c)) return;
    for (int row = 0; row < c.height; ++row)
        rowops::Tint(page.Row(c.dstY + row) + c.dstX, c.width, colour);
}

void stippleBox(const PageView& page, int x, int y, int width, int height, uint16_t colour) {
    Clip c;
    if (!clipRect(page, x, y, width, height, &c)) return;
    for (int row = 0; row < c.height; ++row) {
        uint16_t* d = page.Row(c.dstY + row);
        const int first = c.dstX + ((c.dstX + c.dstY + row) & 1);
        for (int px = first; px < c.dstX + c.width; px += 2) d[px] = colour;
    }
}

void darkenBox(const PageView& page, int x, int y, int width, int height) {
    Clip c;
    if (!clipRect(page, x, y, width, height, &c)) return;
    for (int row = 0; row < c.height; ++row)
        rowops::Darken(page.Row(c.dstY + row) + c.dstX, c.width);
}

void blendTwo(const PageView& page, PicView first, PicView second, int a) {
    if (!first || !second) return;
    Clip c;
    const int w = std::min(first.width, second.width);
    const int h = std::min(first.height, second.height);
    if (!clipRect(page, 0, 0, w, h, &c)) return;
    const uint16_t weight = static_cast<uint16_t>(std::clamp(a, 0, 255));
    // A scene blends the same two pictures into the page frame after frame, and the three
    // together about fill the second-level cache: walked the same way each time, each stretch
    // of rows would have been pushed out just before it is needed again. So every other call
    // takes the stretches from the bottom up, starting with those the last call ended with,
    // which are still cached (rows inside a stretch stay top-down for the prefetchers).
    constexpr int kStretch = 64;
    thread_local bool upwards = false;
    upwards = !upwards;
    const int stretches = (c.height + kStretch - 1) / kStretch;
    for (int k = 0; k < stretches; ++k) {
        const int from = (upwards ? stretches - 1 - k : k) * kStretch;
        const auto at = [from](PicView p) {
            return p.pixels + static_cast<std::ptrdiff_t>(from) * p.stride;
        };
        rowops::BlendRows(page.Row(from), page.pitch, at(first), first.stride, at(second),
                          second.stride, c.width, std::min(kStretch, c.height - from), weight);
    }
}

void drawScaled(const PageView& page, PicView p, int x, int y, int width, int height) {
    Clip c;
    if (!p || width <= 0 || height <= 0 || !clipRect(page, x, y, width, height, &c)) return;
    const uint32_t stepX = (static_cast<uint32_t>(p.width) << 16) / static_cast<uint32_t>(width);
    const uint32_t stepY = (static_cast<uint32_t>(p.height) << 16) / static_cast<uint32_t>(height);
    // Exactly twice the width: output column i shows source column (srcX + i) / 2, so a row
    // is pixel doubling, with a lone half pair at either end when the clip cuts one.
    const bool doubled = stepX == 0x8000;
    thread_local std::vector<int> columns;
    if (!doubled) {
        // Source columns once per call; each row is then a plain gather.
        columns.resize(static_cast<std::size_t>(c.width));
        for (int i = 0; i < c.width; ++i) {
            columns[static_cast<std::size_t>(i)] =
                static_cast<int>((static_cast<uint32_t>(c.srcX + i) * stepX) >> 16);
        }
    }
    int previous = -1;
    for (int row = 0; row < c.height; ++row) {
        const int sy = static_cast<int>((static_cast<uint32_t>(c.srcY + row) * stepY) >> 16);
        uint16_t* d = page.Row(c.dstY + row) + c.dstX;
        if (sy == previous) {
            // The same source row again: the row above is already what it becomes.
            std::memcpy(d, page.Row(c.dstY + row - 1) + c.dstX,
                        static_cast<std::size_t>(c.width) * 2);
            continue;
        }
        previous = sy;
        const uint16_t* s = p.pixels + static_cast<std::ptrdiff_t>(sy) * p.stride;
        if (!doubled) {
            rowGather(d, s, columns.data(), c.width);
            continue;
        }
        int n = c.width;
        s += c.srcX / 2;
        if (c.srcX & 1) {
            *d++ = *s++;
            --n;
        }
        rowops::PixelDouble(d, s, n / 2);
        if (n & 1) d[n - 1] = s[n / 2];
    }
}

void greyCopy(const PageView& page, uint16_t* out, int width, int height) {
    const int w = std::min(width, page.width);
    const int h = std::min(height, page.height);
    std::memset(out, 0, static_cast<std::size_t>(width) * height * 2);
    if (!page.pixels) return;
    for (int row = 0; row < h; ++row) {
        rowops::Grey(out + static_cast<std::ptrdiff_t>(row) * width, page.Row(row), w);
    }
}

const BlendTable& blendTable() {
    return gBlend;
}

void fillBlendTable() {
    for (int a = 0; a < 256; ++a) {
        for (int c = 0; c < 32; ++c) gBlend[a][c] = a * c;
    }
}
