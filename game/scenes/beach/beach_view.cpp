#include "game/scenes/beach/beach_view.h"

#include <algorithm>
#include <cstdlib>

int beachNightWeight(int hour, int minute, int second) {
    const int s = ((hour - 3) % 24) * 3600 + minute * 60 + second;
    const int t = std::abs(43200 - s);
    const int a = t / 85 - 127;
    const int b = static_cast<int>(a * 2.5);  // truncated toward zero
    return std::clamp(b - 100, 0, 255);
}

int scrollDirection(int mouseX, int pageWidth, bool leftKey, bool rightKey) {
    // Without a page (nothing shown yet) the game's own width counts.
    const int rightEdge = pageWidth > 0 ? std::min(kViewWidth - 1, pageWidth - 1) : kViewWidth - 1;
    const bool left = mouseX <= 0 || leftKey;
    const bool right = mouseX >= rightEdge || rightKey;
    if (left == right) return 0;
    return left ? -1 : 1;
}

int32_t scrolled(int32_t scrollX, int direction, int frameMs) {
    const int64_t x = static_cast<int64_t>(scrollX) + static_cast<int64_t>(direction) * frameMs;
    return static_cast<int32_t>(std::clamp<int64_t>(x, 0, kMaxScrollX));
}

ViewRect viewfinderRect(int mouseX, int mouseY, int width, int height) {
    const int x = std::clamp(mouseX - width / 2, 0, std::max(kViewWidth - width, 0));
    const int y = std::clamp(mouseY - height / 2, 0, std::max(kViewHeight - height, 0));
    return {x, y, width, height};
}

int cameraInHand(const GameState& s) {
    const int c = s.selectedCamera;
    return s.camera[c] ? c : -1;
}

int nextPhotoSlot(const GameState& s) {
    const int c = cameraInHand(s);
    if (c < 0) return -1;
    const int shot = s.shotsTaken[c];
    if (shot >= kShotsPerCamera) return -1;
    return c * kShotsPerCamera + shot;
}

int shutterLockFor(int camera) {
    return 502 - 200 * camera;
}

int32_t shutterLockAfter(int32_t lock, int frameMs) {
    if (lock > 0)
        return static_cast<int32_t>(std::max<int64_t>(int64_t{lock} - frameMs, INT32_MIN));
    return 0;
}
