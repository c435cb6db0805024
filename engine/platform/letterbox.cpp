#include "engine/platform/letterbox.h"

#include <algorithm>
#include <cstdint>

namespace platform {

ScreenRect FitPage(int pageWidth, int pageHeight, int screenWidth, int screenHeight) {
    ScreenRect rect;
    if (pageWidth <= 0 || pageHeight <= 0 || screenWidth <= 0 || screenHeight <= 0) return rect;
    const int whole = std::min(screenWidth / pageWidth, screenHeight / pageHeight);
    if (whole >= 1) {
        rect.w = pageWidth * whole;
        rect.h = pageHeight * whole;
    } else if (static_cast<int64_t>(screenWidth) * pageHeight <=
               static_cast<int64_t>(screenHeight) * pageWidth) {
        rect.w = screenWidth;
        rect.h = static_cast<int>(static_cast<int64_t>(pageHeight) * screenWidth / pageWidth);
    } else {
        rect.h = screenHeight;
        rect.w = static_cast<int>(static_cast<int64_t>(pageWidth) * screenHeight / pageHeight);
    }
    rect.x = (screenWidth - rect.w) / 2;
    rect.y = (screenHeight - rect.h) / 2;
    return rect;
}

ScreenRect PlacePage(PageScaling scaling, int pageWidth, int pageHeight, int screenWidth,
                     int screenHeight) {
    if (pageWidth <= 0 || pageHeight <= 0 || screenWidth <= 0 || screenHeight <= 0) return {};
    if (scaling == PageScaling::IntegerSteps) {
        return FitPage(pageWidth, pageHeight, screenWidth, screenHeight);
    }
    ScreenRect rect{0, 0, screenWidth, screenHeight};
    if (scaling == PageScaling::Stretch) return rect;
    if (static_cast<int64_t>(screenWidth) * pageHeight <=
        static_cast<int64_t>(screenHeight) * pageWidth) {
        rect.h = static_cast<int>(static_cast<int64_t>(pageHeight) * screenWidth / pageWidth);
    } else {
        rect.w = static_cast<int>(static_cast<int64_t>(pageWidth) * screenHeight / pageHeight);
    }
    rect.x = (screenWidth - rect.w) / 2;
    rect.y = (screenHeight - rect.h) / 2;
    return rect;
}

bool IsWholeScale(const ScreenRect& rect, int pageWidth, int pageHeight) {
    return pageWidth > 0 && pageHeight > 0 && rect.w >= pageWidth && rect.w % pageWidth == 0 &&
           rect.h % pageHeight == 0;
}

void ScreenToPage(const ScreenRect& rect, int pageWidth, int pageHeight, int sx, int sy, int* px,
                  int* py) {
    int x = 0;
    int y = 0;
    if (rect.w > 0 && rect.h > 0) {
        // Floor division so that positions left of the page clamp to 0 rather than round to it.
        const int64_t dx = static_cast<int64_t>(sx - rect.x) * pageWidth;
        const int64_t dy = static_cast<int64_t>(sy - rect.y) * pageHeight;
        x = static_cast<int>(dx >= 0 ? dx / rect.w : -1);
        y = static_cast<int>(dy >= 0 ? dy / rect.h : -1);
    }
    *px = std::clamp(x, 0, std::max(0, pageWidth - 1));
    *py = std::clamp(y, 0, std::max(0, pageHeight - 1));
}

void PageToScreen(const ScreenRect& rect, int pageWidth, int pageHeight, int px, int py, int* sx,
                  int* sy) {
    if (pageWidth <= 0 || pageHeight <= 0) {
        *sx = rect.x;
        *sy = rect.y;
        return;
    }
    *sx = rect.x + static_cast<int>((static_cast<int64_t>(px) * 2 + 1) * rect.w / (2 * pageWidth));
    *sy = rect.y + static_cast<int>((static_cast<int64_t>(py) * 2 + 1) * rect.h / (2 * pageHeight));
}

}  // namespace platform
