// The loops, movies, font, launcher files and configuration of the generated data set, read
// with the game's own readers under the names the game uses.

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/audio/wav_header.h"
#include "engine/resources/bmp.h"
#include "engine/resources/config.h"
#include "engine/resources/font_format.h"
#include "engine/video/movie_player.h"
#include "game/asset_table.h"
#include "tests/assets/data_test_support.h"

namespace {

struct Wave {
    PcmFormat format;
    std::vector<int16_t> samples;
    double Seconds() const {
        return static_cast<double>(samples.size()) / format.channels / format.samplesPerSec;
    }
};

bool ReadWave(const char* name, Wave* wave) {
    FileHandle f = Files().Open(name, "rb");
    if (!f) return false;
    uint32_t length = 0;
    const bool ok = ParseWavHeader(f, &wave->format, &length) == 1;
    if (ok) {
        wave->samples.resize(length / 2);
        Files().Read(wave->samples.data(), 2, wave->samples.size(), f);
    }
    Files().Close(f);
    return ok;
}

TEST_F(DataSetTest, BackgroundLoopsAreSeamlessAndOfTheirLength) {
    for (const char* name : assets::kAllMusic) {
        Wave wave;
        ASSERT_TRUE(ReadWave(name, &wave)) << name;
        EXPECT_TRUE(IsPlayablePcm(wave.format)) << name;
        EXPECT_GE(wave.Seconds(), 8.0) << name;
        EXPECT_LE(wave.Seconds(), 20.0) << name;
        // Where the loop wraps, the signal jumps no more than it does between any two
        // neighbouring samples inside it.
        int largestStep = 0;
        for (size_t k = 1; k < wave.samples.size(); ++k)
            largestStep = std::max(largestStep, std::abs(wave.samples[k] - wave.samples[k - 1]));
        const int wrapStep = std::abs(wave.samples.front() - wave.samples.back());
        EXPECT_LE(wrapStep, largestStep) << name;
        int peak = 0;
        for (int16_t s : wave.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 8000) << name << " is (nearly) silent";
    }
}

TEST_F(DataSetTest, MoviesOpenAsMpegWithSoundAndLastAFewSeconds) {
    MoviePlayer player(nullptr);
    player.SetShowErrors(0);
    for (const char* name : assets::kAllMovies) {
        ASSERT_EQ(player.Open(name, 0, MovieRect{}), 1) << name;
        const MovieInfo info = player.Information();
        EXPECT_GT(info.width, 0) << name;
        EXPECT_GE(info.frames, 10) << name;
        EXPECT_GE(info.seconds, 2) << name;
        EXPECT_LE(info.seconds + 60 * info.minutes, 6) << name;
        player.Close();
    }
}

TEST_F(DataSetTest, FontHasEightPixelCellsAndTheGermanLetters) {
    uint8_t block[kFontHeaderBytes + 256 * 16];
    ASSERT_TRUE(ReadFontFile(assets::kFontFile, block, sizeof block));
    FontView font;
    ASSERT_TRUE(MakeFontView(block, kFontHeaderBytes + ParseFontHeader(block).glyphBytes, &font));
    EXPECT_EQ(font.width, 8);
    for (int code :
         {int{'A'}, int{'z'}, int{'0'}, int{'%'}, 0x81, 0x84, 0x94, 0xE1, 0x8E, 0x99, 0x9A}) {
        const uint8_t* glyph = font.Glyph(code);
        ASSERT_NE(glyph, nullptr) << code;
        int bits = 0;
        for (uint32_t k = 0; k < font.GlyphBytes(); ++k) bits += glyph[k] != 0;
        EXPECT_GT(bits, 2) << "code " << code << " has no glyph";
    }
    EXPECT_NE(std::vector<uint8_t>(font.Glyph('u'), font.Glyph('u') + 8),
              std::vector<uint8_t>(font.Glyph(0x81), font.Glyph(0x81) + 8));
}

TEST_F(DataSetTest, LauncherFilesDecode) {
    const std::filesystem::path data = RAVEZ_DATA_DIR;
    int w = 0, h = 0;
    std::vector<uint16_t> pixels;
    auto read = [](const std::filesystem::path& p) {
        std::vector<uint8_t> bytes(std::filesystem::file_size(p));
        FILE* f = std::fopen(p.c_str(), "rb");
        EXPECT_EQ(std::fread(bytes.data(), 1, bytes.size(), f), bytes.size());
        std::fclose(f);
        return bytes;
    };
    ASSERT_TRUE(DecodeBmp24(read(data / "IMAGES/BACK.BMP"), w, h, pixels));
    EXPECT_EQ(w, 640);  // the launcher's buttons sit at x 42 in a 640-wide window
    ASSERT_TRUE(DecodeBmp24(read(data / "IMAGES/B1.BMP"), w, h, pixels));
    EXPECT_EQ(w, 40);
    EXPECT_EQ(h, 46);
    ASSERT_TRUE(DecodeBmp24(read(data / "IMAGES/B2.BMP"), w, h, pixels));
    Wave tune;
    ASSERT_TRUE(ReadWave(assets::kLauncherTune, &tune));
    EXPECT_GT(tune.Seconds(), 2.0);
}

int Brightness(uint16_t v) {
    return ((v >> 11) & 31) * 2 + ((v >> 5) & 63) + (v & 31) * 2;
}

TEST_F(DataSetTest, LauncherWordsStayOnTheirPanelAndOffTheEdge) {
    std::vector<uint8_t> bytes(std::filesystem::file_size(RAVEZ_DATA_DIR "/IMAGES/BACK.BMP"));
    FILE* f = std::fopen(RAVEZ_DATA_DIR "/IMAGES/BACK.BMP", "rb");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(std::fread(bytes.data(), 1, bytes.size(), f), bytes.size());
    std::fclose(f);
    int w = 0, h = 0;
    std::vector<uint16_t> pixels;
    ASSERT_TRUE(DecodeBmp24(bytes, w, h, pixels));
    auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y) * w + x]; };
    // The labels (pure yellow) end on the dark panel: a little to the right of the last
    // letter the sky is still darkened.
    const uint16_t label = 0xFFE0;
    int right = -1, rightRow = 0;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < w; ++x)
            if (at(x, y) == label && x > right) right = x, rightRow = y;
    ASSERT_GT(right, 200) << "no label found";
    EXPECT_LT(Brightness(at(right + 8, rightRow)) * 10, Brightness(at(w - 20, rightRow)) * 7)
        << "the longest label runs past its panel";
    // The title's gold keeps a margin from the right edge.
    const uint16_t gold = static_cast<uint16_t>((0xFF >> 3) << 11 | (0xD2 >> 2) << 5 | 0x3A >> 3);
    int titleRight = -1;
    for (int y = 240; y < 300; ++y)
        for (int x = 0; x < w; ++x)
            if (at(x, y) == gold) titleRight = std::max(titleRight, x);
    ASSERT_GT(titleRight, 0) << "no title found";
    EXPECT_LT(titleRight, w - 24);
}

TEST_F(DataSetTest, DefaultConfigurationAndEmptyFolders) {
    int mode = -1, detail = 0;
    ReadConfiguration(mode, detail, (std::string(RAVEZ_DATA_DIR) + "/config.cfg").c_str());
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(detail, 1);
    EXPECT_EQ(std::filesystem::file_size(std::string(RAVEZ_DATA_DIR) + "/config.cfg") % 32, 0u);
    for (const char* folder : {"sav", "fotos"}) {
        const std::filesystem::path p = std::filesystem::path(RAVEZ_DATA_DIR) / folder;
        ASSERT_TRUE(std::filesystem::is_directory(p)) << folder;
        EXPECT_TRUE(std::filesystem::is_empty(p)) << folder;
    }
}

}  // namespace
