// Damaged data files, as a player meets them: the built programs run on a data set written by
// our own pool code (and on the generated set), with damaged copies beside it. Every damaged
// file is named, once, in the build's language; a location pool that cannot serve the menu
// ends the game with exit code 1, a damaged beach leads back to the map, and --check-data and
// `pooltool check` name every damaged file.

#include <gmock/gmock.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/resources/little_endian.h"
#include "engine/resources/pool/pool_class.h"
#include "game/asset_table.h"
#include "game/state/scene_ids.h"
#include "tests/e2e/game_run.h"
#include "tests/support/test_env.h"
#include "texts/texts.h"

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

using Bytes8 = std::vector<uint8_t>;

class DamagedData : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        data = dir / "data";
        work = dir / "work";
        writeSmallDataSet(data.string());
        fs::create_directories(work);
    }

    // Runs a command in the test's folder; its exit code, stdout and stderr in `output`.
    int run(const std::string& command) {
        const fs::path log = dir / "run.log";
        const std::string line = "cd '" + dir.string() + "' && env -u RAVEZ_DATA " + command +
                                 " >'" + log.string() + "' 2>&1";
        const int status = std::system(line.c_str());
        std::ifstream in(log);
        std::stringstream text;
        text << in.rdbuf();
        output = text.str();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    int play(const char* game, const std::string& script, const fs::path& dataDir) {
        writeFile("play.script", script);
        return run(std::string(game) + " --script play.script --skip-movies --data '" +
                   dataDir.string() + "' --workdir '" + work.string() + "'");
    }
    int count(const std::string& text) const {
        int n = 0;
        for (std::size_t at = output.find(text); at != std::string::npos;
             at = output.find(text, at + 1))
            ++n;
        return n;
    }

    // A pool file's chunk offsets, through its index.
    static std::vector<uint32_t> index(const Bytes8& file) {
        const unsigned chunks = LoadLE16(file.data() + 6);
        std::vector<uint32_t> offsets;
        for (unsigned i = 0; i < chunks; ++i)
            offsets.push_back(LoadLE32(file.data() + file.size() - 4 * (chunks - i)));
        return offsets;
    }
    static Bytes8 chunk(const Bytes8& file, int n) {
        const uint32_t at = index(file).at(static_cast<std::size_t>(n));
        return Bytes8(file.begin() + at, file.begin() + at + LoadLE32(file.data() + at - 6));
    }
    // A copy of a pool of the set with its bytes changed, written where `to` says.
    void damage(const fs::path& from, const fs::path& to, const std::function<void(Bytes8&)>& how) {
        Bytes8 file = readFile(from.string());
        how(file);
        fs::create_directories(to.parent_path());
        writeFile(to.string(), file);
    }
    // A picture pool written by the pool editor: the chunks of a pool of the set, some replaced.
    void rewrite(const fs::path& from, const fs::path& to, int chunks,
                 const std::vector<std::pair<int, Bytes8>>& replaced = {}) {
        const Bytes8 file = readFile(from.string());
        fs::create_directories(to.parent_path());
        const std::string name = to.string();
        ASSERT_EQ(PoolEditor().Create(name.c_str(), assets::kPicturePoolKind, 0), 1);
        for (int n = 0; n < chunks; ++n) {
            Bytes8 bytes = chunk(file, n);
            for (const auto& [k, instead] : replaced)
                if (k == n) bytes = instead;
            ASSERT_EQ(PoolEditor().AppendChunks(name.c_str(), static_cast<uint32_t>(bytes.size()),
                                                bytes.data(), 1, assets::kPicturePoolKind),
                      1);
        }
    }

    fs::path data;
    fs::path work;
    std::string output;
};

void patch32(Bytes8& file, std::size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A word-run picture whose last run goes 20 pixels past its end.
Bytes8 overfilledPicture() {
    Bytes b;
    b.text("TBF").u8(0).u16(16).u16(2).u32(4 * 2 * 2).u16(4).u16(2).s16(28).u16(0x07E0);
    return b.data;
}
// A picture whose header promises far more than its chunk holds.
Bytes8 picturePromisingTooMuch() {
    Bytes b;
    b.text("TBF").u8(0).u16(16).u16(0).u32(640 * 480 * 2).u16(640).u16(480).u32(0);
    return b.data;
}

std::string start() {
    return "frames 1\n" + click(txt::kNewGame) + until(kSceneMap, 20);
}

TEST_F(DamagedData, ALocationPoolOneByteShortIsNamedAndTheGameEndsWithExitCodeOne) {
    damage(data / "tgp" / "location.tgp", data / "tgp" / "location.tgp",
           [](Bytes8& file) { file.pop_back(); });
    for (const char* game : {RAVEZ_GAME_UK, RAVEZ_GAME_DE}) {
        const bool german = game == std::string(RAVEZ_GAME_DE);
        EXPECT_EQ(run(std::string(game) + " --headless --skip-movies --data '" + data.string() +
                      "' --workdir '" + work.string() + "'"),
                  1)
            << output;
        // The menu's picture, in the build's words, and why the game stops.
        EXPECT_THAT(output, HasSubstr((data / "tgp" / "location.tgp").string() +
                                      (german ? ": Chunk 1 " : ": chunk 1 ")))
            << output;
        EXPECT_THAT(output, HasSubstr(german ? "Ohne diese Datei kann das Spiel nicht starten."
                                             : "The game cannot start without this file."));
        EXPECT_EQ(count("location.tgp"), 1) << output;
    }
}

// A beach whose pools are damaged is not entered: the map comes back with the pool named, and
// the other beaches are still there.
TEST_F(DamagedData, ADamagedBeachPoolIsNamedAndTheMapComesBack) {
    struct Case {
        const char* what;
        std::function<void()> make;
        std::string named;
    };
    const fs::path beach = work / "tgp" / "beach01.tgp";
    const fs::path sets = work / "tgp" / "sets.tgp";
    const std::vector<Case> cases = {
        {"a chunk table pointing past the end",
         [&] {
             damage(data / "tgp" / "beach01.tgp", beach, [](Bytes8& f) {
                 patch32(f, f.size() - 4 * (assets::kBeachEntries - 17), uint32_t(f.size()));
             });
         },
         beach.string() + ": chunk 17 lies past the end of the file"},
        {"cut short",
         [&] {
             damage(data / "tgp" / "beach01.tgp", beach, [](Bytes8& f) { f.resize(f.size() / 2); });
         },
         beach.string() + ": chunk "},
        {"no leave button", [&] { rewrite(data / "tgp" / "beach01.tgp", beach, 11); },
         beach.string() + ": has no chunk 11"},
        {"a visitor that is no picture",
         [&] {
             damage(data / "tgp" / "sets.tgp", sets, [](Bytes8& f) { f[index(f).at(3)] = 'X'; });
         },
         sets.string() + ": chunk 3 is not a picture"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(work / "tgp");
        c.make();
        const std::string script = start() + click(txt::kBeachNames[0]) + "frames 3\n" +
                                   "expect-scene 1\n" + click(txt::kBeachNames[0]) +
                                   "frames 3\nexpect-scene 1\n";
        EXPECT_EQ(play(RAVEZ_GAME_UK, script, data), 0) << output;
        EXPECT_THAT(output, HasSubstr(c.named)) << output;
        // Named on each try, and nothing else is.
        EXPECT_EQ(count(c.named), 2) << output;
        EXPECT_EQ(count(".tgp"), 2) << output;
    }
    // A whole beach is entered as ever.
    fs::remove_all(work / "tgp");
    EXPECT_EQ(play(RAVEZ_GAME_UK, start() + click(txt::kBeachNames[2]) + until(kSceneBeach3), data),
              0)
        << output;
}

// A damaged picture is named once for its pool, however often it is drawn: the map's picture
// is freed on every visit of the town and read again on the way back.
TEST_F(DamagedData, ADamagedPictureIsNamedOnceNamingThePoolAndTheChunk) {
    struct Case {
        const char* what;
        Bytes8 picture;
        std::string named;
    };
    const fs::path pool = work / "tgp" / "location.tgp";
    const Case cases[] = {
        {"data that run past the picture", overfilledPicture(),
         pool.string() + ": chunk 2: the picture data run past the picture"},
        {"sizes the chunk cannot hold", picturePromisingTooMuch(),
         pool.string() + ": chunk 2: the picture's sizes do not fit its data"},
    };
    std::string tour = start();
    for (int visit = 0; visit < 3; ++visit)
        tour += click(txt::kRavezShop) + until(kSceneTownStreet) + click(txt::kToMap) +
                until(kSceneMap);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(work / "tgp");
        rewrite(data / "tgp" / "location.tgp", pool, assets::kLocationPictureCount,
                {{assets::kPicMap, c.picture}});
        EXPECT_EQ(play(RAVEZ_GAME_UK, tour, data), 0) << output;
        EXPECT_EQ(count(c.named), 1) << output;
        EXPECT_EQ(count("location.tgp"), 1) << output;
        EXPECT_LE(count("Heap corrupted"), 1) << output;
    }
}

// The built-in font draws every text instead; the player is told why, once, on the terminal.
TEST_F(DamagedData, ADamagedFontIsNamedOnceAndTheBuiltInFontDraws) {
    damage(data / "font" / "font.tff", work / "font" / "font.tff",
           [](Bytes8& f) { f.resize(f.size() / 2); });
    EXPECT_EQ(play(RAVEZ_GAME_UK, start() + click(txt::kRavezShop) + until(kSceneTownStreet), data),
              0)
        << output;
    EXPECT_EQ(count((work / "font" / "font.tff").string() +
                    ": ends before its glyphs; the built-in font is used instead\n"),
              1)
        << output;
    EXPECT_EQ(count("font.tff"), 1) << output;
}

class CheckData : public DamagedData {};

TEST_F(CheckData, TheGeneratedSetIsWhole) {
#ifndef RAVEZ_DEFAULT_DATA
    GTEST_SKIP() << "no generated data set in this build";
#else
    if (!fs::exists(fs::path(RAVEZ_DEFAULT_DATA) / ".stamp")) GTEST_SKIP() << "not generated";
    for (const char* game : {RAVEZ_GAME_UK, RAVEZ_GAME_DE}) {
        EXPECT_EQ(run(std::string(game) + " --check-data --data " + RAVEZ_DEFAULT_DATA +
                      " --workdir '" + work.string() + "'"),
                  0)
            << output;
        EXPECT_THAT(output,
                    HasSubstr(game == std::string(RAVEZ_GAME_UK) ? "57 files checked, all whole\n"
                                                                 : "57 Dateien gepr\xC3\xBC"
                                                                   "ft, alle in Ordnung\n"))
            << output;
    }
#endif
}

// Damaged copies in the working directory win over the set's files, as they do in the game:
// every one is named on a line of its own.
TEST_F(CheckData, EveryDamagedFileIsNamedOnALineOfItsOwn) {
#ifndef RAVEZ_DEFAULT_DATA
    GTEST_SKIP() << "no generated data set in this build";
#else
    const fs::path set(RAVEZ_DEFAULT_DATA);
    if (!fs::exists(set / ".stamp")) GTEST_SKIP() << "not generated";
    // The English build reads its pictures from the language folder first.
    damage(set / "uk" / "tgp" / "location.tgp", work / "uk" / "tgp" / "location.tgp",
           [](Bytes8& f) { f.pop_back(); });
    damage(set / "uk" / "tgp" / "beach04.tgp", work / "uk" / "tgp" / "beach04.tgp",
           [](Bytes8& f) { f[4] = assets::kSoundPoolKind; });
    rewrite(set / "tgp" / "sets.tgp", work / "tgp" / "sets.tgp", assets::kVisitorEntries,
            {{7, overfilledPicture()}});
    damage(set / "tap" / "sound.tap", work / "tap" / "sound.tap",
           [](Bytes8& f) { f[index(f).at(1)] = 'X'; });
    damage(set / "tap" / "hotel01.wav", work / "tap" / "hotel01.wav",
           [](Bytes8& f) { f.resize(f.size() / 2); });
    damage(set / "font" / "font.tff", work / "font" / "font.tff", [](Bytes8& f) { f.resize(100); });
    std::mt19937 noise(7);
    Bytes8 movie(20000);
    for (uint8_t& b : movie) b = static_cast<uint8_t>(noise());
    writeFile((work / "movies" / "intro.avi").string(), movie);

    EXPECT_EQ(run(std::string(RAVEZ_GAME_UK) + " --check-data --data " + RAVEZ_DEFAULT_DATA +
                  " --workdir '" + work.string() + "'"),
              1)
        << output;
    const std::string lines[] = {
        (work / "font" / "font.tff").string() + ": ends before its glyphs\n",
        (work / "uk" / "tgp" / "location.tgp").string() + ": chunk 0 ",
        (work / "uk" / "tgp" / "beach04.tgp").string() + ": is not a picture pool\n",
        (work / "tgp" / "sets.tgp").string() + ": chunk 7: the picture data run past the picture\n",
        (work / "tap" / "sound.tap").string() + ": chunk 1 is not a WAV sound\n",
        (work / "tap" / "hotel01.wav").string() + ": the sound data end early\n",
        (work / "movies" / "intro.avi").string() + ": cannot be opened as a movie\n",
        "57 files checked, 7 damaged\n",
    };
    for (const std::string& line : lines) EXPECT_EQ(count(line), 1) << line << "\n" << output;

    // pooltool check: the same verdicts, chunk by chunk.
    EXPECT_EQ(
        run(std::string(RAVEZ_POOLTOOL) + " check '" + (work / "tgp" / "sets.tgp").string() + "'"),
        1)
        << output;
    EXPECT_THAT(output, HasSubstr("sets.tgp: chunk 7: the picture data run past the picture\n"));
    EXPECT_THAT(output, HasSubstr("sets.tgp: 1 of 295 chunks damaged\n"));
    EXPECT_EQ(
        run(std::string(RAVEZ_POOLTOOL) + " check '" + (set / "tap" / "sound.tap").string() + "'"),
        0)
        << output;
    EXPECT_THAT(output, HasSubstr("sound.tap: 3 chunks, all whole\n"));
    EXPECT_THAT(output, Not(HasSubstr("damaged")));
#endif
}

}  // namespace
