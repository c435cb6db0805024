#pragma once
// The display seam on SDL2: one window (full screen on the desktop's resolution unless asked
// for a window; Alt+Enter toggles), a renderer paced by vsync where the display offers it and
// by sleeping to the refresh rate where it does not (RAVEZ_VSYNC=0 asks for no vsync), and the
// page shown with its aspect kept. A page identical to the last one shown is not sent again,
// and a minimised or hidden window shows nothing; both still wait their turn. Mouse positions
// come back in page pixels. A game controller speaks through the same events: pointer motion,
// the left button and keys (see pad_mapping.h), handed out ahead of SDL's own queue.

#include <SDL.h>

#include <atomic>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "engine/platform/display_backend.h"
#include "engine/platform/letterbox.h"
#include "engine/platform/sdl/sdl_pad.h"

#include "engine/platform/sdl/sdl_frame_pacer.h"
#include "engine/platform/shown_page.h"

namespace platform {

class SdlDisplay final : public DisplayBackend {
  public:
    explicit SdlDisplay(bool startWindowed = false);
    ~SdlDisplay() override;
    SdlDisplay(const SdlDisplay&) = delete;
    SdlDisplay& operator=(const SdlDisplay&) = delete;

    bool createWindow(const char* title, int width, int height) override;
    void destroyWindow() override;
    bool hasWindow() const override { return window_ != nullptr; }

    int32_t openDevice() override;
    int32_t setMode(int width, int height, int bits) override;
    void closeDevice() override;

    bool present(const uint16_t* pixels, int width, int height, int pitch,
                 PixelLayout layout) override;
    void toggleFullscreen() override;
    void setPresentation(const Presentation& presentation) override;
    const Presentation& presentation() const override { return presentation_; }

    int listModes(DisplayMode* out, int max) override;
    int pixelFormat() override;
    uint32_t lastSystemError() const override;

    bool pollEvent(WindowEvent* out) override;
    bool asyncKeyDown(int virtualKey) override;
    bool capsLockOn() override;
    bool buttonsSwapped() override { return false; }  // SDL reports logical buttons already

    void showSystemPointer(bool show) override;
    void warpPointer(int x, int y) override;
    // Draws the last presented page again and reads that back (the presented buffer is gone
    // after a present).
    bool readShownPixels(std::vector<uint16_t>* pixels, int* width, int* height) override;

    bool createPopupWindow(const char* title, int x, int y, int width, int height) override;
    void showWindow() override;
    void screenSize(int* width, int* height) override;
    void placeWindow(int x, int y, int width, int height) override;
    void windowSize(int* width, int* height) override;
    bool waitEvent(WindowEvent* out, int timeoutMs) override;

    SDL_Window* window() const { return window_; }
    // The name of the SDL renderer in use ("" before the device is open).
    const char* rendererName() const;
    const std::string& lastError() const override { return lastError_; }

    // How fast the pad's stick moves the pointer (1 to 10): the open window's at once, and the
    // next window's.
    void setPadPointerSpeed(int speed) override {
        padSettings_.pointerSpeed = speed;
        pad_.setSettings(padSettings_);
    }
    // The controllers open now.
    int padCount() const { return pad_.controllerCount(); }
    // Pages that reached the screen, and pages not sent because the screen showed them already.
    uint64_t framesPresented() const { return framesPresented_; }
    uint64_t framesUnchanged() const { return framesUnchanged_; }
    const FramePacer& pacer() const { return pacer_; }

  private:
    struct WindowPoint {
        int x = 0;
        int y = 0;
    };
    static int SDLCALL WatchWindow(void* self, SDL_Event* event);
    bool startVideo();
    bool translate(const SDL_Event& event, WindowEvent* out);
    void pagePosition(int windowX, int windowY, int* x, int* y);
    ScreenRect placement();
    bool ensureTexture(PixelLayout layout);
    void drawFrame();
    void fitWindowToPage();
    WindowPoint windowPointOf(int pageX, int pageY);
    void notePointer(int x, int y);
    void readPad();
    void movePointerByPad(int dx, int dy);
    bool takePadEvent(WindowEvent* out);
    bool isPadWarpEcho(int windowX, int windowY);
    uintptr_t padButtonFlags() const;

    void switchFullscreen(bool windowed);
    void startPacer();

    bool windowed_;
    Presentation presentation_;
    bool popup_ = false;
    bool videoStarted_ = false;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    PixelLayout textureLayout_ = PixelLayout::Rgb565;
    int pageWidth_ = 0;
    int pageHeight_ = 0;
    std::string lastError_;

    SdlPad pad_;
    PadSettings padSettings_;
    std::deque<WindowEvent> padEvents_;
    // The pointer's last known page position (-1: none yet), where the pad moves it from.
    int pointerX_ = -1;
    int pointerY_ = -1;
    // Where the pad warped the system pointer and SDL has not yet reported the motion.
    std::deque<WindowPoint> padWarps_;

    FramePacer pacer_;
    ShownPage shownPage_;
    // Set when the window system may have lost what the window showed (exposed, resized, full
    // screen toggled, shown again): the next page is presented even when it is unchanged.
    std::atomic<bool> windowChanged_{true};
    uint64_t framesPresented_ = 0;
    uint64_t framesUnchanged_ = 0;
};

}  // namespace platform
