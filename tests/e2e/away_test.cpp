// Pausing while the player is away, through scripted play: the window loses its focus or is
// minimised for a long while, and the game comes back as if no time had passed.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "engine/resources/bmp.h"
#include "tests/e2e/game_run.h"
#include "texts/texts.h"

namespace {

class AwayPlay : public GameRun {
  protected:
    // A new game at half past eleven at night with a room in the first hotel, on the map.
    std::string evening() {
        EXPECT_EQ(play("frames 1\n" + click(txt::kNewGame) + until(1) + dumpTo("fresh")), 0);
        std::unique_ptr<GameState> s = step("fresh");
        s->roomRented[0] = 1;
        s->hour = 23;
        s->minute = 30;
        writeFile("evening.bin",
                  std::vector<uint8_t>(reinterpret_cast<uint8_t*>(s.get()),
                                       reinterpret_cast<uint8_t*>(s.get()) + sizeof(GameState)));
        money = s->money;
        return "frames 1\nload-state " + (dir / "evening.bin").string() + "\nframes 1\n";
    }

    bool sameRecord(const GameState& a, const GameState& b) {
        return std::memcmp(&a, &b, sizeof(GameState)) == 0;
    }

    int money = 0;
};

// A second a turn: an hour away is 3600 turns, 300 game hours at normal speed.
const std::vector<std::string> kSecondTurns = {"--frame-ms", "1000"};

TEST_F(AwayPlay, AnHourAwayCostsNothingAndTheGameGoesOnAsIfNoTimeHadPassed) {
    const std::string start = evening();
    ASSERT_EQ(play(start + "frames 2\n" + dumpTo("stayed"), kSecondTurns), 0);
    const std::unique_ptr<GameState> stayed = step("stayed");
    EXPECT_EQ(stayed->money, money);
    EXPECT_EQ(stayed->hour, 23);

    // Away by focus and by minimising, and both at once; the away turn stands for the frame
    // the player's run has there.
    const char* const absences[] = {
        "focus-lost\nframes 3600\nfocus-gained\nframes 1\n",
        "minimise\nframes 3600\nrestore\nframes 1\n",
        "focus-lost\nminimise\nframes 3600\nrestore\nframes 100\nfocus-gained\nframes 1\n",
    };
    for (const char* absence : absences) {
        SCOPED_TRACE(absence);
        ASSERT_EQ(play(start + absence + dumpTo("back"), kSecondTurns), 0);
        EXPECT_TRUE(sameRecord(*step("back"), *stayed));
    }

    // Without the pause the hour is played: the clock runs through the night and the room is
    // paid for.
    ASSERT_EQ(play(start + absences[0] + dumpTo("played"),
                   {"--frame-ms", "1000", "--no-pause-when-away"}),
              0);
    const std::unique_ptr<GameState> played = step("played");
    EXPECT_LT(played->money, money);
    EXPECT_GT(played->nightsPaid[0], stayed->nightsPaid[0]);
}

// The sign is drawn over the frame while away, not into the page: the frame after the return
// is the frame before it.
TEST_F(AwayPlay, ThePausedSignCoversTheFrameOnlyWhileAway) {
    const std::string before = (dir / "before.bmp").string();
    const std::string away = (dir / "away.bmp").string();
    const std::string after = (dir / "after.bmp").string();
    ASSERT_EQ(play("frames 2\nscreenshot " + before + "\nfocus-lost\nframes 5\nscreenshot " + away +
                   "\nfocus-gained\nframes 1\nscreenshot " + after + "\n"),
              0);
    int width = 0;
    int height = 0;
    std::vector<uint16_t> shotBefore;
    std::vector<uint16_t> shotAway;
    std::vector<uint16_t> shotAfter;
    ASSERT_TRUE(DecodeBmp24(readFile(before), width, height, shotBefore));
    ASSERT_TRUE(DecodeBmp24(readFile(away), width, height, shotAway));
    ASSERT_TRUE(DecodeBmp24(readFile(after), width, height, shotAfter));
    EXPECT_EQ(shotAfter, shotBefore);
    // The sign: a small box at the top of the middle, and nothing else changed.
    int changed = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * width + x;
            if (shotAway[i] == shotBefore[i]) continue;
            ++changed;
            ASSERT_LT(y, 80);
            ASSERT_GT(x, 200);
            ASSERT_LT(x, 440);
        }
    }
    EXPECT_GT(changed, 500);
}

// A movie waits with the game: after the absence it goes on with the frame that follows the
// one it showed, with none dropped for the time away.
TEST_F(AwayPlay, AMovieGoesOnWhereItStood) {
    if (!std::filesystem::exists(std::filesystem::path(dataDir) / "movies" / "intro.avi")) {
        GTEST_SKIP() << "the data set in use has no intro movie";
    }
    skipMovies = false;
    const std::string stayed = (dir / "stayed.bmp").string();
    const std::string back = (dir / "back.bmp").string();
    ASSERT_EQ(play("frames 20\nscreenshot " + stayed + "\n"), 0);
    ASSERT_EQ(play("frames 19\nfocus-lost\nframes 300\nfocus-gained\nscreenshot " + back + "\n"),
              0);
    EXPECT_EQ(readFile(back), readFile(stayed));
    ASSERT_EQ(play("frames 19\nfocus-lost\nframes 300\nfocus-gained\nscreenshot " + back + "\n",
                   {"--no-pause-when-away"}),
              0);
    EXPECT_NE(readFile(back), readFile(stayed));
}

}  // namespace
