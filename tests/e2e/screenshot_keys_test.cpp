// Screenshots by key through scripted play: F12 and Ctrl+P write the frame as shown into the
// pictures folder as numbered PNGs, never over a file that is there, and the note that tells
// where it went is not part of the frame.

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/resources/bmp.h"
#include "engine/resources/rgb565.h"
#include "tests/e2e/game_run.h"
#include "texts/texts.h"

namespace {

namespace fs = std::filesystem;

// A PNG read back through libpng as 8-bit RGB rows; empty when libpng cannot read it.
std::vector<uint8_t> decodePng(const fs::path& path, int* width, int* height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
    *width = static_cast<int>(image.width);
    *height = static_cast<int>(image.height);
    return rgb;
}

// The script's BMP in the same form.
std::vector<uint8_t> bmpAsRgb(const std::vector<uint8_t>& file) {
    int width = 0;
    int height = 0;
    std::vector<uint16_t> pixels;
    if (!DecodeBmp24(file, width, height, pixels)) return {};
    std::vector<uint8_t> rgb;
    for (const uint16_t c : pixels) {
        const Rgb888 p = Rgb565To888(c);
        rgb.insert(rgb.end(), {p.red, p.green, p.blue});
    }
    return rgb;
}

class ScreenshotKeys : public GameRun {
  protected:
    void SetUp() override {
        GameRun::SetUp();
        const char* old = std::getenv("XDG_PICTURES_DIR");
        hadPictures = old != nullptr;
        if (old) oldPictures = old;
        pictures = dir / "pictures";
        setenv("XDG_PICTURES_DIR", pictures.c_str(), 1);
    }
    void TearDown() override {
        if (hadPictures) {
            setenv("XDG_PICTURES_DIR", oldPictures.c_str(), 1);
        } else {
            unsetenv("XDG_PICTURES_DIR");
        }
        GameRun::TearDown();
    }
    std::string onTheMap() const { return "frames 1\n" + click(txt::kNewGame) + until(1); }

    fs::path pictures;
    bool hadPictures = false;
    std::string oldPictures;
};

TEST_F(ScreenshotKeys, EachPressWritesTheShownFrameAsTheNextNumberedPng) {
    const fs::path folder = pictures / "Ravez Lensquest";
    writeFile((folder / "ravez-lensquest-0001.png").string(), std::string("the player's own"));
    // The pointer moves between the presses: it is part of the frame on the screen.
    // Each key's frame is the one the next turn's `screenshot` reads, the note over it.
    const std::string first = (dir / "first.bmp").string();
    const std::string second = (dir / "second.bmp").string();
    ASSERT_EQ(play(onTheMap() + "frames 2\nkey f12\nscreenshot " + first +
                   "\nmove 320 200\nframes 3\nkey ctrl+p\nscreenshot " + second + "\n"),
              0);

    const std::string own = "the player's own";
    EXPECT_EQ(readFile((folder / "ravez-lensquest-0001.png").string()),
              std::vector<uint8_t>(own.begin(), own.end()));
    const struct {
        const char* png;
        const std::string& bmp;
    } kShots[] = {{"ravez-lensquest-0002.png", first}, {"ravez-lensquest-0003.png", second}};
    std::vector<uint8_t> previous;
    for (const auto& shot : kShots) {
        SCOPED_TRACE(shot.png);
        int width = 0;
        int height = 0;
        const std::vector<uint8_t> png = decodePng(folder / shot.png, &width, &height);
        ASSERT_EQ(width, 640);
        ASSERT_EQ(height, 480);
        EXPECT_TRUE(png == bmpAsRgb(readFile(shot.bmp)));
        // Two frames, not one twice.
        EXPECT_FALSE(png == previous);
        previous = png;
    }
    EXPECT_FALSE(fs::exists(folder / "ravez-lensquest-0004.png"));
}

// A folder that cannot be made is named on stderr; the game plays on as if nothing happened:
// the same frame (the note that tells of the failure is not in it) and the same record as a
// turn without the key.
TEST_F(ScreenshotKeys, AnUnwritableFolderIsToldAndTheGameGoesOn) {
    writeFile(pictures.string(), std::string("a file, not a folder"));
    const std::string steps = onTheMap() + "frames 2\n";
    ASSERT_EQ(play(steps + "frames 1\nscreenshot " + (dir / "plain.bmp").string() + "\n" +
                   dumpTo("plain")),
              0);
    testing::internal::CaptureStderr();
    const int code = play(steps + "key f12\nscreenshot " + (dir / "tried.bmp").string() + "\n" +
                          dumpTo("tried"));
    const std::string told = testing::internal::GetCapturedStderr();
    ASSERT_EQ(code, 0);
    EXPECT_NE(told.find((pictures / "Ravez Lensquest").string()), std::string::npos) << told;
    EXPECT_EQ(readFile((dir / "tried.bmp").string()), readFile((dir / "plain.bmp").string()));
    EXPECT_EQ(readFile((dir / "tried.bin").string()), readFile((dir / "plain.bin").string()));
}

}  // namespace
