// Visitors lit once per night weight and then copied look exactly as visitors mixed in every
// frame: over a walk of weights, sprites, picture generations and places half off the view.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/display/page.h"
#include "game/scenes/beach/beach_pixels.h"
#include "game/scenes/beach/lit_sprites.h"
#include "game/scenes/beach/pixel_kernels.h"
#include "game/scenes/beach/pixel_path.h"
#include "game/ui/scene_draw.h"
#include "tests/game/forced_pixel_path.h"

namespace {

// Once per processor path, with nothing kept from an earlier test.
class LitSprites : public ForcedPixelPath {
  protected:
    void SetUp() override {
        ForcedPixelPath::SetUp();
        forgetLitSprites();
    }
    void TearDown() override {
        forgetLitSprites();
        ForcedPixelPath::TearDown();
    }
};

constexpr int kViewWidth = 50;
constexpr int kViewHeight = 30;

struct Sprite {
    int width, height, stride;
    std::vector<uint16_t> pixels;
    Sprite(int w, int h, int s, uint32_t seed) : width(w), height(h), stride(s) {
        std::mt19937 random(seed);
        pixels.resize(static_cast<std::size_t>(s) * h);
        for (auto& p : pixels) {
            // A third see-through, and the pixel 1, whose mixed form is 0 (drawn black, not
            // see-through) at every weight.
            const uint32_t r = static_cast<uint32_t>(random());
            p = r % 3 == 0 ? 0 : r % 7 == 0 ? 1 : static_cast<uint16_t>(r);
        }
    }
    PicView view() const { return {pixels.data(), width, height, stride}; }
};

TEST_P(LitSprites, LitOnceAndCopiedLooksAsMixedEveryFrame) {
    const Sprite sprites[] = {Sprite(17, 9, 17, 1), Sprite(33, 12, 40, 2), Sprite(5, 40, 5, 3)};
    struct Step {
        int sprite;
        int index;  // its place in the visitor pool
        int night;
        uint64_t generation;
        int x, y;
    };
    const Step walk[] = {
        {0, 4, 100, 1, 3, 4},   {1, 9, 100, 1, -5, 20},  {0, 4, 100, 1, 40, -3},
        {0, 4, 101, 1, 10, 10}, {2, 9, 101, 2, 20, -10}, {2, 9, 0, 2, 48, 0},
        {1, 9, 255, 3, 30, 25}, {1, 9, 255, 3, -40, 0},  {0, 0, 77, 3, 0, 0},
    };
    std::mt19937 random(7);
    for (const Step& step : walk) {
        std::vector<uint16_t> background(kViewWidth * kViewHeight);
        for (auto& p : background) p = static_cast<uint16_t>(random());
        std::vector<uint16_t> expected = background;
        std::vector<uint16_t> got = background;
        const PicView sprite = sprites[step.sprite].view();
        drawVisitorSprite({expected.data(), kViewWidth, kViewHeight, kViewWidth}, sprite, step.x,
                          step.y, {VisitorLight::Mixed, step.night});
        drawLitVisitor({got.data(), kViewWidth, kViewHeight, kViewWidth}, step.index, sprite,
                       step.x, step.y, step.night, step.generation);
        ASSERT_EQ(got, expected) << "sprite " << step.sprite << " at night " << step.night << ", "
                                 << step.x << "," << step.y;
    }
    forgetLitSprites();
}

// A lit row is kept while the weight stays: changing the sprite behind the cache's back shows
// that the same weight draws what was kept (on a path that mixes as fast as it copies, nothing
// is kept), and another weight mixes again.
TEST_P(LitSprites, KeptWhileTheWeightStays) {
    Sprite sprite(8, 8, 8, 9);
    const auto draw = [&](int night, int rows) {
        std::vector<uint16_t> out(64, 0);
        drawLitVisitor({out.data(), 8, rows, 8}, 2, sprite.view(), 0, 0, night, 1);
        return out;
    };
    const auto mixed = [&](int night) {
        std::vector<uint16_t> out(64, 0);
        drawVisitorSprite({out.data(), 8, 8, 8}, sprite.view(), 0, 0, {VisitorLight::Mixed, night});
        return out;
    };
    const std::vector<uint16_t> first = draw(50, 8);
    for (auto& p : sprite.pixels) p = p == 0 ? 0 : 0x1234;
    EXPECT_EQ(draw(50, 8), beachpx::kernels().keepMixedRows ? first : mixed(50));
    EXPECT_EQ(draw(51, 8), mixed(51));
    // Rows first drawn at another weight than the rest are mixed for the weight they are drawn
    // at: the top half at 52, then the whole at 60.
    forgetLitSprites();
    draw(52, 4);
    EXPECT_EQ(draw(60, 8), mixed(60));
}

RAVEZ_FOR_EVERY_PIXEL_PATH(Beach, LitSprites);

}  // namespace
