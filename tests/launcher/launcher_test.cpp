// The launcher's start-up, layout, painting and commands, with real bitmap files in the test's
// working directory and a host that records what the window system was asked for.
#include <gtest/gtest.h>

#include "engine/platform/message_box.h"
#include "launcher/launcher.h"
#include "tests/launcher/launcher_test_support.h"
#include "tests/support/test_env.h"

namespace {

constexpr uint16_t kBlue = 0x001F;
constexpr uint16_t kGreen = 0x07E0;
constexpr uint16_t kRed = 0xF800;
constexpr uint16_t kWhite = 0xFFFF;

class LauncherTest : public EngineTest {
  protected:
    void writeDataSet(int backWidth = 640, int backHeight = 480) {
        writeFile("images/back.bmp", SolidBmp(backWidth, backHeight, kBlue, kWhite));
        writeFile("images/B1.BMP", SolidBmp(kButtonWidth + 10, kButtonHeight + 10, kGreen, kWhite));
        writeFile("images/B2.BMP", SolidBmp(8, 8, kRed, kRed));
    }

    std::vector<platform::MessageBoxRequest>& shownBoxes() { return boxes.shown; }

    RecordingHost host;
    Launcher launcher;
};

TEST(LauncherLayout, ButtonColumnFollowsTheClientWidth) {
    EXPECT_EQ(ButtonColumnX(800), 130);
    EXPECT_EQ(ButtonColumnX(640), 42);
    EXPECT_EQ(ButtonColumnX(660), 52);  // 11 × 33 = 363, lowest bit cleared
    EXPECT_EQ(ButtonColumnX(659), 42);  // the division by 20 comes first
    EXPECT_EQ(ButtonColumnX(10), -310);
}

TEST(LauncherLayout, WindowIsSizedToThePictureAndCentred) {
    const WindowPlacement even = CentredWindow(1024, 768, 640, 480);
    EXPECT_EQ(even.x, 192);
    EXPECT_EQ(even.y, 144);
    EXPECT_EQ(even.width, 640);
    EXPECT_EQ(even.height, 480);

    // Each half is rounded down on its own: 511 - 320 and 383 - 120.
    const WindowPlacement odd = CentredWindow(1023, 767, 641, 241);
    EXPECT_EQ(odd.x, 191);
    EXPECT_EQ(odd.y, 263);

    // A picture larger than the screen keeps its top-left corner, and the buttons, on screen.
    const WindowPlacement large = CentredWindow(800, 600, 1024, 768);
    EXPECT_EQ(large.x, 0);
    EXPECT_EQ(large.y, 0);
    EXPECT_EQ(large.width, 1024);
}

TEST_F(LauncherTest, StartUpSizesTheWindowLaysOutButtonsAndPlaysTheTune) {
    writeDataSet();
    writeFile("SVGAHI.LOG", "old display log\n");
    writeFile("waves/main.wav", "RIFF");

    ASSERT_TRUE(StartLauncher(&launcher, &host));
    EXPECT_TRUE(shownBoxes().empty());
    EXPECT_EQ(host.windowTitle, "RAVEZ LENSQUEST  ");
    EXPECT_TRUE(host.shown);
    EXPECT_FALSE(fileExists("SVGAHI.LOG"));

    EXPECT_EQ(host.placements, 1);
    EXPECT_EQ(host.windowX, 192);
    EXPECT_EQ(host.windowY, 144);
    EXPECT_EQ(host.windowWidth, 640);
    EXPECT_EQ(host.windowHeight, 480);

    ASSERT_EQ(host.buttonCalls.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(host.buttonCalls[i].id, 201 + i);
        EXPECT_EQ(host.buttonCalls[i].x, 42);
        EXPECT_EQ(host.buttonCalls[i].y, 49 * i);
        EXPECT_TRUE(launcher.buttons[i].created);
        EXPECT_EQ(launcher.buttons[i].face, &launcher.buttonFace);
    }
    EXPECT_TRUE(launcher.spareFace.loaded());

    // The tune is found by its DOS name whatever the case on disk.
    ASSERT_EQ(host.tunePaths.size(), 1u);
    EXPECT_EQ(host.tunePaths[0], "waves/main.wav");
    EXPECT_NE(launcher.tune, 0u);
}

TEST_F(LauncherTest, MissingBackgroundIsReportedAndTheWindowStaysSmall) {
    writeFile("images/B1.BMP", SolidBmp(40, 46, kGreen, kGreen));
    writeFile("images/B2.BMP", SolidBmp(40, 46, kRed, kRed));
    writeFile("images/back.bmp", "BM not really a bitmap");  // unreadable counts as missing

    ASSERT_TRUE(StartLauncher(&launcher, &host));
    ASSERT_EQ(shownBoxes().size(), 1u);
    EXPECT_EQ(shownBoxes()[0].caption, "INFO");
    EXPECT_EQ(shownBoxes()[0].text, "LOAD_BITMAP_ERROR: IMAGES\\BACK.BMP");
    EXPECT_EQ(host.placements, 0);
    EXPECT_EQ(host.windowWidth, 10);
    EXPECT_EQ(host.windowHeight, 10);
    EXPECT_FALSE(launcher.background.loaded());
    // The buttons are still laid out, from the small client area.
    ASSERT_EQ(host.buttonCalls.size(), 3u);
    EXPECT_EQ(host.buttonCalls[0].x, -310);

    // Painting without a background leaves the black brush, and the face on the button.
    std::vector<uint16_t> pixels(10 * 10, kWhite);
    PaintLauncher(launcher, LauncherPage{pixels.data(), 10, 10, 10});
    EXPECT_EQ(pixels[55], 0);
}

TEST_F(LauncherTest, EveryMissingBitmapIsNamedAndANoTuneIsSilent) {
    host.tuneWorks = false;
    ASSERT_TRUE(StartLauncher(&launcher, &host));
    ASSERT_EQ(boxTexts().size(), 3u);
    EXPECT_EQ(boxTexts()[0], "LOAD_BITMAP_ERROR: IMAGES\\BACK.BMP");
    EXPECT_EQ(boxTexts()[1], "LOAD_BITMAP_ERROR: IMAGES\\B1.BMP");
    EXPECT_EQ(boxTexts()[2], "LOAD_BITMAP_ERROR: IMAGES\\B2.BMP");
    EXPECT_EQ(launcher.tune, 0u);
}

TEST_F(LauncherTest, WindowFailureIsReportedAndNothingElseHappens) {
    writeDataSet();
    host.windowWorks = false;
    EXPECT_FALSE(StartLauncher(&launcher, &host));
    ASSERT_EQ(shownBoxes().size(), 1u);
    EXPECT_EQ(shownBoxes()[0].caption, "INFO");
    EXPECT_EQ(shownBoxes()[0].text, "Window Creation FAILED");
    EXPECT_FALSE(host.shown);
    EXPECT_TRUE(host.buttonCalls.empty());
    EXPECT_TRUE(host.tunePaths.empty());
}

TEST_F(LauncherTest, AButtonThatCannotBeCreatedIsSkipped) {
    writeDataSet(800, 600);
    host.failingButton = 202;
    ASSERT_TRUE(StartLauncher(&launcher, &host));
    EXPECT_TRUE(launcher.buttons[0].created);
    EXPECT_FALSE(launcher.buttons[1].created);
    EXPECT_TRUE(launcher.buttons[2].created);
    EXPECT_EQ(launcher.buttons[0].x, 130);
    EXPECT_EQ(launcher.buttons[2].y, 98);  // still two steps down
    EXPECT_EQ(ButtonAt(launcher, 130, 49), 0);
    EXPECT_EQ(ButtonAt(launcher, 130, 0), 201);
    EXPECT_EQ(ButtonAt(launcher, 169, 98 + 45), 203);
    EXPECT_EQ(ButtonAt(launcher, 130 + kRowWidth, 98), 0);
    EXPECT_EQ(ButtonAt(launcher, 130, 98 + 46), 0);
}

TEST_F(LauncherTest, PaintingShowsTheBackgroundTheFaceClippedToEachButtonAndTheHighlight) {
    writeDataSet();
    ASSERT_TRUE(StartLauncher(&launcher, &host));
    EXPECT_EQ(launcher.highlighted, 0);
    // The highlighted row (icon and caption column) gets a two-pixel frame just outside it;
    // the first row touches the window's top, so there the frame moves in over the row's top
    // two lines and all of it shows. Nothing else changes.
    constexpr int kOuterW = kRowWidth + 4;
    constexpr int kRingPixels[] = {kOuterW * 48 - kRowWidth * 44, kOuterW * 50 - kRowWidth * 46,
                                   kOuterW * 50 - kRowWidth * 46};
    for (int row = 0; row < 3; ++row) {
        launcher.highlighted = row;
        std::vector<uint16_t> pixels(640 * 480, 0x1234);
        PaintLauncher(launcher, LauncherPage{pixels.data(), 640, 480, 640});
        const auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * 640 + x)]; };
        const auto inRing = [&](int x, int y) {
            const int top = std::max(49 * row - 2, 0);
            const bool outer = x >= 40 && x < 42 + kRowWidth + 2 && y >= top && y < 49 * row + 48;
            const bool inner = x >= 42 && x < 42 + kRowWidth && y >= top + 2 && y < 49 * row + 46;
            return outer && !inner;
        };

        EXPECT_EQ(at(0, 0), kWhite);  // the background's own corner
        for (int i = 0; i < 3; ++i) {
            const int top = 49 * i;
            if (i != 0 || row != 0) {
                EXPECT_EQ(at(42, top), kWhite) << "face corner of button " << i;
            }
            EXPECT_EQ(at(81, top + 45), kGreen);
            if (i != row) {
                EXPECT_EQ(at(41, top), kBlue);
                EXPECT_EQ(at(82, top + 20), kBlue) << "face cut at the button's width";
            }
            if (i < 2 && i != row && i + 1 != row) {
                EXPECT_EQ(at(60, top + 46), kBlue) << "face cut at the button's height";
            }
        }
        // The captions are single blanks: nothing of them shows, and the spare face is drawn
        // nowhere. The caption colour is the frame's, and only there.
        int ring = 0;
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                EXPECT_NE(at(x, y), kRed);
                if (inRing(x, y)) {
                    EXPECT_EQ(at(x, y), kCaptionColor) << x << "," << y;
                    ++ring;
                } else {
                    EXPECT_NE(at(x, y), kCaptionColor) << x << "," << y;
                }
            }
        }
        EXPECT_EQ(ring, kRingPixels[row]);
    }
}

TEST(LauncherCaptions, TextIsBoldYellowOnATransparentGround) {
    std::vector<uint16_t> pixels(40 * 20, kBlue);
    const LauncherPage page{pixels.data(), 40, 20, 40};
    DrawCaption(page, 2, 3, " ", kCaptionColor);
    for (uint16_t pixel : pixels) EXPECT_EQ(pixel, kBlue);

    DrawCaption(page, 2, 3, "Il", kCaptionColor);
    int top = 99, bottom = -1, lit = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const uint16_t pixel = pixels[static_cast<std::size_t>(y * 40 + x)];
            if (pixel == kBlue) continue;
            ASSERT_EQ(pixel, kCaptionColor);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            ++lit;
        }
    EXPECT_EQ(top, 3);
    EXPECT_EQ(bottom, 3 + kCaptionHeight - 1);
    // The stem of the I is two pixels wide: bold.
    EXPECT_EQ(pixels[static_cast<std::size_t>(10 * 40 + 2 + 2)], kCaptionColor);
    EXPECT_EQ(pixels[static_cast<std::size_t>(10 * 40 + 2 + 3)], kCaptionColor);
    EXPECT_GT(lit, 40);

    // Text running off the page is clipped, not written past it.
    std::vector<uint16_t> small(4 * 4 + 4, kBlue);
    DrawCaption(LauncherPage{small.data(), 4, 4, 4}, -3, 2, "WWW", kCaptionColor);
    for (std::size_t i = 16; i < small.size(); ++i) EXPECT_EQ(small[i], kBlue);
}

TEST_F(LauncherTest, GameButtonsStopTheTuneAndStartTheirBuildEachTime) {
    writeDataSet();
    ASSERT_TRUE(StartLauncher(&launcher, &host));
    const unsigned tune = launcher.tune;
    ASSERT_NE(tune, 0u);

    LauncherCommand(&launcher, &host, kButtonGerman);
    LauncherCommand(&launcher, &host, kButtonGerman);
    LauncherCommand(&launcher, &host, kButtonEnglish);
    EXPECT_EQ(host.started, (std::vector<std::string>{"game_de", "game_de", "game_uk"}));
    EXPECT_EQ(host.closedTunes, (std::vector<unsigned>{tune}));  // closed once, not restarted
    EXPECT_EQ(host.tunePaths.size(), 1u);
    EXPECT_FALSE(launcher.ending);

    LauncherCommand(&launcher, &host, 200);
    EXPECT_FALSE(launcher.ending);
    LauncherCommand(&launcher, &host, kButtonQuit);
    EXPECT_TRUE(launcher.ending);
    EXPECT_EQ(host.started.size(), 3u);
}

TEST_F(LauncherTest, ReleaseFreesEachBitmapOnceAndClosesAPlayingTune) {
    writeDataSet();
    ASSERT_TRUE(StartLauncher(&launcher, &host));
    const unsigned tune = launcher.tune;
    ReleaseLauncher(&launcher, &host);
    EXPECT_FALSE(launcher.background.loaded());
    EXPECT_FALSE(launcher.buttonFace.loaded());
    EXPECT_FALSE(launcher.spareFace.loaded());
    for (const LauncherButton& button : launcher.buttons) EXPECT_EQ(button.face, nullptr);
    EXPECT_EQ(host.closedTunes, (std::vector<unsigned>{tune}));
    ReleaseLauncher(&launcher, &host);  // nothing left to close
    EXPECT_EQ(host.closedTunes.size(), 1u);
}

}  // namespace
