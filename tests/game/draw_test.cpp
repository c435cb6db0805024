// The scene primitives against their per-channel rules, their clipping, and where captions go.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/ui/scene.h"
#include "game/ui/scene_draw.h"

namespace {

struct Rgb {
    int r, g, b;  // 5, 6, 5 bits
};
Rgb split(uint16_t c) {
    return {c >> 11, (c >> 5) & 63, c & 31};
}
uint16_t join(Rgb c) {
    return static_cast<uint16_t>(c.r << 11 | c.g << 5 | c.b);
}

class Page {
  public:
    Page(int w, int h, uint16_t fill)
        : w_(w), h_(h), pixels_(static_cast<std::size_t>(w) * h, fill) {}
    PageView view() { return {pixels_.data(), w_, h_, w_}; }
    uint16_t at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * w_ + x]; }

  private:
    int w_, h_;
    std::vector<uint16_t> pixels_;
};

const uint16_t kColours[] = {0x0000, 0xFFFF, 0xF800, 0x07E0, 0x001F,
                             0x8410, 0x1234, 0xBEEF, 0x0821};

TEST(PrimitivesTest, FadedIsThreeQuartersPictureOverTheBackground) {
    for (uint16_t d : kColours) {
        for (uint16_t s : kColours) {
            Page page(8, 1, d);
            const std::vector<uint16_t> picture(8, s);
            drawFaded(page.view(), {picture.data(), 8, 1, 8}, 0, 0);
            const Rgb a = split(s);
            const Rgb b = split(d);
            const Rgb want = {a.r / 2 + (b.r / 2 + a.r / 2) / 2, a.g / 2 + (b.g / 2 + a.g / 2) / 2,
                              a.b / 2 + (b.b / 2 + a.b / 2) / 2};
            for (int x = 0; x < 8; ++x) {
                ASSERT_EQ(page.at(x, 0), s == 0 ? d : join(want)) << std::hex << s << " over " << d;
            }
        }
    }
}

TEST(PrimitivesTest, BoxesTintStippleAndDarkenPerChannel) {
    for (uint16_t d : kColours) {
        for (uint16_t c : kColours) {
            Page page(4, 4, d);
            tintBox(page.view(), 1, 1, 2, 2, c);
            const Rgb a = split(d);
            const Rgb b = split(c);
            EXPECT_EQ(page.at(1, 1),
                      join({a.r / 2 + b.r / 2, a.g / 2 + b.g / 2, a.b / 2 + b.b / 2}));
            EXPECT_EQ(page.at(0, 0), d);
            EXPECT_EQ(page.at(3, 3), d);
        }
        Page dark(3, 1, d);
        darkenBox(dark.view(), -5, 0, 100, 1);
        const Rgb a = split(d);
        EXPECT_EQ(dark.at(2, 0), join({a.r / 2, a.g / 2, a.b / 2}));
    }
    Page page(5, 5, 0);
    stippleBox(page.view(), 1, 0, 3, 5, 0xFFFF);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            const bool set = x >= 1 && x <= 3 && (x + y) % 2 == 0;
            EXPECT_EQ(page.at(x, y), set ? 0xFFFF : 0) << x << "," << y;
        }
    }
}

TEST(PrimitivesTest, BlendTwoFollowsTheProductTable) {
    fillBlendTable();
    const BlendTable& t = blendTable();
    std::vector<uint16_t> first(std::begin(kColours), std::end(kColours));
    std::vector<uint16_t> second(first.rbegin(), first.rend());
    const int n = static_cast<int>(first.size());
    for (int a = 0; a < 256; a += 5) {
        Page page(n, 1, 0x5555);
        blendTwo(page.view(), {first.data(), n, 1, n}, {second.data(), n, 1, n}, a);
        for (int x = 0; x < n; ++x) {
            const Rgb p = split(first[x]);
            const Rgb q = split(second[x]);
            const int r = (t[a][p.r] + t[255 - a][q.r]) >> 8;
            const int g = (t[a][p.g >> 1] + t[255 - a][q.g >> 1]) >> 8;
            const int b = (t[a][p.b] + t[255 - a][q.b]) >> 8;
            ASSERT_EQ(page.at(x, 0), join({r, g * 2, b})) << "a " << a << " x " << x;
        }
    }
}

// The product-table rule for one pixel pair.
uint16_t blendedPixel(uint16_t first, uint16_t second, int a) {
    const BlendTable& t = blendTable();
    const Rgb p = split(first);
    const Rgb q = split(second);
    const int r = (t[a][p.r] + t[255 - a][q.r]) >> 8;
    const int g = (t[a][p.g >> 1] + t[255 - a][q.g >> 1]) >> 8;
    const int b = (t[a][p.b] + t[255 - a][q.b]) >> 8;
    return join({r, g * 2, b});
}

// Blends two pictures of width × height with row stride `stride` and checks every pixel.
void expectBlendRule(const std::vector<uint16_t>& first, const std::vector<uint16_t>& second,
                     int width, int height, int stride, int a) {
    Page page(width, height, 0x5555);
    blendTwo(page.view(), {first.data(), width, height, stride},
             {second.data(), width, height, stride}, a);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * stride + x;
            ASSERT_EQ(page.at(x, y), blendedPixel(first[i], second[i], a))
                << "a " << a << " first " << first[i] << " second " << second[i];
        }
    }
}

TEST(PrimitivesTest, BlendTwoFollowsTheRuleForEveryWeightAndChannelPair) {
    fillBlendTable();
    // Every (first, second) pair of channel values in all three channels at once, each channel
    // through its own shuffle of the pairs, with the dropped green bit in all four states.
    // Rows of 61 in a stride of 64 leave a partial vector at every row end.
    constexpr int kWidth = 61;
    constexpr int kStride = 64;
    constexpr int kPairs = 32 * 32 * 4;
    constexpr int kHeight = (kPairs + kWidth - 1) / kWidth;
    std::vector<uint16_t> first(static_cast<std::size_t>(kStride) * kHeight, 0xFFFF);
    std::vector<uint16_t> second(first.size(), 0xFFFF);
    for (int k = 0; k < kPairs; ++k) {
        const int x = (k >> 2) & 31;
        const int y = k >> 7;
        const std::size_t i = static_cast<std::size_t>(k / kWidth) * kStride + k % kWidth;
        first[i] = join({x, ((x * 5 + 3) & 31) * 2 + (k & 1), (x * 11 + 7) & 31});
        second[i] = join({y, ((y * 13 + 1) & 31) * 2 + ((k >> 1) & 1), (y * 7 + 30) & 31});
    }
    for (int a = 0; a < 256; ++a) expectBlendRule(first, second, kWidth, kHeight, kStride, a);
}

TEST(PrimitivesTest, BlendTwoFollowsTheRuleForEveryPixelValueAndWeight) {
    fillBlendTable();
    // Every 16-bit value in each picture, against a scattered partner.
    std::vector<uint16_t> first(65536);
    std::vector<uint16_t> second(65536);
    for (uint32_t v = 0; v < 65536; ++v) {
        first[v] = static_cast<uint16_t>(v);
        second[v] = static_cast<uint16_t>(v * 40503u + 12345u);
    }
    for (int a = 0; a < 256; ++a) {
        expectBlendRule(first, second, 256, 256, 256, a);
        expectBlendRule(second, first, 256, 256, 256, a);
    }
    // Every row length up to a few vectors, and weights outside 0..255 clamped.
    for (int width = 1; width <= 50; ++width) {
        for (int a : {-7, 0, 1, 127, 128, 200, 255, 300}) {
            Page page(width, 1, 0x5555);
            blendTwo(page.view(), {first.data() + 999, width, 1, width},
                     {second.data() + 3, width, 1, width}, a);
            for (int x = 0; x < width; ++x) {
                ASSERT_EQ(page.at(x, 0),
                          blendedPixel(first[999 + x], second[3 + x], std::clamp(a, 0, 255)))
                    << "width " << width << " a " << a << " x " << x;
            }
        }
    }
}

TEST(PrimitivesTest, BlendTwoCoversThePicturesAndNothingElseInCallAfterCall) {
    fillBlendTable();
    // Taller than one stretch of rows, and not a multiple of it; consecutive calls walk the
    // stretches in turn from the top and from the bottom.
    constexpr int kWidth = 64;
    constexpr int kHeight = 150;
    std::vector<uint16_t> first(static_cast<std::size_t>(kWidth) * kHeight);
    std::vector<uint16_t> second(first.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        first[i] = static_cast<uint16_t>(i * 2654435761u >> 7);
        second[i] = static_cast<uint16_t>(i * 40503u + 99u);
    }
    const PicView one{first.data(), kWidth, kHeight, kWidth};
    const PicView two{second.data(), kWidth, kHeight, kWidth};
    for (const int pageWidth : {kWidth, kWidth + 6}) {  // rows without and with gaps between
        Page page(pageWidth, kHeight + 3, 0x5555);
        for (const int a : {0, 77, 200, 255}) {
            blendTwo(page.view(), one, two, a);
            for (int y = 0; y < kHeight + 3; ++y) {
                for (int x = 0; x < pageWidth; ++x) {
                    const std::size_t i = static_cast<std::size_t>(y) * kWidth + x;
                    const uint16_t want = x < kWidth && y < kHeight
                                              ? blendedPixel(first[i], second[i], a)
                                              : uint16_t{0x5555};
                    ASSERT_EQ(page.at(x, y), want)
                        << "page width " << pageWidth << " a " << a << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(PrimitivesTest, KeyedCopyClipsAtEveryEdge) {
    const std::vector<uint16_t> picture = {1, 0, 3, 4, 5, 6, 0, 8, 9};  // 3 × 3
    const PicView view{picture.data(), 3, 3, 3};
    for (int x = -3; x <= 4; ++x) {
        for (int y = -3; y <= 4; ++y) {
            Page page(4, 4, 0x7777);
            drawKeyed(page.view(), view, x, y);
            for (int py = 0; py < 4; ++py) {
                for (int px = 0; px < 4; ++px) {
                    const int sx = px - x;
                    const int sy = py - y;
                    uint16_t want = 0x7777;
                    if (sx >= 0 && sx < 3 && sy >= 0 && sy < 3 && picture[sy * 3 + sx] != 0) {
                        want = picture[sy * 3 + sx];
                    }
                    ASSERT_EQ(page.at(px, py), want) << x << "," << y;
                }
            }
        }
    }
    // A sub-rectangle starts at its own corner.
    Page page(2, 2, 0);
    drawCopy(page.view(), subPicture(view, 1, 1, 2, 2), 0, 0);
    EXPECT_EQ(page.at(0, 0), 5);
    EXPECT_EQ(page.at(1, 1), 9);
}

TEST(PrimitivesTest, GreyCopyAndScaledDrawing) {
    const uint16_t colour = join({30, 40, 5});  // (30 + 20 + 5) / 3 = 18
    Page page(4, 2, colour);
    std::vector<uint16_t> grey(4 * 2);
    greyCopy(page.view(), grey.data(), 4, 2);
    EXPECT_EQ(grey[7], join({18, 36, 18}));

    const std::vector<uint16_t> picture = {1, 2, 3, 4};  // 2 × 2
    Page big(4, 4, 0);
    drawScaled(big.view(), {picture.data(), 2, 2, 2}, 0, 0, 4, 4);
    EXPECT_EQ(big.at(1, 1), 1);
    EXPECT_EQ(big.at(2, 1), 2);
    EXPECT_EQ(big.at(3, 3), 4);
    Page small(1, 1, 0);
    drawScaled(small.view(), {picture.data(), 2, 2, 2}, -1, -1, 2, 2);  // clipped to one pixel
    EXPECT_EQ(small.at(0, 0), 4);
}

TEST(PrimitivesTest, ScaledDrawingFollowsTheStepRuleAtEveryFactorAndClip) {
    // Exact doubling has a path of its own; it and the general gather must both give the
    // fixed-point rule, with the clip cutting a doubled pair on either side.
    std::vector<uint16_t> picture(13 * 7);
    for (std::size_t i = 0; i < picture.size(); ++i) picture[i] = static_cast<uint16_t>(i + 1);
    const PicView view{picture.data(), 13, 7, 13};
    for (const int width : {26, 27, 25, 39, 52, 8, 13}) {
        for (const int height : {14, 7, 11}) {
            for (const int x : {-3, -2, 0, 1, 5}) {
                for (const int y : {-1, 0, 2}) {
                    Page page(31, 15, 0x7777);
                    drawScaled(page.view(), view, x, y, width, height);
                    const uint32_t stepX = (13u << 16) / static_cast<uint32_t>(width);
                    const uint32_t stepY = (7u << 16) / static_cast<uint32_t>(height);
                    for (int py = 0; py < 15; ++py) {
                        for (int px = 0; px < 31; ++px) {
                            uint16_t want = 0x7777;
                            if (px >= x && px < x + width && py >= y && py < y + height) {
                                const auto sx = (static_cast<uint32_t>(px - x) * stepX) >> 16;
                                const auto sy = (static_cast<uint32_t>(py - y) * stepY) >> 16;
                                want = picture[sy * 13 + sx];
                            }
                            ASSERT_EQ(page.at(px, py), want)
                                << width << "x" << height << " at " << x << "," << y << ": " << px
                                << "," << py;
                        }
                    }
                }
            }
        }
    }
}

TEST(CaptionTest, StaysOnTheScreen) {
    // Centred under the cursor.
    EXPECT_EQ(captionPlace(10, 320, 100).left, 280);
    // Near the right edge it ends 4 pixels before x = 640.
    EXPECT_EQ(captionPlace(10, 639, 100).left + 80, 636);
    // Near the left edge it starts at x = 6.
    EXPECT_EQ(captionPlace(10, 3, 100).left, 6);
    EXPECT_EQ(captionPlace(3, 320, 478 + 13).y, 465);
    EXPECT_EQ(captionPlace(3, 320, -20).y, 0);
}

}  // namespace
