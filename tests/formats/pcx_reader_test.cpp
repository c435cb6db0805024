// PCX pictures and palettes from hand-made files.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "engine/resources/image_formats.h"
#include "engine/base/messages.h"
#include "tests/support/test_env.h"

namespace {

using ::testing::ElementsAre;

Bytes PcxHeader(unsigned width, unsigned height, unsigned planes, unsigned bytesPerLine,
                unsigned encoding = 1, unsigned version = 5) {
    Bytes b;
    b.u8(10).u8(version).u8(encoding).u8(8);
    b.u16(3).u16(7).u16(3 + width - 1).u16(7 + height - 1);  // xmin ymin xmax ymax
    b.zeros(65 - b.data.size());
    b.u8(planes).u16(bytesPerLine);
    b.zeros(128 - b.data.size());
    return b;
}

std::vector<uint8_t> Pixels(const std::vector<uint8_t>& block) {
    return {block.begin() + 4, block.end()};
}

class PcxReaderTest : public EngineTest {};

TEST_F(PcxReaderTest, RunsDecodeAcrossLinesAndOddWidthsLoseTheirPaddingByte) {
    // 3 visible pixels, 4 bytes per line, 2 lines: a run of five 5s crosses the line end, a
    // byte with both top bits set is stored as a run of one, the last padding byte is 0x55.
    writeFile("pic.pcx",
              PcxHeader(3, 2, 1, 4).u8(0xC1).u8(0xC2).u8(0xC5).u8(5).u8(8).u8(0x55).data);
    std::vector<uint8_t> block(4 + 8);
    EXPECT_EQ(ReadPcxFile("pic", block.data(), static_cast<uint32_t>(block.size())), 8);
    EXPECT_EQ(block[0], 4);  // bytes per line as the width
    EXPECT_EQ(block[2], 2);
    EXPECT_THAT(Pixels(block), ElementsAre(0xC2, 5, 5, 0, 5, 5, 8, 0));
}

TEST_F(PcxReaderTest, PlanesAreStoredSideBySideAndReportedAsBits) {
    // 24-bit: three planes of 2 bytes per line, visible width 1 → every plane's last byte cleared.
    writeFile("rgb.pcx", PcxHeader(1, 1, 3, 2).u8(1).u8(2).u8(3).u8(4).u8(5).u8(6).data);
    std::vector<uint8_t> block(4 + 6);
    EXPECT_EQ(ReadPcxFile("rgb.xyz", block.data(), static_cast<uint32_t>(block.size())), 24);
    EXPECT_THAT(Pixels(block), ElementsAre(1, 0, 3, 0, 5, 0));

    // Unencoded lines are copied as they stand.
    writeFile("raw.pcx", PcxHeader(2, 2, 1, 2, 0).u8(0xC1).u8(2).u8(3).u8(4).data);
    std::vector<uint8_t> raw(4 + 4);
    EXPECT_EQ(ReadPcxFile("raw", raw.data(), static_cast<uint32_t>(raw.size())), 8);
    EXPECT_THAT(Pixels(raw), ElementsAre(0xC1, 2, 3, 4));
}

TEST_F(PcxReaderTest, WrongVersionsAndLyingSizesAreRefused) {
    std::vector<uint8_t> block(4 + 64, 0xAA);
    const auto size = static_cast<uint32_t>(block.size());

    writeFile("v4.pcx", PcxHeader(2, 2, 1, 2, 1, 4).u8(0xC4).u8(1).data);
    EXPECT_EQ(ReadPcxFile("v4", block.data(), size), 0);
    EXPECT_EQ(GetErrorCode(), kErrPcxFormat);
    Bytes notZsoft = PcxHeader(2, 2, 1, 2).u8(0xC4).u8(1);
    notZsoft.data[0] = 11;
    writeFile("other.pcx", notZsoft.data);
    SetErrorCode(0);
    EXPECT_EQ(ReadPcxFile("other", block.data(), size), 0);
    EXPECT_EQ(GetErrorCode(), kErrPcxFormat);

    // 100 × 100 cannot come out of 2 bytes of runs; 10 × 10 does not fit 64 bytes.
    writeFile("huge.pcx", PcxHeader(100, 100, 1, 100).u8(0xFF).u8(1).data);
    writeFile("big.pcx", PcxHeader(10, 10, 1, 10).u8(0xFF).u8(1).u8(0xFF).u8(1).data);
    Bytes upsideDown = PcxHeader(2, 2, 1, 2).u8(0xC4).u8(1);
    upsideDown.data[10] = 0;  // ymax below ymin
    writeFile("flipped.pcx", upsideDown.data);
    for (const char* name : {"huge", "big", "flipped"}) {
        SetErrorCode(0);
        EXPECT_EQ(ReadPcxFile(name, block.data(), size), 0) << name;
        EXPECT_EQ(GetErrorCode(), kErrFormat) << name;
    }
    EXPECT_EQ(block[4], 0xAA);

    // Runs that end before the picture is full, a run without its value, a short header.
    writeFile("short.pcx", PcxHeader(4, 4, 1, 4).u8(0xC5).u8(1).u8(2).data);
    writeFile("cut.pcx", PcxHeader(2, 1, 1, 2).u8(7).u8(0xC1).data);
    writeFile("stub.pcx", Bytes().u8(10).u8(5).zeros(50).data);
    for (const char* name : {"short", "cut", "stub"}) {
        SetErrorCode(0);
        EXPECT_EQ(ReadPcxFile(name, block.data(), size), 0) << name;
        EXPECT_EQ(GetErrorCode(), kErrRead) << name;
    }

    SetErrorCode(0);
    EXPECT_EQ(ReadPcxFile("absent", block.data(), size), 0);
    EXPECT_EQ(GetErrorCode(), kErrOpen);
}

TEST_F(PcxReaderTest, PaletteComesFromTheEndOfTheFile) {
    Bytes file = PcxHeader(2, 1, 1, 2).u8(1).u8(2).u8(12);
    for (int i = 0; i < 768; ++i) file.u8(255 - i % 256);
    writeFile("pal.pcx", file.data);
    std::vector<uint8_t> palette(768);
    EXPECT_TRUE(ReadPcxPalette("pal", palette.data()));
    EXPECT_EQ(palette[0], 255);
    EXPECT_EQ(palette[767], 255 - 767 % 256);

    // No marker in front of the last 768 bytes: no palette.
    file.data[file.data.size() - 769] = 0;
    writeFile("nopal.pcx", file.data);
    EXPECT_FALSE(ReadPcxPalette("nopal", palette.data()));
    EXPECT_EQ(GetErrorCode(), kErrFormat);
    writeFile("tiny.pcx", PcxHeader(2, 1, 1, 2).u8(1).u8(2).data);
    SetErrorCode(0);
    EXPECT_FALSE(ReadPcxPalette("tiny", palette.data()));
    EXPECT_EQ(GetErrorCode(), kErrRead);
}

}  // namespace
