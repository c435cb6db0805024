// One screenshot: the 640 × 480 page encoded as PNG through libpng, and the whole step the F12
// key takes (encode and write a new numbered file). The frame is a BMP named by
// RAVEZ_BENCH_FRAME (a `screenshot` of a real scene), else a made-up one: sky-like rows
// above a band of grain, the hard case for the encoder.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/scratch_dir.h"
#include "engine/resources/bmp.h"
#include "engine/resources/png_writer.h"
#include "engine/resources/screenshot_folder.h"

namespace {

constexpr int kW = 640;
constexpr int kH = 480;

double Fastest(const std::vector<double>& v) {
    double best = v.empty() ? 0 : v[0];
    for (double x : v) best = x < best ? x : best;
    return best;
}

std::vector<uint16_t> Frame() {
    if (const char* path = std::getenv("RAVEZ_BENCH_FRAME")) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
        int width = 0;
        int height = 0;
        std::vector<uint16_t> pixels;
        if (DecodeBmp24(file, width, height, pixels) && width == kW && height == kH) return pixels;
    }
    std::vector<uint16_t> pixels(kW * kH);
    uint32_t seed = 1;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int blue = 31 - y * 16 / kH;
            const uint16_t sky =
                static_cast<uint16_t>(((y / 16) << 11) | ((40 - y / 24) << 5) | blue);
            pixels[static_cast<std::size_t>(y * kW + x)] =
                y < kH * 2 / 3 ? sky : static_cast<uint16_t>(seed >> 16);
        }
    }
    return pixels;
}

void BM_EncodePng(benchmark::State& state) {
    const std::vector<uint16_t> frame = Frame();
    std::string why;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string png = EncodePngRgb565(frame.data(), kW, kH, kW, &why);
        bytes = png.size();
        benchmark::DoNotOptimize(png.data());
    }
    state.counters["png_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_EncodePng)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Fastest);

void BM_WriteScreenshot(benchmark::State& state) {
    const ScratchDir scratch("bench_screenshot");
    const std::vector<uint16_t> frame = Frame();
    std::string why;
    for (auto _ : state) {
        const std::string png = EncodePngRgb565(frame.data(), kW, kH, kW, &why);
        benchmark::DoNotOptimize(WriteNewScreenshotFile("shots", png, &why));
    }
}
BENCHMARK(BM_WriteScreenshot)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace
