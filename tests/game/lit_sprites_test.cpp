// Visitors lit once per night weight and then copied look exactly as visitors mixed in every
// frame: over a walk of weights, sprites, picture generations and places half off the view.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "engine/display/page.h"
#include "game/scenes/beach/beach_pixels.h"
#include "game/scenes/beach/lit_sprites.h"
#include "game/ui/scene_draw.h"

namespace {

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

TEST(LitSprites, LitOnceAndCopiedLooksAsMixedEveryFrame) {
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
        const PicView lit = litSprite(step.index, sprite, step.night, step.generation);
        ASSERT_TRUE(lit);
        EXPECT_EQ(lit.width, sprite.width);
        EXPECT_EQ(lit.height, sprite.height);
        drawLitSprite({got.data(), kViewWidth, kViewHeight, kViewWidth}, sprite, lit, step.x,
                      step.y);
        ASSERT_EQ(got, expected) << "sprite " << step.sprite << " at night " << step.night << ", "
                                 << step.x << "," << step.y;
    }
    forgetLitSprites();
    EXPECT_FALSE(litSprite(0, PicView{}, 10, 1));
    EXPECT_FALSE(litSprite(-1, sprites[0].view(), 10, 1));
}

// A lit sprite is kept while the weight stays: the same pixels come back without being made
// again, and another weight makes them anew.
TEST(LitSprites, KeptWhileTheWeightStays) {
    Sprite sprite(8, 8, 8, 9);
    const PicView first = litSprite(2, sprite.view(), 50, 1);
    const std::vector<uint16_t> before(first.pixels, first.pixels + 64);
    // Changing the sprite behind the cache's back shows that nothing is made again.
    for (auto& p : sprite.pixels) p = p == 0 ? 0 : 0x1234;
    const PicView again = litSprite(2, sprite.view(), 50, 1);
    EXPECT_EQ(std::vector<uint16_t>(again.pixels, again.pixels + 64), before);
    const PicView other = litSprite(2, sprite.view(), 51, 1);
    std::vector<uint16_t> fresh(64, 0);
    mixSprite(sprite.view(), 51, fresh.data());
    EXPECT_EQ(std::vector<uint16_t>(other.pixels, other.pixels + 64), fresh);
    forgetLitSprites();
}

}  // namespace
