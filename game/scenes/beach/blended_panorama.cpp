#include "game/scenes/beach/blended_panorama.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/display/row_ops.h"

namespace {

struct Kept {
    std::vector<uint16_t> pixels;
    uint64_t generation = 0;
    int scrollX = 0;
    int weight = -1;  // nothing kept
    int width = 0;
    int height = 0;
};

Kept kept;

}  // namespace

void forgetBlendedPanorama() {
    kept = Kept{};
}

void drawBlendedPanorama(const PageView& view, PicView day, PicView night, int scrollX, int weight,
                         uint64_t generation) {
    if (!day || !night) return;
    weight = std::clamp(weight, 0, 255);
    const int width = std::min({day.width, night.width, view.width});
    const int height = std::min({day.height, night.height, view.height});
    if (width <= 0 || height <= 0) return;
    const bool sameLight = kept.weight == weight && kept.generation == generation &&
                           kept.width == width && kept.height == height;
    const int64_t shift = static_cast<int64_t>(scrollX) - kept.scrollX;
    if (sameLight && std::llabs(shift) < width) {
        // Moved by a few columns (or not at all): what is kept moves along, and only the
        // columns the view has uncovered are blended.
        const int fresh = static_cast<int>(std::llabs(shift));
        const int from = shift > 0 ? width - fresh : 0;
        for (int row = 0; row < height && fresh > 0; ++row) {
            uint16_t* line = kept.pixels.data() + static_cast<std::ptrdiff_t>(row) * width;
            if (shift > 0) {
                std::memmove(line, line + fresh,
                             static_cast<std::size_t>(width - fresh) * sizeof(uint16_t));
            } else {
                std::memmove(line + fresh, line,
                             static_cast<std::size_t>(width - fresh) * sizeof(uint16_t));
            }
            rowops::Blend(line + from,
                          day.pixels + static_cast<std::ptrdiff_t>(row) * day.stride + from,
                          night.pixels + static_cast<std::ptrdiff_t>(row) * night.stride + from,
                          fresh, static_cast<uint16_t>(weight));
        }
        kept.scrollX = scrollX;
        drawCopy(view, {kept.pixels.data(), width, height, width}, 0, 0);
        return;
    }
    blendTwo(view, day, night, weight);
    kept.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row) {
        std::memcpy(kept.pixels.data() + static_cast<std::ptrdiff_t>(row) * width, view.Row(row),
                    static_cast<std::size_t>(width) * sizeof(uint16_t));
    }
    kept.generation = generation;
    kept.scrollX = scrollX;
    kept.weight = weight;
    kept.width = width;
    kept.height = height;
}
