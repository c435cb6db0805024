#pragma once
// The photo filters' rule as written, for the tests to compare every implementation with: in
// place, row by row, left to right, each pixel from its 3 × 3 neighbourhood read at clamped
// positions as the buffer holds them at that moment, `self` times itself, per channel / divisor.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/scenes/beach/beach_pixels.h"

inline void referenceFilter(std::vector<uint16_t>& p, int w, int h, int self, int divisor) {
    auto at = [&](int x, int y) {
        return p[static_cast<std::size_t>(std::clamp(y, 0, h - 1)) * w + std::clamp(x, 0, w - 1)];
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const uint16_t c = at(x + dx, y + dy);
                    const int k = dx == 0 && dy == 0 ? self : 1;
                    r += k * (c >> 11);
                    g += k * ((c >> 5) & 63);
                    b += k * (c & 31);
                }
            }
            p[static_cast<std::size_t>(y) * w + x] =
                static_cast<uint16_t>((r / divisor) << 11 | (g / divisor) << 5 | (b / divisor));
        }
    }
}

// The game's soften, then two blur passes, on a copy of `picture` (w × h, rows w apart) checked
// against the rule step by step; `picture` is left holding the rule's result.
inline void expectSoftenThenTwoBlurs(std::vector<uint16_t>& picture, int w, int h) {
    std::vector<uint16_t> got = picture;
    referenceFilter(picture, w, h, 8, 16);
    softenInPlace(got.data(), w, h, w);
    ASSERT_EQ(got, picture);
    referenceFilter(picture, w, h, 0, 8);
    referenceFilter(picture, w, h, 0, 8);
    blurInPlace(got.data(), w, h, w, 2);
    ASSERT_EQ(got, picture);
}
