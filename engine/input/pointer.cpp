#include "engine/input/pointer.h"

#include <algorithm>
#include <vector>

#include "engine/display/normhi.h"
#include "engine/display/row_ops.h"
#include "engine/display/svgahi.h"
#include "engine/input/input.h"

namespace {

PointerState state;

// What lies under a shown pointer: the page it was drawn on and the pixels it covered.
struct SavedArea {
    PageView page;
    uint32_t generation = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::vector<uint16_t> pixels;
};
SavedArea saved;

bool PictureSize(int* width, int* height) {
    if (!state.picture || state.pictureBytes < 4) return false;
    *width = state.picture[0] & 0x7FFF;
    *height = state.picture[1];
    return 4 + 2 * static_cast<std::size_t>(*width) * static_cast<std::size_t>(*height) <=
           state.pictureBytes;
}

// Saves the visible part of the area under the pointer (clipped like every drawing).
void SaveUnder(int x, int y, int width, int height) {
    const PageView page = GetDrawTarget();
    const ClipRect clip = GetClipRect();
    const int left = std::max({x, static_cast<int>(clip.left), 0});
    const int top = std::max({y, static_cast<int>(clip.top), 0});
    const int right = std::min({x + width, static_cast<int>(clip.right), page.width});
    const int bottom = std::min({y + height, static_cast<int>(clip.bottom), page.height});
    saved.page = page;
    saved.generation = GetPageGeneration();
    saved.x = left;
    saved.y = top;
    saved.width = std::max(right - left, 0);
    saved.height = std::max(bottom - top, 0);
    if (!page.pixels) saved.width = saved.height = 0;
    saved.pixels.resize(static_cast<std::size_t>(saved.width) * saved.height);
    for (int row = 0; row < saved.height; ++row) {
        rowops::Copy(saved.pixels.data() + static_cast<std::ptrdiff_t>(row) * saved.width,
                     page.Row(top + row) + left, saved.width);
    }
}

// Puts the pixels back, however narrow the visible part was, and only while the page still
// exists (a mode change releases it).
void RestoreUnder() {
    if (saved.generation != GetPageGeneration() || !saved.page.pixels) return;
    for (int row = 0; row < saved.height; ++row) {
        rowops::Copy(saved.page.Row(saved.y + row) + saved.x,
                     saved.pixels.data() + static_cast<std::ptrdiff_t>(row) * saved.width,
                     saved.width);
    }
}

void StepAnimation() {
    if (state.frameDelay <= 0) return;
    if (--state.frameCountdown > 0) return;
    state.frameCountdown = state.frameDelay;
    if (state.firstFrame > state.lastFrame) std::swap(state.firstFrame, state.lastFrame);
    if (state.animateBackwards) {
        state.frame = state.frame > state.firstFrame ? static_cast<int16_t>(state.frame - 1)
                                                     : state.lastFrame;
    } else {
        state.frame = state.frame < state.lastFrame ? static_cast<int16_t>(state.frame + 1)
                                                    : state.firstFrame;
    }
}

}  // namespace

const PointerState& pointerState() {
    return state;
}

void resetPointer() {
    state = PointerState{};
    saved = SavedArea{};
}

void setPointerPicture(const uint16_t* picture, std::size_t pictureBytes) {
    if (state.shown) hidePointer();
    state.picture = picture;
    state.pictureBytes = picture ? pictureBytes : 0;
    int width = 0;
    int height = 0;
    state.enabled = PictureSize(&width, &height);
    if (!state.enabled) state.picture = nullptr;
}

void forgetPointerPicture(const void* picture) {
    if (picture && picture == state.picture) setPointerPicture(nullptr, 0);
}

void setPointerAnimation(int firstFrame, int lastFrame, int frameDelay, bool backwards) {
    state.firstFrame = static_cast<int16_t>(firstFrame);
    state.lastFrame = static_cast<int16_t>(lastFrame);
    state.frame = static_cast<int16_t>(firstFrame);
    state.frameDelay = std::max(frameDelay, 0);
    state.frameCountdown = state.frameDelay;
    state.animateBackwards = backwards;
}

void setPointerIdleLimit(int limit) {
    state.idleLimit = std::max(limit, 0);
    state.idleCount = 0;
}

void showPointer() {
    int width = 0;
    int height = 0;
    if (state.shown || !state.enabled || !PictureSize(&width, &height)) return;
    const MouseRecord& mouse = mouseRecord();
    SaveUnder(mouse.x, mouse.y, width, height);
    DrawPicture(state.picture, state.pictureBytes, mouse.x, mouse.y);
    state.shown = true;
}

void hidePointer() {
    if (!state.shown) return;
    RestoreUnder();
    state.shown = false;
}

void updatePointer() {
    if (state.idleLimit > 0 && state.idleCount < state.idleLimit) ++state.idleCount;
    StepAnimation();
    if (state.shown) {
        hidePointer();
        showPointer();
    }
}

void drawPointer() {
    if (!state.enabled) return;
    const MouseRecord& mouse = mouseRecord();
    DrawPicture(state.picture, state.pictureBytes, mouse.x, mouse.y);
}

void setPointerPosition(int x, int y) {
    MouseRecord& mouse = mouseRecord();
    mouse.x = x;
    mouse.y = y;
    if (NormalWin* display = GetNormalWin()) display->Backend().warpPointer(x, y);
}

void hideSystemPointer() {
    if (!state.systemPointerVisible) return;
    if (NormalWin* display = GetNormalWin()) display->Backend().showSystemPointer(false);
    state.systemPointerVisible = false;
}
