// The generator's kit: what it hands to the pictures and pools must survive the game's
// readers (keyed colour 0, pool layout, loops that wrap).

#include <cmath>

#include "engine/memory/memory.h"
#include "engine/resources/pool/pool.h"
#include "tests/support/test_env.h"
#include "tools/assetgen/canvas.h"
#include "tools/assetgen/output.h"
#include "tools/assetgen/synth.h"

namespace {

TEST(AssetKit, OpaqueBlackStaysVisibleAndTransparencyBecomesColourZero) {
    gen::Canvas c(3, 1);
    c.Put(0, 0, gen::Hex(0x000000), 255);
    c.Put(1, 0, gen::Hex(0xFF0000), 100);  // mostly transparent
    c.Put(2, 0, gen::Hex(0xFFFFFF), 255);
    const std::vector<uint16_t> p = c.To565();
    EXPECT_NE(p[0], 0) << "black in a figure would vanish in keyed drawing";
    EXPECT_EQ(p[1], 0);
    EXPECT_EQ(p[2], 0xFFFF);
}

TEST(AssetKit, OutlineSurroundsOnlyTheFigure) {
    gen::Canvas c(7, 7);
    c.FillRect(3, 3, 1, 1, gen::Hex(0xFF0000));
    c.Outline(gen::Hex(0x000000));
    EXPECT_EQ(c.AlphaAt(3, 2), 255);
    EXPECT_EQ(c.AlphaAt(2, 3), 255);
    EXPECT_EQ(c.AlphaAt(2, 2), 0) << "diagonals stay clear";
    EXPECT_EQ(c.AlphaAt(0, 0), 0);
}

TEST(AssetKit, ShapesStayInsideTheCanvasAndEdgesAreSmooth) {
    gen::Canvas c(20, 20);
    c.Ellipse(10, 10, 30, 30, gen::Hex(0x00FF00));  // larger than the canvas: clipped
    c.Line(-50, -50, 70, 70, 3, gen::Hex(0x0000FF));
    gen::Canvas d(40, 40);
    d.Ellipse(20, 20, 10, 10, gen::Hex(0xFFFFFF));
    int partial = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) partial += d.AlphaAt(x, y) > 0 && d.AlphaAt(x, y) < 255;
    EXPECT_GT(partial, 20);
}

class AssetPoolTest : public EngineTest {};

TEST_F(AssetPoolTest, AssembledPoolIsReadByThePoolReaders) {
    gen::Canvas a(2, 3, gen::Hex(0x123456), 255), b(640, 480, gen::Hex(0xFFFFFF), 255);
    const gen::Bytes pool = gen::BuildPool(
        21, {gen::PictureChunk(gen::Canvas(1, 1)), gen::PictureChunk(a), gen::PictureChunk(b)});
    writeFile("tgp/test.tgp", pool);
    ASSERT_EQ(OpenPicturePool(3, "tgp\\test.tgp"), 1);
    EXPECT_EQ(PicturePoolChunks(3), 3);
    uint8_t* picture = LoadPoolPicture(PicturePool(3), 2);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture[0] | picture[1] << 8, 640);
    EXPECT_EQ(picture[2] | picture[3] << 8, 480);
    MemFree(picture);
    picture = LoadPoolPicture(PicturePool(3), 1);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture[4] | picture[5] << 8, gen::To565(gen::Hex(0x123456)));
    MemFree(picture);
    ClosePools();
}

TEST(AssetKit, NotesRingingPastTheEndOfALoopWrapToItsStart) {
    gen::Samples loop(gen::kSampleRate);  // one second
    gen::AddNote(loop, gen::Voice::Piano, 60, 0.9, 0.5, 0.5f, true);
    float startEnergy = 0;
    for (int k = 0; k < gen::kSampleRate / 10; ++k) startEnergy += std::fabs(loop[k]);
    EXPECT_GT(startEnergy, 10.0f);
    gen::Samples once(gen::kSampleRate);
    gen::AddNote(once, gen::Voice::Piano, 60, 0.9, 0.5, 0.5f, false);
    EXPECT_EQ(once[100], 0.0f);
}

}  // namespace
