// The command line and the working directory a player's files go to.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "engine/resources/config.h"
#include "game/app/options.h"
#include "tests/support/test_env.h"

namespace {

class OptionsTest : public EngineTest {};

bool parse(std::vector<std::string> args, Options* o, std::string* error) {
    args.insert(args.begin(), "game");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    return parseOptions(static_cast<int>(argv.size()), argv.data(), o, error);
}

TEST_F(OptionsTest, CommandLine) {
    Options o;
    std::string error;
    ASSERT_TRUE(
        parse({"--data", "d", "--script", "s", "--frame-ms", "40", "--skip-movies"}, &o, &error));
    EXPECT_EQ(o.dataDir, "d");
    EXPECT_TRUE(o.headless);  // scripts play headless
    EXPECT_EQ(o.frameMs, 40);
    EXPECT_TRUE(o.skipMovies);
    EXPECT_EQ(o.padSpeed, 5);
    ASSERT_TRUE(parse({"--pad-speed", "10"}, &o, &error));
    EXPECT_EQ(o.padSpeed, 10);
    for (const char* speed : {"0", "11", "3x", ""}) {
        EXPECT_FALSE(parse({"--pad-speed", speed}, &o, &error)) << speed;
        EXPECT_NE(error.find("--pad-speed"), std::string::npos);
    }
    EXPECT_FALSE(parse({"--frame-ms", "0"}, &o, &error));
    EXPECT_FALSE(parse({"--data"}, &o, &error));
    EXPECT_FALSE(parse({"--fly"}, &o, &error));
    EXPECT_NE(error.find("--fly"), std::string::npos);
}

TEST_F(OptionsTest, FirstStartMakesTheDataHomeWithAConfigTheGameReads) {
    const std::string home = (dir / "xdg").string();
    ASSERT_EQ(setenv("XDG_DATA_HOME", home.c_str(), 1), 0);
    const std::string chosen = chooseWorkDir(Options{});
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(chosen, home + "/ravez-lensquest");
    EXPECT_TRUE(std::filesystem::is_directory(chosen + "/sav"));
    EXPECT_TRUE(std::filesystem::is_directory(chosen + "/fotos"));
    int mode = 0;
    int detail = 0;
    ReadConfiguration(mode, detail, (chosen + "/config.cfg").c_str());
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(detail, 1);
}

TEST_F(OptionsTest, ConfigInTheCurrentDirectoryMeansPortable) {
    writeFile("config.cfg", defaultConfig());
    EXPECT_EQ(chooseWorkDir(Options{}), std::filesystem::current_path().string());
    Options o;
    o.workDir = (dir / "elsewhere").string();
    EXPECT_EQ(chooseWorkDir(o), o.workDir);
    EXPECT_TRUE(fileExists("elsewhere/config.cfg"));
}

}  // namespace
