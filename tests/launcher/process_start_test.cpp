// Starting game builds by name: the probe program built beside this test program, shell
// scripts on PATH, and names that cannot be started.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <unistd.h>
#include <chrono>
#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "engine/platform/process_start.h"
#include "tests/support/test_env.h"

namespace {

constexpr const char* kProbe = "launcher_start_probe";

class ProcessStartTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        const char* path = std::getenv("PATH");
        savedPath = path ? path : "";
    }
    void TearDown() override {
        ::setenv("PATH", savedPath.c_str(), 1);
        EngineTest::TearDown();
    }

    // A shell script in the folder "bin" of the working directory, put first on PATH.
    void writeScriptOnPath(const std::string& name, const std::string& body) {
        const std::string path = (dir / "bin" / name).string();
        writeFile("bin/" + name, "#!/bin/sh\n" + body + "\n");
        ::chmod(path.c_str(), 0755);
        ::setenv("PATH", ((dir / "bin").string() + ":" + savedPath).c_str(), 1);
    }

    // Lines of a file written by a started program; waits (boundedly) until there are enough.
    std::vector<std::string> waitForLines(const std::string& file, std::size_t count) {
        std::vector<std::string> lines;
        for (int tries = 0; tries < 500; ++tries) {
            lines.clear();
            std::ifstream in(file);
            for (std::string line; std::getline(in, line);) lines.push_back(line);
            if (lines.size() >= count) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return lines;
    }

    std::string savedPath;
};

// Children of this process that have ended but were never waited for.
int ZombieChildren() {
    int zombies = 0;
    const std::string self = std::to_string(::getpid());
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream in(entry.path() / "stat");
        std::string stat;
        if (!in || !std::getline(in, stat)) continue;
        // "pid (name) state ppid ...": the name may hold blanks, so read after its ')'.
        const std::size_t close = stat.rfind(')');
        if (close == std::string::npos) continue;
        std::istringstream rest(stat.substr(close + 1));
        std::string state, parent;
        rest >> state >> parent;
        if (parent == self && state == "Z") ++zombies;
    }
    return zombies;
}

TEST_F(ProcessStartTest, ProgramBesideTheStarterStartsWithoutArgumentsEachTimeAsked) {
    const std::string found = platform::FindProgram(kProbe);
    ASSERT_FALSE(found.empty()) << "the probe is built beside the test program";
    EXPECT_EQ(found.substr(found.rfind('/') + 1), kProbe);

    ASSERT_TRUE(platform::StartProgram(kProbe));
    ASSERT_TRUE(platform::StartProgram(kProbe));
    const auto lines = waitForLines("started.txt", 2);
    EXPECT_EQ(lines, (std::vector<std::string>{"started with 0", "started with 0"}));

    // The finished probes are reaped without anyone waiting for them.
    int zombies = ZombieChildren();
    for (int tries = 0; tries < 500 && zombies > 0; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        zombies = ZombieChildren();
    }
    EXPECT_EQ(zombies, 0);
}

TEST_F(ProcessStartTest, OwnDirectoryComesBeforePath) {
    writeScriptOnPath(kProbe, "echo from-path >> started.txt");
    const std::string found = platform::FindProgram(kProbe);
    EXPECT_EQ(found.find((dir / "bin").string()), std::string::npos) << found;
}

TEST_F(ProcessStartTest, ProgramsOnPathAreFoundByTheUsualRule) {
    writeScriptOnPath("game_de", "echo \"de $#\" >> started.txt");
    EXPECT_EQ(platform::FindProgram("game_de"), (dir / "bin" / "game_de").string());
    ASSERT_TRUE(platform::StartProgram("game_de"));
    EXPECT_EQ(waitForLines("started.txt", 1), (std::vector<std::string>{"de 0"}));

    // A file of that name that may not be run is passed over.
    writeFile("bin/game_uk", "#!/bin/sh\n");
    EXPECT_EQ(platform::FindProgram("game_uk"), "");
}

TEST_F(ProcessStartTest, ProgramThatCannotBeStartedSaysWhyOnStderr) {
    ::setenv("PATH", (dir / "nothing-here").string().c_str(), 1);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(platform::StartProgram("game_uk"));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("cannot start game_uk"), std::string::npos) << said;

    // Found but not a program the system can run.
    writeFile("broken", std::string("\x7f"
                                    "ELF garbage"));
    ::chmod((dir / "broken").string().c_str(), 0755);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(platform::StartProgram((dir / "broken").string()));
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("cannot start"), std::string::npos);
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
