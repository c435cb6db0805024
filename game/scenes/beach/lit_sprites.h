#pragma once
// The visitors' sprites lit for the night weight, kept while the weight stays. With detailed
// backgrounds every visitor is mixed with its night form, pixel by pixel, though the weight
// moves only every few game minutes: each row of a sprite is mixed once per weight, when it is
// first drawn, and then copied keyed by the sprite (where the processor mixes as fast as it
// copies, the rows are mixed straight into the view).

#include <cstdint>

#include "engine/display/page.h"
#include "game/ui/scene_draw.h"

// Draws `sprite` (the visitor pool's picture `index`) at (x, y) mixed with its night form by
// `night` (0..255), clipped to the view: the same pixels as drawVisitorSprite with mixed light.
// `generation` names the pictures: when it changes, nothing kept is used.
void drawLitVisitor(const PageView& view, int index, PicView sprite, int x, int y, int night,
                    uint64_t generation);
// Lets every kept sprite go.
void forgetLitSprites();
