// The beach's pixel loops on every processor path this machine has, against the rules written
// out plainly: the soften/blur wavefront on many sizes (every border case of the bands and
// vectors, random content, pictures inside larger ones), and the per-channel loops on every
// pixel value and on rows of every short length.

#include <gtest/gtest.h>

#include "tests/game/beach_filter_reference.h"
#include "tests/game/forced_pixel_path.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "game/scenes/beach/beach_pixels.h"
#include "game/scenes/beach/pixel_path.h"

namespace {

using beachpx::Path;

std::vector<uint16_t> noise(std::size_t n, std::mt19937& gen) {
    std::vector<uint16_t> p(n);
    for (uint16_t& c : p) c = static_cast<uint16_t>(gen());
    return p;
}

using PixelPaths = ForcedPixelPath;

TEST_P(PixelPaths, SoftenAndBlurMatchTheRuleOnEverySize) {
    // Widths and heights around the vector widths (8, 16) and band heights (32), the skew of
    // two columns a row, and the photo's own size.
    const int widths[] = {1,  2,  3,  4,  5,  7,  8,  9,  15, 16, 17,
                          31, 32, 33, 63, 64, 65, 66, 67, 70, 129};
    const int heights[] = {1, 2, 3, 4, 7, 8, 9, 15, 16, 17, 31, 32, 33, 34, 63, 64, 65, 97};
    std::mt19937 gen(7);
    auto check = [&](int w, int h) {
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        std::vector<uint16_t> expected = noise(static_cast<std::size_t>(w) * h, gen);
        std::vector<uint16_t> together = expected;
        expectSoftenThenTwoBlurs(expected, w, h);
        if (HasFatalFailure()) return;
        softenAndBlurInPlace(together.data(), w, h, w, 2);
        ASSERT_EQ(together, expected);
    };
    for (int w : widths)
        for (int h : heights) check(w, h);
    check(320, 180);
    check(320, 1);
    check(1, 180);
}

TEST_P(PixelPaths, EveryBlurCountAndSaturatedChannels) {
    std::mt19937 gen(11);
    for (int blur = 0; blur <= 3; ++blur) {
        std::vector<uint16_t> expected = noise(48 * 37, gen);
        std::vector<uint16_t> got = expected;
        referenceFilter(expected, 48, 37, 8, 16);
        for (int i = 0; i < blur; ++i) referenceFilter(expected, 48, 37, 0, 8);
        softenAndBlurInPlace(got.data(), 48, 37, 48, blur);
        ASSERT_EQ(got, expected) << blur;
    }
    // Full channels give the largest sums: none may run into the next channel.
    for (uint16_t c : {uint16_t{0xFFFF}, uint16_t{0xF800}, uint16_t{0x07E0}, uint16_t{0x001F}}) {
        std::vector<uint16_t> p(70 * 40, c);
        softenAndBlurInPlace(p.data(), 70, 40, 70, 2);
        for (uint16_t v : p) ASSERT_EQ(v, c);
    }
}

TEST_P(PixelPaths, EveryHeightAndLongChainsOfPasses) {
    // The passes run in groups of up to three, the bands start a few rows above the picture
    // depending on its height and the group's size: every height up to past three bands, and
    // chains of passes longer than a group.
    std::mt19937 gen(17);
    for (int h = 1; h <= 52; ++h) {
        for (int w : {3, 21}) {
            SCOPED_TRACE(testing::Message() << w << " x " << h);
            const std::vector<uint16_t> start = noise(static_cast<std::size_t>(w) * h, gen);
            std::vector<uint16_t> expected = start;
            std::vector<uint16_t> got = start;
            referenceFilter(expected, w, h, 8, 16);
            referenceFilter(expected, w, h, 0, 8);
            softenAndBlurInPlace(got.data(), w, h, w, 1);
            ASSERT_EQ(got, expected);
            expected = start;
            got = start;
            for (int i = 0; i < 3; ++i) referenceFilter(expected, w, h, 0, 8);
            blurInPlace(got.data(), w, h, w, 3);
            ASSERT_EQ(got, expected);
        }
    }
    for (int blur : {4, 5, 7}) {
        SCOPED_TRACE(blur);
        std::vector<uint16_t> expected = noise(45 * 38, gen);
        std::vector<uint16_t> got = expected;
        std::vector<uint16_t> softened = expected;
        std::vector<uint16_t> expectedSoftened = expected;
        for (int i = 0; i < blur; ++i) referenceFilter(expected, 45, 38, 0, 8);
        blurInPlace(got.data(), 45, 38, 45, blur);
        ASSERT_EQ(got, expected);
        referenceFilter(expectedSoftened, 45, 38, 8, 16);
        for (int i = 0; i < blur; ++i) referenceFilter(expectedSoftened, 45, 38, 0, 8);
        softenAndBlurInPlace(softened.data(), 45, 38, 45, blur);
        ASSERT_EQ(softened, expectedSoftened);
    }
}

TEST_P(PixelPaths, APartOfALargerPictureLeavesTheRestAlone) {
    std::mt19937 gen(5);
    const int stride = 90, rows = 50;
    std::vector<uint16_t> big = noise(static_cast<std::size_t>(stride) * rows, gen);
    const std::vector<uint16_t> before = big;
    const int x0 = 7, y0 = 3, w = 75, h = 41;
    std::vector<uint16_t> part;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            part.push_back(big[static_cast<std::size_t>(y) * stride + x]);
    referenceFilter(part, w, h, 8, 16);
    referenceFilter(part, w, h, 0, 8);
    softenAndBlurInPlace(big.data() + y0 * stride + x0, w, h, stride, 1);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < stride; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * stride + x;
            const bool inside = y >= y0 && y < y0 + h && x >= x0 && x < x0 + w;
            ASSERT_EQ(big[i],
                      inside ? part[static_cast<std::size_t>(y - y0) * w + (x - x0)] : before[i])
                << x << ", " << y;
        }
    }
}

TEST_P(PixelPaths, CaptureIsTheCopyThenTheFilters) {
    // Parts inside the view, across each of its edges and corners, and wholly outside it; with
    // and without flash, every blur count; written into a wider picture.
    std::mt19937 gen(13);
    const int vw = 97, vh = 61, vpitch = 101;
    std::vector<uint16_t> page = noise(static_cast<std::size_t>(vpitch) * vh, gen);
    const PageView view{page.data(), vw, vh, vpitch};
    struct Part {
        int x, y, w, h;
    };
    const Part parts[] = {{3, 2, 70, 40},   {-5, 4, 40, 33}, {60, -7, 37, 50}, {-3, -2, 100, 65},
                          {80, 50, 33, 20}, {0, 0, 97, 61},  {-40, 0, 30, 17}, {10, 70, 20, 5},
                          {90, 10, 1, 30},  {20, 60, 45, 1}, {-1, -1, 1, 1},   {50, 30, 2, 3}};
    for (const Part& part : parts) {
        for (bool flash : {false, true}) {
            for (int blur = 0; blur <= 3; ++blur) {
                SCOPED_TRACE(testing::Message()
                             << part.x << ", " << part.y << " " << part.w << " x " << part.h
                             << " flash " << flash << " blur " << blur);
                std::vector<uint16_t> expected(static_cast<std::size_t>(part.w) * part.h);
                copyFromView(view, part.x, part.y, part.w, part.h, expected.data(), part.w, flash);
                referenceFilter(expected, part.w, part.h, 8, 16);
                for (int i = 0; i < blur; ++i) referenceFilter(expected, part.w, part.h, 0, 8);
                const int stride = part.w + 7;
                std::vector<uint16_t> got(static_cast<std::size_t>(stride) * part.h, 0xABCD);
                capturePhoto(view, part.x, part.y, part.w, part.h, got.data(), stride, flash, blur);
                for (int y = 0; y < part.h; ++y) {
                    for (int x = 0; x < stride; ++x) {
                        const uint16_t g = got[static_cast<std::size_t>(y) * stride + x];
                        ASSERT_EQ(g, x < part.w ? expected[static_cast<std::size_t>(y) * part.w + x]
                                                : uint16_t{0xABCD})
                            << x << ", " << y;
                    }
                }
            }
        }
    }
    // A view without pixels is black.
    std::vector<uint16_t> black(20 * 10, 0x1234);
    capturePhoto(PageView{}, 0, 0, 20, 10, black.data(), 20, true, 2);
    for (uint16_t c : black) ASSERT_EQ(c, 0);
}

uint16_t plainRaised(uint16_t c) {
    const uint32_t r = std::min<uint32_t>((c & 0xF800u) + ((c & 0xF000u) >> 1), 0xF800u);
    const uint32_t g = std::min<uint32_t>((c & 0x07E0u) + ((c & 0x07C0u) >> 1), 0x07E0u);
    const uint32_t b = std::min<uint32_t>((c & 0x001Fu) + ((c & 0x001Eu) >> 1), 0x001Fu);
    return static_cast<uint16_t>(r | g | b);
}

uint16_t plainMixed(uint16_t c, int n) {
    const uint16_t d = nightPixel(c);
    const int r = ((c >> 11) * (255 - n) + (d >> 11) * n) >> 8;
    const int g = (((c >> 6) & 31) * (255 - n) + ((d >> 6) & 31) * n) >> 8;
    const int b = ((c & 31) * (255 - n) + (d & 31) * n) >> 8;
    return static_cast<uint16_t>(r << 11 | g << 6 | b);
}

uint16_t plainGlow(uint16_t p, int glow) {
    const int r = std::min((p >> 11) + (glow >> 3), 31);
    const int g = std::min(((p >> 5) & 63) + (glow >> 2), 63);
    const int b = std::min((p & 31) + (glow >> 3), 31);
    return static_cast<uint16_t>(r << 11 | g << 5 | b);
}

TEST_P(PixelPaths, ChannelLoopsOnEveryPixelValue) {
    std::vector<uint16_t> all(65536);
    for (int c = 0; c < 65536; ++c) all[static_cast<std::size_t>(c)] = static_cast<uint16_t>(c);
    const PageView allView{all.data(), 65536, 1, 65536};
    const PicView allPic{all.data(), 65536, 1, 65536};

    std::vector<uint16_t> out(65536);
    copyFromView(allView, 0, 0, 65536, 1, out.data(), 65536, true);
    for (int c = 0; c < 65536; ++c)
        ASSERT_EQ(out[static_cast<std::size_t>(c)], plainRaised(static_cast<uint16_t>(c))) << c;

    for (int n : {0, 1, 77, 128, 254, 255}) {
        std::fill(out.begin(), out.end(), uint16_t{0x1234});
        drawVisitorSprite({out.data(), 65536, 1, 65536}, allPic, 0, 0, {VisitorLight::Mixed, n});
        ASSERT_EQ(out[0], 0x1234);  // colour 0 is see-through
        for (int c = 1; c < 65536; ++c)
            ASSERT_EQ(out[static_cast<std::size_t>(c)], plainMixed(static_cast<uint16_t>(c), n))
                << c << " at night " << n;
    }
    std::fill(out.begin(), out.end(), uint16_t{0x1234});
    drawVisitorSprite({out.data(), 65536, 1, 65536}, allPic, 0, 0, {VisitorLight::Night, 0});
    ASSERT_EQ(out[0], 0x1234);
    for (int c = 1; c < 65536; ++c)
        ASSERT_EQ(out[static_cast<std::size_t>(c)], nightPixel(static_cast<uint16_t>(c))) << c;

    for (int glow : {1, 8, 40, 200, 255, 1000}) {
        out = all;
        addGlow({out.data(), 65536, 1, 65536}, glow);
        for (int c = 0; c < 65536; ++c)
            ASSERT_EQ(out[static_cast<std::size_t>(c)],
                      plainGlow(static_cast<uint16_t>(c), std::min(glow, 255)))
                << c << " glow " << glow;
    }
}

TEST_P(PixelPaths, ChannelLoopsStopAtTheRowsEnd) {
    // Every length up to past two vectors, at every start within one: the pixels after the
    // row (and the sprite's clipped part) stay as they were.
    std::mt19937 gen(3);
    const std::vector<uint16_t> sprite = noise(80, gen);
    for (int start = 0; start < 32; ++start) {
        for (int n = 0; n <= 70; ++n) {
            std::vector<uint16_t> page = noise(160, gen);
            const std::vector<uint16_t> before = page;
            const PicView pic{sprite.data(), n, 1, n};
            drawVisitorSprite({page.data() + start, n, 1, n}, pic, 0, 0, {VisitorLight::Mixed, 90});
            for (std::size_t i = 0; i < page.size(); ++i) {
                const int x = static_cast<int>(i) - start;
                if (x >= 0 && x < n) {
                    const uint16_t s = sprite[static_cast<std::size_t>(x)];
                    ASSERT_EQ(page[i], s ? plainMixed(s, 90) : before[i]);
                } else {
                    ASSERT_EQ(page[i], before[i]) << start << " " << n << " " << i;
                }
            }
            page = before;
            addGlow({page.data() + start, n, 1, n}, 99);
            for (std::size_t i = 0; i < page.size(); ++i) {
                const int x = static_cast<int>(i) - start;
                ASSERT_EQ(page[i], x >= 0 && x < n ? plainGlow(before[i], 99) : before[i]);
            }
        }
    }
}

RAVEZ_FOR_EVERY_PIXEL_PATH(Beach, PixelPaths);

TEST(BeachPixelPath, NamesAndChoice) {
    Path p = Path::Plain;
    EXPECT_TRUE(beachpx::parsePath("avx512", &p));
    EXPECT_EQ(p, Path::Avx512);
    EXPECT_TRUE(beachpx::parsePath("plain", &p));
    EXPECT_EQ(p, Path::Plain);
    EXPECT_FALSE(beachpx::parsePath("sse9", &p));
    EXPECT_EQ(p, Path::Plain);
    const Path before = beachpx::currentPath();
    // A path the processor lacks falls back to the best it has.
    EXPECT_EQ(beachpx::usePath(Path::Avx512), beachpx::bestPath());
    EXPECT_EQ(beachpx::usePath(Path::Plain), Path::Plain);
    EXPECT_EQ(beachpx::currentPath(), Path::Plain);
    beachpx::usePath(before);
}

}  // namespace
