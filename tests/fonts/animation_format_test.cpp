#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/resources/animation_format.h"
#include "engine/resources/animation_writer.h"
#include "engine/resources/file_manager.h"
#include "engine/base/messages.h"
#include "tests/support/test_env.h"

namespace {

// A TAF header; the palette entry i is (i, i, i).
Bytes tafHeader(unsigned depth, unsigned frames, uint32_t totalPixels, uint32_t firstFrame,
                unsigned tables) {
    Bytes b;
    b.text("TAF").u8(0).u16(depth).u16(frames).u32(totalPixels);
    for (unsigned i = 0; i < 256; ++i) b.u8(i).u8(i).u8(i);
    b.u32(firstFrame).u16(tables);
    return b;
}

// An uncompressed frame whose next header follows it directly.
Bytes& rawFrame(Bytes& b, unsigned width, unsigned height, unsigned bytesPerPixel, uint8_t fill) {
    const uint32_t here = static_cast<uint32_t>(b.data.size());
    const uint32_t size = width * height * bytesPerPixel;
    b.u16(0).u16(width).u16(height).u32(here + 14 + size).u32(0);
    for (uint32_t i = 0; i < size; ++i) b.u8(static_cast<uint8_t>(fill + i));
    return b;
}

TafFrame frame(uint16_t width, uint16_t height, uint16_t seed) {
    TafFrame f{width, height, {}};
    for (uint32_t i = 0; i < uint32_t{width} * height; ++i) {
        // Runs and changes mixed, so that every compression mode has work to do.
        f.pixels.push_back(static_cast<uint16_t>(i % 7 < 4 ? seed : seed + i * 37));
    }
    return f;
}

class AnimationFormatTest : public EngineTest {
  protected:
    std::vector<uint8_t*> directory = std::vector<uint8_t*>(16, nullptr);
};

TEST_F(AnimationFormatTest, SixteenBitWholeLoadRoundTripsInEveryMode) {
    const std::vector<TafFrame> frames = {frame(10, 10, 0x1234), frame(10, 10, 0xF800)};
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        writeFile("walk.taf", EncodeTaf(frames, mode, 1));
        ASSERT_EQ(AnimationSize("walk"), 432u);  // (200 + 16) × 2

        std::vector<uint8_t> block(432, 0xEE);
        ASSERT_EQ(ReadAnimation("walk", block.data(), 432, directory.data(), 16), 16);
        EXPECT_EQ(GetErrorCode(), 0);
        EXPECT_EQ(directory[3], block.data());
        EXPECT_EQ(directory[4], block.data() + 204);
        for (int i = 0; i < 2; ++i) {
            const uint8_t* image = directory[3 + static_cast<std::size_t>(i)];
            uint16_t size[2];
            std::memcpy(size, image, 4);
            EXPECT_EQ(size[0], 10);
            EXPECT_EQ(size[1], 10);
            EXPECT_EQ(
                std::memcmp(image + 4, frames[static_cast<std::size_t>(i)].pixels.data(), 200), 0);
        }
        EXPECT_EQ(block[408], 0xEE) << "only 408 of the 432 bytes are used";
    }
}

TEST_F(AnimationFormatTest, EightBitAnimationNeedsRoomForThePalette) {
    Bytes b = tafHeader(8, 2, 200, 786, 1);
    rawFrame(b, 10, 10, 1, 1);
    rawFrame(b, 10, 10, 1, 101);
    b.u32(786).u32(786 + 114);
    writeFile("fish.taf", b.data);
    EXPECT_EQ(AnimationSize("fish"), 984u);

    std::vector<uint8_t> block(984);
    uint8_t palette[768] = {};
    ASSERT_EQ(ReadAnimation("fish", block.data(), 984, directory.data(), 5, palette), 8);
    EXPECT_EQ(palette[3 * 200], 200);
    EXPECT_EQ(directory[4][4], 101);

    b.data[4] = 19;  // read like 8 and reported as 8
    writeFile("fish.taf", b.data);
    EXPECT_EQ(ReadAnimation("fish", block.data(), 984, directory.data(), 5), 8);
}

TEST_F(AnimationFormatTest, FrameTableIsTheFirstOfTheTablesAtTheEnd) {
    Bytes b = tafHeader(16, 2, 2, 786, 2);
    rawFrame(b, 1, 1, 2, 0);
    rawFrame(b, 1, 1, 2, 0);
    b.u32(786).u32(802).u32(0xAAAA).u32(0xBBBB);  // the second table is not the frame table
    writeFile("anim.taf", b.data);
    uint32_t offsets[2] = {};
    ASSERT_TRUE(ReadFrameTable("anim", offsets, 2));
    EXPECT_EQ(offsets[0], 786u);
    EXPECT_EQ(offsets[1], 802u);

    b.data[784] = 0;  // k = 0: there is no table
    writeFile("anim.taf", b.data);
    EXPECT_FALSE(ReadFrameTable("anim", offsets, 2));
    EXPECT_EQ(GetErrorCode(), kErrFormat);

    // Tables larger than the file can hold.
    SetErrorCode(0);
    b.data[784] = 0xFF;
    b.data[785] = 0xFF;
    writeFile("anim.taf", b.data);
    EXPECT_FALSE(ReadFrameTable("anim", offsets, 2));
    EXPECT_EQ(GetErrorCode(), kErrFormat);

    SetErrorCode(0);
    b.data[784] = 1;
    b.data[785] = 0;
    writeFile("anim.taf", b.data);
    EXPECT_FALSE(ReadFrameTable("anim", offsets, 1)) << "no room for two offsets";
    EXPECT_EQ(GetErrorCode(), kErrNullPointer);
}

TEST_F(AnimationFormatTest, FrameAtPositionDecodesWithTheGivenMode) {
    const std::vector<TafFrame> frames = {frame(6, 5, 0x0101), frame(3, 3, 0x7E0)};
    const std::vector<uint8_t> file = EncodeTaf(frames, 2, 1);
    writeFile("anim.taf", file);
    uint32_t offsets[2];
    ASSERT_TRUE(ReadFrameTable("anim", offsets, 2));

    FileHandle handle = Files().Open("anim.TAF", "rb");
    ASSERT_NE(handle, nullptr);
    ASSERT_EQ(Files().Seek(handle, static_cast<int32_t>(offsets[1] + 14), 0), 0);
    uint16_t pixels[9] = {};
    EXPECT_EQ(ReadFrameAtPosition(handle, 2, 18, reinterpret_cast<uint8_t*>(pixels), 18), 16);
    EXPECT_EQ(std::vector<uint16_t>(pixels, pixels + 9), frames[1].pixels);
    EXPECT_EQ(ReadFrameAtPosition(handle, 2, 18, reinterpret_cast<uint8_t*>(pixels), 17), 0)
        << "a size beyond the destination";
    EXPECT_EQ(GetErrorCode(), kErrNullPointer);
    Files().Close(handle);
}

TEST_F(AnimationFormatTest, LyingFramesNeverReachPastTheFileOrTheDestination) {
    struct Case {
        const char* what;
        std::vector<uint8_t> file;
        int16_t error;
    };
    std::vector<Case> cases;
    {
        Bytes b = tafHeader(16, 1, 100, 5000, 1);  // first frame beyond the end
        rawFrame(b, 10, 10, 2, 0).u32(786);
        cases.push_back({"first frame outside", b.data, kErrFormat});
    }
    {
        Bytes b = tafHeader(16, 2, 200, 786, 1);
        rawFrame(b, 10, 10, 2, 0);
        b.data[786 + 6] = 0xFF;  // next frame offset far beyond the end
        b.data[786 + 7] = 0xFF;
        b.u32(786).u32(0);
        cases.push_back({"next frame outside", b.data, kErrFormat});
    }
    {
        Bytes b = tafHeader(16, 2, 2, 786, 1);  // the header claims 2 pixels, frames hold 200
        rawFrame(b, 10, 10, 2, 0);
        rawFrame(b, 10, 10, 2, 0).u32(786).u32(1000);
        cases.push_back({"frames larger than the size query", b.data, kErrFormat});
    }
    {
        Bytes b = tafHeader(16, 1, 100, 786, 1);
        rawFrame(b, 10, 10, 2, 0);
        b.data.resize(b.data.size() - 20);  // pixel data cut short
        cases.push_back({"truncated pixels", b.data, kErrRead});
    }
    {
        Bytes b = tafHeader(16, 1, 100, 786, 1);
        b.data[0] = 'X';
        cases.push_back({"wrong tag", b.data, kErrFormat});
    }
    {
        Bytes b = tafHeader(16, 1, 100, 786, 1);
        b.data.resize(700);
        cases.push_back({"short header", b.data, kErrRead});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile("bad.taf", c.file);
        SetErrorCode(0);
        const uint32_t size = AnimationSize("bad");
        std::vector<uint8_t> block(size + 64, 0xEE);
        SetErrorCode(0);
        EXPECT_EQ(ReadAnimation("bad", block.data(), size, directory.data(), 16), 0);
        EXPECT_EQ(GetErrorCode(), c.error);
        for (std::size_t i = size; i < block.size(); ++i) ASSERT_EQ(block[i], 0xEE) << i;
    }
}

TEST_F(AnimationFormatTest, ArgumentAndOpenFailures) {
    writeFile("one.taf", EncodeTaf({frame(2, 2, 1), frame(2, 2, 2)}, 0, 1));
    std::vector<uint8_t> block(64);
    EXPECT_EQ(ReadAnimation("one", block.data(), 64, directory.data(), 4), 0)
        << "directory without room for the second frame";
    EXPECT_EQ(GetErrorCode(), kErrNullPointer);

    SetErrorCode(0);
    EXPECT_EQ(ReadAnimation("one", nullptr, 64, directory.data(), 16), 0);
    EXPECT_EQ(GetErrorCode(), kErrNullPointer);

    SetErrorCode(0);
    EXPECT_EQ(AnimationSize("none"), 0u);
    EXPECT_EQ(GetErrorCode(), kErrOpen);

    // Sizes beyond 32 bits cannot be asked for.
    SetErrorCode(0);
    Bytes huge = tafHeader(16, 1, 0xFFFFFFFF, 786, 1);
    writeFile("huge.taf", huge.data);
    EXPECT_EQ(AnimationSize("huge"), 0u);
    EXPECT_EQ(GetErrorCode(), kErrFormat);
}

}  // namespace
