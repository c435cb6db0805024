// The player's settings on disk: settings.ini read back as written, damaged files and bad
// values falling back with one message each, the command line's one-run settings never
// written, and config.cfg's modes written in that file's records.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/audio/sound_manager.h"
#include "engine/platform/headless_display.h"
#include "engine/resources/config.h"
#include "game/app/options.h"
#include "game/app/settings_file.h"
#include "game/app/settings_host.h"
#include "game/ui/away.h"
#include "tests/e2e/game_run.h"
#include "tests/support/test_env.h"
#include "texts/texts.h"

namespace {

class SettingsTest : public EngineTest {
  protected:
    void TearDown() override {
        // What a host applies is the process's: the next test starts from the defaults.
        setPauseWhenAway(true);
        Sound().Buffers().SetGroupLevel(SoundGroup::Music, kGroupLevelFull);
        Sound().Buffers().SetGroupLevel(SoundGroup::Effects, kGroupLevelFull);
        Sound().Buffers().SetMuted(false);
        EngineTest::TearDown();
    }
    std::string path(const char* name) const { return (dir / name).string(); }
    static std::string text(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

GameSettings Unusual() {
    GameSettings s;
    s.fullScreen = false;
    s.windowWidth = 1366;
    s.windowHeight = 768;
    s.scaling = Scaling::Stretch;
    s.vsync = false;
    s.frameCap = 144;
    s.musicVolume = 3;
    s.effectsVolume = 0;
    s.mute = true;
    s.pauseWhenAway = false;
    s.padPointerSpeed = 9;
    s.resolutionMode = 4;
    s.detailMode = 0;
    return s;
}

TEST_F(SettingsTest, WhatIsWrittenIsReadBack) {
    for (const GameSettings& written : {GameSettings{}, Unusual()}) {
        std::string error;
        ASSERT_TRUE(writeSettingsFile(path("cfg/settings.ini"), written, &error)) << error;
        EXPECT_FALSE(fileExists("cfg/settings.ini.tmp"));
        std::vector<std::string> problems;
        // The modes are config.cfg's: they come from the base, not from this file.
        GameSettings base;
        base.resolutionMode = written.resolutionMode;
        base.detailMode = written.detailMode;
        EXPECT_EQ(readSettingsFile(path("cfg/settings.ini"), base, &problems), written);
        EXPECT_TRUE(problems.empty()) << problems.front();
    }
    const std::string file = text(path("cfg/settings.ini"));
    EXPECT_NE(file.find("[display]\n"), std::string::npos);
    EXPECT_NE(file.find("scaling = stretch\n"), std::string::npos);
    EXPECT_NE(file.find("\n; "), std::string::npos);  // every key has its comment
    EXPECT_EQ(file.find("scrmode"), std::string::npos);
}

TEST_F(SettingsTest, DamageAndBadValuesFallBackWithOneMessageEach) {
    struct Case {
        std::string file;
        GameSettings expected;
        std::vector<std::string> messages;  // a piece of each message, in order
    };
    GameSettings quiet;
    quiet.musicVolume = 4;
    GameSettings windowed;
    windowed.fullScreen = false;
    windowed.scaling = Scaling::Fit;
    const Case cases[] = {
        {"", GameSettings{}, {}},
        {"[sound]\nmusic = 4 ; quieter\n", quiet, {}},
        // Keys and values in any case, blanks around them, CR LF lines.
        {"[DISPLAY]\r\nFullScreen=NO\r\n  \r\nscaling =  Fit \r\n", windowed, {}},
        {"[sound]\nmusic = 11\neffects = loud\nmute = maybe\n",
         GameSettings{},
         {":2: [sound] music = \"11\" is not 0 to 10; 10 is used", ":3: [sound] effects = \"loud\"",
          ":4: [sound] mute = \"maybe\" is not yes or no"}},
        {"[sound]\nmusic = 4\nvolume = 3\n[colours]\nsky = blue\n",
         quiet,
         {":3: unknown key \"volume\" in [sound]", ":5: unknown key \"sky\" in [colours]"}},
        {"[display]\nframe_cap = 5\nwindow_width = 100\nscaling = round\n",
         GameSettings{},
         {":2: [display] frame_cap", ":3: [display] window_width", ":4: [display] scaling"}},
        // A line that is no setting: named once (the first), the rest of the file still read.
        {"[sound]\nthis is not ini\nmusic = 4\n[broken\n", quiet, {":2: not a setting"}},
        // Binary rubbish.
        {"\x7f"
         "ELF\x01\x02\x03\n\xff\xfe=\x01\n",
         GameSettings{},
         {":2: unknown key", ":1: not a setting"}},
        // A key far longer than a line inih takes: its line is named, not a piece's.
        {"[sound]\nmusic = 4\n; long\n" + std::string(500, 'k') + " = 1\neffects = 20\n",
         quiet,
         {":4: unknown key", ":5: [sound] effects", ":4: not a setting"}},
    };
    for (const Case& c : cases) {
        writeFile("settings.ini", c.file);
        std::vector<std::string> problems;
        const GameSettings read = readSettingsFile(path("settings.ini"), GameSettings{}, &problems);
        SCOPED_TRACE(c.file);
        EXPECT_EQ(read, c.expected);
        ASSERT_EQ(problems.size(), c.messages.size());
        for (std::size_t i = 0; i < problems.size(); ++i) {
            EXPECT_EQ(problems[i].rfind(path("settings.ini"), 0), 0u) << problems[i];
            EXPECT_NE(problems[i].find(c.messages[i]), std::string::npos) << problems[i];
        }
    }
    // A file that cannot be read (a folder in its place) gives the defaults and one message.
    std::filesystem::create_directories(dir / "folder.ini");
    std::vector<std::string> problems;
    EXPECT_EQ(readSettingsFile(path("folder.ini"), GameSettings{}, &problems), GameSettings{});
    EXPECT_EQ(problems.size(), 1u);
    problems.clear();
    EXPECT_EQ(readSettingsFile(path("missing.ini"), GameSettings{}, &problems), GameSettings{});
    EXPECT_TRUE(problems.empty());
}

TEST_F(SettingsTest, TheFileIsBesideConfigWhenPortableElseInTheConfigurationHome) {
    EXPECT_EQ(settingsFilePath(true, "/games/ravez"), "/games/ravez/settings.ini");
    setenv("XDG_CONFIG_HOME", "/xdg/config", 1);
    EXPECT_EQ(settingsFilePath(false, "/games/ravez"), "/xdg/config/ravez-lensquest/settings.ini");
    setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
    const char* home = std::getenv("HOME");
    if (home) {
        EXPECT_EQ(settingsFilePath(false, "/games/ravez"),
                  std::string(home) + "/.config/ravez-lensquest/settings.ini");
    }
    unsetenv("XDG_CONFIG_HOME");
}

TEST_F(SettingsTest, OneRunSettingsOfTheCommandLineAreNeverWritten) {
    GameSettings stored;
    stored.padPointerSpeed = 3;
    std::string error;
    ASSERT_TRUE(writeSettingsFile(path("settings.ini"), stored, &error));
    writeFile("config.cfg", defaultConfig());
    GameSettingsHost host(path("settings.ini"), path("config.cfg"), dir.string());
    RunOverrides run;
    run.windowed = true;
    run.noPauseWhenAway = true;
    run.padSpeed = 8;
    host.load(run);
    EXPECT_FALSE(host.settings().fullScreen);
    EXPECT_FALSE(host.settings().pauseWhenAway);
    EXPECT_EQ(host.settings().padPointerSpeed, 8);

    // The player changes the music only: the file gets that, and the stored rest.
    GameSettings changed = host.settings();
    changed.musicVolume = 2;
    host.apply(changed);
    EXPECT_EQ(host.settings(), changed);
    ASSERT_TRUE(host.save());
    std::vector<std::string> problems;
    GameSettings expected = stored;
    expected.musicVolume = 2;
    EXPECT_EQ(readSettingsFile(path("settings.ini"), GameSettings{}, &problems), expected);

    // Changing a one-run setting himself makes it his: then it is kept.
    changed.padPointerSpeed = 10;
    host.apply(changed);
    ASSERT_TRUE(host.save());
    expected.padPointerSpeed = 10;
    EXPECT_EQ(readSettingsFile(path("settings.ini"), GameSettings{}, &problems), expected);
    EXPECT_TRUE(problems.empty());
    // config.cfg was not touched: its modes did not change.
    EXPECT_EQ(text(path("config.cfg")), defaultConfig());
}

TEST_F(SettingsTest, ConfigModesAreWrittenInItsOwnRecordsKeepingTheRest) {
    const auto record = [](const std::string& t) {
        std::string r = t;
        r.resize(30, ' ');
        return r + "\r\n";
    };
    struct Case {
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        // The default file: the two records change in place.
        {defaultConfig(), record("; Ravez Lensquest") +
                              record("; scrmode 0..6: 320x240 .. 1600x1200") + record("scrmode=5") +
                              record("detailmode=0") + "end\r\n"},
        // Other records, comments, the spelling of detailmode and what follows "end" stay.
        {record("; mine") + record("DetailMode=1") + record("sound=on") + record("scrmode=2") +
             record("end") + "trailing words",
         record("; mine") + record("detailmode=0") + record("sound=on") + record("scrmode=5") +
             record("end") + "trailing words"},
        // Missing modes are added before the end.
        {record("; nothing") + "end\r\n",
         record("; nothing") + record("scrmode=5") + record("detailmode=0") + "end\r\n"},
        {"", record("scrmode=5") + record("detailmode=0")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(configWithModes(c.before, 5, 0), c.after) << c.before;
        writeFile("config.cfg", c.before);
        std::string error;
        ASSERT_TRUE(writeConfigModes(path("config.cfg"), 5, 0, &error)) << error;
        EXPECT_EQ(text(path("config.cfg")), c.after);
        int mode = 0;
        int detail = 1;
        ReadConfiguration(mode, detail, path("config.cfg").c_str());
        EXPECT_EQ(mode, 5);
        EXPECT_EQ(detail, 0);
    }
    // Through the host: a changed mode reaches config.cfg, settings.ini never holds it.
    writeFile("config.cfg", defaultConfig());
    GameSettingsHost host(path("settings.ini"), path("config.cfg"), dir.string());
    host.load({});
    EXPECT_EQ(host.settings().resolutionMode, 2);
    EXPECT_EQ(host.settings().detailMode, 1);
    GameSettings changed = host.settings();
    changed.resolutionMode = 5;
    changed.detailMode = 0;
    host.apply(changed);
    ASSERT_TRUE(host.save());
    EXPECT_EQ(text(path("config.cfg")), cases[0].after);
    EXPECT_EQ(text(path("settings.ini")).find("scrmode"), std::string::npos);
}

TEST_F(SettingsTest, ApplyReachesTheDisplayAndTheDisplaysOwnSwitchIsKept) {
    platform::HeadlessDisplay display;
    GameSettingsHost host(path("settings.ini"), path("config.cfg"), dir.string());
    host.load({});
    host.attachDisplay(&display);
    GameSettings changed = Unusual();
    host.apply(changed);
    const platform::Presentation& shown = display.presentation();
    EXPECT_FALSE(shown.fullScreen);
    EXPECT_EQ(shown.windowWidth, 1366);
    EXPECT_EQ(shown.windowHeight, 768);
    EXPECT_EQ(shown.scaling, platform::PageScaling::Stretch);
    EXPECT_FALSE(shown.vsync);
    EXPECT_EQ(shown.frameCap, 144);
    EXPECT_EQ(display.padPointerSpeed, 9);
    ASSERT_TRUE(host.save());
    EXPECT_FALSE(host.changedSinceSave());
    // Alt+Enter switches the display itself; the host follows and keeps the switch.
    platform::Presentation switched = shown;
    switched.fullScreen = true;
    display.setPresentation(switched);
    EXPECT_TRUE(host.settings().fullScreen);
    EXPECT_TRUE(host.changedSinceSave());
    host.attachDisplay(nullptr);
}

TEST_F(SettingsTest, AFileThatCannotBeWrittenIsNamedAndTheOldOneStays) {
    writeFile("settings.ini", std::string("[sound]\nmusic = 4\n"));
    // A folder where the temporary file must go.
    std::filesystem::create_directories(dir / "settings.ini.tmp");
    std::string error;
    EXPECT_FALSE(writeSettingsFile(path("settings.ini"), GameSettings{}, &error));
    EXPECT_NE(error.find(path("settings.ini")), std::string::npos);
    EXPECT_EQ(text(path("settings.ini")), "[sound]\nmusic = 4\n");
}

}  // namespace

namespace {

class SettingsRun : public GameRun {};

TEST_F(SettingsRun, TheMKeyMutesIsKeptAndNeverReachesTheGame) {
    // The menu, a new game on the map, M pressed there: the sound goes off for good, and the
    // command line's one-run settings stay out of the file.
    const std::string script = "frames 1\n" + click(txt::kNewGame) + until(1, 10) + "frames 3\n";
    // Three presses in one frame: off, on, off.
    ASSERT_EQ(play(script + "key m\nkey m\nkey m\nframes 2\n",
                   {"--no-pause-when-away", "--pad-speed", "9"}),
              0);
    const std::vector<uint8_t> pressed = dump_;
    const std::string ini = workDir + "/settings.ini";
    std::vector<std::string> problems;
    GameSettings expected;
    expected.mute = true;
    EXPECT_EQ(readSettingsFile(ini, GameSettings{}, &problems), expected);
    EXPECT_TRUE(problems.empty());
    const auto written = std::filesystem::last_write_time(ini);

    // The same run without the key (each press is a frame of its own): the same record, and
    // the file left as it was.
    ASSERT_EQ(play(script + "frames 3\nframes 2\n"), 0);
    EXPECT_EQ(dump_, pressed);
    EXPECT_EQ(std::filesystem::last_write_time(ini), written);
}

}  // namespace
