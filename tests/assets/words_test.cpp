// The kit's languages: a pass chooses the words, the watch notices only real translations, pools
// are drawn a second time only where words differ, and the language folder keeps only files
// that differ from the shared ones.

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "tests/support/test_env.h"
#include "tools/assetgen/output.h"
#include "tools/assetgen/words.h"

namespace {

using gen::Language;

TEST(AssetWords, APassChoosesTheWordsAndTheWatchSeesOnlyTranslations) {
    EXPECT_EQ(gen::CurrentLanguage(), Language::German);
    EXPECT_STREQ(gen::Say("JA", "YES"), "JA");
    {
        const gen::LanguagePass english(Language::English);
        EXPECT_STREQ(gen::Say("JA", "YES"), "YES");
        {
            const gen::LanguagePass german(Language::German);
            EXPECT_STREQ(gen::Say("JA", "YES"), "JA");
        }
        EXPECT_EQ(gen::CurrentLanguage(), Language::English);
        // Other threads draw in their own language.
        Language other = Language::English;
        std::thread([&] { other = gen::CurrentLanguage(); }).join();
        EXPECT_EQ(other, Language::German);
    }
    EXPECT_EQ(gen::CurrentLanguage(), Language::German);

    const gen::WordWatch outer;
    {
        const gen::WordWatch names;
        gen::Say("RAVEZ", "RAVEZ");  // a name stays: nothing to translate
        EXPECT_FALSE(names.SawTranslatedWords());
    }
    EXPECT_FALSE(outer.SawTranslatedWords());
    const gen::WordWatch inner;
    gen::Say("ENDE", "QUIT");
    EXPECT_TRUE(inner.SawTranslatedWords());
    EXPECT_TRUE(outer.SawTranslatedWords());
}

TEST(AssetWords, PoolsAreDrawnAgainOnlyWherePicturesCarryTranslatedWords) {
    int englishDraws = 0;
    const gen::ChunksInTwoLanguages chunks = gen::PicturesInBothLanguages(4, [&](int k) {
        gen::Canvas c(24, 8, gen::Hex(0x204060), 255);
        if (gen::CurrentLanguage() == Language::English) ++englishDraws;
        if (k == 1) c.Text(0, 0, gen::Say("JA", "YES"), 1, gen::Hex(0xFFFFFF));
        if (k == 2) c.Text(0, 0, gen::Say("OK", "OK"), 1, gen::Hex(0xFFFFFF));
        return c;
    });
    ASSERT_EQ(chunks.german.size(), 4u);
    ASSERT_EQ(chunks.english.size(), 4u);
    EXPECT_EQ(englishDraws, 1);
    EXPECT_EQ(chunks.german[0], chunks.english[0]);
    EXPECT_NE(chunks.german[1], chunks.english[1]);
    EXPECT_EQ(chunks.german[2], chunks.english[2]);
    EXPECT_EQ(chunks.german[3], chunks.english[3]);
    EXPECT_EQ(gen::CurrentLanguage(), Language::German);
}

class AssetOutputTest : public EngineTest {
  protected:
    std::string Read(const std::string& relative) {
        std::ifstream in(dir / "out" / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(AssetOutputTest, TheLanguageFolderKeepsOnlyFilesThatDiffer) {
    const gen::Output out(dir / "out");
    const gen::Bytes german = {1, 2, 3}, english = {1, 2, 4};
    ASSERT_TRUE(out.WriteBoth("tgp/a.tgp", german, english));
    EXPECT_EQ(Read("tgp/a.tgp"), std::string("\1\2\3"));
    EXPECT_EQ(Read("uk/tgp/a.tgp"), std::string("\1\2\4"));
    // The words went away: the English file of the earlier run goes too.
    ASSERT_TRUE(out.WriteBoth("tgp/a.tgp", german, german));
    EXPECT_FALSE(std::filesystem::exists(dir / "out/uk/tgp/a.tgp"));
    EXPECT_EQ(Read("tgp/a.tgp"), std::string("\1\2\3"));

    // A file written straight into the language folder (a movie) stays only when it differs.
    ASSERT_TRUE(out.Write("movies/m.avi", german));
    ASSERT_TRUE(out.Write(gen::EnglishPath("movies/m.avi"), german));
    EXPECT_TRUE(out.KeepEnglishIfDifferent("movies/m.avi"));
    EXPECT_FALSE(std::filesystem::exists(dir / "out/uk/movies/m.avi"));
    ASSERT_TRUE(out.Write(gen::EnglishPath("movies/m.avi"), english));
    EXPECT_TRUE(out.KeepEnglishIfDifferent("movies/m.avi"));
    EXPECT_TRUE(std::filesystem::exists(dir / "out/uk/movies/m.avi"));
    EXPECT_FALSE(out.KeepEnglishIfDifferent("movies/missing.avi"));
}

}  // namespace
