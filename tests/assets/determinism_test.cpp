// Two runs of the generator write the same bytes (a quick subset of the parts; the movies and
// loops go through the same seeded code paths).

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

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
    ASSERT_EQ(Generate("first", parts), 0);
    ASSERT_EQ(Generate("second", parts), 0);
    const auto first = Contents(dir / "first");
    const auto second = Contents(dir / "second");
    ASSERT_GE(first.size(), 8u);
    EXPECT_TRUE(first.count("tgp/location.tgp"));
    EXPECT_TRUE(first.count("font/font.tff"));
    for (const auto& [name, bytes] : first) {
        ASSERT_TRUE(second.count(name)) << name;
        EXPECT_TRUE(bytes == second.at(name)) << name << " differs between runs";
    }
}

TEST_F(AssetgenTest, RefusesAnUnknownOption) {
    EXPECT_NE(std::system((std::string(ASSETGEN_PATH) + " out --bogus > /dev/null 2>&1").c_str()),
              0);
    EXPECT_NE(std::system((std::string(ASSETGEN_PATH) + " > /dev/null 2>&1").c_str()), 0);
}

}  // namespace
