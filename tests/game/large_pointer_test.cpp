// A pointer picture large enough for a beach to let it go: the whole game runs headless with a
// location pool whose cursor picture is written by our own pool editor at that size, visits a
// beach (which frees every cached picture of at least 100 × 100) and comes back, and the
// pointer is drawn from its own picture before and after, never from a freed one.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/base/messages.h"
#include "engine/resources/bmp.h"
#include "engine/resources/image_writer.h"
#include "engine/resources/pool/pool_class.h"
#include "game/asset_table.h"
#include "game/state/scene_ids.h"
#include "tests/e2e/game_run.h"
#include "texts/texts.h"

namespace {

constexpr uint16_t kPointerColour = 0xF81F;

// The pixel at (x, y) of a bottom-up 24-bit BMP as our own writer makes it, as blue, green and
// red bytes.
uint32_t bmpPixel(const std::vector<uint8_t>& bmp, int x, int y) {
    constexpr std::size_t kHeader = 54;
    const int width = bmp[18] | bmp[19] << 8;
    const int height = bmp[22] | bmp[23] << 8;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::size_t at = kHeader + static_cast<std::size_t>(height - 1 - y) * stride +
                           static_cast<std::size_t>(x) * 3;
    return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16;
}

uint32_t asBmpPixel(uint16_t colour) {
    return bmpPixel(EncodeBmp24(&colour, 1, 1), 0, 0);
}

class LargePointerRun : public GameRun {
  protected:
    // The data set's cursor picture replaced by a solid one of size × size.
    void usePointerOfSize(int size) {
        const std::vector<uint16_t> pixels(static_cast<std::size_t>(size) * size, kPointerColour);
        const std::vector<uint8_t> tbf =
            EncodeTbf(pixels.data(), static_cast<uint16_t>(size), static_cast<uint16_t>(size), 2);
        std::vector<uint8_t> copy(1 << 16);
        ASSERT_EQ(PoolEditor().ReplaceChunk("data\\tgp\\location.tgp", assets::kPicCursor,
                                            copy.data(), static_cast<uint32_t>(copy.size()),
                                            tbf.data(), static_cast<uint32_t>(tbf.size())),
                  1)
            << GetContextMessage();
        SetErrorCode(kErrNone);
    }
};

TEST_F(LargePointerRun, ThePointerOutlivesTheBeachsReleaseAndComesBackAfterIt) {
    ASSERT_EQ(dataDir, (dir / "data").string());  // the small set, written for this test
    for (const int size : {200, 4000}) {
        SCOPED_TRACE(size);
        usePointerOfSize(size);
        const std::string beach = (dir / "beach.bmp").string();
        const std::string map = (dir / "map.bmp").string();
        const std::string leave = std::string("click \"") + txt::kLeaveBeach + "\"\n";
        ASSERT_EQ(play("frames 1\n" + click(txt::kNewGame) + until(kSceneMap, 10) +
                       click(txt::kBeachNames[0]) + until(kSceneBeach1) +
                       "move 300 100\nframes 3\nscreenshot " + beach + "\n" + leave +
                       until(kSceneMap) + "move 200 100\nframes 2\nscreenshot " + map + "\n"),
                  0);
        EXPECT_EQ(dumped().sceneId, kSceneMap);
        EXPECT_EQ(dumped().location, kSceneBeach1);  // the beach was visited
        EXPECT_EQ(dumped().beachLoaded, 0);

        // Right of and below the mouse the page shows the pointer, elsewhere the scene.
        const uint32_t pointer = asBmpPixel(kPointerColour);
        const std::vector<uint8_t> onBeach = readFile(beach);
        ASSERT_GT(onBeach.size(), 54u);
        EXPECT_EQ(bmpPixel(onBeach, 300, 100), pointer);
        EXPECT_EQ(bmpPixel(onBeach, 499, 299), pointer);
        EXPECT_NE(bmpPixel(onBeach, 299, 99), pointer);
        const std::vector<uint8_t> onMap = readFile(map);
        ASSERT_GT(onMap.size(), 54u);
        EXPECT_EQ(bmpPixel(onMap, 200, 100), pointer);
        EXPECT_EQ(bmpPixel(onMap, 399, 299), pointer);
        EXPECT_NE(bmpPixel(onMap, 199, 99), pointer);
    }
}

}  // namespace
