// Clear, lines, outlines and filled boxes on the DrawTarget.
#include <algorithm>
#include <cstdlib>

#include "engine/display/row_ops.h"
#include "engine/display/svgahi.h"
#include "engine/display/svgahi_state.h"

namespace {

// Columns left..right inclusive of one row, clipped.
void HorizontalSpan(const DrawArea& area, int left, int right, int y, uint16_t colour) {
    if (y < area.top || y >= area.bottom) return;
    left = std::max(left, area.left);
    right = std::min(right, area.right - 1);
    if (left > right) return;
    rowops::Fill(svga.target.Row(y) + left, right - left + 1, colour);
}

// Rows top..bottom - 1 of one column, clipped.
void VerticalSpan(const DrawArea& area, int x, int top, int bottom, uint16_t colour) {
    if (x < area.left || x >= area.right) return;
    top = std::max(top, area.top);
    bottom = std::min(bottom, area.bottom);
    if (top >= bottom) return;
    const int pitch = svga.target.pitch;
    uint16_t* p = svga.target.Row(top) + x;
    for (int y = top; y < bottom; ++y, p += pitch) *p = colour;
}

void Line(const DrawArea& area, int x0, int y0, int x1, int y1, uint16_t colour) {
    if (area.Empty()) return;
    if (y0 == y1 && x0 != x1) {
        HorizontalSpan(area, std::min(x0, x1), std::max(x0, x1), y0, colour);
        return;
    }
    if (x0 == x1) {
        VerticalSpan(area, x0, std::min(y0, y1), std::max(y0, y1), colour);
        return;
    }
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (true) {
        if (x0 >= area.left && x0 < area.right && y0 >= area.top && y0 < area.bottom) {
            svga.target.Row(y0)[x0] = colour;
        }
        if (x0 == x1 && y0 == y1) break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

}  // namespace

void ClearPage(uint16_t colour) {
    const PageView& page = svga.target;
    if (!page.pixels) return;
    for (int y = 0; y < page.height; ++y) rowops::Fill(page.Row(y), page.pitch, colour);
}

void DrawLine(int x0, int y0, int x1, int y1, uint16_t colour) {
    Line(CurrentDrawArea(), x0, y0, x1, y1, ToDisplayColour(colour));
}

void DrawRect(int x0, int y0, int x1, int y1, uint16_t colour) {
    const DrawArea area = CurrentDrawArea();
    if (area.Empty()) return;
    const uint16_t c = ToDisplayColour(colour);
    // Corners in either order describe the same rectangle; edges never overlap, so every
    // outline pixel is written once even for rectangles one or two pixels wide.
    const int left = std::min(x0, x1);
    const int right = std::max(x0, x1);
    const int top = std::min(y0, y1);
    const int bottom = std::max(y0, y1);
    VerticalSpan(area, left, top, bottom + 1, c);
    if (right != left) VerticalSpan(area, right, top, bottom + 1, c);
    if (right - left >= 2) {
        HorizontalSpan(area, left + 1, right - 1, top, c);
        if (bottom != top) HorizontalSpan(area, left + 1, right - 1, bottom, c);
    }
}

void FillBox(int x0, int y0, int x1, int y1, uint16_t colour) {
    const DrawArea area = CurrentDrawArea();
    if (area.Empty()) return;
    const uint16_t c = ToDisplayColour(colour);
    const int rows = std::max(std::abs(y1 - y0), 1);
    const int right = x0 == x1 ? x0 + 1 : x1;
    const int first = std::max(y0, area.top);
    const int last = std::min(y0 + rows, area.bottom);
    for (int y = first; y < last; ++y) {
        HorizontalSpan(area, std::min(x0, right), std::max(x0, right), y, c);
    }
}
