// Writes the seeds of the SDL image reader's fuzz target: one small file of each BMP kind, made
// by the tests' own writer.
//   write_bmp_seeds DIR      (the seeds live in fuzz/corpus/sdl_bmp)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/bmp_writer.h"

namespace {

// 5 × 3 pixels of `colours` colours: a row of changing colours, then two of one colour each.
BmpPicture Picture(int colours) {
    BmpPicture picture{5, 3, {}};
    for (int i = 0; i < 15; ++i) {
        const int n = i < 5 ? i % colours : (i / 5) % colours;
        picture.colours.push_back(static_cast<uint32_t>(n * 0x3F1D27) & 0xFFFFFF);
    }
    return picture;
}

struct Seed {
    const char* name;
    BmpKind kind;
    int colours;
};

const Seed kSeeds[] = {
    {"palette1.bmp", {.bits = 1}, 2},
    {"palette4.bmp", {.bits = 4}, 5},
    {"rle4.bmp", {.bits = 4, .coding = BmpCoding::Rle4}, 5},
    {"palette8.bmp", {.bits = 8, .topDown = true, .shortPalette = true}, 5},
    {"rle8.bmp", {.bits = 8, .coding = BmpCoding::Rle8, .shortPalette = true}, 5},
    {"rgb555.bmp", {.bits = 16}, 5},
    {"rgb565.bmp",
     {.bits = 16, .coding = BmpCoding::BitFields, .masks = {0xF800, 0x07E0, 0x001F}},
     5},
    {"rgb24.bmp", {.bits = 24, .topDown = true}, 5},
    {"xrgb32.bmp", {.bits = 32}, 5},
    {"fields32.bmp",
     {.bits = 32, .coding = BmpCoding::BitFields, .masks = {0x0000FF, 0x00FF00, 0xFF0000}},
     5},
    {"core4.bmp", {.bits = 4, .header = BmpHeader::Core}, 5},
    {"v4_argb32.bmp",
     {.bits = 32,
      .coding = BmpCoding::BitFields,
      .header = BmpHeader::V4,
      .masks = {0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000}},
     5},
    {"v5_rgb24.bmp", {.bits = 24, .header = BmpHeader::V5}, 5},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_bmp_seeds DIR\n");
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::filesystem::create_directories(dir);
    for (const Seed& seed : kSeeds) {
        const std::vector<uint8_t> file = WriteBmp(Picture(seed.colours), seed.kind);
        std::ofstream out(dir / seed.name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.data()),
                  static_cast<std::streamsize>(file.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "write_bmp_seeds: cannot write %s\n", (dir / seed.name).c_str());
            return 1;
        }
    }
    return 0;
}
