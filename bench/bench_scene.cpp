// The scene primitives on full 640 × 480 pages, each beside a memcpy of the same bytes and,
// where SDL2 has the same operation (alpha-modulated blit, scaled blit), beside SDL's software
// blit on RGB565 surfaces in memory; and one whole frame of the island map.

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/headless_game.h"
#include "engine/resources/image_writer.h"
#include "engine/resources/pool/picture_cache.h"
#include "engine/resources/pool/pool.h"
#include "engine/resources/pool/pool_class.h"
#include "game/app/main_loop.h"
#include "game/asset_table.h"
#include "game/state/frame_values.h"
#include "game/state/game_state.h"
#include "game/ui/scene_draw.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr std::size_t kPagePixels = static_cast<std::size_t>(kWidth) * kHeight;

std::vector<uint16_t> Picture(uint16_t seed, bool holes) {
    std::vector<uint16_t> p(kPagePixels);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool hole = holes && ((x / 3) + y) % 4 == 0;
            p[static_cast<std::size_t>(y) * kWidth + x] =
                hole ? 0 : static_cast<uint16_t>((x * 31 + y * 7 + seed) | 1);
        }
    }
    return p;
}

struct Pages {
    std::vector<uint16_t> page = Picture(3, false);
    std::vector<uint16_t> first = Picture(11, true);
    std::vector<uint16_t> second = Picture(77, false);
    std::vector<uint16_t> half = std::vector<uint16_t>(kPagePixels / 4, 0x1234);
    PageView view() { return {page.data(), kWidth, kHeight, kWidth}; }
    PicView pic(const std::vector<uint16_t>& p) const {
        return {p.data(), kWidth, kHeight, kWidth};
    }
};

void SetBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(kPagePixels * 2));
}

void BM_Memcpy(benchmark::State& state) {
    Pages p;
    for (auto _ : state) {
        std::memcpy(p.page.data(), p.second.data(), kPagePixels * 2);
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_Memcpy);

void BM_Faded(benchmark::State& state) {
    Pages p;
    for (auto _ : state) {
        drawFaded(p.view(), p.pic(p.first), 0, 0);
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_Faded);

void BM_BlendTwo(benchmark::State& state) {
    Pages p;
    fillBlendTable();
    for (auto _ : state) {
        blendTwo(p.view(), p.pic(p.first), p.pic(p.second), 100);
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_BlendTwo);

void BM_TintBox(benchmark::State& state) {
    Pages p;
    for (auto _ : state) {
        tintBox(p.view(), 0, 0, kWidth, kHeight, 0xFFFF);
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_TintBox);

void BM_Darken(benchmark::State& state) {
    Pages p;
    for (auto _ : state) {
        darkenBox(p.view(), 0, 0, kWidth, kHeight);
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_Darken);

void BM_Scaled(benchmark::State& state) {
    Pages p;
    for (auto _ : state) {
        drawScaled(p.view(), {p.half.data(), kWidth / 2, kHeight / 2, kWidth / 2}, 0, 0, kWidth,
                   kHeight);
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_Scaled);

SDL_Surface* Surface(std::vector<uint16_t>& pixels, int w, int h) {
    return SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), w, h, 16, w * 2,
                                              SDL_PIXELFORMAT_RGB565);
}

// SDL's equivalent of the faded picture: colour key 0 and a constant alpha of 3/4.
void BM_SdlAlphaBlit(benchmark::State& state) {
    Pages p;
    SDL_Surface* dst = Surface(p.page, kWidth, kHeight);
    SDL_Surface* src = Surface(p.first, kWidth, kHeight);
    SDL_SetColorKey(src, SDL_TRUE, 0);
    SDL_SetSurfaceBlendMode(src, SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceAlphaMod(src, 192);
    for (auto _ : state) {
        SDL_BlitSurface(src, nullptr, dst, nullptr);
        benchmark::ClobberMemory();
    }
    SDL_FreeSurface(src);
    SDL_FreeSurface(dst);
    SetBytes(state);
}
BENCHMARK(BM_SdlAlphaBlit);

void BM_SdlScaledBlit(benchmark::State& state) {
    Pages p;
    SDL_Surface* dst = Surface(p.page, kWidth, kHeight);
    SDL_Surface* src = Surface(p.half, kWidth / 2, kHeight / 2);
    SDL_Rect whole{0, 0, kWidth, kHeight};
    for (auto _ : state) {
        SDL_BlitScaled(src, nullptr, dst, &whole);
        benchmark::ClobberMemory();
    }
    SDL_FreeSurface(src);
    SDL_FreeSurface(dst);
    SetBytes(state);
}
BENCHMARK(BM_SdlScaledBlit);

// A location pool of plain pictures of the asset table's sizes, in a scratch folder.
void WriteLocationPool(const std::string& name) {
    PoolEditor().Create(name.c_str(), assets::kPicturePoolKind, 0);
    for (int n = 0; n < assets::kLocationPictureCount; ++n) {
        assets::Size size = assets::LocationPictureSize(n);
        if (size.width == 0) size = {4, 1};
        std::vector<uint16_t> pixels(static_cast<std::size_t>(size.width) * size.height,
                                     static_cast<uint16_t>(0x1082u + n * 0x2A55u) | 1);
        const std::vector<uint8_t> tbf = EncodeTbf(pixels.data(), static_cast<uint16_t>(size.width),
                                                   static_cast<uint16_t>(size.height), 2);
        PoolEditor().AppendChunks(name.c_str(), static_cast<uint32_t>(tbf.size()), tbf.data(), 1,
                                  assets::kPicturePoolKind);
    }
}

// One whole frame of the map: pump, poll, the scene, panels, clock, present with the pointer.
void BM_MapFrame(benchmark::State& state) {
    HeadlessGame game("ravez-bench-scene", 16000);
    WriteLocationPool("location.tgp");
    OpenPicturePool(kLocationPoolSlot, "location.tgp");
    Pictures().Attach(kLocationPoolSlot);
    frameValues().perfFrequency = game.clock.frequency();
    startNewGame();
    gameState().sceneId = 1;
    game.backend.moveMouse(300, 200);
    for (auto _ : state) {
        benchmark::DoNotOptimize(runFrame());
    }
}
BENCHMARK(BM_MapFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
