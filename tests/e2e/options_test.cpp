// The options box over the running game, through scripted play: opened with F10, worked with
// keys and clicks, closed in every way, and the game under it untouched.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/resources/bmp.h"
#include "game/ui/away.h"
#include "game/ui/options_box.h"
#include "game/ui/scene_draw.h"
#include "tests/e2e/game_run.h"
#include "texts/texts.h"

namespace {

class OptionsPlay : public GameRun {
  protected:
    std::unique_ptr<GameState> played(const std::string& script, const std::string& name) {
        std::filesystem::remove(std::filesystem::path(workDir) / "settings.ini");
        EXPECT_EQ(play(script + dumpTo(name)), 0) << script;
        return step(name);
    }
    // The settings file the run left, as its lines.
    std::string kept() const {
        std::ifstream in(std::filesystem::path(workDir) / "settings.ini");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

// A new game on the map; the fourth turn there opens the box (or, without it, waits a turn).
const std::string kOnTheMap = "frames 1\n" + click(txt::kNewGame) + until(1) + "frames 3\n";
const std::string kAfter = "frames 5\n";

TEST_F(OptionsPlay, TheBoxChangesSettingsAtOnceKeepsThemAndLeavesTheGameAsItWas) {
    const std::unique_ptr<GameState> without = played(kOnTheMap + "frames 1\n" + kAfter, "without");

    // Down to the window size, two sizes up from as large as fits, down four more rows to the
    // music, one step down; a click on the mute row's value; then each way of closing the box.
    const std::string work =
        "key f10\nkey down\nkey right\nkey right\nkey down\nkey down\nkey down\n"
        "key down\nkey left\n" +
        clickAt(400, 84 + 7 * 19 + 4);
    // A scripted click leaves the turn after it idle: one frame fewer to wait after it.
    struct Closer {
        const char* name;
        std::string lines;
    };
    const Closer closers[] = {{"F10", "key f10\n" + kAfter},
                              {"Esc", "key esc\n" + kAfter},
                              {"Backspace", "key backspace\n" + kAfter},
                              {"OK", clickAt(500, 408) + "frames 4\n"}};
    for (const Closer& closer : closers) {
        SCOPED_TRACE(closer.name);
        const std::unique_ptr<GameState> with =
            played(kOnTheMap + work + closer.lines, closer.name);
        EXPECT_EQ(optionsOpened(), 1);
        const std::string file = kept();
        EXPECT_NE(file.find("window_width = 960\n"), std::string::npos) << file;
        EXPECT_NE(file.find("window_height = 720\n"), std::string::npos);
        EXPECT_NE(file.find("music = 9\n"), std::string::npos);
        EXPECT_NE(file.find("mute = yes\n"), std::string::npos);
        // Nothing of the box in the record: the same bytes as the run without it.
        EXPECT_EQ(std::memcmp(with.get(), without.get(), sizeof(GameState)), 0);
    }
}

// Turned off in the box, the pause while away is off from the next frame on.
TEST_F(OptionsPlay, ASettingTakesEffectInTheNextFrame) {
    const std::string pauseRow =
        "key down\nkey down\nkey down\nkey down\nkey down\nkey down\n"
        "key down\nkey down\nkey right\n";
    played(kOnTheMap + "key f10\n" + pauseRow + "key f10\nfocus-lost\nframes 3\nfocus-gained\n",
           "played");
    EXPECT_EQ(awayPauses(), 0);
    EXPECT_NE(kept().find("pause_when_away = no\n"), std::string::npos) << kept();
    played(kOnTheMap + "focus-lost\nframes 3\nfocus-gained\n", "paused");
    EXPECT_EQ(awayPauses(), 1);
}

// The box is drawn over the frame on the screen, not into the page: around it that frame shows
// in grey however often the box is drawn again, and the frame after it is the frame the scene
// draws without it.
TEST_F(OptionsPlay, TheBoxCoversTheFrameOnlyWhileOpen) {
    const std::string shot = (dir / "options.bmp").string();
    const std::string before = (dir / "before.bmp").string();
    const std::string after = (dir / "after.bmp").string();
    ASSERT_EQ(play("frames 1\n" + click(txt::kNewGame) + until(1) + "frames 3\nscreenshot " +
                   before + "\nkey f10\nkey down\nkey right\nkey left\nframes 1\nscreenshot " +
                   shot + "\nkey f10\nframes 1\nscreenshot " + after + "\n"),
              0);
    int width = 0, height = 0;
    std::vector<uint16_t> a, box, b;
    ASSERT_TRUE(DecodeBmp24(readFile(before), width, height, a));
    ASSERT_TRUE(DecodeBmp24(readFile(shot), width, height, box));
    ASSERT_TRUE(DecodeBmp24(readFile(after), width, height, b));
    ASSERT_EQ(a.size(), 640u * 480u);
    EXPECT_EQ(a, b);
    std::vector<uint16_t> grey(a.size());
    greyCopy({a.data(), 640, 480, 640}, grey.data(), 640, 480);
    int differing = 0;
    for (std::size_t i = 0; i < a.size(); ++i) differing += a[i] != box[i];
    EXPECT_GT(differing, 640 * 480 / 4);
    // The rows above the box.
    EXPECT_TRUE(std::equal(grey.begin(), grey.begin() + 640 * 40, box.begin()));
}

}  // namespace
