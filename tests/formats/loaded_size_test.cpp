// The size of the block each kind of file needs once loaded.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/resources/image_formats.h"
#include "engine/base/messages.h"
#include "tests/support/test_env.h"

namespace {

class LoadedSizeTest : public EngineTest {};

Bytes TbfHeader(const char* tag, unsigned depth, unsigned mode, uint32_t size, unsigned w,
                unsigned h) {
    Bytes b;
    b.text(tag).u8(0).u16(depth).u16(mode).u32(size).u16(w).u16(h);
    return b;
}

Bytes Pcx(unsigned width, unsigned height, unsigned planes, unsigned bytesPerLine) {
    Bytes b;
    b.u8(10).u8(5).u8(1).u8(8).u16(0).u16(0).u16(width - 1).u16(height - 1);
    b.zeros(65 - b.data.size()).u8(planes).u16(bytesPerLine);
    b.zeros(128 - b.data.size());
    return b;
}

TEST_F(LoadedSizeTest, PicturesNeedTheirPixelsAndFourBytes) {
    writeFile("pic.TBF", TbfHeader("TBF", 16, 2, 6000, 50, 60).zeros(8).data);
    EXPECT_EQ(LoadedSize("pic", kSizeImage), 6004u);
    // A dot in a folder name is no extension of the file.
    writeFile("set.v2/pic.TBF", TbfHeader("TBF", 16, 0, 2, 1, 1).zeros(2).data);
    EXPECT_EQ(LoadedSize("set.v2/pic", kSizeImage), 6u);
    writeFile("plane.tpf", TbfHeader("tpf", 8, 0, 12, 3, 4).zeros(768 + 12).data);
    EXPECT_EQ(LoadedSize("plane.tpf", kSizeImage), 16u);
    // 24-bit PCX, 3 planes of 12 bytes per line, 10 lines.
    writeFile("pic.PCX", Pcx(11, 10, 3, 12).zeros(720).data);
    EXPECT_EQ(LoadedSize("pic", kSizePcx), 10u * 3 * 12 + 4);
    EXPECT_EQ(GetErrorCode(), 0);
}

TEST_F(LoadedSizeTest, HeadersThatTheFileCannotHoldAreRefused) {
    struct Case {
        const char* name;
        int kind;
        std::vector<uint8_t> file;
        int16_t error;
    };
    std::vector<Case> cases = {
        {"anim.taf", kSizeImage, TbfHeader("TAF", 16, 0, 4, 1, 1).zeros(4).data, kErrFormat},
        {"wide.tbf", kSizeImage, TbfHeader("TBF", 16, 0, 4, 2, 2).zeros(4).data, kErrFormat},
        {"depth.tbf", kSizeImage, TbfHeader("TBF", 15, 0, 4, 1, 1).zeros(4).data, kErrFormat},
        // Raw data must all be in the file; a mode-2 repeat of 4 bytes makes at most 65534.
        {"raw.tbf", kSizeImage, TbfHeader("TBF", 16, 0, 8, 2, 2).zeros(6).data, kErrFormat},
        {"runs.tbf", kSizeImage, TbfHeader("TBF", 16, 2, 65536, 256, 128).zeros(4).data,
         kErrFormat},
        {"huge.tbf", kSizeImage, TbfHeader("TBF", 16, 2, 0xFFFFFFFF, 1, 1).zeros(4).data,
         kErrFormat},
        {"nopal.tbf", kSizeImage, TbfHeader("TBF", 8, 0, 1, 1, 1).zeros(10).data, kErrRead},
        {"stub.tbf", kSizeImage, Bytes().text("TBF").data, kErrRead},
        {"v4.pcx", kSizePcx,
         [] {
             auto b = Pcx(2, 2, 1, 2).zeros(4).data;
             b[1] = 4;
             return b;
         }(),
         kErrFormat},
        {"tall.pcx", kSizePcx, Pcx(200, 200, 1, 200).zeros(50).data, kErrFormat},
        {"stub.pcx", kSizePcx, Bytes().u8(10).u8(5).zeros(20).data, kErrRead},
        {"font.tff", kSizeTff, TbfHeader("TBF", 0, 0, 0, 0, 0).zeros(4).data, kErrFormat},
        {"short.tff", kSizeTff, Bytes().text("TFF").u8(0).u32(100).zeros(12).zeros(50).data,
         kErrFormat},
        {"tiny.voc", kSizeVoc, Bytes().zeros(26).data, kErrRead},
    };
    for (const auto& c : cases) {
        SetErrorCode(0);
        writeFile(c.name, c.file);
        EXPECT_EQ(LoadedSize(c.name, c.kind), 0u) << c.name;
        EXPECT_EQ(GetErrorCode(), c.error) << c.name;
    }
    SetErrorCode(0);
    EXPECT_EQ(LoadedSize("absent.tbf", kSizeImage), 0u);
    EXPECT_EQ(GetErrorCode(), kErrOpen);
}

TEST_F(LoadedSizeTest, OtherKindsGoByTheFileLength) {
    writeFile("FONT/SMALL.TFF", Bytes().text("TFF").u8(0).u32(2688).zeros(12).zeros(2688).data);
    EXPECT_EQ(LoadedSize("font/small", kSizeTff), 2708u);

    writeFile("ding.VOC", Bytes().zeros(1026).data);
    EXPECT_EQ(LoadedSize("ding", kSizeVoc), 1000u);

    Bytes module;
    module.zeros(1080).text("M.K.").zeros(916);
    writeFile("tune.mod", module.data);
    EXPECT_EQ(LoadedSize("tune", kSizeTrackerMusic), 2000u - 512 + 572);
    for (const char* signature : {"M!K!", "FLT4", "FLT8"}) {
        std::copy(signature, signature + 4, module.data.begin() + 1080);
        writeFile("tune.mod", module.data);
        EXPECT_EQ(LoadedSize("tune.mod", kSizeTrackerMusic), 2000u - 512 + 572) << signature;
    }
    std::copy("M.K!", "M.K!" + 4, module.data.begin() + 1080);
    writeFile("tune.mod", module.data);
    EXPECT_EQ(LoadedSize("tune", kSizeTrackerMusic), 2000u - 32 + 572);
    writeFile("old.mod", Bytes().zeros(600).data);
    EXPECT_EQ(LoadedSize("old", kSizeTrackerMusic), 600u - 32 + 572);

    // TAF and raw files: the length, and a raw name keeps having no extension.
    writeFile("walk.TAF", Bytes().zeros(777).data);
    EXPECT_EQ(LoadedSize("walk", kSizeTaf), 777u);
    writeFile("data/blob", Bytes().zeros(123).data);
    EXPECT_EQ(LoadedSize("data\\blob", kSizeRaw), 123u);
    EXPECT_EQ(GetErrorCode(), 0);
}

}  // namespace
