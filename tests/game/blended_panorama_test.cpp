// The panorama blend kept from frame to frame gives, after any walk of scrolls, night weights and
// picture reloads, exactly the pixels a fresh blend gives.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "engine/display/page.h"
#include "game/scenes/beach/blended_panorama.h"
#include "game/ui/scene_draw.h"

namespace {

constexpr int kPanoramaWidth = 300;
constexpr int kHeight = 20;

struct Panoramas {
    std::vector<uint16_t> day = std::vector<uint16_t>(kPanoramaWidth * kHeight);
    std::vector<uint16_t> night = std::vector<uint16_t>(kPanoramaWidth * kHeight);
    explicit Panoramas(uint32_t seed) {
        std::mt19937 random(seed);
        for (auto& p : day) p = static_cast<uint16_t>(random());
        for (auto& p : night) p = static_cast<uint16_t>(random());
    }
    PicView at(const std::vector<uint16_t>& pixels, int scrollX, int width) const {
        return {pixels.data() + scrollX, width, kHeight, kPanoramaWidth};
    }
};

TEST(BlendedPanorama, AWalkOfScrollsWeightsAndReloadsMatchesAFreshBlendEveryFrame) {
    const Panoramas first(1);
    const Panoramas second(2);
    constexpr int kViewWidth = 64;
    struct Step {
        int scrollX;
        int weight;
        int pictures;  // 1 or 2: which pictures, also their generation
        int viewHeight;
    };
    const Step walk[] = {
        {100, 90, 1, 16},      {100, 90, 1, 16}, {101, 90, 1, 16}, {106, 90, 1, 16},
        {105, 90, 1, 16},      {97, 90, 1, 16},  {97, 91, 1, 16},  {160, 91, 1, 16},
        {160 - 63, 91, 1, 16}, {230, 91, 1, 16}, {236, 91, 1, 16},  // near the right end
        {236, 91, 2, 16},      {230, 91, 2, 16}, {230, 91, 2, 12}, {231, 91, 2, 12},
        {0, 255, 2, 12},       {3, 0, 2, 12},    {0, 0, 2, 12},
    };
    std::vector<uint16_t> page(kViewWidth * 16);
    std::vector<uint16_t> expected(kViewWidth * 16);
    forgetBlendedPanorama();
    int frame = 0;
    for (const Step& step : walk) {
        const Panoramas& p = step.pictures == 1 ? first : second;
        const int width = std::min(kViewWidth, kPanoramaWidth - step.scrollX);
        const PageView view{page.data(), kViewWidth, step.viewHeight, kViewWidth};
        const PageView fresh{expected.data(), kViewWidth, step.viewHeight, kViewWidth};
        std::fill(page.begin(), page.end(), 0x1234);
        std::fill(expected.begin(), expected.end(), 0x1234);
        drawBlendedPanorama(view, p.at(p.day, step.scrollX, width),
                            p.at(p.night, step.scrollX, width), step.scrollX, step.weight,
                            static_cast<uint64_t>(step.pictures));
        blendTwo(fresh, p.at(p.day, step.scrollX, width), p.at(p.night, step.scrollX, width),
                 step.weight);
        EXPECT_EQ(page, expected) << "frame " << frame;
        ++frame;
    }
    forgetBlendedPanorama();
}

}  // namespace
