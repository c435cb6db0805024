#pragma once
// The scene primitives: pictures and boxes drawn onto a page view, each clipped to the page.
// Pixels are RGB565; the per-channel halvings mask with 0xF7DE so that no bit runs into the
// next channel. Every loop works a whole row at a time on plain memory.

#include <cstdint>

#include "engine/display/page.h"

// A picture (or a part of one) as the primitives read it: `stride` pixels from row to row.
struct PicView {
    const uint16_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;

    explicit operator bool() const { return pixels != nullptr && width > 0 && height > 0; }
};

// The picture in a block of the in-memory image form (width, height, pixels); empty for null.
PicView picView(const uint8_t* block);
// A sub-rectangle, cut to the picture.
PicView subPicture(PicView picture, int x, int y, int width, int height);

// Opaque copy.
void drawCopy(const PageView& page, PicView picture, int x, int y);
// Every non-zero pixel.
void drawKeyed(const PageView& page, PicView picture, int x, int y);
// Every non-zero pixel s over d as s/2 + (d/2 + s/2)/2: three quarters picture.
void drawFaded(const PageView& page, PicView picture, int x, int y);
// Each pixel of the box becomes the mean of itself and the colour.
void tintBox(const PageView& page, int x, int y, int width, int height, uint16_t colour);
// Pixels of the box whose x + y is even become the colour.
void stippleBox(const PageView& page, int x, int y, int width, int height, uint16_t colour);
// Each pixel of the box is halved.
void darkenBox(const PageView& page, int x, int y, int width, int height);
// Two pictures at (0, 0) mixed per channel as (a × c1 + (255 − a) × c2) >> 8 on 5-bit
// channels (green by its top 5 bits); a is 0..255.
void blendTwo(const PageView& page, PicView first, PicView second, int a);
// The picture stretched onto the box (x, y, width, height) by fixed 16.16 steps.
void drawScaled(const PageView& page, PicView picture, int x, int y, int width, int height);
// A grey image of the page's top-left width × height (pitch `width`): g = (r + g5 + b) / 3
// written back as r = g, green = 2g, b = g.
void greyCopy(const PageView& page, uint16_t* out, int width, int height);

// The product table of the two-picture blend: entry [a][c] = a × c, filled once.
using BlendTable = int32_t[256][32];
const BlendTable& blendTable();
void fillBlendTable();
