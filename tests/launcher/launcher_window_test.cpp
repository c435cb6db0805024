// The launcher's window on the headless face: the whole launcher from start-up through its
// message loop, with the face's window, events, tune player and process start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/platform/headless_platform.h"
#include "engine/platform/window_messages.h"
#include "engine/resources/bmp.h"
#include "launcher/launcher_window.h"
#include "tests/launcher/launcher_test_support.h"
#include "tests/support/test_env.h"

namespace {

using platform::kWmLButtonDown;
using platform::kWmLButtonUp;
using platform::MakePointParam;

class LauncherWindowTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        writeFile("IMAGES/BACK.BMP", SolidBmp(800, 600, 0x001F, 0xFFFF));
        writeFile("IMAGES/B1.BMP", SolidBmp(40, 46, 0x07E0, 0x07E0));
        writeFile("IMAGES/B2.BMP", SolidBmp(40, 46, 0xF800, 0xF800));
        writeFile("WAVES/MAIN.WAV", Bytes().text("RIFF").u32(4).text("WAVE").data);
    }
    void click(int x, int y) {
        display().postEvent({kWmLButtonDown, platform::kMkLButton, MakePointParam(x, y)});
        display().postEvent({kWmLButtonUp, 0, MakePointParam(x, y)});
    }
    platform::HeadlessDisplay& display() { return face.headlessDisplay(); }

    platform::HeadlessPlatform face;
    LauncherWindow window{face};
    Launcher launcher;
};

TEST_F(LauncherWindowTest, ClicksThroughTheLoopStartTheBuildsAndQuit) {
    display().screenWidth = 1024;
    display().screenHeight = 768;
    ASSERT_TRUE(StartLauncher(&launcher, &window)) << window.lastError();
    EXPECT_TRUE(boxTexts().empty());
    EXPECT_EQ(display().windowTitle, "RAVEZ LENSQUEST  ");
    EXPECT_TRUE(display().windowShown);
    EXPECT_EQ(display().windowX, 112);
    EXPECT_EQ(display().windowY, 84);
    ASSERT_EQ(display().windowWidth, 800);
    ASSERT_EQ(display().windowHeight, 600);
    EXPECT_EQ(face.headlessTunes().playing.size(), 1u);

    click(150, 20);       // German
    click(150, 49 + 20);  // English
    click(430, 20);       // beside the rows: nothing
    display().postEvent({kWmLButtonDown, platform::kMkLButton, MakePointParam(150, 20)});
    display().postEvent({kWmLButtonUp, 0, MakePointParam(150, 49 + 20)});  // let go elsewhere
    click(150, 49 * 2 + 10);                                               // quit
    click(150, 20);  // after the end: not taken
    window.run(&launcher, nullptr);

    EXPECT_TRUE(launcher.ending);
    EXPECT_EQ(face.startedPrograms, (std::vector<std::string>{"game_de", "game_uk"}));
    EXPECT_TRUE(face.headlessTunes().playing.empty()) << "starting a game stops the tune";
    // What the loop presented is what the launcher paints: the picture with the buttons on it.
    ASSERT_EQ(display().shownWidth, 800);
    ASSERT_EQ(display().shownHeight, 600);
    EXPECT_EQ(display().shown[0], 0xFFFF);
    EXPECT_EQ(display().shown[800 * 599 + 799], 0x001F);
    EXPECT_EQ(display().shown[800 * 20 + 150], 0x07E0);
    ReleaseLauncher(&launcher, &window);
}

// Each row, its icon and its caption, is one button for the pointer: a click starts it, a move
// over it frames it. The gaps between rows and the ground beside them do nothing.
TEST_F(LauncherWindowTest, TheWholeRowIsTheButton) {
    ASSERT_TRUE(StartLauncher(&launcher, &window)) << window.lastError();
    ASSERT_EQ(launcher.buttons[0].x, 130);  // 800 wide: the row spans x 130 … 130 + kRowWidth
    const int right = 130 + kRowWidth - 1;
    const struct {
        int x;
        int y;
        const char* started;  // nullptr: nothing; "quit"
        int framed;           // the row framed after the pointer moved there (-1: as before)
    } kPoints[] = {
        {130, 0, "game_de", 0},           // the icon's top-left corner
        {169, 45, "game_de", 0},          // the icon's bottom-right corner
        {200, 20, "game_de", 0},          // the caption
        {right, 45, "game_de", 0},        // the caption column's far corner
        {300, 49 + 20, "game_uk", 1},     // the second caption
        {right, 49 * 2, "quit", 2},       // the third caption's top
        {300, 46, nullptr, -1},           // between the first two rows
        {150, 49 + 48, nullptr, -1},      // between the last two
        {129, 20, nullptr, -1},           // left of the icon
        {right + 1, 20, nullptr, -1},     // right of the caption
        {200, 49 * 2 + 46, nullptr, -1},  // below the last row
    };
    for (const auto& p : kPoints) {
        SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
        face.startedPrograms.clear();
        launcher.ending = false;
        launcher.highlighted = 1 - (p.framed == 1);  // somewhere else than where it should go
        const int before = launcher.highlighted;
        display().postEvent({platform::kWmMouseMove, 0, MakePointParam(p.x, p.y)});
        window.handlePending(&launcher);
        EXPECT_EQ(launcher.highlighted, p.framed < 0 ? before : p.framed);
        click(p.x, p.y);
        window.handlePending(&launcher);
        const std::string started = !p.started ? "" : std::string(p.started);
        EXPECT_EQ(launcher.ending, started == "quit");
        if (started == "quit" || started.empty()) {
            EXPECT_TRUE(face.startedPrograms.empty());
        } else {
            EXPECT_EQ(face.startedPrograms, std::vector<std::string>{started});
        }
    }
    ReleaseLauncher(&launcher, &window);
}

TEST_F(LauncherWindowTest, KeysAndThePointerMoveTheHighlightAndEnterStartsItsRow) {
    using platform::kVkReturn;
    using platform::kWmKeyDown;
    using platform::kWmKeyUp;
    ASSERT_TRUE(StartLauncher(&launcher, &window)) << window.lastError();
    const auto key = [&](uint32_t message, int vk) {
        display().postEvent({message, static_cast<uintptr_t>(vk), 1});
    };
    for (int vk : {platform::kVkDown, platform::kVkDown, platform::kVkDown, platform::kVkUp})
        key(kWmKeyDown, vk);  // past the last row it stays there
    key(kWmKeyDown, kVkReturn);
    key(kWmKeyUp, kVkReturn);  // English
    display().postEvent({platform::kWmMouseMove, 0, MakePointParam(150, 20)});
    key(kWmKeyDown, kVkReturn);
    key(kWmKeyDown, kVkReturn);  // the keyboard's repeat
    key(kWmKeyUp, kVkReturn);    // German, once
    key(kWmKeyUp, kVkReturn);    // let go without a press here: nothing
    window.handlePending(&launcher);
    EXPECT_EQ(face.startedPrograms, (std::vector<std::string>{"game_uk", "game_de"}));
    EXPECT_EQ(launcher.highlighted, 0);
    EXPECT_FALSE(launcher.ending);
    // The frame is on the German row, two pixels outside its button.
    EXPECT_EQ(display().shown[800 * 20 + 128], kCaptionColor);
    EXPECT_EQ(display().shown[800 * 20 + 130], 0x07E0);
    EXPECT_EQ(display().shown[800 * (49 + 20) + 128], 0x001F);

    // Esc, and a game controller's B (Backspace), quit.
    for (int vk : {platform::kVkEscape, platform::kVkBack}) {
        launcher.ending = false;
        key(kWmKeyDown, vk);
        window.handlePending(&launcher);
        EXPECT_TRUE(launcher.ending) << vk;
    }
    ReleaseLauncher(&launcher, &window);
}

TEST_F(LauncherWindowTest, AScreenshotIsWhatTheScreenShowsAndEndsTheLauncher) {
    ASSERT_TRUE(StartLauncher(&launcher, &window));
    display().postEvent({platform::kWmPaint, 0, 0});
    window.run(&launcher, "shot.bmp");
    EXPECT_TRUE(launcher.ending);
    const std::vector<uint8_t> file = readFile("shot.bmp");
    int width = 0;
    int height = 0;
    std::vector<uint16_t> pixels;
    ASSERT_TRUE(DecodeBmp24(file, width, height, pixels));
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 600);
    EXPECT_EQ(pixels, display().shown);
    ReleaseLauncher(&launcher, &window);
}

}  // namespace
