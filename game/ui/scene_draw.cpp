#include "game/ui/scene_draw.h"

#include <immintrin.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/memory/memory.h"

namespace {

BlendTable gBlend;

constexpr uint16_t kHalfMask = 0xF7DE;

// The row loops are built for AVX2 and for the baseline; the loader picks one once.
#define ROW_LOOP __attribute__((target_clones("avx2", "default")))

inline uint16_t half(uint16_t v) {
    return static_cast<uint16_t>((v & kHalfMask) >> 1);
}

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

ROW_LOOP void rowKeyed(uint16_t* __restrict d, const uint16_t* __restrict s, int n) {
    for (int i = 0; i < n; ++i) d[i] = s[i] != 0 ? s[i] : d[i];
}

ROW_LOOP void rowFaded(uint16_t* __restrict d, const uint16_t* __restrict s, int n) {
    for (int i = 0; i < n; ++i) {
        const uint16_t hs = half(s[i]);
        const uint16_t mixed =
            static_cast<uint16_t>(hs + half(static_cast<uint16_t>(half(d[i]) + hs)));
        d[i] = s[i] != 0 ? mixed : d[i];
    }
}

ROW_LOOP void rowTint(uint16_t* __restrict d, int n, uint16_t colour) {
    const uint16_t hc = half(colour);
    for (int i = 0; i < n; ++i) d[i] = static_cast<uint16_t>(half(d[i]) + hc);
}

ROW_LOOP void rowDarken(uint16_t* __restrict d, int n) {
    for (int i = 0; i < n; ++i) d[i] = half(d[i]);
}

// a × c is exactly the product table's entry, so the row computes it directly; 255 × 31 fits
// 16 bits.
inline void blendPlain(uint16_t* __restrict d, const uint16_t* __restrict s1,
                       const uint16_t* __restrict s2, int n, uint16_t a) {
    const uint16_t b = static_cast<uint16_t>(255 - a);
    for (int i = 0; i < n; ++i) {
        const uint16_t p = s1[i];
        const uint16_t q = s2[i];
        // Each sum is below 2^16, so 16-bit lanes hold it exactly.
        const uint16_t r = static_cast<uint16_t>(a * (p >> 11) + b * (q >> 11)) >> 8;
        const uint16_t g = static_cast<uint16_t>(a * ((p >> 6) & 31) + b * ((q >> 6) & 31)) >> 8;
        const uint16_t bl = static_cast<uint16_t>(a * (p & 31) + b * (q & 31)) >> 8;
        d[i] = static_cast<uint16_t>(r << 11 | g << 6 | bl);
    }
}

// Built by hand for AVX2 and plain for the baseline; the loader picks one once.
__attribute__((target("default"))) void rowBlend(uint16_t* __restrict d,
                                                 const uint16_t* __restrict s1,
                                                 const uint16_t* __restrict s2, int n, uint16_t a) {
    blendPlain(d, s1, s2, n, a);
}

// Each channel of both pictures goes into one 16-bit lane as a byte pair (first low, second
// high), so that one multiply-add by the weight pair (a, 255 - a) gives the whole sum. A sum's
// high byte is then the channel result; blue and green are put together by a second
// multiply-add, as low + 64 × high byte.
__attribute__((target("avx2"))) void rowBlend(uint16_t* __restrict d, const uint16_t* __restrict s1,
                                              const uint16_t* __restrict s2, int n, uint16_t a) {
    if (n < 16) {
        blendPlain(d, s1, s2, n, a);
        return;
    }
    const __m256i weights = _mm256_set1_epi16(static_cast<short>((255 - a) << 8 | a));
    const __m256i highByte = _mm256_set1_epi16(static_cast<short>(0xFF00));
    const __m256i low5 = _mm256_set1_epi16(0x1F1F);
    const __m256i redField = _mm256_set1_epi16(static_cast<short>(0xF800));
    const __m256i blueGreen = _mm256_set1_epi16(64 << 8 | 1);
    for (int i = 0;; i += 16) {
        // The last vector overlaps the one before it rather than leaving a tail; the page is
        // neither picture, so pixels computed twice come out the same.
        if (i > n - 16) i = n - 16;
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s1 + i));
        const __m256i q = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s2 + i));
        const __m256i red =
            _mm256_blendv_epi8(_mm256_srli_epi16(p, 11), _mm256_srli_epi16(q, 3), highByte);
        const __m256i green = _mm256_and_si256(
            _mm256_blendv_epi8(_mm256_srli_epi16(p, 6), _mm256_slli_epi16(q, 2), highByte), low5);
        const __m256i blue =
            _mm256_and_si256(_mm256_blendv_epi8(p, _mm256_slli_epi16(q, 8), highByte), low5);
        const __m256i sumR = _mm256_maddubs_epi16(weights, red);
        const __m256i sumG = _mm256_maddubs_epi16(weights, green);
        const __m256i sumB = _mm256_maddubs_epi16(weights, blue);
        const __m256i gb = _mm256_maddubs_epi16(
            _mm256_blendv_epi8(_mm256_srli_epi16(sumB, 8), sumG, highByte), blueGreen);
        const __m256i r = _mm256_and_si256(_mm256_slli_epi16(sumR, 3), redField);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), _mm256_or_si256(r, gb));
        if (i == n - 16) break;
    }
}

ROW_LOOP void rowGrey(uint16_t* __restrict d, const uint16_t* __restrict s, int n) {
    for (int i = 0; i < n; ++i) {
        const uint16_t p = s[i];
        const uint16_t g = static_cast<uint16_t>(((p >> 11) + ((p >> 6) & 31) + (p & 31)) / 3);
        d[i] = static_cast<uint16_t>(g << 11 | g << 6 | g);
    }
}

// Every source pixel twice: each becomes one 32-bit word holding it in both halves.
ROW_LOOP void rowDouble(uint16_t* __restrict d, const uint16_t* __restrict s, int pixels) {
    for (int i = 0; i < pixels; ++i) {
        const uint32_t both = s[i] * 0x10001u;
        std::memcpy(d + 2 * i, &both, 4);
    }
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
    drawRows(page, p, x, y, [](uint16_t* d, const uint16_t* s, int n) {
        std::memcpy(d, s, static_cast<std::size_t>(n) * 2);
    });
}

void drawKeyed(const PageView& page, PicView p, int x, int y) {
    drawRows(page, p, x, y, rowKeyed);
}

void drawFaded(const PageView& page, PicView p, int x, int y) {
    drawRows(page, p, x, y, rowFaded);
}

void tintBox(const PageView& page, int x, int y, int width, int height, uint16_t colour) {
    Clip c;
    if (!clipRect(page, x, y, width, height, &c)) return;
    for (int row = 0; row < c.height; ++row)
        rowTint(page.Row(c.dstY + row) + c.dstX, c.width, colour);
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
    for (int row = 0; row < c.height; ++row) rowDarken(page.Row(c.dstY + row) + c.dstX, c.width);
}

void blendTwo(const PageView& page, PicView first, PicView second, int a) {
    if (!first || !second) return;
    Clip c;
    const int w = std::min(first.width, second.width);
    const int h = std::min(first.height, second.height);
    if (!clipRect(page, 0, 0, w, h, &c)) return;
    const uint16_t weight = static_cast<uint16_t>(std::clamp(a, 0, 255));
    for (int row = 0; row < c.height; ++row) {
        rowBlend(page.Row(row), first.pixels + static_cast<std::ptrdiff_t>(row) * first.stride,
                 second.pixels + static_cast<std::ptrdiff_t>(row) * second.stride, c.width, weight);
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
        rowDouble(d, s, n / 2);
        if (n & 1) d[n - 1] = s[n / 2];
    }
}

void greyCopy(const PageView& page, uint16_t* out, int width, int height) {
    const int w = std::min(width, page.width);
    const int h = std::min(height, page.height);
    std::memset(out, 0, static_cast<std::size_t>(width) * height * 2);
    if (!page.pixels) return;
    for (int row = 0; row < h; ++row) {
        rowGrey(out + static_cast<std::ptrdiff_t>(row) * width, page.Row(row), w);
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
