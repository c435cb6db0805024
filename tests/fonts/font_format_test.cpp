#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/resources/file_manager.h"
#include "engine/resources/font_format.h"
#include "engine/resources/font_writer.h"
#include "engine/base/messages.h"
#include "tests/support/test_env.h"

namespace {

// A bitmap font header as the file holds it.
Bytes fontHeader(uint32_t glyphBytes, unsigned first, unsigned last, unsigned width,
                 unsigned height, unsigned kind = 0) {
    Bytes b;
    b.text("TFF").u8(0).u32(glyphBytes).u16(last - first + 1).u16(first).u16(last);
    b.u16(width).u16(height).u16(kind);
    return b;
}

// Glyph bytes numbered so that every glyph is recognisable.
std::vector<uint8_t> numberedGlyphs(std::size_t size) {
    std::vector<uint8_t> glyphs(size);
    for (std::size_t i = 0; i < size; ++i) glyphs[i] = static_cast<uint8_t>(i * 7 + i / 251);
    return glyphs;
}

class FontFormatTest : public EngineTest {};

TEST_F(FontFormatTest, ReadsTheBlockOfADesignSizedFont) {
    // 96 glyphs of 14 rows × 2 bytes: 2,688 bytes of glyph data, a block of 2,708 bytes.
    const std::vector<uint8_t> glyphs = numberedGlyphs(2688);
    writeFile("font.tff", fontHeader(2688, 32, 127, 16, 14).append(glyphs).data);

    std::vector<uint8_t> block(2708 + 8, 0xEE);
    ASSERT_TRUE(ReadFontFile("font", block.data(), 2708));
    EXPECT_EQ(GetErrorCode(), 0);
    EXPECT_EQ(std::vector<uint8_t>(block.begin() + 20, block.begin() + 2708), glyphs);
    EXPECT_EQ(block[2708], 0xEE) << "written past the block";

    FontView view;
    ASSERT_TRUE(MakeFontView(block.data(), 2708, &view));
    EXPECT_EQ(view.GlyphBytes(), 28u);
    EXPECT_EQ(view.Glyph(32), block.data() + 20);
    EXPECT_EQ(view.Glyph(127), block.data() + 20 + 95 * 28);
    EXPECT_EQ(view.Glyph(31), nullptr);
    EXPECT_EQ(view.Glyph(128), nullptr);
    EXPECT_FALSE(MakeFontView(block.data(), 2707, &view)) << "a cut block is no font";
}

TEST_F(FontFormatTest, NameGetsTheFontExtensionAndBackslashes) {
    writeFile("fonts/small.TFF", EncodeTff(65, 66, 8, 2, {1, 2, 3, 4}));
    Files().SetTrace(1);
    uint8_t block[24] = {};
    ASSERT_TRUE(ReadFontFile("fonts/small.fnt", block, sizeof block));
    Files().SetTrace(0);
    const std::vector<uint8_t> log = readFile("datei.log");
    EXPECT_NE(std::string(log.begin(), log.end()).find("Attempt to open file fonts\\small.TFF"),
              std::string::npos);
    EXPECT_EQ(block[23], 4);
}

TEST_F(FontFormatTest, WriterRoundTripsAndStatesTheSizeTheCellsNeed) {
    const std::vector<uint8_t> glyphs = numberedGlyphs(3 * 10 * 3);
    const std::vector<uint8_t> file = EncodeTff(48, 50, 24, 10, glyphs);
    ASSERT_EQ(file.size(), 20u + 90u);
    EXPECT_EQ(file[3], 0);
    writeFile("digits.tff", file);
    std::vector<uint8_t> block(file.size());
    ASSERT_TRUE(ReadFontFile("digits.tff", block.data(), static_cast<uint32_t>(block.size())));
    EXPECT_EQ(block, file);

    // Too few glyph bytes given: the file still holds full cells.
    EXPECT_EQ(EncodeTff(48, 50, 24, 10, {1}).size(), 110u);
}

TEST_F(FontFormatTest, HeadersTheDrawerCouldNotUseAreRefused) {
    struct Case {
        const char* what;
        Bytes header;
    };
    const std::vector<Case> cases = {
        {"size not matching the cells", fontHeader(2687, 32, 127, 16, 14)},
        {"first after last", fontHeader(28, 40, 39, 16, 14)},
        {"width not a multiple of 8", fontHeader(96 * 14 * 1, 32, 127, 12, 14)},
        {"glyph data of 64 KiB or more", fontHeader(256 * 40 * 8, 0, 255, 64, 40)},
        {"wrong tag", Bytes().text("TBF").u8(0).u32(2).u16(1).u16(65).u16(65).u16(8).u16(2).u16(0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes file = c.header;
        file.zeros(4096);
        writeFile("bad.tff", file.data);
        std::vector<uint8_t> block(70000, 0xEE);
        SetErrorCode(0);
        EXPECT_FALSE(ReadFontFile("bad", block.data(), static_cast<uint32_t>(block.size())));
        EXPECT_EQ(GetErrorCode(), kErrFormat);
        EXPECT_EQ(block[20], 0xEE) << "glyphs read for a refused header";
    }
}

TEST_F(FontFormatTest, FailuresSetTheirCodesWithoutWritingPastTheDestination) {
    const std::vector<uint8_t> font = EncodeTff(32, 127, 16, 14, numberedGlyphs(2688));

    std::vector<uint8_t> small(2000, 0xEE);
    writeFile("font.tff", font);
    EXPECT_FALSE(ReadFontFile("font", small.data(), 1999));
    EXPECT_EQ(GetErrorCode(), kErrNullPointer);
    EXPECT_EQ(small[1999], 0xEE);

    SetErrorCode(0);
    EXPECT_FALSE(ReadFontFile("font", nullptr, 2708));
    EXPECT_EQ(GetErrorCode(), kErrNullPointer);

    std::vector<uint8_t> block(2708);
    SetErrorCode(0);
    EXPECT_FALSE(ReadFontFile("missing", block.data(), 2708));
    EXPECT_EQ(GetErrorCode(), kErrOpen);

    writeFile("short.tff", std::vector<uint8_t>(font.begin(), font.begin() + 19));
    SetErrorCode(0);
    EXPECT_FALSE(ReadFontFile("short", block.data(), 2708)) << "a short header is a failure";
    EXPECT_EQ(GetErrorCode(), kErrRead);

    writeFile("cut.tff", std::vector<uint8_t>(font.begin(), font.end() - 1));
    SetErrorCode(0);
    EXPECT_FALSE(ReadFontFile("cut", block.data(), 2708));
    EXPECT_EQ(GetErrorCode(), kErrRead);
}

TEST_F(FontFormatTest, InformationLine) {
    const std::vector<uint8_t> font = EncodeTff(32, 127, 16, 14, {});
    char line[128];
    FormatFontInfo(font.data(), line, sizeof line);
    EXPECT_STREQ(line, "Memory:2688     1st-Char:32 last-Char:127    Size-X:16 Size-Y:14");
}

}  // namespace
