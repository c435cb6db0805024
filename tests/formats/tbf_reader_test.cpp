// TBF and TPF pictures read from hand-made files.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <pthread.h>

#include <cstring>
#include <vector>

#include "engine/base/messages.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/image_formats.h"
#include "tests/support/test_env.h"

namespace {

using ::testing::ElementsAre;

Bytes Header(const char* tag, unsigned depth, unsigned mode, uint32_t size, unsigned width,
             unsigned height) {
    Bytes b;
    b.text(tag).u8(0).u16(depth).u16(mode).u32(size).u16(width).u16(height);
    return b;
}

// A destination with a guard area behind the part the reader may use.
struct Block {
    explicit Block(uint32_t usable) : bytes(usable + kGuard, 0xAA), size(usable) {}
    static constexpr uint32_t kGuard = 64;
    std::vector<uint8_t> bytes;
    uint32_t size;
    uint8_t* data() { return bytes.data(); }
    uint16_t word(std::size_t i) const {
        uint16_t v;
        std::memcpy(&v, bytes.data() + 4 + 2 * i, 2);
        return v;
    }
    bool guardIntact() const {
        for (std::size_t i = size; i < bytes.size(); ++i)
            if (bytes[i] != 0xAA) return false;
        return true;
    }
};

class TbfReaderTest : public EngineTest {};

TEST_F(TbfReaderTest, WordRunsExpandLiteralsAndRepeats) {
    writeFile("pic.tbf", Header("TBF", 16, 2, 10, 5, 1)
                             .s16(-3)
                             .u16(0x1111)
                             .u16(0x2222)
                             .u16(0x3333)
                             .s16(2)
                             .u16(0xABCD)
                             .data);
    Block block(14);
    EXPECT_EQ(ReadTbfFile("pic", block.data(), block.size, nullptr), 16);
    EXPECT_EQ(GetErrorCode(), 0);
    std::vector<uint16_t> pixels;
    for (int i = 0; i < 5; ++i) pixels.push_back(block.word(i));
    EXPECT_THAT(pixels, ElementsAre(0x1111, 0x2222, 0x3333, 0xABCD, 0xABCD));
    EXPECT_EQ(block.bytes[0], 5);  // width
    EXPECT_EQ(block.bytes[2], 1);  // height
    EXPECT_TRUE(block.guardIntact());
}

// The decoder's scratch space must not live in static thread storage: every thread of the
// process carries that, and threads with small stacks (SDL's queued audio uses 64 KB) could then
// not be created at all.
TEST_F(TbfReaderTest, DecodingLeavesRoomForThreadsWithSmallStacks) {
    writeFile("pic.tbf", Header("TBF", 16, 2, 4, 2, 1).s16(2).u16(0x1234).data);
    Block block(8);
    ASSERT_EQ(ReadTbfFile("pic", block.data(), block.size, nullptr), 16);
    pthread_attr_t small;
    pthread_attr_init(&small);
    pthread_attr_setstacksize(&small, 64 * 1024);
    pthread_t thread;
    const int started = pthread_create(
        &thread, &small, [](void*) -> void* { return nullptr; }, nullptr);
    pthread_attr_destroy(&small);
    ASSERT_EQ(started, 0);
    pthread_join(thread, nullptr);
}

TEST_F(TbfReaderTest, OverfullRunsStopAtTheSizeAndSayHowFar) {
    // Mode 1: 3 + 4 bytes for a 5-byte picture.
    writeFile("bytes.tbf",
              Header("TBF", 8, 1, 5, 5, 1).zeros(kPaletteBytes).u8(3).u8(7).u8(4).u8(9).data);
    Block block(9);
    std::vector<uint8_t> palette(kPaletteBytes);
    EXPECT_EQ(ReadTbfFile("bytes", block.data(), block.size, palette.data()), 8);
    EXPECT_EQ(GetErrorCode(), 0);
    EXPECT_THAT(std::vector<uint8_t>(block.bytes.begin() + 4, block.bytes.begin() + 9),
                ElementsAre(7, 7, 7, 9, 9));
    EXPECT_TRUE(block.guardIntact());
    EXPECT_THAT(boxTexts(),
                ElementsAre("read_tbf_image: Heap corrupted! ", "pos = 7, size = 5 diff: 2"));

    // Mode 2, boxes off: the same cut, silently.
    boxes.shown.clear();
    Files().SetMessageBoxes(0);
    writeFile("words.tbf", Header("TBF", 16, 2, 4, 2, 1).s16(5).u16(0x1234).data);
    Block words(8);
    EXPECT_EQ(ReadTbfFile("words", words.data(), words.size, nullptr), 16);
    EXPECT_EQ(words.word(0), 0x1234);
    EXPECT_EQ(words.word(1), 0x1234);
    EXPECT_TRUE(words.guardIntact());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TbfReaderTest, OddWordRunSizeWritesOnlyTheLowHalfOfTheLastPixel) {
    writeFile(
        "odd.tbf",
        Header("TBF", 8, 2, 3, 3, 1).zeros(kPaletteBytes).s16(-2).u16(0x0201).u16(0x0403).data);
    Block block(7);
    EXPECT_EQ(ReadTbfFile("odd", block.data(), block.size, nullptr), 8);
    EXPECT_THAT(std::vector<uint8_t>(block.bytes.begin() + 4, block.bytes.begin() + 7),
                ElementsAre(1, 2, 3));
    EXPECT_TRUE(block.guardIntact());
    EXPECT_TRUE(boxes.shown.empty());  // half a pixel is not an overfill
}

TEST_F(TbfReaderTest, EightBitPicturesReportEightAndTheirPalette) {
    Bytes palette;
    for (int i = 0; i < 768; ++i) palette.u8(i % 251);
    writeFile("depth19.tbf",
              Header("TBF", 19, 0, 4, 2, 2).append(palette.data).u8(1).u8(2).u8(3).u8(4).data);
    Block block(8);
    std::vector<uint8_t> readPalette(kPaletteBytes);
    EXPECT_EQ(ReadTbfFile("depth19", block.data(), block.size, readPalette.data()), 8);
    EXPECT_EQ(readPalette, palette.data);
    EXPECT_THAT(std::vector<uint8_t>(block.bytes.begin() + 4, block.bytes.begin() + 8),
                ElementsAre(1, 2, 3, 4));

    // Without a palette buffer the palette is skipped, not taken for pixels.
    Block noPalette(8);
    EXPECT_EQ(ReadTbfFile("depth19", noPalette.data(), noPalette.size, nullptr), 8);
    EXPECT_THAT(std::vector<uint8_t>(noPalette.bytes.begin() + 4, noPalette.bytes.begin() + 8),
                ElementsAre(1, 2, 3, 4));
}

TEST_F(TbfReaderTest, LyingHeadersAreRefusedBeforeAnythingIsWritten) {
    Files().SetMessageBoxes(0);
    // 3 × 3 16-bit pixels do not fit in 10 bytes of pixel data.
    writeFile("small.tbf", Header("TBF", 16, 0, 10, 3, 3).zeros(10).data);
    Block block(14);
    EXPECT_EQ(ReadTbfFile("small", block.data(), block.size, nullptr), 0);
    EXPECT_EQ(GetErrorCode(), kErrFormat);

    // Honest header, but the destination is 2 bytes too short.
    SetErrorCode(0);
    writeFile("big.tbf", Header("TBF", 16, 0, 8, 2, 2).zeros(8).data);
    Block tooSmall(10);
    EXPECT_EQ(ReadTbfFile("big", tooSmall.data(), tooSmall.size, nullptr), 0);
    EXPECT_EQ(GetErrorCode(), kErrFormat);
    EXPECT_TRUE(tooSmall.guardIntact());

    SetErrorCode(0);
    writeFile("depth.tbf", Header("TBF", 24, 0, 12, 2, 2).zeros(12).data);
    Block depth(16);
    EXPECT_EQ(ReadTbfFile("depth", depth.data(), depth.size, nullptr), 0);
    EXPECT_EQ(GetErrorCode(), kErrFormat);

    SetErrorCode(0);
    writeFile("tag.tbf", Header("XYZ", 16, 0, 8, 2, 2).zeros(8).data);
    EXPECT_EQ(ReadTbfFile("tag", depth.data(), depth.size, nullptr), 0);
    EXPECT_EQ(GetErrorCode(), kErrFormat);
}

TEST_F(TbfReaderTest, DataEndingEarlyGiveReadErrors) {
    Files().SetMessageBoxes(0);
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
    };
    const std::vector<Case> cases = {
        {"raw", Header("TBF", 16, 0, 8, 2, 2).zeros(6).data},
        {"bytes", Header("TBF", 16, 1, 8, 2, 2).u8(4).u8(1).u8(9).data},
        // A literal run of 4 pixels with only one behind it in the file.
        {"literal", Header("TBF", 16, 2, 8, 2, 2).s16(-4).u16(1).data},
        // A repeat whose pixel is missing.
        {"repeat", Header("TBF", 16, 2, 8, 2, 2).s16(4).data},
        {"header", Bytes().text("TBF").u8(0).u16(16).data},
        {"palette", Header("TBF", 8, 0, 4, 2, 2).zeros(100).data},
    };
    for (const auto& c : cases) {
        SetErrorCode(0);
        writeFile(std::string(c.name) + ".tbf", c.file);
        Block block(12);
        EXPECT_EQ(ReadTbfFile(c.name, block.data(), block.size, nullptr), 0) << c.name;
        EXPECT_EQ(GetErrorCode(), kErrRead) << c.name;
        EXPECT_TRUE(block.guardIntact()) << c.name;
    }
}

TEST_F(TbfReaderTest, MissingFileArgumentsAndForcedExtension) {
    Block block(12);
    EXPECT_EQ(ReadTbfFile("absent", block.data(), block.size, nullptr), 0);
    EXPECT_EQ(GetErrorCode(), kErrOpen);

    SetErrorCode(0);
    EXPECT_EQ(ReadTbfFile("absent", nullptr, 12, nullptr), 0);
    EXPECT_EQ(GetErrorCode(), kErrNullPointer);

    SetErrorCode(0);
    EXPECT_EQ(ReadImageAtPosition(nullptr, block.data(), block.size, nullptr), 0);
    EXPECT_EQ(GetErrorCode(), kErrNullPointer);

    // Any extension is replaced by TBF, and slashes before it become backslashes.
    SetErrorCode(0);
    writeFile("pics/sub/face.TBF", Header("TBF", 16, 7, 2, 1, 1).u16(0xBEEF).data);
    EXPECT_EQ(ReadTbfFile("pics/sub/face.bmp", block.data(), block.size, nullptr), 16);
    EXPECT_EQ(block.word(0), 0xBEEF);  // an unknown mode reads as raw
}

TEST_F(TbfReaderTest, PlanarPicturesInterleaveTheirFourPlanes) {
    // Bytes 0..5: planes hold {0,4}, {1,5}, {2}, {3}.
    writeFile("plain.tpf", Header("TPF", 8, 0, 6, 6, 1)
                               .zeros(kPaletteBytes)
                               .u8(10)
                               .u8(14)
                               .u8(11)
                               .u8(15)
                               .u8(12)
                               .u8(13)
                               .data);
    Block block(10);
    EXPECT_EQ(ReadTbfFile("plain.tpf", block.data(), block.size, nullptr), 0)
        << "the name is forced to .TBF";
    FileHandle handle = Files().Open("plain.tpf", "rb");
    ASSERT_NE(handle, nullptr);
    SetErrorCode(0);
    EXPECT_EQ(ReadImageAtPosition(handle, block.data(), block.size, nullptr), 8);
    Files().Close(handle);
    EXPECT_THAT(std::vector<uint8_t>(block.bytes.begin() + 4, block.bytes.begin() + 10),
                ElementsAre(10, 11, 12, 13, 14, 15));

    // Mode 1: runs per plane; one too long for its plane is cut at the plane's end.
    writeFile("runs.tpf", Header("TPF", 8, 1, 8, 8, 1)
                              .zeros(kPaletteBytes)
                              .u8(2)
                              .u8(1)
                              .u8(9)
                              .u8(2)
                              .u8(1)
                              .u8(3)
                              .u8(1)
                              .u8(4)
                              .u8(2)
                              .u8(5)
                              .data);
    Block runs(12);
    handle = Files().Open("runs.tpf", "rb");
    EXPECT_EQ(ReadImageAtPosition(handle, runs.data(), runs.size, nullptr), 8);
    Files().Close(handle);
    EXPECT_THAT(std::vector<uint8_t>(runs.bytes.begin() + 4, runs.bytes.begin() + 12),
                ElementsAre(1, 2, 3, 5, 1, 2, 4, 5));
    EXPECT_TRUE(runs.guardIntact());
}

TEST_F(TbfReaderTest, PicturesAreReadFromTheMiddleOfAnOpenFile) {
    Bytes file;
    file.zeros(100);
    file.append(Header("TBF", 16, 2, 4, 2, 1).s16(2).u16(0x0F0F).data);
    file.zeros(6);
    writeFile("pool.bin", file.data);
    FileHandle handle = Files().Open("pool.bin", "rb");
    Files().Seek(handle, 100, 0);
    Block block(8);
    EXPECT_EQ(ReadImageAtPosition(handle, block.data(), block.size, nullptr), 16);
    Files().Close(handle);
    EXPECT_EQ(block.word(1), 0x0F0F);
}

// Mode-2 blocks hold 31,990 words: a repeat whose control word is the last word of a block, and
// a literal run that starts in one block and ends in the next, take the rest from the file.
TEST_F(TbfReaderTest, WordRunsStraddlingTheReadBlocks) {
    constexpr int kBlockWords = 31990;
    Bytes data;
    std::vector<uint16_t> expected;
    // Literal of two (3 words), then repeats of 2 words each up to word 31989.
    data.s16(-2).u16(1).u16(2);
    expected = {1, 2};
    int words = 3;
    for (uint16_t v = 3; words + 2 < kBlockWords; ++v, words += 2) {
        data.s16(1).u16(v);
        expected.push_back(v);
    }
    ASSERT_EQ(words, kBlockWords - 1);
    data.s16(3).u16(0x7777);  // control is the block's last word, its pixel the next block's first
    expected.insert(expected.end(), 3, 0x7777);
    words += 2;
    // Fill the second block up to 10 words before its end, then a literal of 30.
    for (uint16_t v = 0x100; words < 2 * kBlockWords - 10; ++v, words += 2) {
        data.s16(1).u16(v);
        expected.push_back(v);
    }
    data.s16(-30);
    for (uint16_t v = 0; v < 30; ++v) {
        data.u16(0x4000 + v);
        expected.push_back(static_cast<uint16_t>(0x4000 + v));
    }
    data.s16(2).u16(0x5555);
    expected.insert(expected.end(), 2, 0x5555);

    const auto size = static_cast<uint32_t>(expected.size() * 2);
    writeFile("long.tbf", Header("TBF", 16, 2, size, static_cast<unsigned>(expected.size()), 1)
                              .append(data.data)
                              .data);
    Block block(size + 4);
    ASSERT_EQ(ReadTbfFile("long", block.data(), block.size, nullptr), 16);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(block.word(i), expected[i]) << "pixel " << i;
    }
    EXPECT_TRUE(block.guardIntact());
}

}  // namespace
