// Loading a scene's worth of pictures from a picture pool, beside a plain copy of the same
// decoded bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "engine/memory/memory.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/image_writer.h"
#include "engine/base/messages.h"
#include "engine/resources/pool/pool.h"
#include "engine/resources/pool/pool_class.h"

namespace {

constexpr int kPictures = 200;
constexpr const char* kPoolName = "bench.tgp";

// Backgrounds are photographic (short runs between literal stretches); sprites are a shape on
// transparent pixels.
std::vector<uint16_t> makePicture(int index, uint16_t width, uint16_t height, bool background) {
    std::vector<uint16_t> pixels(std::size_t{width} * height);
    uint32_t noise = 12345u + static_cast<uint32_t>(index);
    for (uint16_t y = 0; y < height; ++y) {
        for (uint16_t x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            uint16_t value = static_cast<uint16_t>((x / 4 * 3 + y / 3) * 0x0841 + (noise >> 29));
            if (background && (x / 16 + y / 8) % 5 == 0) value = 0x39E7;  // flat patches
            if (!background) {
                const int dx = x - width / 2;
                const int dy = y - height / 2;
                if (dx * dx * height * height + dy * dy * width * width >
                    width * width * height * height / 4) {
                    value = 0;
                }
            }
            pixels[std::size_t{y} * width + x] = value;
        }
    }
    return pixels;
}

struct BenchPool {
    BenchPool() {
        const auto dir = std::filesystem::temp_directory_path() / "ravez-bench-pool";
        std::filesystem::remove_all(dir);  // no backup of an earlier run's pool
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
        Files().SetMessageBoxes(0);
        SetMemoryWarnings(0);
        PoolEditor().Create(kPoolName, kPoolKindPicture, 0);
        for (int i = 0; i < kPictures; ++i) {
            const bool background = i % 5 == 0;  // 40 backgrounds, 160 sprites
            const auto width = static_cast<uint16_t>(background ? 640 : 48 + (i * 37) % 160);
            const auto height = static_cast<uint16_t>(background ? 480 : 64 + (i * 53) % 120);
            const auto pixels = makePicture(i, width, height, background);
            const auto tbf = EncodeTbf(pixels.data(), width, height, 2);
            PoolEditor().AppendChunks(kPoolName, static_cast<uint32_t>(tbf.size()), tbf.data(), 1,
                                      kPoolKindPicture);
            decoded.push_back(pixels);
            decodedBytes += pixels.size() * 2 + 4;
        }
        OpenPicturePool(kLocationPoolSlot, kPoolName);
        handle = PicturePool(kLocationPoolSlot);
    }

    FileHandle handle = nullptr;
    std::vector<std::vector<uint16_t>> decoded;
    std::size_t decodedBytes = 0;
};

BenchPool& pool() {
    static BenchPool instance;
    return instance;
}

void BM_LoadPoolPictures(benchmark::State& state) {
    BenchPool& p = pool();
    for (auto _ : state) {
        for (int n = 0; n < kPictures; ++n) {
            uint8_t* block = LoadPoolPicture(p.handle, n);
            if (!block) state.SkipWithError(GetContextMessage());
            benchmark::DoNotOptimize(block);
            MemFree(block);
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * p.decodedBytes));
}
BENCHMARK(BM_LoadPoolPictures)->Unit(benchmark::kMillisecond);

// The floor: the same decoded bytes copied into fresh blocks of the same size.
void BM_MemcpyDecodedPictures(benchmark::State& state) {
    BenchPool& p = pool();
    for (auto _ : state) {
        for (const auto& pixels : p.decoded) {
            const auto size = static_cast<uint32_t>(pixels.size() * 2);
            auto* block = static_cast<uint8_t*>(MemAlloc(size + 4));
            std::memcpy(block + 4, pixels.data(), size);
            benchmark::DoNotOptimize(block);
            MemFree(block);
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * p.decodedBytes));
}
BENCHMARK(BM_MemcpyDecodedPictures)->Unit(benchmark::kMillisecond);

}  // namespace
