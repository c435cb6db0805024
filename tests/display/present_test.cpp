#include <cstdlib>
#include <string>
#include <vector>

#include "engine/display/screenshot.h"
#include "engine/resources/bmp.h"
#include "tests/support/display_env.h"

namespace {

class PresentTest : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        open();
    }
};

TEST_F(PresentTest, DrawPagesAlternateAtEveryPresent) {
    const uint16_t* first = GetDrawTarget().pixels;
    EXPECT_EQ(GetDrawPageIndex(), 2);
    EXPECT_EQ(first, GetPageRecord(2).address);
    PresentPage();
    EXPECT_EQ(GetDrawPageIndex(), 3);
    EXPECT_EQ(GetDrawTarget().pixels, GetPageRecord(3).address);
    EXPECT_NE(GetDrawTarget().pixels, first);
    PresentPage();
    EXPECT_EQ(GetDrawPageIndex(), 2);
    EXPECT_EQ(GetDrawTarget().pixels, first);
    EXPECT_EQ(backend.presentCount, 2);
}

TEST_F(PresentTest, ThePresentedPageIsTheDrawnPage) {
    ClearPage(0x1234);
    FillBox(0, 0, 9, 1, 0xF800);
    setPixel(638, 0, 0x0F0F);  // where the back-buffer touch reads
    PresentPage();
    ASSERT_EQ(backend.shownWidth, 640);
    ASSERT_EQ(backend.shownHeight, 480);
    EXPECT_EQ(backend.shownLayout, platform::PixelLayout::Rgb565);
    EXPECT_EQ(backend.shown[0], 0xF800);
    EXPECT_EQ(backend.shown[9], 0xF800);
    EXPECT_EQ(backend.shown[10], 0x1234);
    EXPECT_EQ(backend.shown[638], 0x0F0F);
    EXPECT_EQ(backend.shown[640 * 480 - 1], 0x1234);
    // Drawing into the next page does not touch what is on the screen.
    ClearPage(0);
    EXPECT_EQ(backend.shown[640 * 480 - 1], 0x1234);
}

TEST_F(PresentTest, FifteenBitPresentConvertsThePage) {
    ClearPage(0xF800);
    setPixel(1, 0, 0x0020);  // converts to 0 here: no replacement at present time
    setPixel(2, 0, 0xFFFF);
    setPixel(3, 0, 0x07E0);
    PresentPage15();
    EXPECT_EQ(backend.shownLayout, platform::PixelLayout::Rgb555);
    EXPECT_EQ(backend.shown[0], 0x7C00);
    EXPECT_EQ(backend.shown[1], 0);
    EXPECT_EQ(backend.shown[2], 0x7FFF);
    EXPECT_EQ(backend.shown[3], 0x03E0);
    EXPECT_EQ(GetDrawPageIndex(), 3);
}

TEST_F(PresentTest, ConvertPageHandlesEveryPixel) {
    std::vector<uint16_t> source(37 * 3), target(40 * 3, 0xAAAA);
    for (std::size_t i = 0; i < source.size(); ++i) source[i] = static_cast<uint16_t>(i * 1777);
    ConvertPageTo555({source.data(), 37, 3, 37}, {target.data(), 37, 3, 40});
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 37; ++x) {
            const uint16_t p = source[static_cast<std::size_t>(y * 37 + x)];
            ASSERT_EQ(target[static_cast<std::size_t>(y * 40 + x)],
                      ((p >> 1) & 0x7FE0) | (p & 0x1F));
        }
        EXPECT_EQ(target[static_cast<std::size_t>(y * 40 + 37)], 0xAAAA);
    }
}

TEST_F(PresentTest, FifteenBitScreensAreDetected) {
    win.reset();
    setenv("RAVEZ_PIXELFORMAT", "15", 1);
    platform::HeadlessDisplay fifteen;
    unsetenv("RAVEZ_PIXELFORMAT");
    EXPECT_EQ(fifteen.pixelFormat(), 15);
    win = std::make_unique<NormalWin>(fifteen);
    ASSERT_NE(win->CreateGameWindow(nullptr, nullptr, 640, 480, 16, kBufferingQuad), nullptr);
    EXPECT_EQ(GetPixelFormat(), 15);
    EXPECT_EQ(win->DisplayPixelFormat(), 15);
    EXPECT_EQ(ToDisplayColour(0xF800), 0x7C00);
    EXPECT_STREQ(win->Title(), "Default Window");
    win.reset();
}

TEST_F(PresentTest, ModeChangeMakesNewPages) {
    const uint32_t generation = GetPageGeneration();
    ASSERT_EQ(win->SetDirectDrawMode(800, 600, 16, 0, kBufferingQuad), 1);
    EXPECT_EQ(backend.setModeCalls, 2);
    EXPECT_NE(GetPageGeneration(), generation);
    int width = 0, height = 0, pitch = 0;
    GetScreenSize(&width, &height, &pitch);
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 600);
    EXPECT_EQ(pitch, 1600);
    const ClipRect clip = GetClipRect();
    EXPECT_EQ(clip.right, 800);
    EXPECT_EQ(clip.bottom, 600);
    FillBox(0, 0, 799, 600, 0xFFFF);
    EXPECT_EQ(count(0xFFFF), 800 * 600);
    PresentPage();
    EXPECT_EQ(backend.shownWidth, 800);
}

TEST_F(PresentTest, PageRecordsAndQueries) {
    EXPECT_EQ(GetPageRecord(-1).address, nullptr);
    EXPECT_EQ(GetPageRecord(4).address, nullptr);
    for (int slot = 0; slot < 4; ++slot) {
        const PageRecord record = GetPageRecord(slot);
        EXPECT_NE(record.address, nullptr) << slot;
        EXPECT_EQ(record.width, 640);
        EXPECT_EQ(record.height, 480);
        EXPECT_EQ(record.pitch, 1280);
    }
    EXPECT_EQ(GetActivePage(), 0);
    int x = -1, y = -1;
    GetSourceOrigin(&x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    // Drawing on another page and switching back.
    const PageRecord drawn = GetPageRecord(GetDrawPageIndex());
    SetDrawPage(GetPageRecord(0));
    EXPECT_EQ(GetDrawTarget().pixels, GetPageRecord(0).address);
    SetDrawPage(PageRecord{});  // no address: the target stays
    EXPECT_EQ(GetDrawTarget().pixels, GetPageRecord(0).address);
    SetDrawPage(drawn);
    EXPECT_EQ(GetDrawTarget().pixels, drawn.address);
    PresentPage();
    FlipToGDI();
    EXPECT_EQ(GetDrawPageIndex(), 2);
    // The waits never block: blits and flips are done when they return.
    WaitBlitDone(GetDrawPageIndex());
    WaitFlipDone();
    TouchBackBuffer();
    FlipOnly();
    EXPECT_EQ(backend.presentCount, 2);
}

TEST_F(PresentTest, TracesGoToTheLogOnlyWhenSwitchedOn) {
    SetSvgaTraceLevel(3);
    EXPECT_EQ(GetSvgaTraceLevel(), 0);
    PresentPage();
    EXPECT_FALSE(fileExists("SVGAHI.LOG"));
    SetSvgaTraceLevel(10);
    PresentPage();
    const std::vector<uint8_t> log = readFile("SVGAHI.LOG");
    const std::string text(log.begin(), log.end());
    EXPECT_NE(text.find("Get Back Page1 Adress: "), std::string::npos);
    EXPECT_NE(text.find("Get Primary Surface Adress: "), std::string::npos);
    SetSvgaTraceLevel(0);
}

TEST_F(PresentTest, ScreenshotWritesTheGameAreaAsBmp) {
    ASSERT_EQ(win->SetDirectDrawMode(800, 600, 16, 0, kBufferingQuad), 1);
    ClearPage(0x001F);
    FillBox(0, 0, 1, 1, 0xF800);
    ASSERT_EQ(SaveScreenshot("shot.bmp"), 1);
    int width = 0, height = 0;
    std::vector<uint16_t> pixels;
    ASSERT_TRUE(DecodeBmp24(readFile("shot.bmp"), width, height, pixels));
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    EXPECT_EQ(pixels[0], 0xF800);
    EXPECT_EQ(pixels[2], 0x001F);
    EXPECT_EQ(pixels[640 * 480 - 1], 0x001F);

    ASSERT_EQ(win->SetDirectDrawMode(320, 240, 16, 0, kBufferingQuad), 1);
    ClearPage(0x07E0);
    ASSERT_EQ(SaveScreenshot("small.bmp"), 1);
    ASSERT_TRUE(DecodeBmp24(readFile("small.bmp"), width, height, pixels));
    EXPECT_EQ(pixels[319], 0x07E0);
    EXPECT_EQ(pixels[320], 0);  // outside the page: black
}

}  // namespace
