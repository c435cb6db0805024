// The per-pixel work of the display layer on full 640 × 480 pages, each beside SDL2's own
// software blit (RGB565, colour key 0, surfaces in memory) and a memcpy of the same bytes.

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "engine/display/builtin_font.h"
#include "engine/display/normhi.h"
#include "engine/display/svgahi.h"
#include "engine/display/text.h"
#include "engine/platform/headless_display.h"
#include "engine/platform/shown_page.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr std::size_t kPageBytes = static_cast<std::size_t>(kWidth) * kHeight * 2;

// A scene-like picture: every fourth pixel transparent, in short runs.
std::vector<uint16_t> ScenePicture() {
    std::vector<uint16_t> picture{kWidth, kHeight};
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool hole = ((x / 3) + y) % 4 == 0;
            picture.push_back(hole ? 0 : static_cast<uint16_t>((x * 31 + y * 7) | 1));
        }
    }
    return picture;
}

struct Display {
    Display() : win(backend) {
        win.CreateGameWindow("bench", "bench", kWidth, kHeight, 16, kBufferingQuad);
        SetFont(BuiltinFontRecord());
    }
    platform::HeadlessDisplay backend;
    NormalWin win;
};

Display& display() {
    static Display instance;
    return instance;
}

void SetBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(kPageBytes));
}

void BM_DrawPictureKeyed(benchmark::State& state) {
    display();
    const std::vector<uint16_t> picture = ScenePicture();
    for (auto _ : state) {
        benchmark::DoNotOptimize(DrawPicture(picture.data(), picture.size() * 2, 0, 0));
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_DrawPictureKeyed);

void BM_CopyPicture(benchmark::State& state) {
    display();
    const std::vector<uint16_t> picture = ScenePicture();
    for (auto _ : state) {
        CopyPicture(picture.data(), picture.size() * 2, 0, 0);
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_CopyPicture);

void BM_PresentPage15Conversion(benchmark::State& state) {
    display();
    const std::vector<uint16_t> picture = ScenePicture();
    std::vector<uint16_t> target(static_cast<std::size_t>(kWidth) * kHeight);
    const PageView source{const_cast<uint16_t*>(picture.data() + 2), kWidth, kHeight, kWidth};
    const PageView destination{target.data(), kWidth, kHeight, kWidth};
    for (auto _ : state) {
        ConvertPageTo555(source, destination);
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_PresentPage15Conversion);

// The whole present: conversion into the back buffer, the headless backend's copy of the
// shown page, the flip and the page switch.
void BM_PresentPage15Whole(benchmark::State& state) {
    display();
    for (auto _ : state) {
        PresentPage15();
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_PresentPage15Whole);

// 60 lines of 80 characters: every pixel of the page belongs to a glyph cell.
template <bool kOpaque>
void BM_PrintText(benchmark::State& state) {
    display();
    char line[81];
    for (int i = 0; i < 80; ++i) line[i] = static_cast<char>(33 + i % 90);
    line[80] = '\0';
    const uint16_t background = kOpaque ? 0x0010 : kTransparentBackground;
    for (auto _ : state) {
        for (int row = 0; row < 60; ++row) PrintText(0, row * 8, 0xFFE0, background, "%s", line);
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_PrintText<true>)->Name("BM_PrintText/opaque");
BENCHMARK(BM_PrintText<false>)->Name("BM_PrintText/transparent");

struct SdlSurfaces {
    SdlSurfaces() {
        const std::vector<uint16_t> picture = ScenePicture();
        source = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 16, SDL_PIXELFORMAT_RGB565);
        target = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 16, SDL_PIXELFORMAT_RGB565);
        for (int y = 0; y < kHeight; ++y) {
            std::memcpy(static_cast<uint8_t*>(source->pixels) + y * source->pitch,
                        picture.data() + 2 + y * kWidth, kWidth * 2);
        }
    }
    ~SdlSurfaces() {
        SDL_FreeSurface(source);
        SDL_FreeSurface(target);
    }
    SDL_Surface* source = nullptr;
    SDL_Surface* target = nullptr;
};

void BM_SdlBlitKeyed(benchmark::State& state) {
    SdlSurfaces surfaces;
    SDL_SetColorKey(surfaces.source, SDL_TRUE, 0);
    for (auto _ : state) {
        SDL_BlitSurface(surfaces.source, nullptr, surfaces.target, nullptr);
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_SdlBlitKeyed);

void BM_SdlBlitOpaque(benchmark::State& state) {
    SdlSurfaces surfaces;
    for (auto _ : state) {
        SDL_BlitSurface(surfaces.source, nullptr, surfaces.target, nullptr);
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_SdlBlitOpaque);

void BM_Memcpy(benchmark::State& state) {
    std::vector<uint8_t> source(kPageBytes, 0x5A);
    std::vector<uint8_t> target(kPageBytes);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), kPageBytes);
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_Memcpy);

// What the SDL face pays per frame to find out that a page is the one on the screen already
// (/0: every row compared), or that it differs in its last row (/1) or its first (/2, every
// row copied) — to be set beside an upload and present, not only the memcpy.
void BM_ShownPageCheck(benchmark::State& state) {
    std::vector<uint16_t> page(static_cast<std::size_t>(kWidth) * kHeight, 0x5A5A);
    platform::ShownPage shown;
    shown.update(page.data(), kWidth, kHeight, kWidth, platform::PixelLayout::Rgb565);
    const std::size_t changed = state.range(0) == 1 ? page.size() - 1 : 0;
    for (auto _ : state) {
        if (state.range(0) != 0) page[changed] ^= 1;
        benchmark::DoNotOptimize(
            shown.update(page.data(), kWidth, kHeight, kWidth, platform::PixelLayout::Rgb565));
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_ShownPageCheck)->Arg(0)->Arg(1)->Arg(2);

}  // namespace
