// Grabbing, keyed and opaque drawing of pictures on the DrawTarget.
#include <algorithm>

#include "engine/display/row_ops.h"
#include "engine/display/svgahi.h"
#include "engine/display/svgahi_state.h"

namespace {

constexpr std::size_t kHeaderBytes = 4;

// The part of a picture that lands inside the draw area.
struct Visible {
    int sourceX = 0;
    int sourceY = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

Visible Clip(const DrawArea& area, int x, int y, int width, int height) {
    Visible v;
    const int left = std::max(x, area.left);
    const int top = std::max(y, area.top);
    const int right = std::min(x + width, area.right);
    const int bottom = std::min(y + height, area.bottom);
    v.sourceX = left - x;
    v.sourceY = top - y;
    v.x = left;
    v.y = top;
    v.width = std::max(right - left, 0);
    v.height = std::max(bottom - top, 0);
    return v;
}

// The picture's size, or false when its header promises more pixels than its buffer holds.
bool PictureSize(const PictureView& picture, int* width, int* height) {
    if (!picture.data || picture.bytes < kHeaderBytes) return false;
    *width = picture.data[0] & 0x7FFF;
    *height = picture.data[1];
    const std::size_t needed =
        kHeaderBytes + 2 * static_cast<std::size_t>(*width) * static_cast<std::size_t>(*height);
    return needed <= picture.bytes;
}

template <typename RowOp>
void BlitRows(const PictureView& picture, int pictureWidth, const Visible& v, RowOp rowOp) {
    const uint16_t* source =
        picture.data + 2 + static_cast<std::ptrdiff_t>(v.sourceY) * pictureWidth + v.sourceX;
    for (int row = 0; row < v.height; ++row) {
        rowOp(svga.target.Row(v.y + row) + v.x, source, v.width);
        source += pictureWidth;
    }
}

}  // namespace

int GrabPicture(uint16_t* buffer, std::size_t bufferBytes, int x, int y, int w, int h) {
    if (!buffer || bufferBytes < kHeaderBytes) return 0;
    w = std::max(w, 4);
    h = std::max(h, 1);
    const DrawArea area = CurrentDrawArea();
    Visible v = Clip(area, x, y, w, h);
    if (area.Empty()) v = Visible{};
    const std::size_t needed =
        kHeaderBytes + 2 * static_cast<std::size_t>(v.width) * static_cast<std::size_t>(v.height);
    if (needed > bufferBytes) {
        buffer[0] = 0;
        buffer[1] = 0;
        return 0;
    }
    buffer[0] = static_cast<uint16_t>(v.width);
    buffer[1] = static_cast<uint16_t>(v.height);
    uint16_t* out = buffer + 2;
    for (int row = 0; row < v.height; ++row) {
        rowops::Copy(out, svga.target.Row(v.y + row) + v.x, v.width);
        out += v.width;
    }
    return 1;
}

int DrawPicture(PictureView picture, int x, int y) {
    int width = 0;
    int height = 0;
    if (!PictureSize(picture, &width, &height) || width <= 3 || height == 0) return 0;
    const DrawArea area = CurrentDrawArea();
    if (area.Empty()) return 0;
    const Visible v = Clip(area, x, y, width, height);
    if (v.width == 0 || v.height == 0) return 0;
    BlitRows(picture, width, v, rowops::CopyKeyed);
    return 1;
}

int DrawPicture(const uint16_t* picture, std::size_t pictureBytes, int x, int y) {
    return DrawPicture(PictureView{picture, pictureBytes}, x, y);
}

void CopyPicture(PictureView picture, int x, int y) {
    int width = 0;
    int height = 0;
    if (!PictureSize(picture, &width, &height) || width <= 3 || height == 0) return;
    const DrawArea area = CurrentDrawArea();
    if (area.Empty()) return;
    const Visible v = Clip(area, x, y, width, height);
    if (v.width <= 4 || v.height == 0) return;
    BlitRows(picture, width, v, rowops::Copy);
}

void CopyPicture(const uint16_t* picture, std::size_t pictureBytes, int x, int y) {
    CopyPicture(PictureView{picture, pictureBytes}, x, y);
}
