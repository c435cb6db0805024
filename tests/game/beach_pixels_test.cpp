// The beach's per-pixel work on small known pictures: softening and blur in place (the order
// and the clamped borders), the flash raise's saturation, the visitors' night light and the
// flash glow.

#include <gtest/gtest.h>

#include "tests/game/beach_filter_reference.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "game/scenes/beach/beach_pixels.h"

namespace {

uint16_t rgb(int r, int g, int b) {
    return static_cast<uint16_t>(r << 11 | g << 5 | b);
}

std::vector<uint16_t> noise(int w, int h, unsigned seed) {
    std::mt19937 gen(seed);
    std::vector<uint16_t> p(static_cast<std::size_t>(w) * h);
    for (uint16_t& c : p) c = static_cast<uint16_t>(gen());
    return p;
}

TEST(BeachPixels, SoftenUsesNeighboursAlreadyDone) {
    // Blue only: [16 0; 0 0]. (0,0): 8·16 + 16 (above-left, above, left clamped to itself)
    // × 3 = 176 / 16 = 11; (1,0) then sees the 11 twice (left, and above-left clamped): 22 / 16.
    std::vector<uint16_t> p = {16, 0, 0, 0};
    softenInPlace(p.data(), 2, 2, 2);
    EXPECT_EQ(p, (std::vector<uint16_t>{11, 1, 1, 0}));
}

TEST(BeachPixels, BlurIsTheMeanOfTheEightNeighbours) {
    std::vector<uint16_t> p = {16, 0, 0, 0};
    blurInPlace(p.data(), 2, 2, 2, 1);
    EXPECT_EQ(p, (std::vector<uint16_t>{6, 1, 1, 1}));
    // No pass leaves the picture as it is.
    std::vector<uint16_t> q = {16, 0, 0, 0};
    blurInPlace(q.data(), 2, 2, 2, 0);
    EXPECT_EQ(q, (std::vector<uint16_t>{16, 0, 0, 0}));
}

TEST(BeachPixels, FullChannelsStayFullAndDoNotRunIntoEachOther) {
    for (uint16_t c : {uint16_t{0xFFFF}, rgb(31, 0, 0), rgb(0, 63, 0), rgb(0, 0, 31)}) {
        std::vector<uint16_t> p(35, c);
        softenInPlace(p.data(), 7, 5, 7);
        for (uint16_t v : p) EXPECT_EQ(v, c);
        blurInPlace(p.data(), 7, 5, 7, 2);
        for (uint16_t v : p) EXPECT_EQ(v, c);
    }
}

TEST(BeachPixels, SoftenAndBlurMatchTheRuleOnAnySize) {
    const int sizes[][2] = {{1, 1}, {1, 4}, {5, 1}, {2, 3}, {7, 5}, {33, 17}, {320, 180}};
    unsigned seed = 1;
    for (const auto& size : sizes) {
        const int w = size[0];
        const int h = size[1];
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        std::vector<uint16_t> expected = noise(w, h, seed++);
        expectSoftenThenTwoBlurs(expected, w, h);
        if (HasFatalFailure()) return;
    }
}

TEST(BeachPixels, SoftenInsideALargerPicture) {
    // A 4 × 3 part of a 9-wide picture: the pixels around it stay as they were.
    std::vector<uint16_t> big = noise(9, 5, 77);
    const std::vector<uint16_t> before = big;
    std::vector<uint16_t> part;
    for (int y = 1; y < 4; ++y)
        for (int x = 2; x < 6; ++x) part.push_back(big[static_cast<std::size_t>(y) * 9 + x]);
    referenceFilter(part, 4, 3, 8, 16);
    softenInPlace(big.data() + 9 + 2, 4, 3, 9);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 9; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * 9 + x;
            if (y >= 1 && y < 4 && x >= 2 && x < 6) {
                EXPECT_EQ(big[i], part[static_cast<std::size_t>(y - 1) * 4 + (x - 2)]);
            } else {
                EXPECT_EQ(big[i], before[i]);
            }
        }
    }
}

TEST(BeachPixels, FlashRaisesEachChannelByHalfAndSaturates) {
    EXPECT_EQ(flashRaised(0), 0);
    EXPECT_EQ(flashRaised(0xFFFF), 0xFFFF);
    EXPECT_EQ(flashRaised(rgb(16, 0, 0)), rgb(24, 0, 0));
    EXPECT_EQ(flashRaised(rgb(17, 0, 0)), rgb(25, 0, 0));  // half of 16: the lowest bit cleared
    EXPECT_EQ(flashRaised(rgb(21, 0, 0)), rgb(31, 0, 0));
    EXPECT_EQ(flashRaised(rgb(31, 0, 0)), rgb(31, 0, 0));
    EXPECT_EQ(flashRaised(rgb(0, 40, 0)), rgb(0, 60, 0));
    EXPECT_EQ(flashRaised(rgb(0, 41, 0)), rgb(0, 61, 0));
    EXPECT_EQ(flashRaised(rgb(0, 43, 0)), rgb(0, 63, 0));
    EXPECT_EQ(flashRaised(rgb(0, 0, 1)), rgb(0, 0, 1));
    EXPECT_EQ(flashRaised(rgb(0, 0, 3)), rgb(0, 0, 4));
    EXPECT_EQ(flashRaised(rgb(30, 50, 2)), rgb(31, 63, 3));
    // Every value: no channel ever falls or leaks into another.
    for (int c = 0; c < 65536; ++c) {
        const uint16_t v = static_cast<uint16_t>(c);
        const uint16_t f = flashRaised(v);
        ASSERT_GE(f >> 11, v >> 11);
        ASSERT_GE((f >> 5) & 63, (v >> 5) & 63);
        ASSERT_GE(f & 31, v & 31);
    }
}

TEST(BeachPixels, CopyFromTheViewRaisesWithFlashAndBlanksWhatIsOutside) {
    std::vector<uint16_t> page(16 * 8, rgb(16, 40, 16));
    const PageView view{page.data(), 16, 8, 16};
    std::vector<uint16_t> out(6 * 4, 0x1234);
    copyFromView(view, 12, 6, 6, 4, out.data(), 6, true);
    EXPECT_EQ(out[0], rgb(24, 60, 24));
    EXPECT_EQ(out[3], rgb(24, 60, 24));
    EXPECT_EQ(out[4], 0);      // x 16: beyond the view
    EXPECT_EQ(out[2 * 6], 0);  // y 8
    copyFromView(view, -2, 0, 6, 4, out.data(), 6, false);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[2], rgb(16, 40, 16));
}

TEST(BeachPixels, VisitorsByDayAtNightAndMixed) {
    const uint16_t c = rgb(20, 40, 10);
    EXPECT_EQ(nightPixel(c), static_cast<uint16_t>(rgb(10, 20, 5) + 0x0861));
    // Mixed: per 5-bit channel (c × (255 − n) + d × n) >> 8, green's lowest bit dropped.
    const uint16_t d = nightPixel(c);
    for (int n : {0, 1, 128, 254, 255}) {
        const int r = ((c >> 11) * (255 - n) + (d >> 11) * n) >> 8;
        const int g = (((c >> 6) & 31) * (255 - n) + ((d >> 6) & 31) * n) >> 8;
        const int b = ((c & 31) * (255 - n) + (d & 31) * n) >> 8;
        EXPECT_EQ(mixedVisitorPixel(c, n), static_cast<uint16_t>(r << 11 | g << 6 | b)) << n;
    }
    // Colour 0 is see-through in every light; the sprite is cut to the view.
    const std::vector<uint16_t> sprite = {0, c, c, 0};
    const PicView pic{sprite.data(), 2, 2, 2};
    for (VisitorLight::Kind kind : {VisitorLight::Day, VisitorLight::Night, VisitorLight::Mixed}) {
        std::vector<uint16_t> page(4 * 3, 0x0841);
        drawVisitorSprite({page.data(), 4, 3, 4}, pic, 3, 1, {kind, 100});
        EXPECT_EQ(page[1 * 4 + 3], 0x0841);  // sprite pixel 0
        EXPECT_NE(page[2 * 4 + 3], 0x0841);
        EXPECT_EQ(std::count(page.begin(), page.end(), uint16_t{0x0841}), 11);
    }
}

TEST(BeachPixels, GlowAddsGreyAndSaturates) {
    std::vector<uint16_t> page = {0, rgb(30, 60, 30), rgb(1, 2, 3)};
    addGlow({page.data(), 3, 1, 3}, 255);
    EXPECT_EQ(page[0], rgb(31, 63, 31));
    EXPECT_EQ(page[1], rgb(31, 63, 31));
    page = {0, rgb(30, 60, 30), rgb(1, 2, 3)};
    addGlow({page.data(), 3, 1, 3}, 40);  // (5, 10, 5)
    EXPECT_EQ(page[0], rgb(5, 10, 5));
    EXPECT_EQ(page[1], rgb(31, 63, 31));
    EXPECT_EQ(page[2], rgb(6, 12, 8));
}

}  // namespace
