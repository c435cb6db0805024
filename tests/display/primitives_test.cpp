#include <vector>

#include "tests/support/display_env.h"

namespace {

constexpr uint16_t kRed = 0xF800;
constexpr uint16_t kWhite = 0xFFFF;

class PrimitivesTest : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        open();
        ClearPage(0);
    }
};

TEST_F(PrimitivesTest, DrawRectWritesTheOutlineAndNothingInside) {
    DrawRect(10, 10, 20, 15, kRed);
    EXPECT_EQ(count(kRed), 30);
    for (int y = 10; y <= 15; ++y) {
        for (int x = 10; x <= 20; ++x) {
            const bool edge = x == 10 || x == 20 || y == 10 || y == 15;
            EXPECT_EQ(pixel(x, y), edge ? kRed : 0) << x << "," << y;
        }
    }
    ClearPage(0);
    DrawRect(20, 15, 10, 10, kRed);  // corners given the other way round
    EXPECT_EQ(count(kRed), 30);
    EXPECT_EQ(pixel(20, 15), kRed);
}

TEST_F(PrimitivesTest, NarrowRectanglesAreComplete) {
    DrawRect(10, 10, 12, 12, kRed);  // 3 × 3: every pixel but the centre
    EXPECT_EQ(count(kRed), 8);
    EXPECT_EQ(pixel(11, 10), kRed);
    EXPECT_EQ(pixel(11, 11), 0);
    ClearPage(0);
    DrawRect(5, 5, 5, 9, kRed);  // one column
    EXPECT_EQ(count(kRed), 5);
    EXPECT_EQ(pixel(4, 5), 0);
    EXPECT_EQ(pixel(6, 5), 0);
}

TEST_F(PrimitivesTest, RectangleOnThePageEdgeKeepsItsLastRowAndColumn) {
    DrawRect(0, 0, 639, 479, kRed);
    EXPECT_EQ(count(kRed), 2 * 640 + 2 * 478);
    EXPECT_EQ(pixel(0, 479), kRed);
    EXPECT_EQ(pixel(639, 479), kRed);
    EXPECT_EQ(pixel(639, 0), kRed);
}

TEST_F(PrimitivesTest, FillBoxRowsAndTheZeroWidthRule) {
    FillBox(10, 10, 20, 15, kRed);  // rows 10..14, columns 10..20
    EXPECT_EQ(count(kRed), 11 * 5);
    EXPECT_EQ(pixel(20, 14), kRed);
    EXPECT_EQ(pixel(20, 15), 0);

    ClearPage(0);
    FillBox(10, 30, 20, 30, kRed);  // y0 = y1: one row
    EXPECT_EQ(count(kRed), 11);

    ClearPage(0);
    FillBox(50, 40, 50, 44, kRed);  // x0 = x1: two columns
    EXPECT_EQ(count(kRed), 2 * 4);
    EXPECT_EQ(pixel(50, 40), kRed);
    EXPECT_EQ(pixel(51, 43), kRed);
    EXPECT_EQ(pixel(52, 40), 0);
}

TEST_F(PrimitivesTest, BoxesAndLinesAreClippedToThePage) {
    FillBox(-5, -5, 4, 4, kRed);  // rows -5..3 of which 0..3 visible, columns 0..4
    EXPECT_EQ(count(kRed), 5 * 4);
    ClearPage(0);
    FillBox(630, 470, 700, 600, kRed);
    EXPECT_EQ(count(kRed), 10 * 10);
    ClearPage(0);
    DrawLine(700, 0, 700, 100, kRed);  // a column beside the page writes nothing
    DrawLine(-1, 0, -1, 100, kRed);
    DrawLine(0, -3, 100, -3, kRed);
    EXPECT_EQ(count(kRed), 0);
    DrawLine(0, 0, 9, 9, kRed);  // a diagonal, one pixel per row
    EXPECT_EQ(count(kRed), 10);
    EXPECT_EQ(pixel(9, 9), kRed);
}

TEST_F(PrimitivesTest, ClipRectLimitsDrawingButNeverReachesPastThePage) {
    SetClipRect({100, 110, 50, 60});
    FillBox(0, 0, 639, 479, kRed);
    EXPECT_EQ(count(kRed), 10 * 10);
    ClearPage(0);
    SetClipRect({-100, 3000, -100, 3000});  // larger than the page
    FillBox(-200, -200, 2000, 2000, kRed);
    EXPECT_EQ(count(kRed), 640 * 480);
}

TEST_F(PrimitivesTest, FifteenBitColoursFollowTheConversionRule) {
    SetPixelFormat(15);
    EXPECT_EQ(ToDisplayColour(0x0020), 1);  // only the lowest green bit: never the key
    EXPECT_EQ(ToDisplayColour(0xF800), 0x7C00);
    EXPECT_EQ(ToDisplayColour(0x07E0), 0x03E0);
    EXPECT_EQ(ToDisplayColour(0x001F), 0x001F);
    EXPECT_EQ(ToDisplayColour(0), 0);
    EXPECT_EQ(ToDisplayColour(0xFFFF), 0xFFFF);
    FillBox(0, 0, 3, 1, kRed);
    EXPECT_EQ(pixel(0, 0), 0x7C00);
    ClearPage(kRed);  // the page clear is never converted
    EXPECT_EQ(pixel(5, 5), kRed);
    SetPixelFormat(16);
    EXPECT_EQ(ToDisplayColour(0x0020), 0x0020);
    EXPECT_EQ(ToDisplayColour(kRed), kRed);
    SetPixelFormat(14);  // anything else reads as 16
    EXPECT_EQ(GetPixelFormat(), 16);
}

TEST_F(PrimitivesTest, NothingIsDrawnWithoutPages) {
    win->ReleaseDirectDraw();
    EXPECT_EQ(GetDrawTarget().pixels, nullptr);
    ClearPage(kRed);
    FillBox(0, 0, 10, 10, kRed);
    DrawRect(0, 0, 10, 10, kRed);
    PresentPage();
    EXPECT_EQ(backend.presentCount, 0);
}

}  // namespace
