#include "engine/platform/headless_display.h"

#include <cstdlib>
#include <cstring>

#include "engine/platform/window_messages.h"

namespace platform {

namespace {
constexpr int kPhysicalButtonKey[3] = {kVkLButton, kVkRButton, kVkMButton};
}

HeadlessDisplay::HeadlessDisplay() {
    const char* forced = std::getenv("RAVEZ_PIXELFORMAT");
    if (forced && std::strcmp(forced, "15") == 0) format = 15;
    static constexpr DisplayMode kDefaultModes[] = {
        {320, 240, 16},  {512, 384, 16},   {640, 480, 16},   {800, 600, 16},
        {1024, 768, 16}, {1280, 1024, 16}, {1600, 1200, 16}, {1920, 1080, 32},
    };
    modes.assign(std::begin(kDefaultModes), std::end(kDefaultModes));
}

bool HeadlessDisplay::createWindow(const char*, int, int) {
    if (failCreateWindow) return false;
    window_ = true;
    return true;
}

void HeadlessDisplay::destroyWindow() {
    window_ = false;
}

int32_t HeadlessDisplay::openDevice() {
    if (failOpenDevice != kDisplayOk) return failOpenDevice;
    deviceOpen = true;
    return kDisplayOk;
}

int32_t HeadlessDisplay::setMode(int width, int height, int bits) {
    ++setModeCalls;
    if (failSetMode != kDisplayOk) return failSetMode;
    if (width <= 0 || height <= 0 || (bits != 15 && bits != 16)) return kDisplayInvalidParameter;
    modeWidth = width;
    modeHeight = height;
    modeBits = bits;
    return kDisplayOk;
}

void HeadlessDisplay::closeDevice() {
    deviceOpen = false;
    modeWidth = modeHeight = modeBits = 0;
}

bool HeadlessDisplay::present(const uint16_t* pixels, int width, int height, int pitch,
                              PixelLayout layout) {
    if (!window_ || !deviceOpen || !pixels || width <= 0 || height <= 0) return false;
    shown.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    if (pitch == width) {
        // One block: the library's string move writes whole lines without reading them first.
        std::memcpy(shown.data(), pixels, shown.size() * 2);
    } else {
        for (int y = 0; y < height; ++y) {
            std::memcpy(&shown[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)],
                        pixels + static_cast<std::ptrdiff_t>(y) * pitch,
                        static_cast<std::size_t>(width) * 2);
        }
    }
    shownWidth = width;
    shownHeight = height;
    shownLayout = layout;
    ++presentCount;
    if (frameClock) frameClock->advance(frameStep);
    return true;
}

int HeadlessDisplay::listModes(DisplayMode* out, int max) {
    if (failListModes != kDisplayOk) return failListModes;
    int count = 0;
    for (const DisplayMode& mode : modes) {
        if (count >= max) break;
        out[count++] = mode;
    }
    return count;
}

bool HeadlessDisplay::pollEvent(WindowEvent* out) {
    if (events_.empty()) return false;
    *out = events_.front();
    events_.pop_front();
    return true;
}

bool HeadlessDisplay::asyncKeyDown(int virtualKey) {
    return virtualKey >= 0 && virtualKey < 256 && keys_[virtualKey];
}

void HeadlessDisplay::warpPointer(int x, int y) {
    pointerX = x;
    pointerY = y;
}

bool HeadlessDisplay::readShownPixels(std::vector<uint16_t>* pixels, int* width, int* height) {
    if (presentCount == 0) return false;
    *pixels = shown;
    *width = shownWidth;
    *height = shownHeight;
    return true;
}

bool HeadlessDisplay::createPopupWindow(const char* title, int x, int y, int width, int height) {
    if (window_ || failCreateWindow) return false;
    window_ = true;
    popup = true;
    windowShown = false;
    windowTitle = title ? title : "";
    placeWindow(x, y, width, height);
    return openDevice() == kDisplayOk;
}

void HeadlessDisplay::screenSize(int* width, int* height) {
    *width = screenWidth;
    *height = screenHeight;
}

void HeadlessDisplay::placeWindow(int x, int y, int width, int height) {
    windowX = x;
    windowY = y;
    windowWidth = width;
    windowHeight = height;
}

void HeadlessDisplay::windowSize(int* width, int* height) {
    *width = window_ ? windowWidth : 0;
    *height = window_ ? windowHeight : 0;
}

bool HeadlessDisplay::waitEvent(WindowEvent* out, int) {
    return pollEvent(out);
}

uintptr_t HeadlessDisplay::buttonFlags() const {
    // Messages name the logical buttons: with swapped buttons the physical right one is left.
    const bool physicalLeft = keys_[kVkLButton];
    const bool physicalRight = keys_[kVkRButton];
    const bool logicalLeft = swapButtons ? physicalRight : physicalLeft;
    const bool logicalRight = swapButtons ? physicalLeft : physicalRight;
    uintptr_t flags = 0;
    if (logicalLeft) flags |= kMkLButton;
    if (logicalRight) flags |= kMkRButton;
    if (keys_[kVkMButton]) flags |= kMkMButton;
    if (keys_[kVkShift]) flags |= kMkShift;
    if (keys_[kVkControl]) flags |= kMkControl;
    return flags;
}

void HeadlessDisplay::moveMouse(int x, int y) {
    pointerX = x;
    pointerY = y;
    events_.push_back({kWmMouseMove, buttonFlags(), MakePointParam(x, y)});
}

void HeadlessDisplay::pressButton(int button, bool doubleClick) {
    if (button < 0 || button > 2) return;
    keys_[kPhysicalButtonKey[button]] = true;
    int logical = button;
    if (swapButtons && button < 2) logical = 1 - button;
    uint32_t message = logical == 0   ? kWmLButtonDown
                       : logical == 1 ? kWmRButtonDown
                                      : kWmMButtonDown;
    if (logical == 0 && doubleClick) message = kWmLButtonDblClk;
    events_.push_back({message, buttonFlags(), MakePointParam(pointerX, pointerY)});
}

void HeadlessDisplay::releaseButton(int button) {
    if (button < 0 || button > 2) return;
    keys_[kPhysicalButtonKey[button]] = false;
    int logical = button;
    if (swapButtons && button < 2) logical = 1 - button;
    const uint32_t message = logical == 0   ? kWmLButtonUp
                             : logical == 1 ? kWmRButtonUp
                                            : kWmMButtonUp;
    events_.push_back({message, buttonFlags(), MakePointParam(pointerX, pointerY)});
}

void HeadlessDisplay::pressKey(int virtualKey) {
    if (virtualKey <= 0 || virtualKey > 255) return;
    if (virtualKey == kVkCapital && !keys_[virtualKey]) capsLock = !capsLock;
    keys_[virtualKey] = true;
    events_.push_back({kWmKeyDown, static_cast<uintptr_t>(virtualKey), 1});
}

void HeadlessDisplay::releaseKey(int virtualKey) {
    if (virtualKey <= 0 || virtualKey > 255) return;
    keys_[virtualKey] = false;
    events_.push_back({kWmKeyUp, static_cast<uintptr_t>(virtualKey), 1});
}

void HeadlessDisplay::closeWindow() {
    events_.push_back({kWmClose, 0, 0});
}

void HeadlessDisplay::activate(bool active) {
    events_.push_back({kWmActivateApp, active ? 1u : 0u, 0});
}

void HeadlessDisplay::minimise(bool minimised) {
    events_.push_back({kWmSize, minimised ? kSizeMinimized : kSizeRestored, 0});
}

}  // namespace platform
