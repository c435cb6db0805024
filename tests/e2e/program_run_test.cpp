// The built programs as a player starts them: from any directory, without naming the data set,
// and installed into a prefix of their own.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/resources/bmp.h"
#include "tests/support/test_env.h"

namespace fs = std::filesystem;

namespace {

class ProgramRun : public EngineTest {
  protected:
    // Runs a shell command in `cwd` with a private data home; its exit code, its output in
    // `output`.
    int run(const fs::path& cwd, const std::string& command) {
        const fs::path log = dir / "run.log";
        const std::string line = "cd '" + cwd.string() + "' && env -u RAVEZ_DATA XDG_DATA_HOME='" +
                                 (dir / "xdg").string() + "' " + command + " >'" + log.string() +
                                 "' 2>&1";
        const int status = std::system(line.c_str());
        std::ifstream in(log);
        std::stringstream text;
        text << in.rdbuf();
        output = text.str();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Writes a script that reaches the map and takes a screenshot there, in `folder`.
    static void writeMapScript(const fs::path& folder, bool german = false) {
        fs::create_directories(folder);
        std::ofstream(folder / "map.script")
            << "frames 1\n"
            << (german ? "click \"Neues Spiel starten\"\n" : "click \"start new game\"\n")
            << "until-scene 1 20\n"
               "frames 2\n"
               "screenshot map.bmp\n"
               "dump-state state.bin\n";
    }

    // Whether a screenshot is there and shows something (not one colour).
    static bool isPicture(const fs::path& bmp) {
        std::ifstream in(bmp, std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
        int width = 0;
        int height = 0;
        std::vector<uint16_t> pixels;
        if (!DecodeBmp24(bytes, width, height, pixels) || width != 640 || height != 480)
            return false;
        for (uint16_t p : pixels)
            if (p != pixels[0]) return true;
        return false;
    }

    // Installs the build as the package does (prefix /usr under a DESTDIR); the /usr folder,
    // empty when the install failed.
    fs::path installAsPackaged() {
        const fs::path root = dir / "root";
        if (run(dir, "DESTDIR='" + root.string() + "' " + RAVEZ_CMAKE + " --install " +
                         RAVEZ_BUILD_DIR + " --prefix /usr") != 0)
            return {};
        return root / "usr";
    }

    static constexpr const char* id = "io.github.ravezlensquest.RavezLensquest";
    std::string output;
};

TEST_F(ProgramRun, TheGameFindsItsDataFromAnyDirectoryAndWritesScriptFilesThere) {
    const fs::path elsewhere = dir / "elsewhere";
    for (const char* game : {RAVEZ_GAME_UK, RAVEZ_GAME_DE}) {
        writeMapScript(elsewhere, game == std::string(RAVEZ_GAME_DE));
        fs::remove(elsewhere / "map.bmp");
        ASSERT_EQ(run(elsewhere, std::string(game) + " --script map.script --skip-movies"), 0)
            << game << "\n"
            << output;
        EXPECT_TRUE(isPicture(elsewhere / "map.bmp")) << game;
        EXPECT_EQ(fs::file_size(elsewhere / "state.bin"), 3460408u);
        // Saves and photos went to the player's data home, not into the current directory.
        EXPECT_TRUE(fs::is_directory(dir / "xdg" / "ravez-lensquest" / "sav"));
        EXPECT_FALSE(fs::exists(elsewhere / "sav"));
    }
}

// The English build reads the English pictures of the language folder: its menu buttons carry
// other words than the German ones, and a picture without words is the same in both.
TEST_F(ProgramRun, TheTwoBuildsShowTheirOwnWordsOnTheMenuButtons) {
    const fs::path here = dir / "menus";
    fs::create_directories(here);
    std::ofstream(here / "menu.script") << "frames 3\nscreenshot menu.bmp\n";
    std::vector<uint16_t> menus[2];
    const char* games[2] = {RAVEZ_GAME_DE, RAVEZ_GAME_UK};
    for (int k = 0; k < 2; ++k) {
        ASSERT_EQ(run(here, std::string(games[k]) + " --script menu.script --skip-movies"), 0)
            << output;
        std::ifstream in(here / "menu.bmp", std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
        int width = 0;
        int height = 0;
        ASSERT_TRUE(DecodeBmp24(bytes, width, height, menus[k]));
    }
    auto differences = [&](int x0, int y0, int x1, int y1) {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                count += menus[0][static_cast<std::size_t>(y * 640 + x)] !=
                         menus[1][static_cast<std::size_t>(y * 640 + x)];
        return count;
    };
    EXPECT_GT(differences(480, 160, 630, 215), 100);  // "NEUES SPIEL" / "NEW GAME"
    EXPECT_GT(differences(480, 240, 630, 295), 100);  // "LADEN" / "LOAD"
    EXPECT_GT(differences(470, 410, 620, 465), 100);  // "ENDE" / "QUIT"
    EXPECT_EQ(differences(480, 320, 630, 375), 0);    // "INTRO" in both
    EXPECT_EQ(differences(170, 280, 360, 420), 0);    // the camera
}

TEST_F(ProgramRun, NoDataSetIsOneLineNamingTheFoldersTriedAndExitCodeOne) {
    const fs::path empty = dir / "empty";
    fs::create_directories(empty);
    EXPECT_EQ(run(empty, std::string(RAVEZ_GAME_UK) + " --headless --data " + empty.string()), 1);
    EXPECT_NE(output.find("no data set found"), std::string::npos) << output;
    EXPECT_NE(output.find(empty.string()), std::string::npos) << output;
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;

    EXPECT_EQ(run(empty, "RAVEZ_DATA=" + (empty / "nothing").string() + " " + RAVEZ_GAME_DE +
                             " --headless"),
              1);
    EXPECT_NE(output.find((empty / "nothing").string()), std::string::npos) << output;
}

TEST_F(ProgramRun, EveryProgramAnswersHelpAndRefusesWrongArguments) {
    for (const char* program :
         {RAVEZ_GAME_UK, RAVEZ_GAME_DE, RAVEZ_LAUNCHER, RAVEZ_POOLTOOL, RAVEZ_DISPLAYDEMO}) {
        EXPECT_EQ(run(dir, std::string(program) + " --help"), 0) << program << output;
        EXPECT_NE(output.find("usage"), std::string::npos) << program << output;
        EXPECT_EQ(run(dir, std::string(program) + " -h"), 0) << program << output;
        EXPECT_EQ(run(dir, std::string(program) + " --no-such-option"), 2) << program << output;
        EXPECT_NE(output.find("usage"), std::string::npos) << program << output;
    }
    // Asking for help never does the work: no working directory was made.
    EXPECT_FALSE(fs::exists(dir / "xdg"));
}

// Installed as the package installs it (prefix /usr under a DESTDIR): the commands on PATH link
// to the programs in lib/ravez-lensquest, the desktop files carry one application id, and the
// installed game, started from elsewhere, plays on the installed data set without --data.
TEST_F(ProgramRun, AnInstalledGameRunsFromAnotherDirectoryOnItsInstalledData) {
    const fs::path usr = installAsPackaged();
    ASSERT_FALSE(usr.empty()) << output;
    const std::vector<std::string> files = {
        "lib/ravez-lensquest/game_de",
        "lib/ravez-lensquest/game_uk",
        "lib/ravez-lensquest/launcher",
        "lib/ravez-lensquest/pooltool",
        "share/ravez-lensquest/tgp/location.tgp",
        "share/applications/" + std::string(id) + ".desktop",
        "share/metainfo/" + std::string(id) + ".metainfo.xml",
        "share/icons/hicolor/scalable/apps/" + std::string(id) + ".svg",
        "share/man/man6/ravez-lensquest.6.gz",
        "share/man/man6/ravez-lensquest-game.6.gz",
        "share/man/man6/ravez-lensquest-pooltool.6.gz",
        "share/doc/ravez-lensquest/copyright",
        "share/doc/ravez-lensquest/changelog.gz",
    };
    for (const std::string& file : files) EXPECT_TRUE(fs::exists(usr / file)) << file;
    // The commands on PATH are links into the programs' folder, so that the launcher started
    // through one still finds the game builds beside its real file.
    const std::pair<const char*, const char*> links[] = {
        {"ravez-lensquest", "../lib/ravez-lensquest/launcher"},
        {"ravez-lensquest-pooltool", "../lib/ravez-lensquest/pooltool"}};
    for (const auto& [command, target] : links) {
        ASSERT_TRUE(fs::is_symlink(usr / "bin" / command)) << command;
        EXPECT_EQ(fs::read_symlink(usr / "bin" / command), target);
        EXPECT_TRUE(fs::is_regular_file(usr / "bin" / command)) << command;
    }
    EXPECT_EQ(run(dir, (usr / "bin" / "ravez-lensquest").string() + " --help"), 0) << output;
    EXPECT_EQ(std::distance(fs::directory_iterator(usr / "bin"), fs::directory_iterator()), 2);
    EXPECT_FALSE(fs::exists(usr / "share" / "ravez-lensquest" / "sav"));
    EXPECT_FALSE(fs::exists(usr / "share" / "ravez-lensquest" / "config.cfg"));

    // Each fixed-size icon is a PNG of its size (IHDR: width and height, big-endian).
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string edge = std::to_string(size);
        const fs::path png =
            usr / "share/icons/hicolor" / (edge + "x" + edge) / "apps" / (std::string(id) + ".png");
        std::ifstream in(png, std::ios::binary);
        std::vector<uint8_t> head(24);
        in.read(reinterpret_cast<char*>(head.data()), 24);
        ASSERT_TRUE(in) << png;
        EXPECT_EQ(std::string(head.begin() + 1, head.begin() + 4), "PNG") << png;
        EXPECT_EQ(head[18] << 8 | head[19], size) << png;
        EXPECT_EQ(head[22] << 8 | head[23], size) << png;
    }

    const fs::path entry = usr / "share" / "applications" / (std::string(id) + ".desktop");
    std::ifstream in(entry);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("\nExec=/usr/bin/ravez-lensquest\n"), std::string::npos)
        << text.str();
    EXPECT_NE(text.str().find("\nIcon=" + std::string(id) + "\n"), std::string::npos) << text.str();

    // The installed game, started from elsewhere, reads the installed set.
    const fs::path games = usr / "lib" / "ravez-lensquest";
    EXPECT_EQ(run(dir, (games / "game_uk").string() + " --version"), 0);
    EXPECT_NE(output.find("data: " + (usr / "share" / "ravez-lensquest").string()),
              std::string::npos)
        << output;
    const fs::path elsewhere = dir / "play";
    writeMapScript(elsewhere);
    ASSERT_EQ(run(elsewhere, (games / "game_uk").string() + " --script map.script --skip-movies"),
              0)
        << output;
    EXPECT_TRUE(isPicture(elsewhere / "map.bmp"));
}

// The desktop entry and the metainfo pass the validators the desktops and software centres use.
TEST_F(ProgramRun, TheInstalledDesktopEntryAndMetainfoPassTheirValidators) {
    for (const char* tool : {"desktop-file-validate", "appstreamcli"}) {
        if (std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) != 0)
            GTEST_SKIP() << tool << " is not installed (scripts/setup installs it)";
    }
    const fs::path usr = installAsPackaged();
    ASSERT_FALSE(usr.empty()) << output;
    const std::string desktop = "share/applications/" + std::string(id) + ".desktop";
    const std::string metainfo = "share/metainfo/" + std::string(id) + ".metainfo.xml";
    EXPECT_EQ(run(dir, "desktop-file-validate '" + (usr / desktop).string() + "'"), 0) << output;
    EXPECT_EQ(output, "");
    EXPECT_EQ(run(dir, "appstreamcli validate --no-net '" + (usr / metainfo).string() + "'"), 0)
        << output;
    // The release the metainfo names is the one the programs report ("TITLE VERSION (LANGUAGE)").
    EXPECT_EQ(run(dir, (usr / "lib/ravez-lensquest/game_uk").string() + " --version"), 0);
    const std::size_t open = output.find(" (");
    ASSERT_NE(open, std::string::npos) << output;
    const std::string version = output.substr(0, open).substr(output.rfind(' ', open - 1) + 1);
    std::ifstream in(usr / metainfo);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("<release version=\"" + version + "\""), std::string::npos)
        << version;
}

}  // namespace

namespace {

class BotRun : public ProgramRun {
  protected:
    std::vector<uint8_t> readBytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

// A short bot run in each build: it plays, checks the record every frame, reports one line and
// leaves nothing held; the same seed gives the same run.
TEST_F(BotRun, PlaysADayInEachBuildAndLeavesNothingHeld) {
    for (const char* game : {RAVEZ_GAME_UK, RAVEZ_GAME_DE}) {
        ASSERT_EQ(run(dir, std::string(game) + " --bot 1 --seed 5 --skip-movies --frame-ms 100 "
                                               "--workdir work --dump-state a.bin"),
                  0)
            << game << "\n"
            << output;
        EXPECT_NE(output.find("bot: days 1, frames "), std::string::npos) << output;
        EXPECT_NE(output.find("memory held 0 bytes, files open 0"), std::string::npos) << output;
        const std::string first = output;
        fs::remove_all(dir / "work");
        ASSERT_EQ(run(dir, std::string(game) + " --bot 1 --seed 5 --skip-movies --frame-ms 100 "
                                               "--workdir work --dump-state b.bin"),
                  0);
        EXPECT_EQ(output, first);
        EXPECT_EQ(readBytes(dir / "a.bin"), readBytes(dir / "b.bin"));
        fs::remove_all(dir / "work");
    }
}

// A recorded bot run is a script: its replay gives the same record byte for byte, and a
// recording of the replay is the recording itself.
TEST_F(BotRun, ARecordedRunReplaysToTheSameRecord) {
    ASSERT_EQ(
        run(dir, std::string(RAVEZ_GAME_UK) + " --bot 1 --seed 5 --skip-movies --frame-ms 100 "
                                              "--workdir work --record run.rec --dump-state a.bin"),
        0)
        << output;
    fs::remove_all(dir / "work");
    ASSERT_EQ(
        run(dir, std::string(RAVEZ_GAME_UK) +
                     " --script run.rec --workdir work --record again.rec --dump-state b.bin"),
        0)
        << output;
    const std::vector<uint8_t> recorded = readBytes(dir / "a.bin");
    ASSERT_EQ(recorded.size(), 3460408u);
    EXPECT_TRUE(recorded == readBytes(dir / "b.bin"));
    EXPECT_TRUE(readBytes(dir / "run.rec") == readBytes(dir / "again.rec"));

    // A recording that does not match the game stops the replay with code 3.
    std::ofstream(dir / "broken.rec")
        << "# ravez-lensquest recording 1\noptions\nm 1 2 0 0 0 0 0 -1 -1\n";
    fs::remove_all(dir / "work");
    EXPECT_EQ(run(dir, std::string(RAVEZ_GAME_UK) + " --script broken.rec --workdir work"), 3);
    EXPECT_NE(output.find("out of step"), std::string::npos) << output;
}

}  // namespace
