#include "game/scenes/beach/beach_pixels.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "game/scenes/beach/pixel_kernels.h"
#include "game/scenes/beach/pixel_path.h"

namespace {

// Scratch words for the filter, 64-byte aligned for the vector paths; grown, never shrunk.
uint32_t* filterWork(std::size_t words) {
    struct Free {
        void operator()(uint32_t* p) const { ::operator delete[](p, std::align_val_t{64}); }
    };
    thread_local std::unique_ptr<uint32_t[], Free> buffer;
    thread_local std::size_t capacity = 0;
    if (words > capacity) {
        buffer.reset(static_cast<uint32_t*>(
            ::operator new[](words * sizeof(uint32_t), std::align_val_t{64})));
        capacity = words;
    }
    return buffer.get();
}

void filterInPlace(uint16_t* pixels, int w, int h, int stride, const beachpx::FilterPass* passes,
                   int count) {
    if (!pixels || w <= 0 || h <= 0 || count <= 0) return;
    const beachpx::Kernels& k = beachpx::kernels();
    const beachpx::FilterSource self{pixels, stride, w, h, 0, 0, false};
    k.filter(self, pixels, stride, w, h, passes, count, filterWork(k.filterWork(w, h)));
}

std::vector<beachpx::FilterPass> photoPasses(int blurPasses) {
    std::vector<beachpx::FilterPass> passes(1 + static_cast<std::size_t>(std::max(blurPasses, 0)),
                                            beachpx::FilterPass::Blur);
    passes[0] = beachpx::FilterPass::Soften;
    return passes;
}

}  // namespace

uint16_t mixedVisitorPixel(uint16_t c, int night) {
    const int n = std::clamp(night, 0, 255);
    uint16_t out = 0;
    beachpx::kernels().mixed(&out, &c, 1, static_cast<uint16_t>(n), beachpx::mixedTables(n));
    return out;
}

void drawVisitorSprite(const PageView& view, PicView sprite, int x, int y, VisitorLight light) {
    if (!sprite || !view.pixels) return;
    const int x0 = std::max(x, 0);
    const int y0 = std::max(y, 0);
    const int x1 = std::min(x + sprite.width, view.width);
    const int y1 = std::min(y + sprite.height, view.height);
    if (x0 >= x1 || y0 >= y1) return;
    const int night = std::clamp(light.night, 0, 255);
    const beachpx::Kernels& k = beachpx::kernels();
    const beachpx::ChannelTables mixed =
        light.kind == VisitorLight::Mixed ? beachpx::mixedTables(night) : beachpx::ChannelTables{};
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
                k.night(d, s, n);
                break;
            case VisitorLight::Mixed:
                k.mixed(d, s, n, static_cast<uint16_t>(night), mixed);
                break;
        }
    }
}

uint16_t flashRaised(uint16_t c) {
    uint16_t out = 0;
    beachpx::kernels().flash(&out, &c, 1);
    return out;
}

void copyFromView(const PageView& view, int x, int y, int width, int height, uint16_t* out,
                  int outStride, bool flash) {
    const beachpx::Kernels& k = beachpx::kernels();
    for (int row = 0; row < height; ++row) {
        uint16_t* d = out + static_cast<std::ptrdiff_t>(row) * outStride;
        const int sy = y + row;
        const int x0 = std::max(x, 0);
        const int x1 = std::min(x + width, view.width);
        if (!view.pixels || sy < 0 || sy >= view.height || x0 >= x1) {
            std::memset(d, 0, static_cast<std::size_t>(width) * 2);
            continue;
        }
        // Only what lies outside the view is blanked.
        std::memset(d, 0, static_cast<std::size_t>(x0 - x) * 2);
        std::memset(d + (x1 - x), 0, static_cast<std::size_t>(x + width - x1) * 2);
        const uint16_t* s = view.Row(sy) + x0;
        if (flash) {
            k.flash(d + (x0 - x), s, x1 - x0);
        } else {
            std::memcpy(d + (x0 - x), s, static_cast<std::size_t>(x1 - x0) * 2);
        }
    }
}

void softenInPlace(uint16_t* pixels, int width, int height, int stride) {
    const beachpx::FilterPass soften = beachpx::FilterPass::Soften;
    filterInPlace(pixels, width, height, stride, &soften, 1);
}

void blurInPlace(uint16_t* pixels, int width, int height, int stride, int passes) {
    if (passes <= 0) return;
    const std::vector<beachpx::FilterPass> blur(static_cast<std::size_t>(passes),
                                                beachpx::FilterPass::Blur);
    filterInPlace(pixels, width, height, stride, blur.data(), passes);
}

void softenAndBlurInPlace(uint16_t* pixels, int width, int height, int stride, int blurPasses) {
    const std::vector<beachpx::FilterPass> passes = photoPasses(blurPasses);
    filterInPlace(pixels, width, height, stride, passes.data(), static_cast<int>(passes.size()));
}

void capturePhoto(const PageView& view, int x, int y, int width, int height, uint16_t* out,
                  int outStride, bool flash, int blurPasses) {
    if (!out || width <= 0 || height <= 0) return;
    const std::vector<beachpx::FilterPass> passes = photoPasses(blurPasses);
    const beachpx::Kernels& k = beachpx::kernels();
    // A view without pixels reads as black.
    const beachpx::FilterSource source{
        view.pixels, view.pitch, view.pixels ? view.width : 0, view.pixels ? view.height : 0, x,
        y,           flash};
    k.filter(source, out, outStride, width, height, passes.data(), static_cast<int>(passes.size()),
             filterWork(k.filterWork(width, height)));
}

void addGlow(const PageView& view, int glow) {
    if (!view.pixels || glow <= 0) return;
    const int g = std::min(glow, 255);
    const auto addRB = static_cast<uint16_t>(g >> 3);
    const auto addG = static_cast<uint16_t>(g >> 2);
    const beachpx::ChannelTables tables = beachpx::glowTables(addRB, addG);
    const beachpx::Kernels& k = beachpx::kernels();
    for (int row = 0; row < view.height; ++row)
        k.glow(view.Row(row), view.width, addRB, addG, tables);
}
