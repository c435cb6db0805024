// Reading a full-screen word-run TBF picture from a file, beside a plain copy of the same
// decoded bytes: the decoder should stay within a small factor of the copy.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench/scratch_dir.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/image_formats.h"
#include "engine/resources/image_writer.h"

namespace {

// The machine is shared: the fastest repetition is the steadiest figure.
double Fastest(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}

constexpr uint16_t kWidth = 640;
constexpr uint16_t kHeight = 480;
constexpr uint32_t kPixelBytes = uint32_t{kWidth} * kHeight * 2;

// A beach-like scene: a sky gradient, a flat sea band, sand with grain and a few flat boxes.
std::vector<uint16_t> Scene() {
    std::mt19937 random(42);
    std::vector<uint16_t> pixels(std::size_t{kWidth} * kHeight);
    for (unsigned y = 0; y < kHeight; ++y) {
        for (unsigned x = 0; x < kWidth; ++x) {
            uint16_t c;
            if (y < 160) {
                c = static_cast<uint16_t>((y / 8) << 11 | (x / 12) << 5 | 31);  // sky
            } else if (y < 240) {
                c = 0x03BF;  // sea
            } else {
                const unsigned grain = random() % 8;
                c = static_cast<uint16_t>(0xE5A0 + grain);  // sand
            }
            if (x > 100 && x < 220 && y > 300 && y < 400) c = 0xF800;  // a towel
            pixels[y * kWidth + x] = c;
        }
    }
    return pixels;
}

class PictureFile {
  public:
    PictureFile() : scratch_("ravez-bench-" + std::to_string(::getpid())) {
        Files().Startup();
        Files().SetMessageBoxes(0);
        const auto scene = Scene();
        const auto file = EncodeTbf(scene.data(), kWidth, kHeight, kTbfWordRuns);
        compressedBytes = file.size();
        std::ofstream("SCENE.TBF", std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()),
                   static_cast<std::streamsize>(file.size()));
    }
    ~PictureFile() { Files().Shutdown(); }
    std::size_t compressedBytes = 0;

  private:
    ScratchDir scratch_;
};

void BM_DecodeWordRunTbf(benchmark::State& state) {
    PictureFile picture;
    std::vector<uint8_t> block(kPixelBytes + kImageHeaderBytes);
    for (auto _ : state) {
        const int depth =
            ReadTbfFile("SCENE", block.data(), static_cast<uint32_t>(block.size()), nullptr);
        if (depth != 16) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(block.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kPixelBytes);
    state.counters["compressed_kb"] = static_cast<double>(picture.compressedBytes) / 1024.0;
}
BENCHMARK(BM_DecodeWordRunTbf)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);

void BM_CopyDecodedPicture(benchmark::State& state) {
    PictureFile picture;
    std::vector<uint8_t> block(kPixelBytes + kImageHeaderBytes);
    ReadTbfFile("SCENE", block.data(), static_cast<uint32_t>(block.size()), nullptr);
    std::vector<uint8_t> copy(block.size());
    for (auto _ : state) {
        std::memcpy(copy.data() + kImageHeaderBytes, block.data() + kImageHeaderBytes, kPixelBytes);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kPixelBytes);
}
BENCHMARK(BM_CopyDecodedPicture)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);

// The floor under the decoder: opening the file and reading its compressed bytes.
void BM_ReadCompressedFile(benchmark::State& state) {
    PictureFile picture;
    std::vector<uint8_t> buffer(picture.compressedBytes);
    for (auto _ : state) {
        FileHandle handle = Files().Open("SCENE.TBF", "rb");
        const std::size_t got = Files().Read(buffer.data(), 1, buffer.size(), handle);
        Files().Close(handle);
        if (got != buffer.size()) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(BM_ReadCompressedFile)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);

}  // namespace
