#pragma once
// The beach's per-pixel work on plain memory, a whole row at a time: the visitors' night
// light, the flash raise of a photo, the photo's softening and blur, and the flash glow.
// Pixels are RGB565.

#include <cstdint>

#include "engine/display/page.h"
#include "game/ui/scene_draw.h"

// How a visitor is lit: by day as it is, at night at half brightness, or mixed between the two
// by the night weight (detailed backgrounds).
struct VisitorLight {
    enum Kind { Day, Night, Mixed } kind = Day;
    int night = 0;  // 0..255, for Mixed
};
// The night form of a pixel: half brightness, lifted by 0x0861.
inline uint16_t nightPixel(uint16_t c) {
    return static_cast<uint16_t>(((c & 0xF7DE) >> 1) + 0x0861);
}
// c and its night form mixed per channel as (c × (255 − night) + d × night) >> 8 on 5-bit
// channels (green by its top five bits, its lowest bit then 0).
uint16_t mixedVisitorPixel(uint16_t c, int night);
// Every non-zero pixel of the sprite at (x, y), lit; clipped to the view.
void drawVisitorSprite(const PageView& view, PicView sprite, int x, int y, VisitorLight light);

// Each channel raised by half of itself (taken with its lowest bit cleared), saturated.
uint16_t flashRaised(uint16_t c);
// A width × height part of the view at (x, y) into out (pitch outStride); with flash each pixel
// raised. What lies outside the view is black.
void copyFromView(const PageView& view, int x, int y, int width, int height, uint16_t* out,
                  int outStride, bool flash);

// In place, rows top to bottom and pixels left to right, neighbours clamped at the borders and
// those already done used as they are, per channel:
// soften: (8 × itself + its 8 neighbours) / 16; blur: the mean of its 8 neighbours.
void softenInPlace(uint16_t* pixels, int width, int height, int stride);
void blurInPlace(uint16_t* pixels, int width, int height, int stride, int passes);
// Soften once, then blur blurPasses times: the photo's whole treatment in one go, the picture
// converted to the working form and back only once.
void softenAndBlurInPlace(uint16_t* pixels, int width, int height, int stride, int blurPasses);
// The photo of a part of the view: copyFromView, then softenAndBlurInPlace, in one go (the view
// read straight into the filter's working form).
void capturePhoto(const PageView& view, int x, int y, int width, int height, uint16_t* out,
                  int outStride, bool flash, int blurPasses);

// Adds the grey (glow >> 3, glow >> 2, glow >> 3) to every pixel of the view, per channel
// saturated.
void addGlow(const PageView& view, int glow);
