// TBF files written by our encoder read back to the same picture, in every mode.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/resources/image_formats.h"
#include "engine/resources/image_writer.h"
#include "engine/base/messages.h"
#include "tests/support/test_env.h"

namespace {

struct Picture {
    std::string name;
    uint16_t width;
    uint16_t height;
    std::vector<uint16_t> pixels;
};

std::vector<Picture> Pictures() {
    std::mt19937 random(7);
    auto make = [](std::string name, uint16_t w, uint16_t h, auto pixel) {
        Picture p{std::move(name), w, h, {}};
        for (unsigned y = 0; y < h; ++y)
            for (unsigned x = 0; x < w; ++x) p.pixels.push_back(static_cast<uint16_t>(pixel(x, y)));
        return p;
    };
    std::vector<Picture> list;
    list.push_back(make("one", 1, 1, [](unsigned, unsigned) { return 0xF800; }));
    list.push_back(make("flat", 33, 17, [](unsigned, unsigned) { return 0x1234; }));
    list.push_back(make("sameBytes", 9, 3, [](unsigned, unsigned) { return 0x4242; }));
    list.push_back(make("noise", 31, 7, [&](unsigned, unsigned) { return random(); }));
    list.push_back(
        make("gradient", 97, 13, [](unsigned x, unsigned y) { return (x / 3) << 5 | y; }));
    list.push_back(make("pairs", 20, 5, [](unsigned x, unsigned y) { return (x / 2 + y) % 3; }));
    // Long rows: literal and repeat runs longer than a read block, and runs of every length
    // lying across the block boundaries of both run modes.
    list.push_back(make("longNoise", 65535, 1, [&](unsigned, unsigned) { return random(); }));
    list.push_back(make("longFlat", 40000, 3, [](unsigned, unsigned) { return 0xAAAA; }));
    list.push_back(make("mixed", 60001, 2, [&](unsigned x, unsigned y) -> unsigned {
        const unsigned band = (x / 97 + y) % 4;
        if (band == 0) return static_cast<unsigned>(random());
        if (band == 1) return 0x0F0Fu;
        if (band == 2) return x / 2;
        return (x % 5 < 2) ? 0u : static_cast<unsigned>(random() % 4);
    }));
    return list;
}

class ImageWriterTest : public EngineTest {};

TEST_F(ImageWriterTest, EveryModeReadsBackUnchanged) {
    for (const Picture& picture : Pictures()) {
        for (int mode = 0; mode <= 2; ++mode) {
            SCOPED_TRACE(picture.name + " mode " + std::to_string(mode));
            const auto file = EncodeTbf(picture.pixels.data(), picture.width, picture.height, mode);
            writeFile("pic.tbf", file);
            const uint32_t bytes = static_cast<uint32_t>(picture.pixels.size() * 2);
            ASSERT_EQ(LoadedSize("pic", kSizeImage), bytes + 4);
            std::vector<uint8_t> block(bytes + 4);
            ASSERT_EQ(ReadTbfFile("pic", block.data(), bytes + 4, nullptr), 16);
            uint16_t width, height;
            std::memcpy(&width, block.data(), 2);
            std::memcpy(&height, block.data() + 2, 2);
            EXPECT_EQ(width, picture.width);
            EXPECT_EQ(height, picture.height);
            ASSERT_EQ(std::memcmp(block.data() + 4, picture.pixels.data(), bytes), 0);
            EXPECT_TRUE(boxes.shown.empty());
        }
    }
}

TEST_F(ImageWriterTest, RunsAreCompactAndWithinTheirCountLimits) {
    const std::vector<uint16_t> flat(100000, 0x1234);
    // Mode 2: 100000 = 32767 × 3 + 1699 → four repeats of two words each.
    EXPECT_EQ(EncodeTbf(flat.data(), 50000, 2, 2).size(), 16u + 4 * 4);
    // Mode 1 runs over bytes: 200000 equal bytes in runs of 255; alternating bytes in pairs.
    const std::vector<uint16_t> grey(100000, 0x4242);
    EXPECT_EQ(EncodeTbf(grey.data(), 50000, 2, 1).size(), 16u + 2 * ((200000 + 254) / 255));
    EXPECT_EQ(EncodeTbf(flat.data(), 50000, 2, 1).size(), 16u + 2 * 200000);

    // Pairs inside literal runs stay literal; a lone pair is a repeat.
    const std::vector<uint16_t> inside = {1, 2, 2, 3};
    EXPECT_EQ(EncodeTbf(inside.data(), 4, 1, 2).size(), 16u + 2 + 8);
    const std::vector<uint16_t> alone = {5, 5};
    EXPECT_EQ(EncodeTbf(alone.data(), 2, 1, 2).size(), 16u + 4);

    // The header says what the reader needs.
    const auto file = EncodeTbf(alone.data(), 2, 1, 2);
    const TbfHeader header = ParseTbfHeader(file.data());
    EXPECT_EQ(std::string(header.tag, 3), "TBF");
    EXPECT_EQ(header.depth, 16);
    EXPECT_EQ(header.compression, 2);
    EXPECT_EQ(header.dataSize, 4u);
}

}  // namespace
