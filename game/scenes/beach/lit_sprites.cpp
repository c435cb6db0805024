#include "game/scenes/beach/lit_sprites.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "game/scenes/beach/beach_pixels.h"
#include "game/scenes/beach/pixel_kernels.h"
#include "game/scenes/beach/pixel_path.h"

namespace {

struct LitSprite {
    const uint16_t* source = nullptr;  // the sprite it was made from
    int width = 0;
    int height = 0;
    std::vector<uint16_t> pixels;  // width × height
    std::vector<int> rowNight;     // the weight each row was mixed for, -1 for none
};

struct Kept {
    uint64_t generation = 0;
    int tablesNight = -1;
    beachpx::ChannelTables tables{};  // the mixed light of tablesNight
    std::vector<LitSprite> sprites;   // by index in the visitor pool
};

Kept& kept() {
    static Kept k;
    return k;
}

LitSprite& entry(int index, PicView sprite, uint64_t generation) {
    Kept& k = kept();
    if (k.generation != generation) {
        k.sprites.clear();
        k.generation = generation;
    }
    if (static_cast<std::size_t>(index) >= k.sprites.size())
        k.sprites.resize(static_cast<std::size_t>(index) + 1);
    LitSprite& l = k.sprites[static_cast<std::size_t>(index)];
    if (l.source != sprite.pixels || l.width != sprite.width || l.height != sprite.height) {
        l.source = sprite.pixels;
        l.width = sprite.width;
        l.height = sprite.height;
        l.pixels.assign(static_cast<std::size_t>(sprite.width) * sprite.height, 0);
        l.rowNight.assign(static_cast<std::size_t>(sprite.height), -1);
    }
    return l;
}

}  // namespace

void drawLitVisitor(const PageView& view, int index, PicView sprite, int x, int y, int night,
                    uint64_t generation) {
    if (!sprite || !view.pixels || index < 0 || sprite.width <= 0 || sprite.height <= 0) return;
    const int x0 = std::max(x, 0);
    const int y0 = std::max(y, 0);
    const int x1 = std::min(x + sprite.width, view.width);
    const int y1 = std::min(y + sprite.height, view.height);
    if (x0 >= x1 || y0 >= y1) return;
    const int weight = std::clamp(night, 0, 255);
    const beachpx::Kernels& kernels = beachpx::kernels();
    if (!kernels.keepMixedRows) {
        drawVisitorSprite(view, sprite, x, y, {VisitorLight::Mixed, weight});
        return;
    }
    LitSprite& l = entry(index, sprite, generation);
    Kept& k = kept();
    if (k.tablesNight != weight) {
        k.tables = beachpx::mixedTables(weight);
        k.tablesNight = weight;
    }
    for (int row = y0; row < y1; ++row) {
        const std::size_t r = static_cast<std::size_t>(row - y);
        const uint16_t* key = sprite.pixels + static_cast<std::ptrdiff_t>(r) * sprite.stride;
        uint16_t* lit = l.pixels.data() + r * static_cast<std::size_t>(l.width);
        if (l.rowNight[r] != weight) {
            kernels.mixed(lit, key, l.width, static_cast<uint16_t>(weight), k.tables);
            l.rowNight[r] = weight;
        }
        kernels.keyedBy(view.Row(row) + x0, lit + (x0 - x), key + (x0 - x), x1 - x0);
    }
}

void forgetLitSprites() {
    Kept& k = kept();
    std::vector<LitSprite>().swap(k.sprites);
}
