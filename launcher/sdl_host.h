#pragma once
// The launcher's window on SDL2: a borderless window (a pop-up with a thin frame has no title
// bar either) whose content the launcher paints in software, buttons as areas of that window,
// the title tune queued to an SDL audio device, and games started through the platform seam.

#include <SDL.h>

#include <string>
#include <vector>

#include "engine/platform/sdl/sdl_message_box.h"
#include "launcher/launcher.h"

class SdlLauncherHost final : public LauncherHost {
  public:
    SdlLauncherHost() = default;
    ~SdlLauncherHost() override;
    SdlLauncherHost(const SdlLauncherHost&) = delete;
    SdlLauncherHost& operator=(const SdlLauncherHost&) = delete;

    bool createWindow(const char* title, int x, int y, int width, int height) override;
    void showWindow() override;
    void screenSize(int* width, int* height) override;
    void placeWindow(int x, int y, int width, int height) override;
    void clientSize(int* width, int* height) override;
    bool createButton(int id, int x, int y, int width, int height) override;
    void invalidate() override { dirty_ = true; }
    unsigned openTune(const std::string& path) override;
    void closeTune(unsigned tune) override;
    bool startProgram(const char* name) override;

    // Paints the launcher into the window when something asked for it.
    void presentIfDirty(const Launcher& launcher);
    // The pixels last presented (RGB565, rows top first).
    const std::vector<uint16_t>& shownPixels() const { return page_; }
    int shownWidth() const { return pageWidth_; }
    int shownHeight() const { return pageHeight_; }

    // Runs the message loop until the launcher ends. With a screenshot path, the window is
    // saved there as a 24-bit BMP after its first painting and the launcher ends.
    void run(Launcher* launcher, const char* screenshotPath);

    // Message boxes shown from now on belong to the launcher window once it exists.
    platform::SdlMessageBox* boxes = nullptr;

    SDL_Window* window() const { return window_; }
    const std::string& lastError() const { return lastError_; }

  private:
    void handle(Launcher* launcher, const SDL_Event& event);

    bool video_ = false;
    bool audio_ = false;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    std::vector<uint16_t> page_;
    int pageWidth_ = 0;
    int pageHeight_ = 0;
    bool dirty_ = true;
    bool exposed_ = false;
    bool capture_ = false;  // read the next presented frame back into captured_
    std::vector<uint16_t> captured_;
    int pressed_ = 0;  // button under the pointer when the mouse button went down
    std::string lastError_;
};
