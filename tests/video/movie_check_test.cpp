// The movie player's part in naming damaged files: the failure box names the movie's file, and
// the data check decodes a movie's first pictures without showing them or waiting for them.

#include <gmock/gmock.h>

#include <filesystem>
#include <vector>

#include "engine/base/messages.h"
#include "engine/resources/file_manager.h"
#include "engine/video/movie_player.h"
#include "engine/video/movie_writer.h"
#include "tests/support/test_env.h"

namespace {

using ::testing::EndsWith;
using ::testing::StartsWith;

class MovieCheckTest : public EngineTest {};

TEST_F(MovieCheckTest, TheFailureBoxNamesTheMoviesFile) {
    writeFile("movies/intro.avi", std::string(3000, 'x'));
    MoviePlayer player(nullptr);
    EXPECT_EQ(player.Open("movies\\intro.avi", 1, MovieRect{}), 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    // The player's own words first, then the file as found on disk.
    EXPECT_THAT(boxes.shown[0].text, StartsWith("Fehler beim Oeffnen der Datei\nGenaueres:\n"));
    EXPECT_THAT(boxes.shown[0].text, EndsWith("\n" + (dir / "movies" / "intro.avi").string()));
    // A file that is not there is named as it was asked for.
    EXPECT_EQ(player.Open("movies\\gone.avi", 1, MovieRect{}), 0);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_THAT(boxes.shown[1].text, EndsWith("\nmovies\\gone.avi"));
    EXPECT_EQ(Files().OpenCount(), 0);
}

TEST_F(MovieCheckTest, TheFirstPicturesAreDecodedWithoutShowingThem) {
    MovieLayout layout;
    layout.width = 64;
    layout.height = 48;
    layout.framesPerSecond = 25;
    MovieWriter writer;
    ASSERT_EQ(writer.Open("short.avi", layout), 1);
    std::vector<uint8_t> rgb(64 * 48 * 3, 200);
    for (int f = 0; f < 7; ++f) ASSERT_EQ(writer.AddFrameRgb24(rgb.data(), 64 * 3), 1);
    ASSERT_EQ(writer.Close(), 1);

    MoviePlayer player(nullptr);
    ASSERT_EQ(player.Open("short.avi", 1, MovieRect{}), 1);
    EXPECT_EQ(player.DecodeFrames(5), 5);
    EXPECT_EQ(player.DecodeFrames(5), 2);  // the rest, then the end
    EXPECT_EQ(player.DecodeFrames(5), 0);
    EXPECT_EQ(player.FramesShown(), 0);
    player.Close();
    EXPECT_EQ(player.DecodeFrames(5), -1);  // nothing open
}

}  // namespace
