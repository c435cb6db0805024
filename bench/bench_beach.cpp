// The beach's hot paths, each reported in page copies: one page copy is a memcpy of a whole
// 640 × 480 × 2 page, timed in the same run. One whole beach frame (detailed backgrounds,
// 20 visitors, zoom and glow on; goal ≤ 8) and the capture of one photo (copy with flash,
// softening and two blur passes; goal ≤ 2).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <vector>

#include "bench/headless_game.h"
#include "engine/resources/image_writer.h"
#include "engine/resources/pool/pool_class.h"
#include "game/asset_table.h"
#include "game/scenes/beach/beach.h"
#include "game/scenes/beach/beach_pictures.h"
#include "game/scenes/beach/beach_pixels.h"
#include "game/scenes/beach/visitor_types.h"
#include "game/state/frame_values.h"
#include "game/state/game_state.h"
#include "game/ui/scene_draw.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr std::size_t kPageBytes = static_cast<std::size_t>(kWidth) * kHeight * 2;

// Nanoseconds of one page memcpy, the best of a few rounds (the unit of this program).
double pageCopyNs() {
    static double ns = [] {
        std::vector<uint8_t> a(kPageBytes, 1);
        std::vector<uint8_t> b(kPageBytes, 2);
        double best = 1e18;
        for (int round = 0; round < 20; ++round) {
            const auto t0 = std::chrono::steady_clock::now();
            for (int i = 0; i < 50; ++i) {
                std::memcpy(b.data(), a.data(), kPageBytes);
                benchmark::DoNotOptimize(b.data());
                benchmark::ClobberMemory();
            }
            const auto t1 = std::chrono::steady_clock::now();
            best = std::min(best, std::chrono::duration<double, std::nano>(t1 - t0).count() / 50);
        }
        return best;
    }();
    return ns;
}

void reportPageCopies(benchmark::State& state, double seconds) {
    const double perIteration = seconds * 1e9 / static_cast<double>(state.iterations());
    state.counters["page_copies"] = perIteration / pageCopyNs();
}

void BM_PageCopy(benchmark::State& state) {
    std::vector<uint8_t> a(kPageBytes, 1);
    std::vector<uint8_t> b(kPageBytes, 2);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), kPageBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kPageBytes);
    state.counters["page_copies"] = 1.0;
}
BENCHMARK(BM_PageCopy);

std::vector<uint16_t> Pattern(int w, int h, uint16_t seed, bool keyed) {
    std::vector<uint16_t> p(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool hole = keyed && ((x * 7 + y * 3) % 11 == 0 || x < 4 || x >= w - 4);
            p[static_cast<std::size_t>(y) * w + x] =
                hole ? 0 : static_cast<uint16_t>((x * 37 + y * 11 + seed) | 1);
        }
    }
    return p;
}

void AddPicture(const char* pool, int w, int h, uint16_t seed, bool keyed) {
    const std::vector<uint16_t> pixels = Pattern(w, h, seed, keyed);
    const std::vector<uint8_t> tbf =
        EncodeTbf(pixels.data(), static_cast<uint16_t>(w), static_cast<uint16_t>(h), 2);
    PoolEditor().AppendChunks(pool, static_cast<uint32_t>(tbf.size()), tbf.data(), 1,
                              assets::kPicturePoolKind);
}

void WriteBeachPools() {
    std::filesystem::create_directories("tgp");
    const char* beach = "tgp/beach01.tgp";
    PoolEditor().Create(beach, assets::kPicturePoolKind, 0);
    for (int e = 0; e < assets::kBeachEntries; ++e) {
        if (e == assets::kBeachDay || e == assets::kBeachNight) {
            AddPicture(beach, assets::kPanoramaWidth, assets::kPanoramaHeight,
                       static_cast<uint16_t>(e * 999), false);
        } else if (e == assets::kBeachPanel) {
            AddPicture(beach, 640, 120, 5, false);
        } else if (e >= assets::kBeachViewfinder[0] && e <= assets::kBeachViewfinder[2]) {
            AddPicture(beach, 320, 180, 7, true);
        } else {
            AddPicture(beach, 56, 50, static_cast<uint16_t>(e), true);
        }
    }
    const char* sets = "tgp/sets.tgp";
    PoolEditor().Create(sets, assets::kPicturePoolKind, 0);
    for (int k = 0; k < assets::kVisitorEntries; ++k)
        AddPicture(sets, 80, 150, static_cast<uint16_t>(k * 31), true);
}

// One whole beach frame at detail mode 1 with 20 visitors in view, zoom and glow on: the
// frame loop's own steps around the scene (pump, present) are left out. Argument 0: the player
// stands still (the blended panorama and the lit visitors are kept from the frame before); 1:
// the view scrolls every frame, so the panoramas' uncovered columns are blended every frame; 2:
// the night weight changes every frame (at dusk it does every few frames), so the whole view
// is blended and every visitor lit again.
void BM_BeachFrame(benchmark::State& state) {
    HeadlessGame game("ravez-bench-beach");
    WriteBeachPools();
    fillBlendTable();
    rebuildVisitorTypes();
    clearGameState();
    GameState& s = gameState();
    s.sceneId = 201;
    s.hour = 19;  // dusk: both panoramas blended
    s.minute = 30;
    s.lastBeachHour = 19;
    s.beachRate[0] = 100;
    s.crowdedBeach = 5;
    s.camera[0] = 1;
    s.lens[0] = 1;
    s.zoomOn = 1;
    s.clockShown = 1;
    s.balanceShown = 1;
    loadBeach(1);
    s.scrollX = 960;
    for (int i = 0; i < 20; ++i) {
        s.visitors.typeId[i] = i + 1;
        s.visitors.x[i] = 960 + 20 + 30 * i;
        s.visitors.y[i] = 200 + (i % 5) * 30;
        s.visitors.pose[i] = i % 8;
        s.visitors.life[i] = 1 << 30;
    }
    FrameValues& f = frameValues();
    f.detailMode = 1;
    f.frameMs = 0;  // the same frame every time: no arrivals, no one leaves
    f.mouseX = 320;
    f.mouseY = 180;
    double seconds = 0;
    const bool scrolling = state.range(0) == 1;
    const bool dusk = state.range(0) == 2;
    for (auto _ : state) {
        s.flashGlow = 200;
        if (scrolling) s.scrollX = s.scrollX == 960 ? 962 : 960;
        // Two game minutes apart the night weight differs (162 and 167).
        if (dusk) s.minute = s.minute == 30 ? 32 : 30;
        const auto t0 = std::chrono::steady_clock::now();
        runBeachFrame();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    reportPageCopies(state, seconds);
    releaseBeach();
}
BENCHMARK(BM_BeachFrame)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The capture of one photo: the 320 × 180 under the viewfinder copied with the flash raise,
// softened, and blurred twice (as the beach takes it: in one go).
void BM_PhotoCapture(benchmark::State& state) {
    std::vector<uint16_t> page = Pattern(kWidth, kHeight, 3, false);
    const PageView view{page.data(), kWidth, 360, kWidth};
    std::vector<uint16_t> photo(static_cast<std::size_t>(kPhotoWidth) * kPhotoHeight);
    double seconds = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        capturePhoto(view, 160, 90, kPhotoWidth, kPhotoHeight, photo.data(), kPhotoWidth, true, 2);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        benchmark::DoNotOptimize(photo.data());
    }
    reportPageCopies(state, seconds);
}
BENCHMARK(BM_PhotoCapture)->Unit(benchmark::kMicrosecond);

}  // namespace
