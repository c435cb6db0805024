#pragma once
// The visitors' sprites lit for the night weight, kept while the weight stays. With detailed
// backgrounds every visitor is mixed with its night form in every frame, pixel by pixel, though
// the weight moves only every few game minutes: a sprite is lit once per weight and then drawn
// as a keyed copy.

#include <cstdint>

#include "game/ui/scene_draw.h"

// `sprite` (the visitor pool's picture `index`) mixed with its night form by `night`
// (0..255), as a picture of the same size; made on first use at this weight. Valid until the
// next call with another weight or another generation of the beach's pictures, or forgetLitSprites.
// An empty view when there is no sprite.
PicView litSprite(int index, PicView sprite, int night, uint64_t generation);
// Lets every kept sprite go.
void forgetLitSprites();
