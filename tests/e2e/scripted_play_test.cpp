// The game played through scripts on the headless backend: start, menu, new game, the map's
// buttons, and the record as it is at the end.

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>

#include "engine/resources/bmp.h"
#include "tests/e2e/game_run.h"

namespace {

TEST_F(GameRun, EmptyScriptEndsInTheMenuWithAFreshRecord) {
    EXPECT_EQ(play(""), 0);
    EXPECT_EQ(dumped().sceneId, 0);
    EXPECT_EQ(dumped().money, 0);  // no game started
    EXPECT_TRUE(std::filesystem::exists(workDir + "/config.cfg"));
    EXPECT_TRUE(std::filesystem::is_directory(workDir + "/sav"));
    EXPECT_TRUE(std::filesystem::is_directory(workDir + "/fotos"));
}

TEST_F(GameRun, NewGameFromTheMenuLeadsToTheMapWithTheNewGameRecord) {
    const std::string shot = (dir / "map.bmp").string();
    EXPECT_EQ(play("frames 2\n"
                   "expect-scene 0\n"
                   "click \"start new game\"\n"
                   "until-scene 1 5\n"
                   "frames 3\n"
                   "screenshot " +
                   shot + "\n"),
              0);
    // Offsets as the savegame file has them.
    EXPECT_EQ(field(0), 1);                   // sceneId
    EXPECT_EQ(field(8), 5);                   // June
    EXPECT_EQ(field(12), 1);                  // day 1
    EXPECT_EQ(field(16), 8);                  // 08:..
    EXPECT_EQ(field(28), 2000);               // year
    EXPECT_EQ(field(32), 1);                  // normal speed
    EXPECT_EQ(field(36), 1000000 / 300);      // tick length on the virtual counter
    EXPECT_EQ(field(64), 3000);               // money
    EXPECT_EQ(field(3459296), 1);             // onMap
    EXPECT_EQ(field(3459300), 100);           // beachRate[0]
    EXPECT_EQ(field(3459304), 90);            // beachRate[1]
    EXPECT_EQ(field(3459388), -1);            // no order
    EXPECT_EQ(field(3459396), 18);            // orderSubject[0]
    EXPECT_EQ(field(3459996 + 8 * 4), 1200);  // orderBonus[8]
    EXPECT_EQ(field(3460396), 2);             // apartment visits
    EXPECT_EQ(field(3460404), 2);             // tv visits
    EXPECT_EQ(dumped().photos[29].width, 320);
    EXPECT_EQ(dumped().photos[29].height, 180);

    // The clock ran: a few frames of 16 ms at 300 game seconds a second.
    EXPECT_EQ(dumped().minute, 0);
    EXPECT_GT(dumped().second, 0);

    int width = 0;
    int height = 0;
    std::vector<uint16_t> pixels;
    ASSERT_TRUE(DecodeBmp24(readFile(shot), width, height, pixels));
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
}

TEST_F(GameRun, SpeedButtonsSetTheGameSpeed) {
    EXPECT_EQ(play("frames 1\n"
                   "click \"start new game\"\n"
                   "until-scene 1 5\n"
                   "frames 1\n"
                   "click \"game speed fast\"\n"
                   "frames 1\n"
                   "dump-state " +
                   (dir / "fast.bin").string() +
                   "\n"
                   "click \"game speed slow\"\n"
                   "frames 1\n"),
              0);
    const std::vector<uint8_t> fast = readFile((dir / "fast.bin").string());
    ASSERT_EQ(fast.size(), sizeof(GameState));
    EXPECT_EQ(fast[offsetof(GameState, gameSpeed)], 2);
    EXPECT_EQ(dumped().gameSpeed, 0);
    EXPECT_EQ(dumped().tickLength, 1000000u / 100);
}

TEST_F(GameRun, EndDayStartsTheNextDayAtMidnight) {
    EXPECT_EQ(play("frames 1\n"
                   "click \"start new game\"\n"
                   "until-scene 1 5\n"
                   "frames 1\n"
                   "click \"end day\"\n"
                   "frames 1\n"),
              0);
    EXPECT_EQ(dumped().day, 2);
    EXPECT_EQ(dumped().month, 5);
    EXPECT_EQ(dumped().hour, 0);
    EXPECT_EQ(dumped().minute, 0);
    EXPECT_LT(dumped().second, 30);
    EXPECT_EQ(dumped().money, 3000);  // no room, no rent
    for (int mood : dumped().porterMood) EXPECT_EQ(mood, 3);
    // The first night of a game opens a photo order (none of them is done yet).
    ASSERT_GE(dumped().currentOrder, 0);
    ASSERT_LT(dumped().currentOrder, 9);
    EXPECT_EQ(dumped().orderDaysLeft, dumped().orderDays[dumped().currentOrder]);
}

TEST_F(GameRun, QuitAnsweredNoStaysAndYesEnds) {
    EXPECT_EQ(play("frames 1\n"
                   "click \"end game\"\n"
                   "frames 1\n"
                   "click \"no\"\n"
                   "frames 2\n"
                   "expect-scene 0\n"
                   "click \"end game\"\n"
                   "frames 1\n"
                   "click \"yes\"\n"
                   "frames 5\n"
                   "expect-scene 99\n"),  // never reached: the game has ended before
              0);
    EXPECT_EQ(dumped().sceneId, -1);
}

TEST_F(GameRun, BackspaceAnswersABoxWithItsLastButtonAndEndsNothing) {
    // A game controller's B is Backspace: the quit box says no, the saved-game box its ok.
    EXPECT_EQ(play("frames 1\n"
                   "click \"end game\"\n"
                   "frames 1\n"
                   "key backspace\n"
                   "frames 2\n"
                   "expect-scene 0\n"
                   "click \"start new game\"\n" +
                   until(1) +
                   "frames 1\n"
                   "click \"save game\"\n" +
                   until(21) + clickAt(300, 83) +
                   "frames 1\n"
                   "key backspace\n" +
                   until(1) + "frames 1\n"),
              0);
    EXPECT_EQ(dumped().sceneId, 1);
    EXPECT_TRUE(std::filesystem::exists(workDir + "/sav/game01"));
}

TEST_F(GameRun, ABeachMarkerLeadsThereAndTheMenuButtonReturns) {
    EXPECT_EQ(play("frames 1\n"
                   "click \"start new game\"\n"
                   "until-scene 1 5\n"
                   "frames 1\n"
                   "click \"Chili Beach\"\n"
                   "until-scene 201 3\n"
                   "click \"leave beach\"\n"
                   "until-scene 1 3\n"
                   "click \"to startscreen\"\n"
                   "frames 1\n"
                   "expect-scene 0\n"),
              0);
}

TEST_F(GameRun, AFailingCommandEndsTheRunWithCodeThree) {
    EXPECT_EQ(play("frames 1\nclick \"no such caption\"\nframes 100\n"), 3);
    EXPECT_EQ(play("until-scene 1 3\n"), 3);
    EXPECT_EQ(play("jump 3\n"), 2);
}

TEST_F(GameRun, ReplayedScriptGivesTheSameRecord) {
    const std::string script =
        "frames 1\nclick \"start new game\"\nuntil-scene 1 5\nclick \"game speed fast\"\n"
        "click \"end day\"\nframes 40\nclick \"end day\"\nframes 3\n";
    ASSERT_EQ(play(script), 0);
    const std::vector<uint8_t> first = dump_;
    ASSERT_EQ(play(script), 0);
    EXPECT_TRUE(first == dump_);
    EXPECT_EQ(dumped().day, 3);
}

// A machine without a sound device plays silently: the failed sound start is no display
// failure, so the window check after it must not end the game.
TEST_F(GameRun, WithoutASoundDeviceTheGameStillStarts) {
    EXPECT_EQ(play("frames 2\n"
                   "expect-scene 0\n"
                   "click \"start new game\"\n"
                   "until-scene 1 5\n"
                   "frames 2\n",
                   {"--no-sound"}),
              0);
    EXPECT_EQ(field(0), 1);
}

}  // namespace

// A dumped record loaded back in another run puts the game where the dump was taken; a file
// that is not one record is refused and ends the run as a failed command.
TEST_F(GameRun, LoadStateResumesADumpAndRefusesOtherFiles) {
    ASSERT_EQ(
        play("frames 1\nclick \"start new game\"\nuntil-scene 1 5\nclick \"game speed fast\"\n"
             "click \"end day\"\nframes 3\n"),
        0);
    const std::string saved = (dir / "day2.bin").string();
    writeFile("day2.bin", dump_);
    const int32_t day = dumped().day;

    ASSERT_EQ(play("frames 1\nload-state " + saved + "\nframes 2\nexpect-scene 1\n"), 0);
    EXPECT_EQ(dumped().day, day);
    EXPECT_EQ(dumped().money, 3000);
    EXPECT_EQ(dumped().gameSpeed, 2);

    writeFile("short.bin", std::string(100, '\0'));
    EXPECT_EQ(play("frames 1\nload-state " + (dir / "short.bin").string() + "\nframes 2\n"), 3);
    EXPECT_EQ(dumped().sceneId, 0);  // untouched: still the menu
}
