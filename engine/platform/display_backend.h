#pragma once
// The display seam: one window, a 16-bit page shown on it, the modes the screen offers, and
// the window's input as window-message-like events. The SDL2 face shows a real window; the
// headless face keeps everything in memory and takes its events from the caller.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/platform/letterbox.h"

namespace platform {

struct DisplayMode {
    uint16_t width = 0;
    uint16_t height = 0;
    uint16_t bits = 0;
};

// One window message as the pump hands it on.
struct WindowEvent {
    uint32_t message = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

// How the game's window is shown: chosen by the player, changed while it runs.
struct Presentation {
    bool fullScreen = true;
    // The window's client size when not full screen; 0 x 0: the largest whole multiple of the
    // page that leaves room on the desktop.
    int windowWidth = 0;
    int windowHeight = 0;
    PageScaling scaling = PageScaling::IntegerSteps;
    bool vsync = true;
    // Frames a second when vsync does not pace the loop (never more than the display shows);
    // 0: the display's refresh rate.
    int frameCap = 0;

    bool operator==(const Presentation&) const = default;
};

// How the 16-bit pixels handed to present() are laid out.
enum class PixelLayout { Rgb565, Rgb555 };

// Failure codes use the original platform's numbering, so that the display layer's error
// table speaks about them; 0 is success.
constexpr int32_t kDisplayOk = 0;
constexpr int32_t kDisplayNotSupported = static_cast<int32_t>(0x80004001u);
constexpr int32_t kDisplayGenericError = static_cast<int32_t>(0x80004005u);
constexpr int32_t kDisplayOutOfMemory = static_cast<int32_t>(0x8007000Eu);
constexpr int32_t kDisplayInvalidParameter = static_cast<int32_t>(0x80070057u);

class DisplayBackend {
  public:
    virtual ~DisplayBackend() = default;

    // The window; false when none can be opened (no display, say).
    virtual bool createWindow(const char* title, int width, int height) = 0;
    virtual void destroyWindow() = 0;
    virtual bool hasWindow() const = 0;

    // The device that presents pages, and the page size it presents (mode width × height at
    // 15 or 16 bits). Each returns 0 or a failure code.
    virtual int32_t openDevice() = 0;
    virtual int32_t setMode(int width, int height, int bits) = 0;
    virtual void closeDevice() = 0;

    // Shows a finished page of the mode's size; pitch in pixels. False when it did not reach
    // the screen (no window or device).
    virtual bool present(const uint16_t* pixels, int width, int height, int pitch,
                         PixelLayout layout) = 0;
    virtual void toggleFullscreen() = 0;
    // Takes effect at once when there is a window, else when it is made. The launcher's pop-up
    // window keeps its own size and placement.
    virtual void setPresentation(const Presentation& presentation) = 0;
    virtual const Presentation& presentation() const = 0;
    // How fast a game controller's stick moves the pointer, 1 (slowest) to 10; at once.
    virtual void setPadPointerSpeed(int speed) = 0;

    // Up to max modes into out; the number stored, or a negative failure code.
    virtual int listModes(DisplayMode* out, int max) = 0;
    // 15 when the screen wants 5-5-5 pixels, else 16.
    virtual int pixelFormat() = 0;
    // The system's last error value, for the texts of unknown failure codes.
    virtual uint32_t lastSystemError() const = 0;
    // What the face's window system said of its last failure ("" when it said nothing).
    virtual const std::string& lastError() const = 0;

    // Next pending event; false when there is none.
    virtual bool pollEvent(WindowEvent* out) = 0;
    // The state of a key or mouse button right now (virtual-key code), not at message time.
    virtual bool asyncKeyDown(int virtualKey) = 0;
    virtual bool capsLockOn() = 0;
    // True when the system reports the mouse buttons as swapped.
    virtual bool buttonsSwapped() = 0;

    virtual void showSystemPointer(bool show) = 0;
    // Moves the system pointer to a page position.
    virtual void warpPointer(int x, int y) = 0;

    // What the screen shows now (the last presented page as placed on the output), RGB565,
    // rows packed; false when it cannot be read back.
    virtual bool readShownPixels(std::vector<uint16_t>* pixels, int* width, int* height) = 0;

    // A plain window of exactly this size at this place on the screen, without a frame and
    // hidden until shown: the launcher's. Its page is the window's size, shown one to one; it
    // also sends kWmPaint when the window system wants it drawn again and kWmClose when it is
    // closed. The device is opened with it.
    virtual bool createPopupWindow(const char* title, int x, int y, int width, int height) = 0;
    virtual void showWindow() = 0;
    // The desktop's size (0 × 0 when unknown), and the window's size in page pixels.
    virtual void screenSize(int* width, int* height) = 0;
    virtual void placeWindow(int x, int y, int width, int height) = 0;
    virtual void windowSize(int* width, int* height) = 0;
    // As pollEvent, but waits up to timeoutMs for one (a negative timeout waits for as long as
    // it takes); false when none came or waiting failed.
    virtual bool waitEvent(WindowEvent* out, int timeoutMs) = 0;
};

}  // namespace platform
