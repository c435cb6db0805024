#pragma once
// The display seam without a display: the presented page is kept in memory, events come from
// the caller (tests, scripted runs), and the key and button state is what the caller made it.

#include <deque>
#include <string>
#include <vector>

#include "engine/platform/display_backend.h"
#include "engine/platform/performance_counter.h"

namespace platform {

class HeadlessDisplay final : public DisplayBackend {
  public:
    HeadlessDisplay();

    bool createWindow(const char* title, int width, int height) override;
    void destroyWindow() override;
    bool hasWindow() const override { return window_; }

    int32_t openDevice() override;
    int32_t setMode(int width, int height, int bits) override;
    void closeDevice() override;

    bool present(const uint16_t* pixels, int width, int height, int pitch,
                 PixelLayout layout) override;
    void toggleFullscreen() override { fullscreen = !fullscreen; }
    // Nothing to show: the presentation is kept for the caller to look at.
    void setPresentation(const Presentation& p) override {
        presentation_ = p;
        ++presentationChanges;
    }
    const Presentation& presentation() const override { return presentation_; }
    void setPadPointerSpeed(int speed) override { padPointerSpeed = speed; }

    int listModes(DisplayMode* out, int max) override;
    int pixelFormat() override { return format; }
    uint32_t lastSystemError() const override { return systemError; }
    const std::string& lastError() const override { return errorText; }

    bool pollEvent(WindowEvent* out) override;
    bool asyncKeyDown(int virtualKey) override;
    bool capsLockOn() override { return capsLock; }
    bool buttonsSwapped() override { return swapButtons; }

    void showSystemPointer(bool show) override { systemPointerVisible = show; }
    void warpPointer(int x, int y) override;
    bool readShownPixels(std::vector<uint16_t>* pixels, int* width, int* height) override;

    bool createPopupWindow(const char* title, int x, int y, int width, int height) override;
    void showWindow() override { windowShown = true; }
    void screenSize(int* width, int* height) override;
    void placeWindow(int x, int y, int width, int height) override;
    void windowSize(int* width, int* height) override;
    // Takes the next queued event; waits for nothing, since nothing else can queue one.
    bool waitEvent(WindowEvent* out, int timeoutMs) override;

    // Input as a player would make it. Buttons are physical (0 left, 1 right, 2 middle); with
    // swapButtons the physical right button sends the left-button messages, as the system
    // does.
    void moveMouse(int x, int y);
    void pressButton(int button, bool doubleClick = false);
    void releaseButton(int button);
    void pressKey(int virtualKey);
    void releaseKey(int virtualKey);
    void closeWindow();
    void activate(bool active);
    void minimise(bool minimised);
    void postEvent(const WindowEvent& event) { events_.push_back(event); }
    std::size_t pendingEvents() const { return events_.size(); }

    // Knobs for tests: failures to produce, the modes to list, the pixel format.
    bool failCreateWindow = false;
    int32_t failOpenDevice = kDisplayOk;
    int32_t failSetMode = kDisplayOk;
    int32_t failListModes = kDisplayOk;
    uint32_t systemError = 0;
    std::string errorText;
    int format = 16;  // RAVEZ_PIXELFORMAT=15 sets 15 at construction
    bool swapButtons = false;
    bool capsLock = false;
    std::vector<DisplayMode> modes;
    // When set, each present advances this counter by frameStep ticks.
    VirtualPerformanceCounter* frameClock = nullptr;
    uint64_t frameStep = 0;

    // The desktop a pop-up window is placed on (0 × 0: the size is unknown).
    int screenWidth = 1920;
    int screenHeight = 1080;

    // What the caller can look at.
    bool fullscreen = true;
    int presentationChanges = 0;
    int padPointerSpeed = 5;
    bool popup = false;
    bool windowShown = false;
    std::string windowTitle;
    int windowX = 0;
    int windowY = 0;
    int windowWidth = 0;
    int windowHeight = 0;
    bool systemPointerVisible = true;
    int pointerX = 0;
    int pointerY = 0;
    bool deviceOpen = false;
    int modeWidth = 0;
    int modeHeight = 0;
    int modeBits = 0;
    int setModeCalls = 0;
    int presentCount = 0;
    PixelLayout shownLayout = PixelLayout::Rgb565;
    int shownWidth = 0;
    int shownHeight = 0;
    std::vector<uint16_t> shown;  // the last presented page, rows packed

  private:
    uintptr_t buttonFlags() const;
    bool window_ = false;
    Presentation presentation_;
    bool keys_[256] = {};
    std::deque<WindowEvent> events_;
};

}  // namespace platform
