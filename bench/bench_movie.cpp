// The movie player's cost per second of a 640 × 480, 25 frames per second MPEG-4 AVI: decoding,
// conversion to 5-6-5 and the copy onto the draw page and the screen, on the headless display.
// The frame clock is virtual, so waiting for frame times costs nothing and only the work is
// measured. Reported as a share of one core.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <vector>

#include "bench/scratch_dir.h"
#include "engine/base/messages.h"
#include "engine/display/normhi.h"
#include "engine/display/svgahi.h"
#include "engine/platform/headless_display.h"
#include "engine/platform/performance_counter.h"
#include "engine/resources/file_manager.h"
#include "engine/video/movie_player.h"
#include "engine/video/movie_writer.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kFps = 25;
constexpr int kSeconds = 4;

// Moving gradients with fine detail, so the encoder has real work and the decoder too.
void WriteMovie(const char* name) {
    MovieLayout layout;
    layout.width = kWidth;
    layout.height = kHeight;
    layout.framesPerSecond = kFps;
    layout.audioRate = 22050;
    MovieWriter writer;
    writer.Open(name, layout);
    std::vector<uint8_t> rgb(static_cast<std::size_t>(kWidth) * kHeight * 3);
    std::vector<int16_t> sound(2 * 22050 / kFps);
    for (int f = 0; f < kFps * kSeconds; ++f) {
        std::size_t i = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                rgb[i++] = static_cast<uint8_t>(x + 3 * f);
                rgb[i++] = static_cast<uint8_t>(y * 2 - f * 5);
                rgb[i++] =
                    static_cast<uint8_t>(((x ^ y) & 0x1F) * 8 + 128 * std::sin((x + f) * 0.05));
            }
        }
        writer.AddFrameRgb24(rgb.data(), kWidth * 3);
        writer.AddAudio(sound.data(), static_cast<int>(sound.size() / 2));
    }
    writer.Close();
}

void BM_MovieSecond_640x480_25fps(benchmark::State& state) {
    const ScratchDir scratch("ravez-bench-movie-" + std::to_string(::getpid()));
    StartMessages();
    Files().Startup();
    WriteMovie("bench.avi");

    platform::VirtualPerformanceCounter clock;
    platform::setPerformanceCounter(&clock);
    platform::HeadlessDisplay backend;
    {
        NormalWin win(backend);
        win.CreateGameWindow("bench", "bench", kWidth, kHeight, 16, kBufferingQuad);
        MoviePlayer player(&win);
        const MovieRect rect{0, 0, kWidth, kHeight};
        long frames = 0;
        const auto begin = std::chrono::steady_clock::now();
        for (auto _ : state) {
            player.Open("bench.avi", 0, rect);
            while (player.RenderFrame() == 1) ++frames;
            player.Close();
        }
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - begin;
        const double movieSeconds = static_cast<double>(state.iterations()) * kSeconds;
        state.counters["core_percent"] = 100.0 * spent.count() / movieSeconds;
        state.counters["frames_shown"] =
            static_cast<double>(frames) / static_cast<double>(state.iterations());
    }
    platform::setPerformanceCounter(nullptr);
    Files().Shutdown();
}
BENCHMARK(BM_MovieSecond_640x480_25fps)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
