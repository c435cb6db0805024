#pragma once
// The beach view's rules: the night weight of the panorama blend, scrolling, where the
// viewfinder stands, the camera in hand, the photo slot of the next shot and the shutter lock.

#include <cstdint>

#include "game/state/game_state.h"

constexpr int kViewWidth = 640;
constexpr int kViewHeight = 360;  // rows 0..359; the panel below
constexpr int kMaxScrollX = 1919;
constexpr int kStartScrollX = 960;
constexpr int kShotsPerCamera = 10;

// 0 full day .. 255 full night, by the beach's own clock (its night centres on 15:00 hours
// after 03:00; the remainder before 03:00 is negative).
int beachNightWeight(int hour, int minute, int second);

// Which way the view scrolls: -1 left, +1 right, 0 not. The cursor at x 0 (or beyond the page
// on the left) scrolls left, at x 639 or beyond — or at the page's right edge when the page is
// narrower — scrolls right; so do the Left and Right keys.
int scrollDirection(int mouseX, int pageWidth, bool leftKey, bool rightKey);
// scrollX moved by frameMs in that direction and clamped to 0..1919.
int32_t scrolled(int32_t scrollX, int direction, int frameMs);

struct ViewRect {
    int x, y, width, height;
};
// A width × height rectangle centred on the cursor and pushed inside the 640 × 360 view.
ViewRect viewfinderRect(int mouseX, int mouseY, int width, int height);

// The selected camera when it is owned, else -1.
int cameraInHand(const GameState& s);
// The slot the next shot of the camera in hand goes to, -1 when there is none (no camera, or
// its ten shots are taken).
int nextPhotoSlot(const GameState& s);
// Milliseconds until the next shot: 502, 302 or 102 for cameras 0, 1, 2.
int shutterLockFor(int camera);
// The lock after a frame: counted down while positive, else 0.
int32_t shutterLockAfter(int32_t lock, int frameMs);
