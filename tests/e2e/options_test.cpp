// The options box over the running game, through scripted play: opened with F10, worked with
// keys and clicks, closed in every way, and the game under it untouched.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "engine/resources/bmp.h"
#include "game/ui/game_settings.h"
#include "game/ui/options_box.h"
#include "tests/e2e/game_run.h"
#include "texts/texts.h"

namespace {

// Keeps what the box asked of the program.
class KeptSettings : public SettingsHost {
  public:
    const GameSettings& settings() const override { return kept; }
    void apply(const GameSettings& changed) override {
        kept = changed;
        ++applied;
    }
    bool save() override {
        ++saved;
        return true;
    }
    std::string savesFolder() const override { return "/home/player/.local/share/x/sav"; }
    std::string photosFolder() const override { return "/home/player/.local/share/x/fotos"; }
    std::string screenshotsFolder() const override { return "/home/player/Pictures/X"; }

    GameSettings kept;
    int applied = 0;
    int saved = 0;
};

class OptionsPlay : public GameRun {
  protected:
    void TearDown() override {
        setSettingsHost(nullptr);
        GameRun::TearDown();
    }
    // Plays the script with the box's host in place (or none: F10 then does nothing).
    std::unique_ptr<GameState> played(const std::string& script, KeptSettings* host,
                                      const std::string& name) {
        setSettingsHost(host);
        EXPECT_EQ(play(script + dumpTo(name)), 0) << script;
        setSettingsHost(nullptr);
        return step(name);
    }
};

// A new game on the map; F10 at the fourth turn.
const std::string kOnTheMap =
    "frames 1\n" + click(txt::kNewGame) + until(1) + "frames 3\nkey f10\n";
const std::string kAfter = "frames 5\n";

TEST_F(OptionsPlay, TheBoxChangesSettingsAndLeavesTheGameAsItWas) {
    const std::unique_ptr<GameState> without = played(kOnTheMap + kAfter, nullptr, "without");

    // Down to the window size, one size up, down three more rows to the music, one step down;
    // a click on the mute row's value; then each way of closing the box.
    const std::string work =
        "key down\nkey right\nkey down\nkey down\nkey down\nkey down\n"
        "key left\n" +
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
        KeptSettings host;
        const std::unique_ptr<GameState> with =
            played(kOnTheMap + work + closer.lines, &host, closer.name);
        EXPECT_EQ(optionsOpened(), 1);
        EXPECT_EQ(host.kept.windowWidth, 960);
        EXPECT_EQ(host.kept.windowHeight, 720);
        EXPECT_EQ(host.kept.musicVolume, 9);
        EXPECT_TRUE(host.kept.mute);
        EXPECT_EQ(host.applied, 3);
        EXPECT_EQ(host.saved, 1);
        // Nothing of the box in the record: the same bytes as the run without it.
        EXPECT_EQ(std::memcmp(with.get(), without.get(), sizeof(GameState)), 0);
    }
}

// The box is drawn over the frame, not into the page: the frame after it is the frame the scene
// draws without it, and the box shows the settings and the folders.
TEST_F(OptionsPlay, TheBoxCoversTheFrameOnlyWhileOpen) {
    KeptSettings host;
    const std::string shot = (dir / "options.bmp").string();
    const std::string before = (dir / "before.bmp").string();
    const std::string after = (dir / "after.bmp").string();
    setSettingsHost(&host);
    ASSERT_EQ(play("frames 1\n" + click(txt::kNewGame) + until(1) + "frames 3\nscreenshot " +
                   before + "\nkey f10\nframes 1\nscreenshot " + shot +
                   "\nkey f10\nframes 1\nscreenshot " + after + "\n"),
              0);
    int width = 0, height = 0;
    std::vector<uint16_t> a, box, b;
    ASSERT_TRUE(DecodeBmp24(readFile(before), width, height, a));
    ASSERT_TRUE(DecodeBmp24(readFile(shot), width, height, box));
    ASSERT_TRUE(DecodeBmp24(readFile(after), width, height, b));
    ASSERT_EQ(a.size(), 640u * 480u);
    EXPECT_EQ(a, b);
    int differing = 0;
    for (std::size_t i = 0; i < a.size(); ++i) differing += a[i] != box[i];
    EXPECT_GT(differing, 640 * 480 / 4);
}

}  // namespace
