#include "launcher/sdl_host.h"

#include <algorithm>
#include <cstdio>

#include "engine/platform/process_start.h"
#include "engine/resources/bmp.h"

SdlLauncherHost::~SdlLauncherHost() {
    if (boxes) boxes->parent = nullptr;
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    if (audio_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (video_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlLauncherHost::createWindow(const char* title, int x, int y, int width, int height) {
    if (!video_) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            lastError_ = SDL_GetError();
            return false;
        }
        video_ = true;
    }
    window_ =
        SDL_CreateWindow(title, x, y, width, height, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
    if (!window_) {
        lastError_ = SDL_GetError();
        return false;
    }
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
        lastError_ = SDL_GetError();
        SDL_DestroyWindow(window_);
        window_ = nullptr;
        return false;
    }
    if (boxes) boxes->parent = window_;
    return true;
}

void SdlLauncherHost::showWindow() {
    SDL_ShowWindow(window_);
    dirty_ = true;
}

void SdlLauncherHost::screenSize(int* width, int* height) {
    SDL_DisplayMode mode{};
    const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
    if (SDL_GetDesktopDisplayMode(display, &mode) != 0) mode.w = mode.h = 0;
    *width = mode.w;
    *height = mode.h;
}

void SdlLauncherHost::placeWindow(int x, int y, int width, int height) {
    SDL_SetWindowSize(window_, width, height);
    SDL_SetWindowPosition(window_, x, y);
    dirty_ = true;
}

void SdlLauncherHost::clientSize(int* width, int* height) {
    SDL_GetWindowSize(window_, width, height);
}

bool SdlLauncherHost::createButton(int, int, int, int, int) {
    return window_ != nullptr;
}

unsigned SdlLauncherHost::openTune(const std::string& path) {
    if (!audio_) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
        audio_ = true;
    }
    SDL_AudioSpec layout{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &layout, &samples, &length)) return 0;
    // Queued whole and played once: no callback, nothing to refill, nothing to wait for.
    layout.callback = nullptr;
    layout.userdata = nullptr;
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &layout, nullptr, 0);
    if (device != 0 && SDL_QueueAudio(device, samples, length) != 0) {
        SDL_CloseAudioDevice(device);
        SDL_FreeWAV(samples);
        return 0;
    }
    SDL_FreeWAV(samples);
    if (device != 0) SDL_PauseAudioDevice(device, 0);
    return device;
}

void SdlLauncherHost::closeTune(unsigned tune) {
    if (tune != 0) SDL_CloseAudioDevice(tune);
}

bool SdlLauncherHost::startProgram(const char* name) {
    return platform::StartProgram(name);
}

void SdlLauncherHost::presentIfDirty(const Launcher& launcher) {
    if (!dirty_ || !window_) return;
    dirty_ = false;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    if (width <= 0 || height <= 0) return;
    if (width != pageWidth_ || height != pageHeight_) {
        page_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
        pageWidth_ = width;
        pageHeight_ = height;
    }
    PaintLauncher(launcher, LauncherPage{page_.data(), width, height, width});

    if (!texture_ || textureWidth_ != width || textureHeight_ != height) {
        if (texture_) SDL_DestroyTexture(texture_);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                                     width, height);
        textureWidth_ = texture_ ? width : 0;
        textureHeight_ = texture_ ? height : 0;
    }
    if (!texture_) return;
    SDL_UpdateTexture(texture_, nullptr, page_.data(), width * 2);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    if (capture_) {
        // Read back before presenting: afterwards the render target's content is undefined.
        captured_.assign(page_.size(), 0);
        if (SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_RGB565, captured_.data(),
                                 width * 2) != 0)
            captured_ = page_;
        capture_ = false;
    }
    SDL_RenderPresent(renderer_);
}

void SdlLauncherHost::handle(Launcher* launcher, const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            LauncherDestroyed(launcher);
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) LauncherDestroyed(launcher);
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                dirty_ = true;
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED) exposed_ = true;
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT)
                pressed_ = ButtonAt(*launcher, event.button.x, event.button.y);
            break;
        case SDL_MOUSEBUTTONUP:
            // A push button fires when released over the button it was pressed on.
            if (event.button.button == SDL_BUTTON_LEFT && pressed_ != 0 &&
                ButtonAt(*launcher, event.button.x, event.button.y) == pressed_) {
                LauncherCommand(launcher, this, pressed_);
            }
            if (event.button.button == SDL_BUTTON_LEFT) pressed_ = 0;
            break;
        default:
            break;
    }
}

namespace {

bool SaveScreenshot(const char* path, const std::vector<uint16_t>& pixels, int width, int height) {
    const std::vector<uint8_t> file = EncodeBmp24(pixels.data(), width, height);
    FILE* out = std::fopen(path, "wb");
    if (!out) return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}

}  // namespace

void SdlLauncherHost::run(Launcher* launcher, const char* screenshotPath) {
    presentIfDirty(*launcher);
    if (screenshotPath) {
        // A GL renderer draws nothing into parts of a window the window system has not mapped
        // yet: let the window be exposed and settle first (each wait is bounded, so a window
        // system that never answers does not hold the launcher).
        SDL_Event settle;
        while (!exposed_ && !launcher->ending && SDL_WaitEventTimeout(&settle, 2000))
            handle(launcher, settle);
        for (int quiet = 0; quiet < 50 && !launcher->ending && SDL_WaitEventTimeout(&settle, 200);
             ++quiet)
            handle(launcher, settle);
        // The screenshot is what the renderer shows, read back, not just what was painted.
        capture_ = true;
        dirty_ = true;
        presentIfDirty(*launcher);
        int x = 0, y = 0;
        SDL_GetWindowPosition(window_, &x, &y);
        if (captured_.empty() ||
            !SaveScreenshot(screenshotPath, captured_, pageWidth_, pageHeight_))
            std::fprintf(stderr, "launcher: cannot write %s\n", screenshotPath);
        else
            std::fprintf(stderr, "launcher: window %dx%d at (%d,%d), saved as %s\n", pageWidth_,
                         pageHeight_, x, y, screenshotPath);
        LauncherDestroyed(launcher);
    }
    SDL_Event event;
    while (!launcher->ending) {
        // Blocking, like the message loop it stands for; a failed wait ends the launcher
        // rather than spinning.
        if (!SDL_WaitEvent(&event)) {
            std::fprintf(stderr, "launcher: %s\n", SDL_GetError());
            break;
        }
        handle(launcher, event);
        while (!launcher->ending && SDL_PollEvent(&event)) handle(launcher, event);
        presentIfDirty(*launcher);
    }
}
