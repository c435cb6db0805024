#include <string>

#include "engine/resources/config.h"
#include "tests/support/test_env.h"

namespace {

// One 32-byte record: the text, blanks up to byte 30, then CR LF.
std::string record(const std::string& text) {
    std::string r = text;
    r.resize(30, ' ');
    return r + "\r\n";
}

class ConfigTest : public EngineTest {
  protected:
    void read(const std::string& content) {
        writeFile("config.cfg", content);
        ReadConfiguration(resolution, detail);
    }
    int resolution = 99;
    int detail = 0;
};

TEST_F(ConfigTest, MissingFileKeepsTheDefaults) {
    detail = 7;
    ReadConfiguration(resolution, detail);
    EXPECT_EQ(resolution, kResolutionModeNotGiven);
    EXPECT_EQ(detail, 7);
}

TEST_F(ConfigTest, ReadsModesSkipsCommentsAndStopsAtEnd) {
    read(record("; resolution") + record("scrmode=2") + record("detailmode=1") + "end\r\n");
    EXPECT_EQ(resolution, 2);
    EXPECT_EQ(detail, 1);
}

TEST_F(ConfigTest, DetailKeyIgnoresCaseButScreenKeyDoesNot) {
    read(record("DETAILMODE=1") + record("SCRMODE=1") + "end");
    EXPECT_EQ(detail, 1);
    EXPECT_EQ(resolution, kResolutionModeNotGiven);
}

TEST_F(ConfigTest, RecordsAfterEndAreNotRead) {
    read(record("scrmode=3") + record("end") + record("scrmode=5"));
    EXPECT_EQ(resolution, 3);
}

TEST_F(ConfigTest, FileWithoutEndIsReadToItsEndAndAShortTailIsIgnored) {
    read(record("scrmode=4") + record("unknown=1") + record("detailmode=1") + "scrmode=6");
    EXPECT_EQ(resolution, 4);
    EXPECT_EQ(detail, 1);
}

TEST_F(ConfigTest, DigitIsTakenAsItStands) {
    read(record("scrmode=9"));
    EXPECT_EQ(resolution, 9);
    read(record("scrmode=x"));
    EXPECT_EQ(resolution, 'x' - '0');
}

TEST_F(ConfigTest, NameIsMatchedIgnoringCaseOnDisk) {
    writeFile("CONFIG.CFG", record("scrmode=1"));
    ReadConfiguration(resolution, detail);
    EXPECT_EQ(resolution, 1);
}

}  // namespace
