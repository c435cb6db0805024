#include "launcher/launcher_window.h"

#include <cstdio>

#include "engine/platform/terminal.h"
#include "engine/platform/window_messages.h"
#include "engine/resources/bmp.h"

namespace {

// A window system that never answers must not hold the launcher: every wait is bounded.
constexpr int kExposeWaitMs = 2000;
constexpr int kSettleWaitMs = 200;
constexpr int kSettleEvents = 50;

bool WriteBmp(const char* path, const std::vector<uint16_t>& pixels, int width, int height) {
    const std::vector<uint8_t> file = EncodeBmp24(pixels.data(), width, height);
    FILE* out = std::fopen(path, "wb");
    if (!out) return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}

}  // namespace

LauncherWindow::~LauncherWindow() {
    if (window_) face_.display().destroyWindow();
}

bool LauncherWindow::createWindow(const char* title, int x, int y, int width, int height) {
    platform::DisplayBackend& display = face_.display();
    if (!display.createPopupWindow(title, x, y, width, height)) {
        lastError_ = display.lastError();
        if (lastError_.empty()) lastError_ = "the window cannot be created";
        return false;
    }
    window_ = true;
    return true;
}

void LauncherWindow::showWindow() {
    face_.display().showWindow();
    dirty_ = true;
}

void LauncherWindow::screenSize(int* width, int* height) {
    face_.display().screenSize(width, height);
}

void LauncherWindow::placeWindow(int x, int y, int width, int height) {
    face_.display().placeWindow(x, y, width, height);
    dirty_ = true;
}

void LauncherWindow::clientSize(int* width, int* height) {
    face_.display().windowSize(width, height);
}

bool LauncherWindow::createButton(int, int, int, int, int) {
    return window_;
}

bool LauncherWindow::readImage(std::span<const uint8_t> file, platform::Image* image,
                               std::string* reason) {
    return face_.images().read(file, image, reason);
}

unsigned LauncherWindow::openTune(const std::string& path) {
    return face_.tunes().play(path);
}

void LauncherWindow::closeTune(unsigned tune) {
    face_.tunes().stop(tune);
}

bool LauncherWindow::startProgram(const char* name) {
    return face_.startProgram(name);
}

void LauncherWindow::presentIfDirty(const Launcher& launcher) {
    if (!dirty_ || !window_) return;
    dirty_ = false;
    int width = 0;
    int height = 0;
    face_.display().windowSize(&width, &height);
    if (width <= 0 || height <= 0) return;
    if (width != pageWidth_ || height != pageHeight_) {
        page_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
        pageWidth_ = width;
        pageHeight_ = height;
    }
    PaintLauncher(launcher, LauncherPage{page_.data(), width, height, width});
    face_.display().present(page_.data(), width, height, width, platform::PixelLayout::Rgb565);
}

void LauncherWindow::handle(Launcher* launcher, const platform::WindowEvent& event) {
    const int x = platform::PointParamX(event.lParam);
    const int y = platform::PointParamY(event.lParam);
    switch (event.message) {
        case platform::kWmClose:
            LauncherDestroyed(launcher);
            break;
        case platform::kWmPaint:
            dirty_ = true;
            exposed_ = true;
            break;
        case platform::kWmLButtonDown:
        case platform::kWmLButtonDblClk:
            pressed_ = ButtonAt(*launcher, x, y);
            break;
        case platform::kWmLButtonUp:
            // A push button fires when released over the button it was pressed on.
            if (pressed_ != 0 && ButtonAt(*launcher, x, y) == pressed_)
                LauncherCommand(launcher, this, pressed_);
            pressed_ = 0;
            break;
        case platform::kWmMouseMove:
            if (HighlightButton(launcher, ButtonAt(*launcher, x, y))) dirty_ = true;
            break;
        case platform::kWmKeyDown:
            switch (event.wParam) {
                case platform::kVkUp:
                case platform::kVkDown:
                    if (MoveHighlight(launcher, event.wParam == platform::kVkUp ? -1 : 1))
                        dirty_ = true;
                    break;
                case platform::kVkReturn:
                    enterDown_ = true;
                    break;
                case platform::kVkEscape:
                case platform::kVkBack:  // a game controller's B
                    LauncherDestroyed(launcher);
                    break;
                default:
                    break;
            }
            break;
        case platform::kWmKeyUp:
            // On release, as a push button acts, so that a held Enter starts one game, not one
            // per key repeat.
            if (event.wParam == platform::kVkReturn && enterDown_)
                LauncherCommand(launcher, this, HighlightedButton(*launcher));
            if (event.wParam == platform::kVkReturn) enterDown_ = false;
            break;
        default:
            break;
    }
}

void LauncherWindow::saveScreenshot(const char* path) {
    std::vector<uint16_t> shown;
    int width = 0;
    int height = 0;
    if (!face_.display().readShownPixels(&shown, &width, &height) ||
        !WriteBmp(path, shown, width, height)) {
        platform::printToStderr("launcher: cannot write %s\n", path);
        return;
    }
    platform::printToStderr("launcher: window %dx%d, saved as %s\n", width, height, path);
}

void LauncherWindow::run(Launcher* launcher, const char* screenshotPath) {
    platform::DisplayBackend& display = face_.display();
    platform::WindowEvent event;
    presentIfDirty(*launcher);
    if (screenshotPath) {
        // A GL renderer draws nothing into parts of a window the window system has not mapped
        // yet: let the window be exposed and settle first. The screenshot is then what the
        // screen shows, read back, not just what was painted.
        while (!exposed_ && !launcher->ending && display.waitEvent(&event, kExposeWaitMs))
            handle(launcher, event);
        for (int quiet = 0;
             quiet < kSettleEvents && !launcher->ending && display.waitEvent(&event, kSettleWaitMs);
             ++quiet)
            handle(launcher, event);
        dirty_ = true;
        presentIfDirty(*launcher);
        saveScreenshot(screenshotPath);
        LauncherDestroyed(launcher);
    }
    while (!launcher->ending) {
        // Blocking, like the message loop it stands for; a failed wait ends the launcher
        // rather than spinning (the headless face has nothing more to wait for).
        if (!display.waitEvent(&event, -1)) {
            if (!display.lastError().empty())
                platform::printToStderr("launcher: %s\n", display.lastError().c_str());
            break;
        }
        handle(launcher, event);
        handlePending(launcher);
    }
}

void LauncherWindow::handlePending(Launcher* launcher) {
    platform::WindowEvent event;
    while (!launcher->ending && face_.display().pollEvent(&event)) handle(launcher, event);
    presentIfDirty(*launcher);
}
