#pragma once
// Where a page lands on a screen of another size: by default its aspect kept, enlarged by a
// whole factor when one fits (crisp pixels), shrunk smoothly when the page is larger than the
// screen, and centred with black bars; or as large as fits, or stretched over the screen.

namespace platform {

struct ScreenRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// How the page fills a screen larger (or smaller) than itself.
enum class PageScaling {
    IntegerSteps,  // whole multiples only (sharp pixels); a screen too small shrinks it smoothly
    Fit,           // as large as fits with the aspect kept
    Stretch,       // the whole screen, aspect not kept
};

// The integer-steps placement.
ScreenRect FitPage(int pageWidth, int pageHeight, int screenWidth, int screenHeight);
// The placement under each scaling; centred, black bars where the page does not reach.
ScreenRect PlacePage(PageScaling scaling, int pageWidth, int pageHeight, int screenWidth,
                     int screenHeight);
// True when the page is shown at a whole-number scale (nearest-neighbour sampling).
bool IsWholeScale(const ScreenRect& rect, int pageWidth, int pageHeight);
// The page pixel under a screen position, clamped to the page.
void ScreenToPage(const ScreenRect& rect, int pageWidth, int pageHeight, int sx, int sy, int* px,
                  int* py);
// The screen position of the centre of a page pixel.
void PageToScreen(const ScreenRect& rect, int pageWidth, int pageHeight, int px, int py, int* sx,
                  int* sy);

}  // namespace platform
