#include "engine/memory/typed_loaders.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/memory/memory.h"
#include "engine/resources/animation_writer.h"
#include "engine/resources/font_format.h"
#include "engine/resources/font_writer.h"
#include "engine/resources/image_writer.h"
#include "engine/base/messages.h"
#include "tests/support/test_env.h"

namespace {

// An 8-bit PCX of 4 × 2 pixels; every data byte is below 0xC0, so it stands for itself.
Bytes pcx8() {
    Bytes b;
    b.u8(10).u8(5).u8(1).u8(8).u16(0).u16(0).u16(3).u16(1).zeros(128 - 12);
    b.data[65] = 1;  // planes
    b.data[66] = 4;  // bytes per line
    for (unsigned i = 1; i <= 8; ++i) b.u8(i);
    return b;
}

Bytes tbf8(uint16_t width, uint16_t height) {
    Bytes b;
    b.text("TBF").u8(0).u16(8).u16(0).u32(uint32_t{width} * height).u16(width).u16(height);
    for (unsigned i = 0; i < 256; ++i) b.u8(i).u8(255 - i).u8(0);
    for (unsigned i = 0; i < uint32_t{width} * height; ++i) b.u8(i);
    return b;
}

uint16_t u16(const uint8_t* p) {
    uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}

class TypedLoadersTest : public EngineTest {};

TEST_F(TypedLoadersTest, PcxWithoutReadablePaletteStillLoads) {
    writeFile("pic.pcx", pcx8().data);
    uint8_t* picture = nullptr;
    uint8_t* palette = reinterpret_cast<uint8_t*>(1);
    EXPECT_EQ(pcx_adr(nullptr, "pic", &picture, &palette), 8);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(palette, nullptr);
    EXPECT_EQ(GetErrorCode(), 0);
    EXPECT_EQ(u16(picture), 4);
    EXPECT_EQ(u16(picture + 2), 2);
    EXPECT_EQ(picture[4 + 7], 8);
    MemFree(picture);

    Bytes withPalette = pcx8();
    withPalette.u8(12);
    for (unsigned i = 0; i < 256; ++i) withPalette.u8(i).u8(1).u8(2);
    writeFile("pic.pcx", withPalette.data);
    EXPECT_EQ(pcx_adr(nullptr, "pic", &picture, &palette), 8);
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette[3 * 77], 77);
    MemFree(palette);
    MemFree(picture);
}

TEST_F(TypedLoadersTest, PcxRefusesAHandle) {
    writeFile("pic.pcx", pcx8().data);
    uint8_t* picture = nullptr;
    uint8_t* palette = nullptr;
    FileHandle handle = Files().Open("pic.pcx", "rb");
    EXPECT_EQ(pcx_adr(handle, "pic", &picture, &palette), 0) << "PCX is read by name only";
    EXPECT_EQ(GetErrorCode(), kErrNullPointer);
    Files().Close(handle);
}

TEST_F(TypedLoadersTest, ImagePaletteOnlyForEightBitPictures) {
    const uint16_t pixels[6] = {1, 2, 3, 4, 5, 6};
    writeFile("hi.tbf", EncodeTbf(pixels, 3, 2, 2));
    uint8_t* picture = nullptr;
    uint8_t* palette = reinterpret_cast<uint8_t*>(1);
    ASSERT_EQ(image_adr(nullptr, "hi", &picture, &palette), 16);
    EXPECT_EQ(palette, nullptr);
    EXPECT_EQ(MemBlockSize(picture), 16u);
    EXPECT_EQ(u16(picture + 4 + 10), 6);
    MemFree(picture);

    writeFile("lo.tbf", tbf8(5, 3).data);
    ASSERT_EQ(image_adr(nullptr, "lo", &picture, &palette), 8);
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette[3 * 9 + 1], 255 - 9);
    EXPECT_EQ(picture[4 + 14], 14);
    MemFree(palette);
    MemFree(picture);
}

TEST_F(TypedLoadersTest, ImageFromAHandleStartsAtItsPosition) {
    Bytes file;
    file.text("some leading bytes").append(tbf8(4, 4).data);
    writeFile("pack.bin", file.data);
    FileHandle handle = Files().Open("pack.bin", "rb");
    ASSERT_EQ(Files().Seek(handle, 18, 0), 0);
    uint8_t* picture = nullptr;
    uint8_t* palette = nullptr;
    EXPECT_EQ(image_adr(handle, "pack entry", &picture, &palette), 8);
    Files().Close(handle);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture[4 + 15], 15);
    MemFree(palette);
    MemFree(picture);
}

TEST_F(TypedLoadersTest, ImageLoadSkipsWhenAnErrorIsPendingOrTheFileIsMissing) {
    const uint16_t pixels[4] = {1, 2, 3, 4};
    writeFile("hi.tbf", EncodeTbf(pixels, 2, 2, 0));
    uint8_t* picture = nullptr;
    uint8_t* palette = nullptr;
    SetErrorCode(kErrRead);  // left over from earlier work
    EXPECT_EQ(image_adr(nullptr, "hi", &picture, &palette), 0);
    EXPECT_EQ(picture, nullptr);

    SetErrorCode(0);
    EXPECT_EQ(image_adr(nullptr, "missing", &picture, &palette), 0);
    EXPECT_EQ(GetErrorCode(), kErrOpen);
}

TEST_F(TypedLoadersTest, VoidLoadsTheWholeFileBehindItsSize) {
    std::vector<uint8_t> bytes(1000);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 13);
    writeFile("data/raw.bin", bytes);
    uint8_t* block = void_adr(nullptr, "data/raw.bin");
    ASSERT_NE(block, nullptr);
    uint32_t size;
    std::memcpy(&size, block, 4);
    EXPECT_EQ(size, 1000u);
    EXPECT_EQ(std::vector<uint8_t>(block + 4, block + 1004), bytes);
    MemFree(block);

    FileHandle handle = Files().Open("data\\raw.bin", "rb");
    Files().Seek(handle, 990, 0);
    block = void_adr(handle, "rest");
    Files().Close(handle);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(MemBlockSize(block), 14u);
    EXPECT_EQ(block[4], bytes[990]);
    MemFree(block);

    EXPECT_EQ(void_adr(nullptr, "missing.bin"), nullptr);
    EXPECT_EQ(GetErrorCode(), kErrOpen);
}

TEST_F(TypedLoadersTest, TraceFramesEachLoad) {
    writeFile("raw.bin", std::string("abc"));
    SetMemoryTrace(1);
    MemFree(void_adr(nullptr, "raw.bin"));
    void_adr(nullptr, "none.bin");
    SetMemoryTrace(0);
    const std::vector<uint8_t> log = readFile("memory.log");
    const std::string text(log.begin(), log.end());
    const std::string bar = "============================= \n ";
    const std::size_t ok = text.find(bar + " void_adr: raw.bin ..... \n ");
    const std::size_t error = text.find(bar + " void_adr: none.bin ..... \n  ERROR \n " + bar);
    ASSERT_NE(ok, std::string::npos) << text;
    EXPECT_NE(text.find(" OK \n " + bar, ok), std::string::npos) << text;
    EXPECT_NE(error, std::string::npos) << text;
}

TEST_F(TypedLoadersTest, BitmapFontBlockIsTheFileAsItStands) {
    Bytes font;
    font.text("TFF").u8(0).u32(2688).u16(96).u16(32).u16(127).u16(16).u16(14).u16(0);
    for (unsigned i = 0; i < 2688; ++i) font.u8(i % 253);
    writeFile("fonts/small.TFF", font.data);

    uint8_t* block = nullptr;
    tff_adr(nullptr, "fonts/small.fnt", &block);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(MemBlockSize(block), 2708u);
    EXPECT_EQ(std::vector<uint8_t>(block, block + 2708), font.data);
    FontView view;
    ASSERT_TRUE(MakeFontView(block, MemBlockSize(block), &view));
    EXPECT_EQ(view.Glyph(32), block + 20);
    MemFree(block);

    font.data[4] = 0x7F;  // size no longer matches the cells
    writeFile("fonts/small.TFF", font.data);
    tff_adr(nullptr, "fonts\\small", &block);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(GetErrorCode(), kErrFormat);

    SetErrorCode(0);
    tff_adr(nullptr, "nofont", &block);
    EXPECT_EQ(GetErrorCode(), kErrOpen);
    EXPECT_EQ(Files().OpenCount(), 0);
}

TEST_F(TypedLoadersTest, PictureFontGlyphsDecodeBehindTheirPointerTable) {
    std::vector<PictureGlyph> glyphs = {{3, 2, {1, 1, 1, 2, 2, 2}}, {2, 2, {9, 8, 7, 6}}};
    std::vector<uint8_t> palette(768);
    palette[5] = 55;
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        std::vector<uint8_t> file = EncodePictureFont(65, 19, glyphs, mode, palette);
        writeFile("pic.tff", file);
        uint8_t* block = nullptr;
        tff_adr(nullptr, "pic", &block);
        ASSERT_NE(block, nullptr) << GetErrorCode();
        EXPECT_EQ(std::memcmp(block, file.data(), 20), 0);
        EXPECT_EQ(PictureFontGlyphCount(block), 2);
        EXPECT_EQ(u16(block + 22), 8) << "a stored 19 becomes 8";
        EXPECT_EQ(block[24 + 5], 55);
        const uint8_t* second = PictureFontGlyph(block, 1);
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(u16(second), 2);
        EXPECT_EQ(u16(second + 2), 2);
        EXPECT_EQ(std::vector<uint8_t>(second + 4, second + 8), glyphs[1].pixels);
        EXPECT_EQ(PictureFontGlyph(block, 0) + 4 + 6, second);
        EXPECT_EQ(PictureFontGlyph(block, 2), nullptr);
        MemFree(block);
    }
}

TEST_F(TypedLoadersTest, DamagedPictureFontsAreFreed) {
    const std::vector<uint8_t> good =
        EncodePictureFont(65, 8, {{4, 4, std::vector<uint8_t>(16, 3)}}, 0);
    struct Case {
        const char* what;
        std::vector<uint8_t> file;
        int16_t error;
    };
    std::vector<Case> cases;
    cases.push_back({"second header cut", {good.begin(), good.begin() + 500}, kErrRead});
    cases.push_back({"glyph pixels cut", {good.begin(), good.end() - 1}, kErrRead});
    std::vector<uint8_t> outside = good;
    outside[20 + 780 + 2] = 0x10;  // first glyph frame far beyond the end
    cases.push_back({"glyph frame outside", outside, kErrFormat});
    std::vector<uint8_t> small = good;
    small[20 + 8] = 15;  // the glyph data size is one byte short of the glyph
    cases.push_back({"glyph larger than stated", small, kErrFormat});
    std::vector<uint8_t> huge = good;
    huge[20 + 11] = 0x7F;
    cases.push_back({"implausible glyph data size", huge, kErrFormat});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile("bad.tff", c.file);
        SetErrorCode(0);
        uint8_t* block = reinterpret_cast<uint8_t*>(1);
        tff_adr(nullptr, "bad", &block);
        EXPECT_EQ(block, nullptr);
        EXPECT_EQ(GetErrorCode(), c.error);
    }
}

TEST_F(TypedLoadersTest, AnimationLoadsWholeWithItsDirectory) {
    TafFrame a{10, 10, std::vector<uint16_t>(100, 0x1111)};
    TafFrame b{10, 10, std::vector<uint16_t>(100, 0x2222)};
    writeFile("anim/walk.taf", EncodeTaf({a, b}, 2, 1));
    LoadedAnimation animation;
    ASSERT_EQ(taf_adr(nullptr, "anim/walk", &animation), 16);
    EXPECT_EQ(animation.frames, 2);
    EXPECT_EQ(animation.directory[1], nullptr);
    EXPECT_EQ(animation.directory[0], animation.Frame(0));
    EXPECT_EQ(animation.Frame(1), animation.Frame(0) + 204);
    EXPECT_EQ(u16(animation.Frame(1) + 4 + 198), 0x2222);
    EXPECT_EQ(animation.Frame(2), nullptr);
    FreeAnimation(&animation);
    EXPECT_EQ(animation.block, nullptr);

    // From a handle inside a larger file: frame offsets count from the animation's start.
    Bytes pack;
    pack.zeros(100).append(EncodeTaf({b}, 1, 1));
    writeFile("pack.bin", pack.data);
    FileHandle handle = Files().Open("pack.bin", "rb");
    Files().Seek(handle, 100, 0);
    ASSERT_EQ(taf_adr(handle, "pack entry", &animation), 16);
    Files().Close(handle);
    EXPECT_EQ(u16(animation.Frame(0) + 4), 0x2222);
    FreeAnimation(&animation);
}

TEST_F(TypedLoadersTest, EightBitAnimationKeepsItsPaletteAndFailuresFree) {
    Bytes file;
    file.text("TAF").u8(0).u16(8).u16(1).u32(4);
    for (unsigned i = 0; i < 256; ++i) file.u8(i).u8(0).u8(0);
    file.u32(786).u16(1);
    file.u16(0).u16(2).u16(2).u32(786 + 18).u32(0).u8(5).u8(6).u8(7).u8(8).u32(786);
    writeFile("fish.taf", file.data);
    LoadedAnimation animation;
    ASSERT_EQ(taf_adr(nullptr, "fish", &animation), 8);
    ASSERT_NE(animation.directory[1], nullptr);
    EXPECT_EQ(animation.directory[1][3 * 200], 200);
    EXPECT_EQ(animation.Frame(0)[4 + 3], 8);
    FreeAnimation(&animation);

    file.data[786 + 2] = 200;  // a frame far larger than the header's pixel total
    writeFile("fish.taf", file.data);
    EXPECT_EQ(taf_adr(nullptr, "fish", &animation), 0);
    EXPECT_EQ(GetErrorCode(), kErrFormat);
    EXPECT_EQ(animation.block, nullptr);
}

}  // namespace
