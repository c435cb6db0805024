#pragma once
// The day and night panoramas blended under the view. The blend is kept from frame to frame:
// the night weight moves only every few game minutes and a player mostly stands still or
// scrolls a few columns, so most frames copy what is kept (blending only the columns a scroll
// uncovers) instead of blending two panoramas too large for the processor's caches.

#include <cstdint>

#include "engine/display/page.h"
#include "game/ui/scene_draw.h"

// Draws `day` and `night` (the parts of the panoramas at scrollX, as wide as the view) blended
// with `weight` (0..255, the day's share) at the view's top left: the same pixels blendTwo
// gives. `generation` names the pictures: when it changes, nothing kept is used.
void drawBlendedPanorama(const PageView& view, PicView day, PicView night, int scrollX, int weight,
                         uint64_t generation);
// Forgets what is kept.
void forgetBlendedPanorama();
