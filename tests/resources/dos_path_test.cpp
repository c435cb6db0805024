#include <filesystem>

#include "engine/base/dos_path.h"
#include "tests/support/test_env.h"

namespace {

class DosPathTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        writeFile("TAP/Map01.WAV", "wave");
        writeFile("tgp/location.tgp", "pool");
        std::filesystem::create_directories("Sav");
    }
};

TEST_F(DosPathTest, BackslashesBecomeSlashesAndExactNamesStay) {
    EXPECT_EQ(ResolveDosPath("tgp\\location.tgp"), "tgp/location.tgp");
    EXPECT_EQ(ResolveDosPath("TAP/Map01.WAV"), "TAP/Map01.WAV");
}

TEST_F(DosPathTest, EachComponentMatchesIgnoringCase) {
    EXPECT_EQ(ResolveDosPath("tap\\map01.wav"), "TAP/Map01.WAV");
    EXPECT_EQ(ResolveDosPath("TGP\\LOCATION.TGP"), "tgp/location.tgp");
}

TEST_F(DosPathTest, NewFilesTakeTheDirectoryCaseAndTheirOwnName) {
    EXPECT_EQ(ResolveDosPath("sav\\GAME01"), "Sav/GAME01");
    EXPECT_EQ(ResolveDosPath("fotos\\foto0001.bmp"), "fotos/foto0001.bmp");
    EXPECT_EQ(ResolveDosPath("newfile.dat"), "newfile.dat");
}

TEST_F(DosPathTest, AbsolutePathsAreResolvedFromTheRoot) {
    const std::string upper = dir.string() + "\\tap\\MAP01.wav";
    EXPECT_EQ(ResolveDosPath(upper), dir.string() + "/TAP/Map01.WAV");
}

TEST_F(DosPathTest, SeveralMatchesPickTheAlphabeticallyFirst) {
    writeFile("twin/a.txt", "1");
    writeFile("TWIN/a.txt", "2");
    EXPECT_EQ(ResolveDosPath("Twin\\A.TXT"), "TWIN/a.txt");
}

TEST_F(DosPathTest, CaseInsensitiveEqualityIsAsciiOnly) {
    EXPECT_TRUE(EqualsIgnoringCase("QRX", "qrx"));
    EXPECT_FALSE(EqualsIgnoringCase("QRX", "QRY"));
    EXPECT_FALSE(EqualsIgnoringCase("\x81", "\x9A"));  // no code-page folding
    EXPECT_FALSE(EqualsIgnoringCase("ab", "abc"));
}

}  // namespace
