// The SDL face's image reader on every kind of BMP other programs write (files made by our own
// writer in the test's folder): each read to the pixels of the picture it was written from, the
// 24-bit kinds to exactly what the headless face reads, damaged files refused with a reason.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "engine/platform/headless_platform.h"
#include "engine/platform/sdl/sdl_platform.h"
#include "tests/support/bmp_writer.h"
#include "tests/support/test_env.h"

namespace {

// Channel levels that a 5-bit channel keeps as 5-6-5 keeps them: widened back to 8 bits (by
// scaling, as SDL does, or by repeating the top bits) each gives 5-6-5 green its own sixth bit.
constexpr uint32_t kLevels[] = {0x00, 0x21, 0x4A, 0xA5, 0xC6, 0xFF};
constexpr int kColourCount = 216;

uint32_t Colour(int n) {
    n = n * 37 % kColourCount;  // neighbouring numbers far apart in colour
    return kLevels[n / 36] << 16 | kLevels[n / 6 % 6] << 8 | kLevels[n % 6];
}

// 13 × 7: every depth's rows need padding. Left of column 7 the colour changes every pixel
// (absolute runs in RLE), right of it each row keeps one colour (runs).
BmpPicture TestPicture(int colours) {
    BmpPicture picture{13, 7, {}};
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x)
            picture.colours.push_back(
                Colour(x < 7 ? (x + 2 * y) % colours : (5 * y + 3) % colours));
    }
    return picture;
}

// Every value of every channel: each row runs one channel through 0…255 and the others
// through other orders.
BmpPicture EveryLevelPicture() {
    BmpPicture picture{256, 3, {}};
    for (uint32_t v = 0; v < 256; ++v)
        picture.colours.push_back(v << 16 | (v * 7 & 0xFF) << 8 | (255 - v));
    for (uint32_t v = 0; v < 256; ++v)
        picture.colours.push_back((v * 3 & 0xFF) << 16 | v << 8 | (v * 11 & 0xFF));
    for (uint32_t v = 0; v < 256; ++v)
        picture.colours.push_back((255 - v) << 16 | (v * 5 & 0xFF) << 8 | v);
    return picture;
}

// The picture in the engine's form: each channel's low bits dropped.
std::vector<uint16_t> Rgb565(const BmpPicture& picture) {
    std::vector<uint16_t> pixels;
    for (const uint32_t c : picture.colours)
        pixels.push_back(static_cast<uint16_t>((c >> 19 & 0x1F) << 11 | (c >> 10 & 0x3F) << 5 |
                                               (c >> 3 & 0x1F)));
    return pixels;
}

struct Kind {
    const char* name;
    BmpKind kind;
    int colours;
};

const Kind kKinds[] = {
    {"1-bit palette", {.bits = 1}, 2},
    {"4-bit palette", {.bits = 4}, 16},
    {"4-bit short palette", {.bits = 4, .shortPalette = true}, 9},
    {"8-bit palette", {.bits = 8}, 40},
    {"8-bit short palette", {.bits = 8, .shortPalette = true}, 40},
    {"8-bit top-down", {.bits = 8, .topDown = true}, 40},
    {"RLE4", {.bits = 4, .coding = BmpCoding::Rle4}, 16},
    {"RLE8", {.bits = 8, .coding = BmpCoding::Rle8}, 40},
    {"RLE8 short palette", {.bits = 8, .coding = BmpCoding::Rle8, .shortPalette = true}, 23},
    {"16-bit 5-5-5", {.bits = 16}, kColourCount},
    {"16-bit 5-5-5 bit fields",
     {.bits = 16, .coding = BmpCoding::BitFields, .masks = {0x7C00, 0x03E0, 0x001F}},
     kColourCount},
    {"16-bit 5-6-5 bit fields",
     {.bits = 16, .coding = BmpCoding::BitFields, .masks = {0xF800, 0x07E0, 0x001F}},
     kColourCount},
    {"16-bit 5-6-5 top-down",
     {.bits = 16,
      .coding = BmpCoding::BitFields,
      .topDown = true,
      .masks = {0xF800, 0x07E0, 0x001F}},
     kColourCount},
    {"24-bit", {.bits = 24}, kColourCount},
    {"24-bit top-down", {.bits = 24, .topDown = true}, kColourCount},
    {"32-bit", {.bits = 32}, kColourCount},
    {"32-bit bit fields, red in the low byte",
     {.bits = 32, .coding = BmpCoding::BitFields, .masks = {0x0000FF, 0x00FF00, 0xFF0000}},
     kColourCount},
    {"OS/2 core 1-bit", {.bits = 1, .header = BmpHeader::Core}, 2},
    {"OS/2 core 4-bit", {.bits = 4, .header = BmpHeader::Core}, 16},
    {"OS/2 core 8-bit", {.bits = 8, .header = BmpHeader::Core}, 40},
    {"OS/2 core 24-bit", {.bits = 24, .header = BmpHeader::Core}, kColourCount},
    {"V4 8-bit palette", {.bits = 8, .header = BmpHeader::V4, .shortPalette = true}, 40},
    {"V4 16-bit 5-6-5",
     {.bits = 16,
      .coding = BmpCoding::BitFields,
      .header = BmpHeader::V4,
      .masks = {0xF800, 0x07E0, 0x001F}},
     kColourCount},
    {"V4 32-bit with alpha",
     {.bits = 32,
      .coding = BmpCoding::BitFields,
      .header = BmpHeader::V4,
      .masks = {0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000}},
     kColourCount},
    {"V5 24-bit", {.bits = 24, .header = BmpHeader::V5}, kColourCount},
    {"V5 24-bit top-down", {.bits = 24, .header = BmpHeader::V5, .topDown = true}, kColourCount},
    {"V5 RLE8", {.bits = 8, .coding = BmpCoding::Rle8, .header = BmpHeader::V5}, 40},
    {"V5 32-bit with alpha, blue first",
     {.bits = 32,
      .coding = BmpCoding::BitFields,
      .header = BmpHeader::V5,
      .masks = {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF}},
     kColourCount},
};

class SdlImageReaderTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        face = platform::createSdlPlatform({});
    }
    void TearDown() override {
        face.reset();
        EngineTest::TearDown();
    }

    // Writes the file, reads it back from disk and through the face's reader.
    bool readThroughFace(const std::string& name, const std::vector<uint8_t>& bytes,
                         platform::Image* image, std::string* reason) {
        writeFile(name, bytes);
        return face->images().read(readFile(name), image, reason);
    }

    std::unique_ptr<platform::Platform> face;
};

TEST_F(SdlImageReaderTest, EveryKindReadsToThePicturesPixels) {
    int n = 0;
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.name);
        const BmpPicture picture = TestPicture(k.colours);
        platform::Image image;
        std::string reason;
        ASSERT_TRUE(readThroughFace("kinds/" + std::to_string(n++) + ".bmp",
                                    WriteBmp(picture, k.kind), &image, &reason))
            << reason;
        EXPECT_EQ(image.width, picture.width);
        EXPECT_EQ(image.height, picture.height);
        EXPECT_EQ(image.pixels, Rgb565(picture));
    }
}

TEST_F(SdlImageReaderTest, FullColourKindsKeepTheTopBitsOfEveryLevelAsTheHeadlessFaceDoes) {
    const BmpPicture picture = EveryLevelPicture();
    const std::vector<uint16_t> expected = Rgb565(picture);
    struct FullColour {
        const char* name;
        BmpKind kind;
        bool headlessReadsIt;  // the headless face reads uncompressed 24 bits only
    };
    const FullColour kinds[] = {
        {"24-bit", {.bits = 24}, true},
        {"24-bit top-down", {.bits = 24, .topDown = true}, true},
        {"V4 24-bit", {.bits = 24, .header = BmpHeader::V4}, true},
        {"V5 24-bit top-down", {.bits = 24, .header = BmpHeader::V5, .topDown = true}, true},
        {"OS/2 core 24-bit", {.bits = 24, .header = BmpHeader::Core}, false},
        {"32-bit", {.bits = 32}, false},
        {"V5 32-bit with alpha",
         {.bits = 32,
          .coding = BmpCoding::BitFields,
          .header = BmpHeader::V5,
          .masks = {0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000}},
         false},
    };
    platform::HeadlessPlatform headless;
    for (const FullColour& k : kinds) {
        SCOPED_TRACE(k.name);
        const std::vector<uint8_t> file = WriteBmp(picture, k.kind);
        platform::Image image;
        std::string reason;
        ASSERT_TRUE(readThroughFace("levels.bmp", file, &image, &reason)) << reason;
        EXPECT_EQ(image.pixels, expected);
        platform::Image fromHeadless;
        EXPECT_EQ(headless.images().read(file, &fromHeadless, &reason), k.headlessReadsIt);
        if (k.headlessReadsIt) {
            EXPECT_EQ(fromHeadless.pixels, image.pixels);
        }
    }
}

TEST_F(SdlImageReaderTest, ALastRowWithoutItsPaddingIsReadAsTheHeadlessFaceReadsIt) {
    struct Unpadded {
        const char* name;
        BmpKind kind;
        int colours;
        std::size_t padding;  // of each 13-pixel row
    };
    const Unpadded kinds[] = {
        {"8-bit", {.bits = 8}, 40, 3},
        {"16-bit 5-6-5",
         {.bits = 16, .coding = BmpCoding::BitFields, .masks = {0xF800, 0x07E0, 0x001F}},
         kColourCount,
         2},
        {"24-bit", {.bits = 24}, kColourCount, 1},
        {"24-bit top-down", {.bits = 24, .topDown = true}, kColourCount, 1},
    };
    platform::HeadlessPlatform headless;
    for (const Unpadded& k : kinds) {
        SCOPED_TRACE(k.name);
        const BmpPicture picture = TestPicture(k.colours);
        std::vector<uint8_t> file = WriteBmp(picture, k.kind);
        file.resize(file.size() - k.padding);
        platform::Image image;
        std::string reason;
        ASSERT_TRUE(readThroughFace("unpadded.bmp", file, &image, &reason)) << reason;
        EXPECT_EQ(image.pixels, Rgb565(picture));
        platform::Image fromHeadless;
        if (k.kind.bits == 24) {
            ASSERT_TRUE(headless.images().read(file, &fromHeadless, &reason));
            EXPECT_EQ(fromHeadless.pixels, image.pixels);
        }
    }
}

TEST_F(SdlImageReaderTest, DamagedFilesAreRefusedWithAReason) {
    const auto cut = [](std::vector<uint8_t> file, std::size_t keep) {
        file.resize(keep);
        return file;
    };
    // A header field of 4 or 2 bytes set to a value.
    const auto patched = [](std::vector<uint8_t> file, std::size_t at, uint32_t value, int bytes) {
        std::vector<uint8_t> field;
        for (int i = 0; i < bytes; ++i) field.push_back(static_cast<uint8_t>(value >> (8 * i)));
        std::copy(field.begin(), field.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
        return file;
    };
    const auto patched32 = [&](std::vector<uint8_t> file, std::size_t at, uint32_t value) {
        return patched(std::move(file), at, value, 4);
    };
    const auto patched16 = [&](std::vector<uint8_t> file, std::size_t at, uint32_t value) {
        return patched(std::move(file), at, value, 2);
    };
    const std::vector<uint8_t> bits1 = WriteBmp(TestPicture(2), {.bits = 1});
    const std::vector<uint8_t> bits8 = WriteBmp(TestPicture(40), {.bits = 8});
    const std::vector<uint8_t> rle4 =
        WriteBmp(TestPicture(16), {.bits = 4, .coding = BmpCoding::Rle4});
    const std::vector<uint8_t> rle8 =
        WriteBmp(TestPicture(40), {.bits = 8, .coding = BmpCoding::Rle8});
    const std::vector<uint8_t> bits24 = WriteBmp(TestPicture(kColourCount), {.bits = 24});
    const std::vector<uint8_t> core =
        WriteBmp(TestPicture(40), {.bits = 8, .header = BmpHeader::Core});
    const std::vector<uint8_t> text = {'n', 'o', ' ', 'b', 'i', 't', 'm', 'a', 'p'};
    struct Damage {
        const char* name;
        std::vector<uint8_t> file;
        const char* reasonPart = "";  // of our own reasons; SDL's are its own business
    };
    const Damage damaged[] = {
        {"empty", {}, "empty"},
        {"text", text},
        {"only the file header", cut(bits24, 14)},
        {"cut in the info header", cut(bits24, 30)},
        {"24-bit cut in the pixels", cut(bits24, bits24.size() / 2)},
        {"8-bit cut in the palette", cut(bits8, 54 + 100)},
        {"8-bit cut in the pixels", cut(bits8, bits8.size() - 20)},
        {"1-bit cut in the pixels", cut(bits1, bits1.size() - 9)},
        {"RLE4 cut before its end", cut(rle4, rle4.size() - 6)},
        {"RLE8 cut before its end", cut(rle8, rle8.size() - 6)},
        {"OS/2 core cut in the pixels", cut(core, core.size() - 30)},
        {"pixels past the end of the file", patched32(bits24, 10, 1u << 20)},
        {"no width", patched32(bits24, 18, 0)},
        {"negative width", patched32(bits24, 18, 0xFFFFFFF0u)},
        {"no height", patched32(bits24, 22, 0)},
        {"7 bits a pixel", patched16(bits24, 28, 7)},
        // Headers claiming more than any picture may have, on a few bytes of data: refused
        // before anything is made that large.
        {"wider than 16 bits", patched32(bits24, 18, 70000), "too large"},
        {"taller than 16 bits", patched32(bits24, 22, 0xFFFEE000u), "too large"},
        {"60000 x 60000 RLE8", patched32(patched32(rle8, 18, 60000), 22, 60000), "too large"},
        {"a cut OS/2 core header claiming 65535 x 65535",
         {'B', 'M', 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1,
          0,   12,  0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1,    3,    1},
         "too large"},
        {"OS/2 core 65535 x 65535", patched16(patched16(core, 18, 65535), 20, 65535), "too large"},
    };
    for (const Damage& d : damaged) {
        SCOPED_TRACE(d.name);
        platform::Image image{1, 1, {0xBEEF}};
        std::string reason;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(readThroughFace("damaged.bmp", d.file, &image, &reason));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
        EXPECT_FALSE(reason.empty());
        EXPECT_NE(reason.find(d.reasonPart), std::string::npos) << reason;
        EXPECT_EQ(image.width, 1);
        EXPECT_EQ(image.pixels, std::vector<uint16_t>{0xBEEF});
    }
}

}  // namespace
