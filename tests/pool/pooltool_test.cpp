#include <sys/wait.h>

#include <cstdlib>
#include <cstring>

#include "engine/resources/bmp.h"
#include "engine/resources/image_writer.h"
#include "tests/pool/pool_test_support.h"
#include "tests/support/bmp_writer.h"

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class PooltoolTest : public PoolTest {
  protected:
    ToolRun run(const std::vector<std::string>& args) {
        std::string command = std::string("'") + POOLTOOL_PATH + "'";
        for (const std::string& arg : args) command += " '" + arg + "'";
        command += " >tool.out 2>tool.err";
        const int status = std::system(command.c_str());
        ToolRun result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        const auto out = readFile("tool.out");
        const auto err = readFile("tool.err");
        result.out.assign(out.begin(), out.end());
        result.err.assign(err.begin(), err.end());
        return result;
    }

    // Pixels whose low bits survive the trip through 24-bit colour unchanged.
    static std::vector<uint16_t> pixels(int width, int height) {
        std::vector<uint16_t> result(static_cast<std::size_t>(width * height));
        for (std::size_t i = 0; i < result.size(); ++i) {
            result[i] = static_cast<uint16_t>(i % 5 == 0 ? 0x07E0 : i * 40503u);
        }
        return result;
    }
};

TEST_F(PooltoolTest, BuildsListsAndEditsAPool) {
    const auto picture = pixels(13, 9);
    writeFile("in.bmp", EncodeBmp24(picture.data(), 13, 9));
    writeFile("sound.wav", std::string("RIFF\x04\0\0\0WAVE", 12));
    writeFile("data.bin", std::string("raw bytes"));

    ASSERT_EQ(run({"tbf", "in.bmp", "mode2.tbf"}).exitCode, 0);
    ASSERT_EQ(run({"tbf", "in.bmp", "mode1.tbf", "--mode", "1"}).exitCode, 0);
    EXPECT_EQ(readFile("mode2.tbf"), EncodeTbf(picture.data(), 13, 9, 2));
    EXPECT_EQ(readFile("mode1.tbf"), EncodeTbf(picture.data(), 13, 9, 1));

    ASSERT_EQ(run({"create", "pics.tgp", "21", "1"}).exitCode, 0);
    ASSERT_EQ(run({"add", "pics.tgp", "mode2.tbf", "sound.wav", "mode1.tbf", "data.bin"}).exitCode,
              0);
    const ToolRun list = run({"list", "pics.tgp"});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    const auto mode2Size = std::to_string(readFile("mode2.tbf").size());
    const auto mode1Size = std::to_string(readFile("mode1.tbf").size());
    EXPECT_EQ(list.out, "kind=21 chunks=5\n0\t21\t0\traw\n1\t21\t" + mode2Size + "\tTBF\n" +
                            "2\t21\t12\tRIFF\n3\t21\t" + mode1Size + "\tTBF\n4\t21\t9\traw\n");

    // The tool's pool is an ordinary pool for the game's loader.
    ASSERT_EQ(OpenPicturePool(kLocationPoolSlot, "pics.tgp"), 1);
    for (int n : {1, 3}) {
        uint8_t* block = LoadPoolPicture(PicturePool(kLocationPoolSlot), n);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(std::memcmp(block + 4, picture.data(), picture.size() * 2), 0);
        MemFree(block);
    }
    ClosePools();

    ASSERT_EQ(run({"picture", "pics.tgp", "3", "out.bmp"}).exitCode, 0);
    EXPECT_EQ(readFile("out.bmp"), readFile("in.bmp"));
    ASSERT_EQ(run({"extract", "pics.tgp", "2", "out.wav"}).exitCode, 0);
    EXPECT_EQ(readFile("out.wav"), readFile("sound.wav"));

    const auto beforeReplace = readFile("pics.tgp");
    ASSERT_EQ(run({"replace", "pics.tgp", "0", "data.bin"}).exitCode, 0);
    EXPECT_EQ(readFile("pics.OLD"), beforeReplace);
    ASSERT_EQ(run({"extract", "pics.tgp", "0", "zero.bin"}).exitCode, 0);
    EXPECT_EQ(readFile("zero.bin"), bytesOf("raw bytes"));

    ASSERT_EQ(run({"create", "copy.tgp", "tgp", "3"}).exitCode, 0);
    ASSERT_EQ(run({"copy", "pics.tgp", "copy.tgp", "1", "1", "1"}).exitCode, 0);
    ASSERT_EQ(run({"picture", "copy.tgp", "1", "copy.bmp"}).exitCode, 0);
    EXPECT_EQ(readFile("copy.bmp"), readFile("in.bmp"));
}

TEST_F(PooltoolTest, TbfTakesBmpsOfOtherKindsAndNamesOneItCannotRead) {
    // 60 colours over 21 × 11 pixels: runs and single pixels, a palette of 8 bits.
    BmpPicture picture{21, 11, {}};
    std::vector<uint16_t> expected;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t n = x < 12 ? static_cast<uint32_t>(x * 5 + y) % 60 : uint32_t(y);
            const uint32_t colour = (n * 77 & 0xFF) << 16 | (n * 29 & 0xFF) << 8 | (255 - n * 4);
            picture.colours.push_back(colour);
            expected.push_back(static_cast<uint16_t>(
                (colour >> 19 & 0x1F) << 11 | (colour >> 10 & 0x3F) << 5 | (colour >> 3 & 0x1F)));
        }
    }
    struct Kind {
        const char* name;
        BmpKind kind;
    };
    const Kind kinds[] = {
        {"rle8.bmp", {.bits = 8, .coding = BmpCoding::Rle8, .shortPalette = true}},
        {"os2.bmp", {.bits = 8, .header = BmpHeader::Core}},
        {"v5.bmp",
         {.bits = 32,
          .coding = BmpCoding::BitFields,
          .header = BmpHeader::V5,
          .masks = {0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000}}},
    };
    for (const Kind& k : kinds) {
        SCOPED_TRACE(k.name);
        writeFile(k.name, WriteBmp(picture, k.kind));
        const ToolRun converted = run({"tbf", k.name, "out.tbf"});
        ASSERT_EQ(converted.exitCode, 0) << converted.err;
        EXPECT_EQ(readFile("out.tbf"), EncodeTbf(expected.data(), 21, 11, 2));
    }

    // A file SDL refuses: one line naming it and SDL's reason, and no output.
    std::vector<uint8_t> cut = WriteBmp(picture, kinds[0].kind);
    cut.resize(cut.size() - 10);
    writeFile("cut.bmp", cut);
    const ToolRun refused = run({"tbf", "cut.bmp", "cut.tbf"});
    EXPECT_EQ(refused.exitCode, 1);
    const std::string start = "pooltool: cannot read cut.bmp as a BMP: ";
    EXPECT_EQ(refused.err.compare(0, start.size(), start), 0) << refused.err;
    EXPECT_GT(refused.err.size(), start.size() + 1) << "SDL's reason";
    EXPECT_EQ(refused.err.find('\n'), refused.err.size() - 1) << refused.err;
    EXPECT_FALSE(fileExists("cut.tbf"));
}

TEST_F(PooltoolTest, FailuresAndUsage) {
    const ToolRun missing = run({"list", "missing.tgp"});
    EXPECT_EQ(missing.exitCode, 1);
    // The pool's code-page texts reach the terminal as UTF-8.
    EXPECT_EQ(missing.err,
              "pooltool: Couldn't open file \nPOOL_CLASS-> Pool konnte nicht ge\xC3\xB6"
              "ffnet werden.\n");

    ASSERT_EQ(run({"create", "p.tap", "tap", "2"}).exitCode, 0);
    const auto pool = readFile("p.tap");
    const ToolRun lastChunk = run({"copy", "p.tap", "p.tap", "1", "0", "1"});
    EXPECT_EQ(lastChunk.exitCode, 1);
    EXPECT_EQ(lastChunk.err, "pooltool: User error\nPOOL_CLASS-> ChunkNr zu gro\xC3\x9F.\n");
    const ToolRun pastEnd = run({"extract", "p.tap", "2", "x.bin"});
    EXPECT_EQ(pastEnd.exitCode, 1);
    EXPECT_NE(pastEnd.err.find("Pool Entry NOT AVAILABLE"), std::string::npos);
    EXPECT_FALSE(fileExists("x.bin"));
    const ToolRun notPicture = run({"picture", "p.tap", "0", "x.bmp"});
    EXPECT_EQ(notPicture.exitCode, 1);
    EXPECT_NE(notPicture.err.find("not a 16-bit picture"), std::string::npos);
    EXPECT_FALSE(fileExists("x.bmp"));
    const ToolRun pictureOff = run({"picture", "p.tap", "2", "x.bmp"});
    EXPECT_EQ(pictureOff.exitCode, 1);
    EXPECT_NE(pictureOff.err.find("Pool Entry NOT AVAILABLE"), std::string::npos);
    EXPECT_FALSE(fileExists("x.bmp"));
    writeFile("text.txt", std::string("no bitmap"));
    EXPECT_EQ(run({"tbf", "text.txt", "x.tbf"}).exitCode, 1);
    // A missing file among several adds nothing.
    EXPECT_EQ(run({"add", "p.tap", "text.txt", "missing.bin"}).exitCode, 1);
    EXPECT_EQ(readFile("p.tap"), pool);

    for (const std::vector<std::string>& bad : {std::vector<std::string>{},
                                                {"frobnicate"},
                                                {"list"},
                                                {"extract", "p.tap", "x", "o"},
                                                {"create", "p.tap", "21"},
                                                {"tbf", "a.bmp", "b.tbf", "--mode", "3"},
                                                {"copy", "a", "b", "1", "2", "-1"}}) {
        const ToolRun usage = run(bad);
        EXPECT_EQ(usage.exitCode, 2);
        EXPECT_NE(usage.err.find("usage: pooltool"), std::string::npos);
    }
    const ToolRun help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("extract POOL N OUT"), std::string::npos);
}

}  // namespace
