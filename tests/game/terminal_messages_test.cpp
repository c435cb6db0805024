// What the game prints to stderr, read as a terminal reads it: the whole game runs headless on
// a small data set with one file missing or a movie of its own, and everything it writes is
// well-formed UTF-8, with the engine's single-byte umlauts converted; FFmpeg's warnings show
// only with --verbose.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/app/program.h"
#include "tests/e2e/game_run.h"

namespace fs = std::filesystem;

namespace {

bool wellFormedUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<uint8_t>(text[i]);
        std::size_t n = 0;
        if (b < 0x80) {
            n = 1;
        } else if (b >= 0xC2 && b <= 0xDF) {
            n = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            n = 3;
        } else if (b >= 0xF0 && b <= 0xF4) {
            n = 4;
        } else {
            return false;
        }
        if (i + n > text.size()) return false;
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<uint8_t>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += n;
    }
    return true;
}

class TerminalMessages : public GameRun {
  protected:
    // The game as a player starts it, movies played, with its stderr.
    std::string run(const std::vector<std::string>& extra) {
        writeFile("play.script", std::string("frames 2\n"));
        std::vector<std::string> args = {
            "game_de",   "--headless", "--data",   dataDir,
            "--workdir", workDir,      "--script", (dir / "play.script").string()};
        args.insert(args.end(), extra.begin(), extra.end());
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        testing::internal::CaptureStderr();
        exitCode = gameMain(static_cast<int>(argv.size()), argv.data(), nullptr);
        fs::current_path(dir);
        return testing::internal::GetCapturedStderr();
    }

    // An intro as other programs write one: an uncompressed AVI of 24-bit pictures, whose
    // full-resolution colour the scaler into the 5-6-5 page warns about.
    void writeRawIntro() {
        constexpr uint32_t kW = 64, kH = 48, kFrames = 3, kFrameBytes = kW * kH * 3;
        Bytes strl;
        strl.text("strh").u32(56).text("vids").text("DIB ").u32(0).u16(0).u16(0).u32(0);
        strl.u32(1).u32(25).u32(0).u32(kFrames).u32(kFrameBytes).u32(0xFFFFFFFF).u32(0);
        strl.u16(0).u16(0).u16(kW).u16(kH);
        strl.text("strf").u32(40).u32(40).u32(kW).u32(kH).u16(1).u16(24).u32(0);
        strl.u32(kFrameBytes).u32(0).u32(0).u32(0).u32(0);
        Bytes hdrl;
        hdrl.text("avih").u32(56).u32(40000).u32(kFrameBytes * 25).u32(0).u32(0);
        hdrl.u32(kFrames).u32(0).u32(1).u32(kFrameBytes).u32(kW).u32(kH).zeros(16);
        hdrl.text("LIST").u32(static_cast<uint32_t>(4 + strl.data.size())).text("strl");
        hdrl.append(strl.data);
        Bytes movi;
        for (uint32_t f = 0; f < kFrames; ++f) {
            movi.text("00db").u32(kFrameBytes);
            for (uint32_t i = 0; i < kFrameBytes; ++i) movi.u8((i * 7 + f * 40) & 0xFF);
        }
        Bytes avi;
        avi.text("LIST").u32(static_cast<uint32_t>(4 + hdrl.data.size())).text("hdrl");
        avi.append(hdrl.data);
        avi.text("LIST").u32(static_cast<uint32_t>(4 + movi.data.size())).text("movi");
        avi.append(movi.data);
        Bytes file;
        file.text("RIFF").u32(static_cast<uint32_t>(4 + avi.data.size())).text("AVI ");
        file.append(avi.data);
        writeFile((fs::path(dataDir) / "movies" / "intro.avi").string(), file.data);
    }

    int exitCode = -1;
};

TEST_F(TerminalMessages, EngineTextsReachTheTerminalAsUtf8) {
    // Without a sound pool the game says so in the error box, whose text is in the Windows
    // code page ("ge\xF6" "ffnet"); a broken intro adds the movie player's box and FFmpeg's
    // own error.
    fs::remove(fs::path(dataDir) / "tap" / "sound.tap");
    fs::create_directories(fs::path(dataDir) / "movies");
    writeFile((fs::path(dataDir) / "movies" / "intro.avi").string(),
              std::string("RIFF\x10\0\0\0AVI LIST broken beyond repair", 38));
    const std::string err = run({});
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(wellFormedUtf8(err)) << err;
    EXPECT_NE(err.find("Datei konnte nicht ge\xC3\xB6"
                       "ffnet werden"),
              std::string::npos)
        << err;
    EXPECT_NE(err.find("NO TAP-FILE !"), std::string::npos) << err;
    EXPECT_NE(err.find("[Fehler] Fehler beim"), std::string::npos) << err;
    EXPECT_NE(err.find("[avi @"), std::string::npos) << err;
}

TEST_F(TerminalMessages, FfmpegWarningsOnlyWhenVerbose) {
    writeRawIntro();
    const std::string quiet = run({});
    EXPECT_EQ(exitCode, 0);
    constexpr const char* kWarning =
        "] full chroma interpolation for destination format 'rgb565le' not yet implemented\n";
    EXPECT_EQ(quiet.find("full chroma"), std::string::npos) << quiet;
    const std::string verbose = run({"--verbose"});
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(wellFormedUtf8(verbose)) << verbose;
    EXPECT_NE(verbose.find("[swscaler @"), std::string::npos) << verbose;
    EXPECT_NE(verbose.find(kWarning), std::string::npos) << verbose;
}

}  // namespace
