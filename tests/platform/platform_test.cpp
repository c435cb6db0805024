#include <gtest/gtest.h>

#include "engine/platform/letterbox.h"
#include "engine/platform/sdl/sdl_keys.h"
#include "engine/platform/text_encoding.h"
#include "engine/platform/window_messages.h"

namespace {

using namespace platform;

TEST(Letterbox, WholeScalesWhereTheyFitAndSmoothShrinkingOtherwise) {
    ScreenRect r = FitPage(640, 480, 1920, 1080);
    EXPECT_EQ(r.w, 1280);
    EXPECT_EQ(r.h, 960);
    EXPECT_EQ(r.x, 320);
    EXPECT_EQ(r.y, 60);
    EXPECT_TRUE(IsWholeScale(r, 640, 480));

    r = FitPage(1600, 1200, 1920, 1080);  // larger than the screen: aspect kept
    EXPECT_EQ(r.w, 1440);
    EXPECT_EQ(r.h, 1080);
    EXPECT_EQ(r.x, 240);
    EXPECT_FALSE(IsWholeScale(r, 1600, 1200));

    r = FitPage(1280, 1024, 1280, 720);
    EXPECT_EQ(r.h, 720);
    EXPECT_EQ(r.w, 900);

    r = FitPage(640, 480, 0, 0);
    EXPECT_EQ(r.w, 0);
}

TEST(Letterbox, EachScalingPlacesThePage) {
    struct Case {
        PageScaling scaling;
        int pageW, pageH, screenW, screenH;
        ScreenRect expected;
        bool sharp;
    };
    const Case cases[] = {
        // Whole steps: bars around, a screen too small shrinks the page with its aspect.
        {PageScaling::IntegerSteps, 640, 480, 1920, 1080, {320, 60, 1280, 960}, true},
        {PageScaling::IntegerSteps, 640, 480, 1280, 800, {320, 160, 640, 480}, true},
        {PageScaling::IntegerSteps, 640, 480, 1000, 700, {180, 110, 640, 480}, true},
        {PageScaling::IntegerSteps, 640, 480, 320, 400, {0, 80, 320, 240}, false},
        // Fit: as large as the aspect allows, bars on two sides only.
        {PageScaling::Fit, 640, 480, 1920, 1080, {240, 0, 1440, 1080}, false},
        {PageScaling::Fit, 640, 480, 1280, 1024, {0, 32, 1280, 960}, true},
        {PageScaling::Fit, 640, 480, 800, 1200, {0, 300, 800, 600}, false},
        {PageScaling::Fit, 640, 480, 1280, 960, {0, 0, 1280, 960}, true},
        // Stretch: the whole screen.
        {PageScaling::Stretch, 640, 480, 1920, 1080, {0, 0, 1920, 1080}, false},
        {PageScaling::Stretch, 640, 480, 1280, 960, {0, 0, 1280, 960}, true},
        // Nothing to place on.
        {PageScaling::Fit, 640, 480, 0, 0, {0, 0, 0, 0}, false},
        {PageScaling::Stretch, 0, 480, 1920, 1080, {0, 0, 0, 0}, false},
    };
    for (const Case& c : cases) {
        const ScreenRect r = PlacePage(c.scaling, c.pageW, c.pageH, c.screenW, c.screenH);
        SCOPED_TRACE(testing::Message()
                     << static_cast<int>(c.scaling) << " " << c.screenW << "x" << c.screenH);
        EXPECT_EQ(r.x, c.expected.x);
        EXPECT_EQ(r.y, c.expected.y);
        EXPECT_EQ(r.w, c.expected.w);
        EXPECT_EQ(r.h, c.expected.h);
        EXPECT_EQ(IsWholeScale(r, c.pageW, c.pageH), c.sharp);
        if (r.w >= c.pageW && r.h >= c.pageH) {
            // Enlarged, the page's last pixel covers the placement's last one.
            int x = -1, y = -1;
            ScreenToPage(r, c.pageW, c.pageH, r.x + r.w - 1, r.y + r.h - 1, &x, &y);
            EXPECT_EQ(x, c.pageW - 1);
            EXPECT_EQ(y, c.pageH - 1);
        }
    }
}

TEST(Letterbox, ScreenPositionsMapBackToPagePixels) {
    const ScreenRect r = FitPage(640, 480, 1920, 1080);
    int x = -1, y = -1;
    ScreenToPage(r, 640, 480, 320, 60, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    ScreenToPage(r, 640, 480, 321, 61, &x, &y);  // still the first pixel at scale 2
    EXPECT_EQ(x, 0);
    ScreenToPage(r, 640, 480, 322, 62, &x, &y);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 1);
    ScreenToPage(r, 640, 480, 10, 10, &x, &y);  // on the bars: clamped to the page
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    ScreenToPage(r, 640, 480, 1919, 1079, &x, &y);
    EXPECT_EQ(x, 639);
    EXPECT_EQ(y, 479);
    int sx = 0, sy = 0;
    PageToScreen(r, 640, 480, 100, 200, &sx, &sy);
    ScreenToPage(r, 640, 480, sx, sy, &x, &y);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 200);
}

TEST(TextEncoding, GameAndErrorTextsBecomeUtf8) {
    EXPECT_EQ(Cp437ToUtf8("Gr\x81\xE1"
                          "e \x84\x94\x8E\x99\x9A"),
              "Grüße äöÄÖÜ");
    EXPECT_EQ(ErrorTextToUtf8("Schlie\xE1"
                              "en ge\xF6"
                              "ffnet unterst\xFCtzt \xDC"),
              "Schließen geöffnet unterstützt Ü");
    EXPECT_EQ(EngineTextToUtf8("\x84\xFC\xE1"), "äüß");
    EXPECT_EQ(Cp437ToUtf8("\xDB"), "\u2588");
    EXPECT_EQ(EngineTextToUtf8("plain"), "plain");
}

TEST(SdlKeys, KeysMapToTheGamesVirtualKeyCodes) {
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_ESCAPE), kVkEscape);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_SPACE), 0x20);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_RETURN), 0x0D);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_ENTER), 0x0D);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_a), 0x41);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_s), 0x53);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_z), 0x5A);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_0), 0x30);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_9), 0x39);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F1), 0x70);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F12), 0x7B);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_LSHIFT), kVkShift);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_UNKNOWN), 0);
    for (int vk : {kVkEscape, 0x41, 0x5A, 0x30, kVkF1, kVkShift, kVkLeft}) {
        EXPECT_EQ(VirtualKeyFromSdl(SdlKeyFromVirtual(vk)), vk) << vk;
    }
}

}  // namespace
