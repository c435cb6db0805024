#include "engine/input/input.h"

#include "engine/display/normhi.h"
#include "engine/display/svgahi.h"
#include "engine/input/pointer.h"
#include "engine/platform/window_messages.h"

namespace {

MouseRecord mouse;
KeyRecord keys;
int dragCounter = 0;
PollTap* pollTap = nullptr;
bool inMouseMove = false;
bool inKeyDown = false;

constexpr int32_t kButtonHeld = 256;
constexpr uintptr_t kButtonBits =
    platform::kMkLButton | platform::kMkRButton | platform::kMkMButton;

bool AsyncDown(int virtualKey) {
    NormalWin* display = GetNormalWin();
    return display && display->Backend().asyncKeyDown(virtualKey);
}

}  // namespace

bool keyHeld(int virtualKey) {
    return AsyncDown(virtualKey);
}

namespace {

intptr_t OnMouseMove(WindowHandle, uintptr_t wParam, intptr_t lParam) {
    if (inMouseMove) return 0;
    inMouseMove = true;
    // Shift and Ctrl travel in the same word; only the buttons decide about a drag.
    const uintptr_t buttons = wParam & kButtonBits;
    const bool oneButton = buttons == platform::kMkLButton || buttons == platform::kMkRButton ||
                           buttons == platform::kMkMButton;
    if (!oneButton) {
        dragCounter = 0;
        mouse.dragging = 0;
        mouse.dragStartX = -1;
        mouse.dragStartY = -1;
        mouse.left = mouse.middle = mouse.right = 0;
    }
    int originX = 0;
    int originY = 0;
    GetSourceOrigin(&originX, &originY);
    mouse.x = platform::PointParamX(lParam) + originX;
    mouse.y = platform::PointParamY(lParam) + originY;
    if (oneButton) {
        if (dragCounter < 2) ++dragCounter;
        if (mouse.dragStartX == -1 && mouse.dragStartY == -1) {
            mouse.dragStartX = mouse.x;
            mouse.dragStartY = mouse.y;
        }
        if (dragCounter == 2) mouse.dragging = 1;
    }
    if (pointerState().enabled) updatePointer();
    inMouseMove = false;
    return 0;
}

intptr_t OnLeftDown(WindowHandle, uintptr_t, intptr_t) {
    mouse.left = 1;
    return 0;
}

intptr_t OnDoubleClick(WindowHandle, uintptr_t, intptr_t) {
    mouse.doubleClick = 1;
    return 0;
}

intptr_t OnRightDown(WindowHandle, uintptr_t, intptr_t) {
    mouse.right = 1;
    return 0;
}

intptr_t OnKeyDown(WindowHandle, uintptr_t wParam, intptr_t) {
    if (inKeyDown) return 0;
    inKeyDown = true;
    keys.key = static_cast<int32_t>(wParam);
    keys.ctrl = AsyncDown(platform::kVkControl) ? 1 : 0;
    keys.shift = AsyncDown(platform::kVkShift) ? 1 : 0;
    keys.alt = AsyncDown(platform::kVkMenu) ? 1 : 0;
    NormalWin* display = GetNormalWin();
    keys.capsLock = display && display->Backend().capsLockOn() ? 1 : 0;
    inKeyDown = false;
    return 0;
}

}  // namespace

MouseRecord& mouseRecord() {
    return mouse;
}

void installInputHandlers() {
    mouse = MouseRecord{};
    keys = KeyRecord{};
    dragCounter = 0;
    resetPointer();
    NormalWin* display = GetNormalWin();
    if (!display) return;
    display->RegisterHandler(platform::kWmMouseMove, OnMouseMove);
    display->RegisterHandler(platform::kWmLButtonDown, OnLeftDown);
    display->RegisterHandler(platform::kWmLButtonDblClk, OnDoubleClick);
    display->RegisterHandler(platform::kWmRButtonDown, OnRightDown);
    display->RegisterHandler(platform::kWmKeyDown, OnKeyDown);
}

void setPollTap(PollTap* tap) {
    pollTap = tap;
}

void pollKeys(KeyRecord* out) {
    KeyRecord polled = keys;
    keys = KeyRecord{};
    if (pollTap) pollTap->keysPolled(&polled);
    if (out) *out = polled;
}

void pollMouse(MouseRecord* out) {
    MouseRecord polled = mouse;
    if (pollTap) pollTap->mousePolled(&polled);
    if (out) *out = polled;
    NormalWin* display = GetNormalWin();
    const bool swapped = display && display->Backend().buttonsSwapped();
    const int primary = swapped ? platform::kVkRButton : platform::kVkLButton;
    const int secondary = swapped ? platform::kVkLButton : platform::kVkRButton;
    mouse.middle = AsyncDown(platform::kVkMButton) ? kButtonHeld : 0;
    mouse.left = AsyncDown(primary) ? kButtonHeld : 0;
    mouse.right = AsyncDown(secondary) ? kButtonHeld : 0;
    mouse.doubleClick = 0;
    if (!mouse.left && !mouse.middle && !mouse.right) mouse.dragging = 0;
}
