// 24-bit BMP files: the exported-photo layout, and reading back what others write.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/resources/bmp.h"

namespace {

uint32_t Le32(const std::vector<uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

TEST(BmpTest, PhotosAreWrittenBottomUpWithTheExportHeader) {
    std::vector<uint16_t> photo(320 * 180, 0);
    photo[0] = 0xF800;                // top-left red
    photo[179 * 320 + 319] = 0x07FF;  // bottom-right green and blue
    const auto file = EncodeBmp24(photo.data(), 320, 180);
    ASSERT_EQ(file.size(), 172854u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Le32(file, 2), 172854u);
    EXPECT_EQ(Le32(file, 6), 0u);
    EXPECT_EQ(Le32(file, 10), 54u);
    EXPECT_EQ(Le32(file, 14), 40u);
    EXPECT_EQ(Le32(file, 18), 320u);
    EXPECT_EQ(Le32(file, 22), 180u);
    EXPECT_EQ(file[26] | file[27] << 8, 1);
    EXPECT_EQ(file[28] | file[29] << 8, 24);
    EXPECT_EQ(Le32(file, 30), 0u);
    EXPECT_EQ(Le32(file, 34), 172800u);
    EXPECT_EQ(Le32(file, 38), 76200u);
    EXPECT_EQ(Le32(file, 42), 76200u);
    EXPECT_EQ(Le32(file, 46), 0u);
    EXPECT_EQ(Le32(file, 50), 0u);
    // The first stored row is the bottom one: its last pixel is B G R = F8 FC 00.
    EXPECT_EQ(file[54 + 319 * 3], 0xF8);
    EXPECT_EQ(file[54 + 319 * 3 + 1], 0xFC);
    EXPECT_EQ(file[54 + 319 * 3 + 2], 0x00);
    // The top row comes last: its first pixel is pure red.
    const std::size_t top = 54 + 179 * 960;
    EXPECT_EQ(file[top], 0);
    EXPECT_EQ(file[top + 1], 0);
    EXPECT_EQ(file[top + 2], 0xF8);
}

TEST(BmpTest, OddWidthsArePaddedAndReadBack) {
    std::vector<uint16_t> pixels;
    for (int i = 0; i < 5 * 3; ++i) pixels.push_back(static_cast<uint16_t>(i * 4099 + 17));
    const auto file = EncodeBmp24(pixels.data(), 5, 3);
    EXPECT_EQ(file.size(), 54u + 16 * 3);
    int width = 0, height = 0;
    std::vector<uint16_t> back;
    ASSERT_TRUE(DecodeBmp24(file, width, height, back));
    EXPECT_EQ(width, 5);
    EXPECT_EQ(height, 3);
    EXPECT_EQ(back, pixels);  // 5-6-5 survives the trip through 8-8-8
}

TEST(BmpTest, TopDownFilesAndTruncatedChannels) {
    // 2 × 2 top-down: rows in reading order, each 6 bytes + 2 padding.
    std::vector<uint16_t> ignored(4);
    auto file = EncodeBmp24(ignored.data(), 2, 2);
    const int32_t negative = -2;
    std::memcpy(file.data() + 22, &negative, 4);
    const uint8_t rows[16] = {0xFF, 0xFF, 0xFF, 0x07, 0x03, 0x07, 0, 0,  //
                              0x08, 0x00, 0x00, 0x00, 0x04, 0x00, 0, 0};
    std::memcpy(file.data() + 54, rows, sizeof rows);
    int width = 0, height = 0;
    std::vector<uint16_t> pixels;
    ASSERT_TRUE(DecodeBmp24(file, width, height, pixels));
    ASSERT_EQ(pixels.size(), 4u);
    EXPECT_EQ(pixels[0], 0xFFFF);
    EXPECT_EQ(pixels[1], 0x0000);  // 7, 3, 7 lose all their bits
    EXPECT_EQ(pixels[2], 0x0001);
    EXPECT_EQ(pixels[3], 0x0020);
}

TEST(BmpTest, MalformedFilesAreRefusedAndLeaveTheOutputsAlone) {
    std::vector<uint16_t> source(4 * 4, 0x1234);
    const auto good = EncodeBmp24(source.data(), 4, 4);
    auto patched = [&](std::size_t at, uint32_t value, int bytes) {
        auto f = good;
        for (int i = 0; i < bytes; ++i) f[at + i] = static_cast<uint8_t>(value >> (8 * i));
        return f;
    };
    const std::vector<std::vector<uint8_t>> bad = {
        {},
        std::vector<uint8_t>(good.begin(), good.begin() + 53),
        std::vector<uint8_t>(good.begin(), good.end() - 1),  // last row cut short
        patched(0, 'X', 1),
        patched(28, 8, 2),           // 8 bits per pixel
        patched(30, 1, 4),           // RLE
        patched(26, 2, 2),           // planes
        patched(14, 12, 4),          // old core header
        patched(10, 20, 4),          // pixels inside the header
        patched(10, 0xFFFFFFF0, 4),  // pixels far behind the end
        patched(18, 0, 4),           // no width
        patched(22, 0, 4),           // no height
        patched(18, 0x80000000, 4),  // negative width
        patched(22, 0x80000000, 4),  // most negative height
        patched(18, 100000, 4),
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        int width = -1, height = -1;
        std::vector<uint16_t> pixels = {7};
        EXPECT_FALSE(DecodeBmp24(bad[i], width, height, pixels)) << "case " << i;
        EXPECT_EQ(width, -1);
        EXPECT_EQ(pixels.size(), 1u);
    }
}

}  // namespace
