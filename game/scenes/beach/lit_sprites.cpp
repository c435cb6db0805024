#include "game/scenes/beach/lit_sprites.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "game/scenes/beach/beach_pixels.h"

namespace {

struct LitSprite {
    const uint16_t* source = nullptr;  // the sprite it was made from
    int width = 0;
    int height = 0;
    std::vector<uint16_t> pixels;
};

struct Kept {
    int night = -1;
    uint64_t generation = 0;
    std::vector<LitSprite> sprites;  // by index in the visitor pool
};

Kept& kept() {
    static Kept k;
    return k;
}

}  // namespace

PicView litSprite(int index, PicView sprite, int night, uint64_t generation) {
    if (!sprite || index < 0 || sprite.width <= 0 || sprite.height <= 0) return {};
    Kept& k = kept();
    if (k.night != night || k.generation != generation) {
        // Another weight or other pictures: what is kept is of no use any more, but the
        // buffers are, for the sprites of the same visitors lit again.
        for (LitSprite& l : k.sprites) l.source = nullptr;
        if (k.generation != generation) k.sprites.clear();
        k.night = night;
        k.generation = generation;
    }
    if (static_cast<std::size_t>(index) >= k.sprites.size())
        k.sprites.resize(static_cast<std::size_t>(index) + 1);
    LitSprite& l = k.sprites[static_cast<std::size_t>(index)];
    if (l.source != sprite.pixels || l.width != sprite.width || l.height != sprite.height) {
        l.pixels.assign(static_cast<std::size_t>(sprite.width) * sprite.height, 0);
        mixSprite(sprite, night, l.pixels.data());
        l.source = sprite.pixels;
        l.width = sprite.width;
        l.height = sprite.height;
    }
    return {l.pixels.data(), l.width, l.height, l.width};
}

void forgetLitSprites() {
    Kept& k = kept();
    k.night = -1;
    std::vector<LitSprite>().swap(k.sprites);
}
