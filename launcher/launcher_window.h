#pragma once
// The launcher's window on a platform face: a window without a frame whose content the launcher
// paints in software, buttons as areas of that window, its pictures read by the face's image
// reader, the title tune on the face's tune player and games started through the face's process
// start. The same code runs on the SDL2 face for players and on the headless face in tests.

#include <string>
#include <vector>

#include "engine/platform/platform.h"
#include "launcher/launcher.h"

namespace platform {
struct WindowEvent;
}

class LauncherWindow final : public LauncherHost {
  public:
    explicit LauncherWindow(platform::Platform& face) : face_(face) {}
    ~LauncherWindow() override;
    LauncherWindow(const LauncherWindow&) = delete;
    LauncherWindow& operator=(const LauncherWindow&) = delete;

    bool createWindow(const char* title, int x, int y, int width, int height) override;
    void showWindow() override;
    void screenSize(int* width, int* height) override;
    void placeWindow(int x, int y, int width, int height) override;
    void clientSize(int* width, int* height) override;
    bool createButton(int id, int x, int y, int width, int height) override;
    void invalidate() override { dirty_ = true; }
    bool readImage(std::span<const uint8_t> file, platform::Image* image,
                   std::string* reason) override;
    unsigned openTune(const std::string& path) override;
    void closeTune(unsigned tune) override;
    bool startProgram(const char* name) override;

    // Paints the launcher into the window when something asked for it.
    void presentIfDirty(const Launcher& launcher);
    // The pixels last presented (RGB565, rows top first).
    const std::vector<uint16_t>& shownPixels() const { return page_; }
    int shownWidth() const { return pageWidth_; }
    int shownHeight() const { return pageHeight_; }

    // Runs the message loop until the launcher ends. With a screenshot path, what the window
    // shows is saved there as a 24-bit BMP after its first painting and the launcher ends.
    void run(Launcher* launcher, const char* screenshotPath);
    // Handles every event that is waiting, without waiting for one, and paints when something
    // asked for it.
    void handlePending(Launcher* launcher);

    const std::string& lastError() const { return lastError_; }

  private:
    void handle(Launcher* launcher, const platform::WindowEvent& event);
    void saveScreenshot(const char* path);

    platform::Platform& face_;
    bool window_ = false;
    std::vector<uint16_t> page_;
    int pageWidth_ = 0;
    int pageHeight_ = 0;
    bool dirty_ = true;
    bool exposed_ = false;
    int pressed_ = 0;         // button under the pointer when the mouse button went down
    bool enterDown_ = false;  // Enter went down in this window (it acts when let go)
    std::string lastError_;
};
