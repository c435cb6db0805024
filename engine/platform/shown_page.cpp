#include "engine/platform/shown_page.h"

#include <cstddef>
#include <cstring>

namespace platform {

bool ShownPage::update(const uint16_t* pixels, int width, int height, int pitch,
                       PixelLayout layout) {
    if (width <= 0 || height <= 0) return true;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * sizeof(uint16_t);
    const bool sameShape = known_ && width == width_ && height == height_ && layout == layout_;
    if (!sameShape) {
        pixels_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        width_ = width;
        height_ = height;
        layout_ = layout;
        known_ = true;
    }
    int row = 0;
    if (sameShape) {
        while (row < height &&
               std::memcmp(pixels_.data() + static_cast<std::size_t>(row) * width,
                           pixels + static_cast<std::ptrdiff_t>(row) * pitch, rowBytes) == 0) {
            ++row;
        }
        if (row == height) return false;
    }
    // The rows above the first different one are the same already.
    for (; row < height; ++row) {
        std::memcpy(pixels_.data() + static_cast<std::size_t>(row) * width,
                    pixels + static_cast<std::ptrdiff_t>(row) * pitch, rowBytes);
    }
    return true;
}

}  // namespace platform
