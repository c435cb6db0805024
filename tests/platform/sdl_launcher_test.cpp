// The launcher's window on the SDL face with SDL's dummy video driver: real window sizes and
// positions, what is shown, and a click going through the message loop to a real game start.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "engine/platform/sdl/sdl_display.h"
#include "engine/platform/sdl/sdl_platform.h"
#include "launcher/launcher_window.h"
#include "tests/launcher/launcher_test_support.h"
#include "tests/support/bmp_writer.h"
#include "tests/support/test_env.h"

namespace {

class SdlLauncherTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        platform::PlatformSettings settings;
        settings.windowed = true;
        face = platform::createSdlPlatform(settings);
    }
    void TearDown() override {
        face.reset();
        EngineTest::TearDown();
    }
    SDL_Window* window() { return platform::sdlDisplayOf(*face)->window(); }

    std::unique_ptr<platform::Platform> face;
};

TEST_F(SdlLauncherTest, MissingBackgroundLeavesTheWindowAtTenByTen) {
    LauncherWindow host(*face);
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(&launcher, &host)) << host.lastError();
    ASSERT_EQ(boxTexts().size(), 3u);
    EXPECT_EQ(boxTexts()[0], "LOAD_BITMAP_ERROR: IMAGES\\BACK.BMP");
    int width = 0, height = 0;
    SDL_GetWindowSize(window(), &width, &height);
    EXPECT_EQ(width, 10);
    EXPECT_EQ(height, 10);
    EXPECT_STREQ(SDL_GetWindowTitle(window()), "RAVEZ LENSQUEST  ");
    ReleaseLauncher(&launcher, &host);
}

TEST_F(SdlLauncherTest, WindowTakesThePicturesSizeCentredAndShowsIt) {
    writeFile("IMAGES/BACK.BMP", SolidBmp(320, 200, 0x001F, 0xFFFF));
    writeFile("IMAGES/B1.BMP", SolidBmp(40, 46, 0x07E0, 0x07E0));
    writeFile("IMAGES/B2.BMP", SolidBmp(40, 46, 0xF800, 0xF800));
    LauncherWindow host(*face);
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(&launcher, &host)) << host.lastError();
    EXPECT_TRUE(boxTexts().empty());

    SDL_DisplayMode desktop{};
    ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &desktop), 0);
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowSize(window(), &width, &height);
    SDL_GetWindowPosition(window(), &x, &y);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 200);
    EXPECT_EQ(x, desktop.w / 2 - 160);
    EXPECT_EQ(y, desktop.h / 2 - 100);
    // 320 / 20 = 16, 11 × 16 = 176, minus 310: the buttons lie left of the window.
    EXPECT_EQ(launcher.buttons[0].x, -134);

    host.presentIfDirty(launcher);
    ASSERT_EQ(host.shownWidth(), 320);
    ASSERT_EQ(host.shownHeight(), 200);
    // The first row's caption reaches into the narrow window: its frame, moved in to the
    // window's edges, covers the picture's corner.
    EXPECT_EQ(host.shownPixels()[0], kCaptionColor);
    EXPECT_EQ(host.shownPixels()[320 * 199], 0x001F);
    EXPECT_EQ(host.shownPixels()[320 * 199 + 319], 0x001F);
    ReleaseLauncher(&launcher, &host);
}

TEST_F(SdlLauncherTest, PicturesOfOtherKindsAreShownAndARefusedOneGetsTheBox) {
    // Four colours in stripes as an 8-bit palette picture, the button face as RLE8, the spare
    // face cut short.
    constexpr uint32_t kStripes[] = {0x2040A0, 0xFFFF00, 0x00A040, 0x800000};
    BmpPicture back{640, 480, {}};
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) back.colours.push_back(kStripes[(x / 40 + y / 30) % 4]);
    }
    BmpPicture buttonFace{40, 46, {}};
    for (int y = 0; y < 46; ++y) {
        for (int x = 0; x < 40; ++x) buttonFace.colours.push_back(x < 20 ? 0xFF0000 : 0x0000FF);
    }
    writeFile("IMAGES/BACK.BMP", WriteBmp(back, {.bits = 8, .shortPalette = true}));
    writeFile("IMAGES/B1.BMP", WriteBmp(buttonFace, {.bits = 8, .coding = BmpCoding::Rle8}));
    std::vector<uint8_t> spare = WriteBmp(buttonFace, {.bits = 8, .coding = BmpCoding::Rle8});
    spare.resize(spare.size() / 2);
    writeFile("IMAGES/B2.BMP", spare);

    LauncherWindow host(*face);
    Launcher launcher;
    testing::internal::CaptureStderr();
    ASSERT_TRUE(StartLauncher(&launcher, &host)) << host.lastError();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"LOAD_BITMAP_ERROR: IMAGES\\B2.BMP"});
    EXPECT_NE(said.find("launcher: IMAGES\\B2.BMP: "), std::string::npos) << said;

    host.presentIfDirty(launcher);
    ASSERT_EQ(host.shownWidth(), 640);
    ASSERT_EQ(host.shownHeight(), 480);
    const auto rgb565 = [](uint32_t c) {
        return static_cast<uint16_t>((c >> 19 & 0x1F) << 11 | (c >> 10 & 0x3F) << 5 |
                                     (c >> 3 & 0x1F));
    };
    // The background, the face where a button lies over it, and the highlight's frame two
    // pixels outside the first row, icon and caption (yellow: the caption colour); at the
    // window's top the frame's top edge lies over the row's first two lines.
    const auto colourAt = [&](int x, int y) {
        const LauncherButton& first = launcher.buttons[0];
        if (x >= first.x - 2 && x < first.x + kRowWidth + 2 && y < kRowHeight + 2 &&
            !(x >= first.x && x < first.x + kRowWidth && y >= 2 && y < kRowHeight))
            return 0xFFFF00u;
        for (const LauncherButton& b : launcher.buttons) {
            if (x >= b.x && x < b.x + kButtonWidth && y >= b.y && y < b.y + kButtonHeight)
                return buttonFace.colours[static_cast<std::size_t>((y - b.y) * 40 + x - b.x)];
        }
        return back.colours[static_cast<std::size_t>(y * 640 + x)];
    };
    ASSERT_TRUE(launcher.buttons[2].created);
    int wrong = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x)
            wrong +=
                host.shownPixels()[static_cast<std::size_t>(y * 640 + x)] != rgb565(colourAt(x, y));
    }
    EXPECT_EQ(wrong, 0);
    ReleaseLauncher(&launcher, &host);
}

TEST_F(SdlLauncherTest, ClickOnTheGermanButtonStartsTheGameThroughTheLoop) {
    writeFile("IMAGES/BACK.BMP", SolidBmp(800, 600, 0x001F, 0x001F));
    writeFile("IMAGES/B1.BMP", SolidBmp(40, 46, 0x07E0, 0x07E0));
    writeFile("IMAGES/B2.BMP", SolidBmp(40, 46, 0xF800, 0xF800));
    // Half a second of 8-bit mono silence: the title tune, on SDL's dummy sound device.
    writeFile("WAVES/MAIN.WAV", Bytes()
                                    .text("RIFF")
                                    .u32(36 + 11025)
                                    .text("WAVEfmt ")
                                    .u32(16)
                                    .u16(1)
                                    .u16(1)
                                    .u32(22050)
                                    .u32(22050)
                                    .u16(1)
                                    .u16(8)
                                    .text("data")
                                    .u32(11025)
                                    .append(std::vector<uint8_t>(11025, 0x80))
                                    .data);
    writeFile("bin/game_de", "#!/bin/sh\necho started >> game_de.txt\n");
    ::chmod((dir / "bin" / "game_de").string().c_str(), 0755);
    const char* path = std::getenv("PATH");
    const std::string savedPath = path ? path : "";
    ::setenv("PATH", ((dir / "bin").string() + ":" + savedPath).c_str(), 1);

    LauncherWindow host(*face);
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(&launcher, &host)) << host.lastError();
    ASSERT_EQ(launcher.buttons[0].x, 130);
    EXPECT_NE(launcher.tune, 0u) << "the tune plays on the dummy device";

    const auto click = [&](int x, int y) {
        SDL_Event event{};
        event.button.windowID = SDL_GetWindowID(window());
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = x;
        event.button.y = y;
        event.type = SDL_MOUSEBUTTONDOWN;
        event.button.state = SDL_PRESSED;
        SDL_PushEvent(&event);
        event.type = SDL_MOUSEBUTTONUP;
        event.button.state = SDL_RELEASED;
        SDL_PushEvent(&event);
    };
    click(150, 20);           // German
    click(300, 20);           // beside the buttons: nothing
    click(150, 49 * 2 + 10);  // quit
    host.run(&launcher, nullptr);
    EXPECT_TRUE(launcher.ending);
    EXPECT_EQ(launcher.tune, 0u) << "starting a game stops the tune";
    ::setenv("PATH", savedPath.c_str(), 1);

    std::string line;
    for (int tries = 0; tries < 500 && line.empty(); ++tries) {
        std::ifstream in("game_de.txt");
        std::getline(in, line);
        if (line.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(line, "started");
    ReleaseLauncher(&launcher, &host);
}

}  // namespace
