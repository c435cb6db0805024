// The English files of the data set: only pictures and movies whose words differ are in the
// language folder, each beside a shared file of the same name; and no folder holds two names
// that a file system ignoring case would take for one.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "engine/video/movie_player.h"
#include "game/asset_table.h"
#include "tests/assets/data_test_support.h"

namespace {

namespace fs = std::filesystem;

const fs::path kData = RAVEZ_DATA_DIR;

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string Contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(DataSetFolders, NoFolderHoldsTwoNamesDifferingOnlyInCase) {
    ASSERT_TRUE(fs::is_directory(kData / "tap"));
    int folders = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kData)) {
        if (!entry.is_directory() && entry.path() != kData) continue;
        std::map<std::string, std::string> seen;
        for (const auto& inside : fs::directory_iterator(entry.path())) {
            const std::string name = inside.path().filename().string();
            const auto [it, fresh] = seen.emplace(Lower(name), name);
            EXPECT_TRUE(fresh) << entry.path() << " holds " << it->second << " and " << name;
        }
        ++folders;
    }
    EXPECT_GE(folders, 8);
    // The loops the game names "TAP\..." live beside the sound pool "tap\sound.tap".
    EXPECT_TRUE(fs::exists(kData / "tap" / "sound.tap"));
    EXPECT_TRUE(fs::exists(kData / "tap" / "map01.wav"));
}

TEST(DataSetFolders, EveryEnglishFileHasADifferentSharedCounterpart) {
    ASSERT_TRUE(fs::is_directory(kData / "uk"));
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kData / "uk")) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), kData / "uk");
        const fs::path shared = kData / relative;
        ASSERT_TRUE(fs::is_regular_file(shared)) << relative << " has no shared file";
        EXPECT_NE(Contents(entry.path()), Contents(shared)) << relative << " is a needless copy";
        ++files;
    }
    EXPECT_GE(files, 12);
    // Pictures and movies without words are shared.
    for (const char* same : {"tgp/sets.tgp", "movies/intro.avi", "movies/tvlogo.avi",
                             "tap/sound.tap", "font/font.tff", "IMAGES/BACK.BMP"})
        EXPECT_FALSE(fs::exists(kData / "uk" / same)) << same;
    for (const char* words : {"tgp/location.tgp", "tgp/beach01.tgp", "tgp/beach10.tgp",
                              "movies/intro02.avi", "movies/scan.avi", "movies/secret1e.avi"})
        EXPECT_TRUE(fs::exists(kData / "uk" / words)) << words;
}

class EnglishPoolTest : public DataSetTest {
  protected:
    static constexpr int kGerman = kLocationPoolSlot, kEnglish = kBeachPoolSlot;

    // Opens the shared pool and its English counterpart.
    void Open(const std::string& name) {
        ASSERT_EQ(OpenPicturePool(kGerman, name.c_str()), 1);
        ASSERT_EQ(OpenPicturePool(kEnglish, ("uk\\" + name).c_str()), 1);
        ASSERT_EQ(PicturePoolChunks(kGerman), PicturePoolChunks(kEnglish));
    }
    bool Same(int n) {
        Picture german, english;
        EXPECT_TRUE(LoadPicture(PicturePool(kGerman), n, &german)) << n;
        EXPECT_TRUE(LoadPicture(PicturePool(kEnglish), n, &english)) << n;
        EXPECT_EQ(german.width, english.width) << n;
        EXPECT_EQ(german.height, english.height) << n;
        return german.pixels == english.pixels;
    }
};

TEST_F(EnglishPoolTest, LocationPicturesDifferExactlyWhereTheyCarryWords) {
    Open(assets::kLocationPool);
    // Translated words.
    for (int n : {assets::kPicMenuNewGame, assets::kPicMenuLoad, assets::kPicMenuQuit,
                  assets::kPicMapEndDay, assets::kPicConfirmYes, assets::kPicConfirmNo,
                  assets::kPicToRoom, assets::kPicRentRoom, assets::kPicComputerBack,
                  assets::kPicSaveScreen, assets::kPicLoadScreen, assets::kPicMenuBackground,
                  assets::kPicLobbyDay[0], assets::kPicHospitalDay, assets::kPicGate[0],
                  assets::kPicPreviewVipBeach[0], assets::kPicNewsOrder[0]})
        EXPECT_FALSE(Same(n)) << "picture " << n << " keeps its German words";
    // No words, or names that stay.
    for (int n : {assets::kPicMenuIntro, assets::kPicMap, assets::kPicMapBeach, assets::kPicMapSave,
                  assets::kPicMapLoad, assets::kPicMapMenu, assets::kPicMessageOk,
                  assets::kPicCursor, assets::kPicTownDay, assets::kPicHotelDay[1],
                  assets::kPicPreviewHotel[1], assets::kPicApartment})
        EXPECT_TRUE(Same(n)) << "picture " << n << " has no words to translate";
}

TEST_F(EnglishPoolTest, BeachPanelsDifferOnlyInTheLabelledButtons) {
    for (int beach : {1, 7}) {
        char name[32];
        std::snprintf(name, sizeof name, assets::kBeachPoolFormat, beach);
        Open(name);
        EXPECT_TRUE(Same(assets::kBeachDay));
        EXPECT_TRUE(Same(assets::kBeachNight));
        EXPECT_TRUE(Same(assets::kBeachPanel));
        for (const assets::BeachButton& b : assets::kBeachButtons) {
            const bool labelled =
                std::string(b.what) == "flash" || std::string(b.what) == "camouflage" ||
                std::string(b.what) == "balance" || std::string(b.what) == "clock";
            EXPECT_EQ(Same(b.entry), !labelled) << b.what;
            if (b.activeEntry >= 0) {
                EXPECT_EQ(Same(b.activeEntry), !labelled) << b.what;
            }
        }
    }
}

TEST_F(DataSetTest, EnglishMoviesPlayLikeTheGermanOnes) {
    MoviePlayer player(nullptr);
    player.SetShowErrors(0);
    for (const char* name : {"uk\\movies\\intro02.avi", "uk\\movies\\secret3e.avi"}) {
        ASSERT_EQ(player.Open(name, 0, MovieRect{}), 1) << name;
        const MovieInfo english = player.Information();
        player.Close();
        ASSERT_EQ(player.Open(name + 3, 0, MovieRect{}), 1) << name + 3;
        const MovieInfo german = player.Information();
        player.Close();
        EXPECT_EQ(english.width, german.width) << name;
        EXPECT_EQ(english.frames, german.frames) << name;
    }
}

}  // namespace
