#include <cstdarg>
#include <string>
#include <vector>

#include "engine/display/builtin_font.h"
#include "engine/display/text.h"
#include "tests/support/display_env.h"

namespace {

constexpr uint16_t kPaper = 0x1234;
constexpr uint16_t kInk = 0xFFE0;
constexpr uint16_t kBack = 0x0011;

// Draws a format that is not a literal (texts from tables, hand-made formats).
void PrintRaw(const char* format, ...) {
    va_list args;
    va_start(args, format);
    PrintTextV(0, 0, kInk, kTransparentBackground, format, args);
    va_end(args);
}

class TextTest : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        open();
        ClearPage(kPaper);
        SetFont(BuiltinFontRecord());  // advance 8
    }

    static uint8_t GlyphRow(int code, int row) { return BuiltinFontRecord()[20 + code * 8 + row]; }

    // The 8 × 8 cell at (x, y) shows the glyph exactly, with the given background (kPaper when
    // transparent).
    static ::testing::AssertionResult CellShows(int x, int y, int code, uint16_t background) {
        for (int r = 0; r < 8; ++r) {
            for (int k = 0; k < 8; ++k) {
                const bool set = GlyphRow(code, r) & (0x80 >> k);
                const uint16_t expected = set ? kInk : background;
                if (pixel(x + k, y + r) != expected) {
                    return ::testing::AssertionFailure()
                           << "glyph " << code << " at " << x << "," << y << ": pixel " << k << ","
                           << r << " is " << pixel(x + k, y + r);
                }
            }
        }
        return ::testing::AssertionSuccess();
    }

    static bool CellUntouched(int x, int y) {
        for (int r = 0; r < 8; ++r) {
            for (int k = 0; k < 8; ++k) {
                if (pixel(x + k, y + r) != kPaper) return false;
            }
        }
        return true;
    }

    // The glyphs drawn in a row of cells from (x, y), up to the first untouched cell.
    static std::string Cells(int x, int y, uint16_t background = kPaper) {
        std::string text;
        for (int cx = x; cx + 8 <= 640 && !CellUntouched(cx, y); cx += 8) {
            int found = -1;
            for (int code = 0; code < 256 && found < 0; ++code) {
                if (CellShows(cx, y, code, background)) found = code;
            }
            text += found < 0 ? '?' : static_cast<char>(found);
        }
        return text;
    }
};

TEST_F(TextTest, PlainTextDrawsEachGlyphInItsCell) {
    PrintText(16, 24, kInk, kBack, "Az");
    EXPECT_TRUE(CellShows(16, 24, 'A', kBack));
    EXPECT_TRUE(CellShows(24, 24, 'z', kBack));
    // The terminator paints glyph 0 (blank) in the background, without advancing.
    EXPECT_TRUE(CellShows(32, 24, 0, kBack));
    EXPECT_TRUE(CellUntouched(40, 24));
}

TEST_F(TextTest, TransparentBackgroundLeavesThePage) {
    PrintText(0, 0, kInk, kTransparentBackground, "%3d", 7);
    EXPECT_EQ(Cells(0, 0), "007");
    EXPECT_TRUE(CellShows(16, 0, '7', kPaper));
}

TEST_F(TextTest, NumberFieldWidths) {
    PrintText(0, 0, kInk, kTransparentBackground, "%2d|%2d|%5lu|%d|%u", -5, 123, 123ul, -42, 9);
    EXPECT_EQ(Cells(0, 0), "-5|23|00123|-42|9");
    ClearPage(kPaper);
    PrintText(0, 0, kInk, kTransparentBackground, "%4d|%ld|%%", -5, -2147483647L - 1);
    EXPECT_EQ(Cells(0, 0), "00-5|-2147483648|%");
}

TEST_F(TextTest, StringConversions) {
    PrintText(0, 0, kInk, kTransparentBackground, "[%s][%3s]", "Foto", "Kamera");
    EXPECT_EQ(Cells(0, 0), "[Foto][Kam]");
    ClearPage(kPaper);
    // A string shorter than its field ends at its terminator.
    PrintText(0, 0, kInk, kTransparentBackground, "%6s|", "ab");
    EXPECT_EQ(Cells(0, 0), "ab|");
    ClearPage(kPaper);
    PrintRaw("<%s>", static_cast<const char*>(nullptr));
    EXPECT_EQ(Cells(0, 0), "<>");
}

TEST_F(TextTest, UnknownConversionsAndATrailingPercent) {
    PrintRaw("a%qb");
    EXPECT_EQ(Cells(0, 0), "ab");
    ClearPage(kPaper);
    PrintText(0, 0, kInk, kTransparentBackground, "%s", "50%");  // drawn as given, not formatted
    EXPECT_EQ(Cells(0, 0), "50%");
    ClearPage(kPaper);
    PrintRaw("50%");  // a format that ends inside a conversion stops there
    EXPECT_EQ(Cells(0, 0), "50");
}

TEST_F(TextTest, LineFeedsCarriageReturnAndBackspace) {
    PrintText(10, 10, kInk, kTransparentBackground, "A\nB\nC");
    EXPECT_TRUE(CellShows(10, 10, 'A', kPaper));
    EXPECT_TRUE(CellShows(10, 20, 'B', kPaper));  // y + height + 2
    EXPECT_TRUE(CellShows(10, 30, 'C', kPaper));  // y + 2 × (height + 2)
    ClearPage(kPaper);
    PrintText(10, 10, kInk, kBack, "AB\rC");
    EXPECT_TRUE(CellShows(10, 10, 'C', kBack));
    EXPECT_TRUE(CellShows(18, 10, 0, kBack));  // the terminator's glyph 0 after the C
    ClearPage(kPaper);
    // Backspace steps back and draws glyph 8 (blank in this font) in the background.
    PrintText(10, 10, kInk, kBack, "AB\bC");
    EXPECT_TRUE(CellShows(10, 10, 'A', kBack));
    EXPECT_TRUE(CellShows(18, 10, 'C', kBack));
    EXPECT_TRUE(CellUntouched(34, 10));
}

TEST_F(TextTest, ControlGlyphsDrawWithoutAdvancing) {
    PrintText(0, 0, kInk, kTransparentBackground,
              "\x7F"
              "A");
    EXPECT_FALSE(CellShows(0, 0, 0x7F, kPaper));  // overdrawn by the A in the same cell
    EXPECT_TRUE(CellUntouched(8, 0));
    ClearPage(kPaper);
    PrintText(0, 0, kInk, kTransparentBackground, "\x7F");
    EXPECT_TRUE(CellShows(0, 0, 0x7F, kPaper));
}

TEST_F(TextTest, FormatIsCutAfter255Bytes) {
    std::string format(254, '\r');
    format += "AB";  // the A is byte 255, the B byte 256
    PrintRaw(format.c_str());
    EXPECT_TRUE(CellShows(0, 0, 'A', kPaper));
    EXPECT_TRUE(CellUntouched(8, 0));
}

TEST_F(TextTest, TextIsClippedPixelByPixelNotWrapped) {
    PrintText(636, 100, kInk, kBack, "WW");
    for (int r = 0; r < 8; ++r) {
        for (int k = 0; k < 4; ++k) {
            const bool set = GlyphRow('W', r) & (0x80 >> k);
            EXPECT_EQ(pixel(636 + k, 100 + r), set ? kInk : kBack);
        }
    }
    EXPECT_TRUE(CellUntouched(0, 100));
    EXPECT_TRUE(CellUntouched(0, 108));
    PrintText(-4, 476, kInk, kBack, "W");  // left and bottom edges
    EXPECT_EQ(pixel(0, 476), (GlyphRow('W', 0) & 0x08) ? kInk : kBack);
}

TEST_F(TextTest, LongOverlappingTextMatchesGlyphByGlyphDrawing) {
    // 600 glyphs one pixel apart: more than one batch, every pixel overdrawn many times.
    std::string text;
    for (int i = 0; i < 600; ++i) text += static_cast<char>(33 + (i * 7) % 90);
    SetCharSpacing(1, 0);
    PrintText(0, 0, kInk, kTransparentBackground, "%s", text.c_str());
    PrintText(0, 20, kInk, kBack, "%s", text.c_str());
    const PageView page = GetDrawTarget();
    std::vector<uint16_t> once(page.pixels, page.pixels + page.pitch * 40);
    ClearPage(kPaper);
    for (int i = 0; i < 600; ++i) {
        const char one[2] = {text[static_cast<std::size_t>(i)], '\0'};
        PrintText(i, 0, kInk, kTransparentBackground, "%s", one);
        PrintText(i, 20, kInk, kBack, "%s", one);
    }
    EXPECT_EQ(std::vector<uint16_t>(page.pixels, page.pixels + page.pitch * 40), once);
}

TEST_F(TextTest, AdjacentCellsMatchGlyphByGlyphDrawing) {
    // Cells side by side are drawn together a row at a time; drawn one by one they must give
    // the same page, at every clipped edge, for long lines and for a wide font of odd height.
    std::string text;
    for (int i = 0; i < 300; ++i) text += static_cast<char>(33 + (i * 11) % 90);
    Bytes wide;
    wide.text("TFF").u8(0).u32(90 * 11 * 2).u16(90).u16(33).u16(122).u16(16).u16(11).u16(0);
    for (int i = 0; i < 90 * 11 * 2; ++i) wide.u8(static_cast<uint8_t>(i * 37 + i / 5));
    const int places[][2] = {{0, 0}, {-5, 20}, {3, -3}, {-13, 476}, {600, 200}};
    const PageView page = GetDrawTarget();
    const auto whole = [&] {
        return std::vector<uint16_t>(page.pixels, page.pixels + page.pitch * 480);
    };
    for (const uint8_t* font :
         {BuiltinFontRecord(), static_cast<const uint8_t*>(wide.data.data())}) {
        SetFont(font);
        int dx = 0;
        GetFontInfo(&dx, nullptr, nullptr, nullptr);
        for (const uint16_t background : {kBack, kTransparentBackground}) {
            ClearPage(kPaper);
            for (const auto& at : places) {
                PrintText(at[0], at[1], kInk, background, "%s", text.c_str());
            }
            const std::vector<uint16_t> together = whole();
            ClearPage(kPaper);
            for (const auto& at : places) {
                for (int i = 0; i < 300; ++i) {
                    const char one[2] = {text[static_cast<std::size_t>(i)], '\0'};
                    PrintText(at[0] + i * dx, at[1], kInk, background, "%s", one);
                }
            }
            EXPECT_EQ(whole(), together) << "width " << dx << ", background " << background;
        }
    }
}

TEST_F(TextTest, CharacterSpacingAndItsLock) {
    int dx = 0, dy = 0, width = 0, height = 0;
    GetFontInfo(&dx, &dy, &width, &height);
    EXPECT_EQ(dx, 8);
    EXPECT_EQ(width, 8);
    EXPECT_EQ(height, 8);
    SetCharSpacing(10, 2);
    PrintText(0, 0, kInk, kTransparentBackground, "AB");
    EXPECT_TRUE(CellShows(10, 2, 'B', kPaper));
    SetCharSpacing(0xFF, 0);
    SetCharSpacing(3, 5);
    GetFontInfo(&dx, &dy, nullptr, nullptr);
    EXPECT_EQ(dx, 0xFF);
    EXPECT_EQ(dy, 5);
    SetFont(BuiltinFontRecord());  // installing a font still sets the advance
    GetFontInfo(&dx, &dy, nullptr, nullptr);
    EXPECT_EQ(dx, 8);
    EXPECT_EQ(dy, 0);
}

TEST_F(TextTest, ConstructionInstallsTheBuiltInFontWithSpacingSix) {
    win.reset();
    win = std::make_unique<NormalWin>(backend);
    int dx = 0, width = 0;
    GetFontInfo(&dx, nullptr, &width, nullptr);
    EXPECT_EQ(dx, 6);
    EXPECT_EQ(width, 8);
    open();
}

TEST_F(TextTest, WideFontsAndFontsWithoutSomeCodes) {
    // A 16 × 2 font with codes 'A'..'B': a bar for A, a checker for B.
    Bytes font;
    font.text("TFF").u8(0).u32(2 * 2 * 2).u16(2).u16('A').u16('B').u16(16).u16(2).u16(0);
    font.u8(0xFF).u8(0xFF).u8(0x00).u8(0x00);  // A
    font.u8(0x80).u8(0x01).u8(0x01).u8(0x80);  // B
    SetFont(font.data.data());
    PrintText(0, 0, kInk, kBack, "AxB");  // x is outside the font: skipped without advancing
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(pixel(k, 0), kInk);
        EXPECT_EQ(pixel(k, 1), kBack);
    }
    EXPECT_EQ(pixel(16, 0), kInk);
    EXPECT_EQ(pixel(17, 0), kBack);
    EXPECT_EQ(pixel(31, 0), kInk);
    EXPECT_EQ(pixel(23, 1), kInk);
    EXPECT_EQ(pixel(24, 1), kInk);
    EXPECT_EQ(pixel(32, 0), kPaper);  // no glyph 0: the terminator draws nothing

    // A picture font (kind 1) cannot be drawn and is not installed.
    Bytes picture = font;
    picture.data[18] = 1;
    SetFont(picture.data.data());
    int width = 0;
    GetFontInfo(nullptr, nullptr, &width, nullptr);
    EXPECT_EQ(width, 16);
    SetFont(BuiltinFontRecord());
}

TEST_F(TextTest, BuiltInFontHasRealGlyphs) {
    const auto glyph = [](int code) {
        return std::string(reinterpret_cast<const char*>(BuiltinFontRecord() + 20 + code * 8), 8);
    };
    const std::string blank(8, '\0');
    for (int code = 33; code < 127; ++code) EXPECT_NE(glyph(code), blank) << code;
    EXPECT_EQ(glyph(' '), blank);
    // ä ö ü Ä Ö Ü ß at their code-page-437 codes, each unlike its plain letter.
    EXPECT_NE(glyph(0x84), glyph('a'));
    EXPECT_NE(glyph(0x94), glyph('o'));
    EXPECT_NE(glyph(0x81), glyph('u'));
    EXPECT_NE(glyph(0x8E), glyph('A'));
    EXPECT_NE(glyph(0x99), glyph('O'));
    EXPECT_NE(glyph(0x9A), glyph('U'));
    EXPECT_NE(glyph(0xE1), glyph('B'));
    for (int code : {0x84, 0x94, 0x81, 0x8E, 0x99, 0x9A, 0xE1}) EXPECT_NE(glyph(code), blank);
    EXPECT_EQ(glyph(0xDB), std::string(8, '\xFF'));  // full block
    const uint8_t* header = BuiltinFontRecord();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(header), 3), "TFF");
    EXPECT_EQ(header[12] | header[13] << 8, 255);
}

}  // namespace
