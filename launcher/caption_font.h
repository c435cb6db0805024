#pragma once
// The launcher's caption text: a bold sans of 14 pixel rows, drawn in one colour with a
// transparent background, in the spirit of the small bold system font the captions were made for.

#include <cstdint>

// A view of RGB565 pixels (pitch in pixels).
struct LauncherPage {
    uint16_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
};

constexpr int kCaptionHeight = 14;
constexpr int kCaptionAdvance = 7;

// Draws single-byte text with its top-left corner at (x, y), clipped to the page. Only set
// glyph pixels are written; letters are drawn in their capital shapes.
void DrawCaption(const LauncherPage& page, int x, int y, const char* text, uint16_t color);
