// Two runs of the generator write the same bytes (a quick subset of the parts; the movies and
// loops go through the same seeded code paths).

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <thread>

#include <sys/wait.h>

#include "tests/support/test_env.h"

namespace {

std::map<std::string, std::string> Contents(const std::filesystem::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[std::filesystem::relative(entry.path(), root).string()] =
            std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

int Generate(const std::string& dir, const std::string& parts) {
    const std::string command =
        std::string(ASSETGEN_PATH) + " " + dir + " --only " + parts + " > /dev/null 2>&1";
    return std::system(command.c_str());
}

class AssetgenTest : public EngineTest {};

TEST_F(AssetgenTest, TwoRunsWriteTheSameBytes) {
    const std::string parts = "location,sets,sound,font,launcher,config";
    // Both at once: the two runs must not disturb each other either, and the test takes half
    // the time.
    int firstStatus = -1;
    std::thread other([&] { firstStatus = Generate("first", parts); });
    const int secondStatus = Generate("second", parts);
    other.join();
    ASSERT_EQ(firstStatus, 0);
    ASSERT_EQ(secondStatus, 0);
    const auto first = Contents(dir / "first");
    const auto second = Contents(dir / "second");
    ASSERT_GE(first.size(), 8u);
    EXPECT_TRUE(first.count("tgp/location.tgp"));
    EXPECT_TRUE(first.count("uk/tgp/location.tgp"));
    EXPECT_TRUE(first.count("font/font.tff"));
    for (const auto& [name, bytes] : first) {
        ASSERT_TRUE(second.count(name)) << name;
        EXPECT_TRUE(bytes == second.at(name)) << name << " differs between runs";
    }
}

// Runs the generator with `arguments`; its exit status, what it printed and what it wrote.
struct ToolRun {
    int status = -1;
    std::string out, err;
};

ToolRun RunTool(const std::filesystem::path& dir, const std::string& arguments) {
    const std::filesystem::path out = dir / "stdout.txt", err = dir / "stderr.txt";
    const std::string command = std::string("'") + ASSETGEN_PATH + "' " + arguments + " > '" +
                                out.string() + "' 2> '" + err.string() + "'";
    ToolRun run;
    const int status = std::system(command.c_str());
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream o(out), e(err);
    run.out.assign(std::istreambuf_iterator<char>(o), {});
    run.err.assign(std::istreambuf_iterator<char>(e), {});
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

bool Empty(const std::filesystem::path& dir) {
    return std::filesystem::is_empty(dir);
}

TEST_F(AssetgenTest, HelpPrintsUsageAndWritesNothing) {
    for (const char* arguments : {"--help", "-h", "out --help", "--only location -h"}) {
        const ToolRun run = RunTool(dir, arguments);
        EXPECT_EQ(run.status, 0) << arguments;
        EXPECT_NE(run.out.find("usage: assetgen OUTDIR"), std::string::npos) << arguments;
        EXPECT_TRUE(run.err.empty()) << arguments;
        EXPECT_TRUE(Empty(dir)) << arguments << " wrote something";
    }
}

TEST_F(AssetgenTest, WrongArgumentsExitWithTwoAndUsageOnStderr) {
    for (const char* arguments :
         {"", "out --bogus", "--bogus", "-out", "out --only", "out --only location,nonsense",
          "out extra", "--contact-sheet", "--contact-sheet sheet.bmp --bogus"}) {
        const ToolRun run = RunTool(dir, arguments);
        EXPECT_EQ(run.status, 2) << "'" << arguments << "'";
        EXPECT_NE(run.err.find("usage: assetgen OUTDIR"), std::string::npos) << arguments;
        EXPECT_TRUE(run.out.empty()) << arguments;
        EXPECT_TRUE(Empty(dir)) << arguments << " wrote something";
    }
}

}  // namespace
