#include "engine/platform/sdl/sdl_display.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "engine/platform/sdl/sdl_keys.h"
#include "engine/platform/window_messages.h"

namespace platform {

namespace {

uintptr_t ButtonFlags(uint32_t sdlButtons) {
    uintptr_t flags = 0;
    if (sdlButtons & SDL_BUTTON_LMASK) flags |= kMkLButton;
    if (sdlButtons & SDL_BUTTON_RMASK) flags |= kMkRButton;
    if (sdlButtons & SDL_BUTTON_MMASK) flags |= kMkMButton;
    const SDL_Keymod mods = SDL_GetModState();
    if (mods & KMOD_SHIFT) flags |= kMkShift;
    if (mods & KMOD_CTRL) flags |= kMkControl;
    return flags;
}

bool ForcedFifteenBits() {
    const char* forced = std::getenv("RAVEZ_PIXELFORMAT");
    return forced && std::strcmp(forced, "15") == 0;
}

// RAVEZ_VSYNC=0 turns vsync off (to measure the sleeping pacer, say); anything else asks for it.
bool VsyncWanted() {
    const char* wanted = std::getenv("RAVEZ_VSYNC");
    return !wanted || std::strcmp(wanted, "0") != 0;
}

// The refresh rate of the window's display in Hz, 0 when the display does not say.
int RefreshRateOf(SDL_Window* window) {
    SDL_DisplayMode mode{};
    if (SDL_GetWindowDisplayMode(window, &mode) == 0 && mode.refresh_rate > 0) {
        return mode.refresh_rate;
    }
    if (SDL_GetCurrentDisplayMode(std::max(SDL_GetWindowDisplayIndex(window), 0), &mode) == 0) {
        return mode.refresh_rate;
    }
    return 0;
}

// The window in points and the renderer's output in pixels; they differ on high-DPI screens.
// Without a renderer, or when it cannot tell, the output is taken to be the window's size.
struct WindowSizes {
    int windowWidth = 1;
    int windowHeight = 1;
    int outputWidth = 1;
    int outputHeight = 1;
};

WindowSizes MeasureWindow(SDL_Window* window, SDL_Renderer* renderer) {
    WindowSizes s;
    SDL_GetWindowSize(window, &s.windowWidth, &s.windowHeight);
    if (!renderer || SDL_GetRendererOutputSize(renderer, &s.outputWidth, &s.outputHeight) != 0) {
        s.outputWidth = s.windowWidth;
        s.outputHeight = s.windowHeight;
    }
    return s;
}

}  // namespace

SdlDisplay::SdlDisplay(bool startWindowed) : windowed_(startWindowed) {
    presentation_.fullScreen = !startWindowed;
}

SdlDisplay::~SdlDisplay() {
    destroyWindow();
    pad_.stop();
    if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlDisplay::startVideo() {
    if (videoStarted_) return true;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        lastError_ = SDL_GetError();
        return false;
    }
    videoStarted_ = true;
    // A controller is a convenience: without the subsystem there is just no pad.
    pad_.start();
    return true;
}

bool SdlDisplay::createWindow(const char* title, int width, int height) {
    if (window_) return true;
    if (!startVideo()) return false;
    Uint32 flags = SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE;
    int windowWidth = std::max(width, 1);
    int windowHeight = std::max(height, 1);
    if (!windowed_) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        // Made at the desktop's size from the start, so that the window covers the screen even
        // where no window manager carries out the full-screen request.
        SDL_DisplayMode desktop;
        if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
            windowWidth = desktop.w;
            windowHeight = desktop.h;
        }
    }
    window_ = SDL_CreateWindow(title ? title : "", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               windowWidth, windowHeight, flags);
    if (!window_) {
        lastError_ = SDL_GetError();
        return false;
    }
    pageWidth_ = width;
    pageHeight_ = height;
    if (windowed_) fitWindowToPage();
    pad_.configure(PadTarget::Pointer, padSettings_);
    return true;
}

bool SdlDisplay::createPopupWindow(const char* title, int x, int y, int width, int height) {
    if (window_) return false;
    if (!startVideo()) return false;
    window_ = SDL_CreateWindow(title ? title : "", x, y, std::max(width, 1), std::max(height, 1),
                               SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
    if (!window_) {
        lastError_ = SDL_GetError();
        return false;
    }
    popup_ = true;
    windowed_ = true;
    pageWidth_ = std::max(width, 1);
    pageHeight_ = std::max(height, 1);
    if (openDevice() != kDisplayOk) {
        SDL_DestroyWindow(window_);
        window_ = nullptr;
        popup_ = false;
        return false;
    }
    // The launcher's window is worked with keys: the pad's directions and A become keys there.
    pad_.configure(PadTarget::Keys, padSettings_);
    return true;
}

void SdlDisplay::showWindow() {
    if (window_) SDL_ShowWindow(window_);
}

void SdlDisplay::screenSize(int* width, int* height) {
    SDL_DisplayMode mode{};
    const int display = window_ ? std::max(0, SDL_GetWindowDisplayIndex(window_)) : 0;
    if (!videoStarted_ || SDL_GetDesktopDisplayMode(display, &mode) != 0) mode.w = mode.h = 0;
    *width = mode.w;
    *height = mode.h;
}

void SdlDisplay::placeWindow(int x, int y, int width, int height) {
    if (!window_) return;
    SDL_SetWindowSize(window_, width, height);
    SDL_SetWindowPosition(window_, x, y);
}

void SdlDisplay::windowSize(int* width, int* height) {
    *width = *height = 0;
    if (window_) SDL_GetWindowSize(window_, width, height);
}

bool SdlDisplay::waitEvent(WindowEvent* out, int timeoutMs) {
    if (!videoStarted_) return false;
    const Uint64 start = SDL_GetTicks64();
    SDL_Event event;
    while (true) {
        readPad();
        if (takePadEvent(out)) return true;
        int wait = -1;
        if (timeoutMs >= 0) {
            const Uint64 waited = SDL_GetTicks64() - start;
            if (waited > static_cast<Uint64>(timeoutMs)) return false;
            wait = timeoutMs - static_cast<int>(waited);
        }
        // A held stick sends no events and a controller plugged in must be noticed: with the
        // controller subsystem up, the wait is cut into slices and the pad read between them.
        const int slice = pad_.waitSliceMs();
        const bool sliced = slice >= 0 && (wait < 0 || slice < wait);
        if (sliced) wait = slice;
        const int got = wait < 0 ? SDL_WaitEvent(&event) : SDL_WaitEventTimeout(&event, wait);
        if (!got) {
            if (sliced) continue;
            if (timeoutMs < 0) lastError_ = SDL_GetError();
            return false;
        }
        if (translate(event, out)) return true;
    }
}

void SdlDisplay::destroyWindow() {
    closeDevice();
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
    popup_ = false;
    padEvents_.clear();
    padWarps_.clear();
    pointerX_ = pointerY_ = -1;
}

int32_t SdlDisplay::openDevice() {
    if (!window_) return kDisplayGenericError;
    if (renderer_) return kDisplayOk;
    const Uint32 vsync = VsyncWanted() && presentation_.vsync ? SDL_RENDERER_PRESENTVSYNC : 0;
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | vsync);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE | vsync);
    if (!renderer_) {
        lastError_ = SDL_GetError();
        return kDisplayGenericError;
    }
    startPacer();
    windowChanged_ = true;
    SDL_AddEventWatch(&SdlDisplay::WatchWindow, this);
    return kDisplayOk;
}

void SdlDisplay::startPacer() {
    SDL_RendererInfo info{};
    const bool vsyncClaimed =
        SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC);
    pacer_.start(RefreshRateOf(window_), vsyncClaimed);
    pacer_.setFrameCap(presentation_.frameCap);
}

int SDLCALL SdlDisplay::WatchWindow(void* self, SDL_Event* event) {
    // Called as events are queued, possibly on another thread: it only raises the flag.
    bool lost = event->type == SDL_RENDER_TARGETS_RESET || event->type == SDL_RENDER_DEVICE_RESET;
    if (event->type == SDL_WINDOWEVENT) {
        switch (event->window.event) {
            case SDL_WINDOWEVENT_SHOWN:
            case SDL_WINDOWEVENT_EXPOSED:
            case SDL_WINDOWEVENT_RESIZED:
            case SDL_WINDOWEVENT_SIZE_CHANGED:
            case SDL_WINDOWEVENT_MAXIMIZED:
            case SDL_WINDOWEVENT_RESTORED:
            case SDL_WINDOWEVENT_DISPLAY_CHANGED:
                lost = true;
                break;
            default:
                break;
        }
    }
    if (lost) static_cast<SdlDisplay*>(self)->windowChanged_ = true;
    return 0;
}

int32_t SdlDisplay::setMode(int width, int height, int bits) {
    if (!renderer_) return kDisplayGenericError;
    if (width <= 0 || height <= 0 || width > 8192 || height > 8192 || (bits != 15 && bits != 16)) {
        return kDisplayInvalidParameter;
    }
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
    pageWidth_ = width;
    pageHeight_ = height;
    if (!ensureTexture(bits == 15 ? PixelLayout::Rgb555 : PixelLayout::Rgb565)) {
        return kDisplayOutOfMemory;
    }
    if (windowed_ && !popup_) fitWindowToPage();
    return kDisplayOk;
}

const char* SdlDisplay::rendererName() const {
    SDL_RendererInfo info;
    if (!renderer_ || SDL_GetRendererInfo(renderer_, &info) != 0) return "";
    return info.name;
}

void SdlDisplay::closeDevice() {
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
    if (renderer_) {
        SDL_DelEventWatch(&SdlDisplay::WatchWindow, this);
        SDL_DestroyRenderer(renderer_);
    }
    renderer_ = nullptr;
}

bool SdlDisplay::ensureTexture(PixelLayout layout) {
    if (texture_ && textureLayout_ == layout) return true;
    if (texture_) SDL_DestroyTexture(texture_);
    const Uint32 format =
        layout == PixelLayout::Rgb555 ? SDL_PIXELFORMAT_RGB555 : SDL_PIXELFORMAT_RGB565;
    texture_ =
        SDL_CreateTexture(renderer_, format, SDL_TEXTUREACCESS_STREAMING, pageWidth_, pageHeight_);
    // A new texture holds nothing yet, whatever was shown before.
    shownPage_.forget();
    if (!texture_) {
        lastError_ = SDL_GetError();
        return false;
    }
    textureLayout_ = layout;
    return true;
}

ScreenRect SdlDisplay::placement() {
    int outputWidth = 0;
    int outputHeight = 0;
    if (SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight) != 0) return {};
    return PlacePage(presentation_.scaling, pageWidth_, pageHeight_, outputWidth, outputHeight);
}

bool SdlDisplay::present(const uint16_t* pixels, int width, int height, int pitch,
                         PixelLayout layout) {
    if (!window_ || !renderer_ || !pixels) return false;
    // The launcher's window presents only when it is asked to draw; the game's presents every
    // frame, and nobody sees a minimised or hidden one: it draws nothing, but its loop still
    // waits a period rather than spin (some drivers return at once from presents there).
    if (!popup_ && (SDL_GetWindowFlags(window_) & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN))) {
        windowChanged_ = true;
        pacer_.skipFrame();
        return false;
    }
    if (width != pageWidth_ || height != pageHeight_) {
        if (texture_) SDL_DestroyTexture(texture_);
        texture_ = nullptr;
        pageWidth_ = width;
        pageHeight_ = height;
    }
    if (!ensureTexture(layout)) return false;
    const bool pageChanged = shownPage_.update(pixels, width, height, pitch, layout);
    if (windowChanged_.exchange(false)) {
        pacer_.setRefreshRate(RefreshRateOf(window_));
    } else if (!pageChanged && !popup_) {
        ++framesUnchanged_;
        pacer_.skipFrame();
        return true;
    }
    if (SDL_UpdateTexture(texture_, nullptr, pixels, pitch * 2) != 0) {
        shownPage_.forget();
        return false;
    }
    drawFrame();
    pacer_.beforePresent();
    SDL_RenderPresent(renderer_);
    pacer_.afterPresent();
    ++framesPresented_;
    return true;
}

void SdlDisplay::drawFrame() {
    // The whole output every frame: some renderers keep the viewport of the window's first
    // size after it has gone full screen.
    SDL_RenderSetViewport(renderer_, nullptr);
    const ScreenRect rect = placement();
    SDL_SetTextureScaleMode(texture_, IsWholeScale(rect, pageWidth_, pageHeight_)
                                          ? SDL_ScaleModeNearest
                                          : SDL_ScaleModeLinear);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    const SDL_Rect destination{rect.x, rect.y, rect.w, rect.h};
    SDL_RenderCopy(renderer_, texture_, nullptr, &destination);
}

void SdlDisplay::toggleFullscreen() {
    if (!window_ || popup_) return;
    switchFullscreen(!windowed_);
}

void SdlDisplay::switchFullscreen(bool windowed) {
    windowed_ = windowed;
    presentation_.fullScreen = !windowed;
    windowChanged_ = true;
    SDL_SetWindowFullscreen(window_, windowed_ ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    if (windowed_) fitWindowToPage();
}

void SdlDisplay::setPresentation(const Presentation& wanted) {
    const Presentation old = presentation_;
    presentation_ = wanted;
    if (!window_ || popup_) {
        // Taken by the next window.
        if (!window_) windowed_ = !wanted.fullScreen;
        return;
    }
    windowChanged_ = true;
    if (wanted.fullScreen == windowed_) {
        switchFullscreen(!wanted.fullScreen);
    } else if (windowed_ &&
               (wanted.windowWidth != old.windowWidth || wanted.windowHeight != old.windowHeight)) {
        fitWindowToPage();
    }
    if (renderer_ && wanted.vsync != old.vsync) {
        // The environment's veto (RAVEZ_VSYNC=0) stands.
        SDL_RenderSetVSync(renderer_, wanted.vsync && VsyncWanted() ? 1 : 0);
        startPacer();
    } else {
        pacer_.setFrameCap(wanted.frameCap);
    }
}

void SdlDisplay::fitWindowToPage() {
    if (!window_ || pageWidth_ <= 0 || pageHeight_ <= 0) return;
    if (presentation_.windowWidth > 0 && presentation_.windowHeight > 0) {
        SDL_SetWindowSize(window_, presentation_.windowWidth, presentation_.windowHeight);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        return;
    }
    // The largest whole scale that leaves room on the desktop for the window's frame.
    SDL_Rect usable{0, 0, pageWidth_, pageHeight_};
    SDL_GetDisplayUsableBounds(std::max(SDL_GetWindowDisplayIndex(window_), 0), &usable);
    const int scale =
        std::max(1, std::min(usable.w * 9 / 10 / pageWidth_, usable.h * 9 / 10 / pageHeight_));
    SDL_SetWindowSize(window_, pageWidth_ * scale, pageHeight_ * scale);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

int SdlDisplay::listModes(DisplayMode* out, int max) {
    if (!videoStarted_) return kDisplayGenericError;
    const int total = SDL_GetNumDisplayModes(0);
    if (total < 0) {
        lastError_ = SDL_GetError();
        return kDisplayGenericError;
    }
    int count = 0;
    for (int i = 0; i < total && count < max; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
        out[count].width = static_cast<uint16_t>(mode.w);
        out[count].height = static_cast<uint16_t>(mode.h);
        out[count].bits = static_cast<uint16_t>(SDL_BITSPERPIXEL(mode.format));
        ++count;
    }
    return count;
}

int SdlDisplay::pixelFormat() {
    if (ForcedFifteenBits()) return 15;
    SDL_DisplayMode mode;
    if (videoStarted_ && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        if (mode.format == SDL_PIXELFORMAT_RGB555 || SDL_BITSPERPIXEL(mode.format) == 15) return 15;
    }
    return 16;
}

uint32_t SdlDisplay::lastSystemError() const {
    return static_cast<uint32_t>(errno);
}

void SdlDisplay::pagePosition(int windowX, int windowY, int* x, int* y) {
    // Events come in window points; the renderer may have more pixels than points (high DPI).
    const WindowSizes sizes = MeasureWindow(window_, renderer_);
    const int sx =
        sizes.windowWidth > 0 ? windowX * sizes.outputWidth / sizes.windowWidth : windowX;
    const int sy =
        sizes.windowHeight > 0 ? windowY * sizes.outputHeight / sizes.windowHeight : windowY;
    ScreenToPage(PlacePage(presentation_.scaling, pageWidth_, pageHeight_, sizes.outputWidth,
                           sizes.outputHeight),
                 pageWidth_, pageHeight_, sx, sy, x, y);
}

bool SdlDisplay::translate(const SDL_Event& event, WindowEvent* out) {
    int x = 0;
    int y = 0;
    if (pad_.handle(event)) return false;
    switch (event.type) {
        case SDL_MOUSEMOTION:
            if (isPadWarpEcho(event.motion.x, event.motion.y)) return false;
            pagePosition(event.motion.x, event.motion.y, &x, &y);
            notePointer(x, y);
            *out = {kWmMouseMove, ButtonFlags(event.motion.state) | padButtonFlags(),
                    MakePointParam(x, y)};
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const bool down = event.type == SDL_MOUSEBUTTONDOWN;
            pagePosition(event.button.x, event.button.y, &x, &y);
            notePointer(x, y);
            uint32_t message = 0;
            if (event.button.button == SDL_BUTTON_LEFT) {
                // A second press in quick succession is the double-click message, as a
                // window with the double-click class style gets it.
                message = !down
                              ? kWmLButtonUp
                              : (event.button.clicks % 2 == 0 ? kWmLButtonDblClk : kWmLButtonDown);
            } else if (event.button.button == SDL_BUTTON_RIGHT) {
                message = down ? kWmRButtonDown : kWmRButtonUp;
            } else if (event.button.button == SDL_BUTTON_MIDDLE) {
                message = down ? kWmMButtonDown : kWmMButtonUp;
            } else {
                return false;
            }
            *out = {message, ButtonFlags(SDL_GetMouseState(nullptr, nullptr)) | padButtonFlags(),
                    MakePointParam(x, y)};
            return true;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const SDL_Keycode key = event.key.keysym.sym;
            if (event.type == SDL_KEYDOWN && (key == SDLK_RETURN || key == SDLK_KP_ENTER) &&
                (event.key.keysym.mod & KMOD_ALT)) {
                if (!event.key.repeat) toggleFullscreen();
                return false;
            }
            const int virtualKey = VirtualKeyFromSdl(key);
            if (virtualKey == 0) return false;
            *out = {event.type == SDL_KEYDOWN ? kWmKeyDown : kWmKeyUp,
                    static_cast<uintptr_t>(virtualKey), 1};
            return true;
        }
        case SDL_QUIT:
            *out = {kWmClose, 0, 0};
            return true;
        case SDL_WINDOWEVENT:
            if (popup_ && (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                           event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)) {
                *out = {kWmPaint, 0, 0};
                return true;
            }
            if (popup_ && event.window.event == SDL_WINDOWEVENT_CLOSE) {
                *out = {kWmClose, 0, 0};
                return true;
            }
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                *out = {kWmActivateApp, 1, 0};
                return true;
            }
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                *out = {kWmActivateApp, 0, 0};
                return true;
            }
            if (event.window.event == SDL_WINDOWEVENT_MINIMIZED) {
                *out = {kWmSize, kSizeMinimized, 0};
                return true;
            }
            if (event.window.event == SDL_WINDOWEVENT_RESTORED ||
                event.window.event == SDL_WINDOWEVENT_MAXIMIZED) {
                *out = {kWmSize, kSizeRestored, 0};
                return true;
            }
            if (event.window.event == SDL_WINDOWEVENT_HIDDEN ||
                event.window.event == SDL_WINDOWEVENT_SHOWN) {
                *out = {kWmShowWindow, event.window.event == SDL_WINDOWEVENT_SHOWN ? 1u : 0u, 0};
                return true;
            }
            if (event.window.event == SDL_WINDOWEVENT_LEAVE && window_) {
                // A pointer that leaves the window stays at its edge, where it was pushed:
                // scrolling at the edge goes on in a window as it does on a full screen.
                int gx = 0;
                int gy = 0;
                int wx = 0;
                int wy = 0;
                const Uint32 buttons = SDL_GetGlobalMouseState(&gx, &gy);
                SDL_GetWindowPosition(window_, &wx, &wy);
                pagePosition(gx - wx, gy - wy, &x, &y);
                notePointer(x, y);
                *out = {kWmMouseMove, ButtonFlags(buttons) | padButtonFlags(),
                        MakePointParam(x, y)};
                return true;
            }
            return false;
        default:
            return false;
    }
}

bool SdlDisplay::pollEvent(WindowEvent* out) {
    if (!videoStarted_) return false;
    if (takePadEvent(out)) return true;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (translate(event, out)) return true;
    }
    // SDL's queue has been pumped and emptied: the controllers' state is as fresh as it gets.
    readPad();
    return takePadEvent(out);
}

bool SdlDisplay::takePadEvent(WindowEvent* out) {
    if (padEvents_.empty()) return false;
    *out = padEvents_.front();
    padEvents_.pop_front();
    return true;
}

uintptr_t SdlDisplay::padButtonFlags() const {
    return pad_.mapping().leftButtonHeld() ? kMkLButton : 0;
}

void SdlDisplay::notePointer(int x, int y) {
    pointerX_ = x;
    pointerY_ = y;
}

void SdlDisplay::readPad() {
    const PadOutput read = pad_.read();
    if (read.pointerDx != 0 || read.pointerDy != 0)
        movePointerByPad(read.pointerDx, read.pointerDy);
    for (const PadTransition& t : read.transitions) {
        if (t.message == kWmLButtonDown || t.message == kWmLButtonUp) {
            if (pointerX_ < 0) notePointer(pageWidth_ / 2, pageHeight_ / 2);
            padEvents_.push_back(
                {t.message, ButtonFlags(SDL_GetMouseState(nullptr, nullptr)) | padButtonFlags(),
                 MakePointParam(pointerX_, pointerY_)});
        } else {
            padEvents_.push_back({t.message, static_cast<uintptr_t>(t.virtualKey), 1});
        }
    }
}

void SdlDisplay::movePointerByPad(int dx, int dy) {
    if (!window_ || pageWidth_ <= 0 || pageHeight_ <= 0) return;
    // From wherever the mouse left it; before any mouse event, from the middle of the page.
    if (pointerX_ < 0) notePointer(pageWidth_ / 2, pageHeight_ / 2);
    const int x = std::clamp(pointerX_ + dx, 0, pageWidth_ - 1);
    const int y = std::clamp(pointerY_ + dy, 0, pageHeight_ - 1);
    if (x == pointerX_ && y == pointerY_) return;
    notePointer(x, y);
    padEvents_.push_back({kWmMouseMove,
                          ButtonFlags(SDL_GetMouseState(nullptr, nullptr)) | padButtonFlags(),
                          MakePointParam(x, y)});
    // The system pointer follows, so that the mouse carries on from here without a jump. SDL
    // reports the warp as a motion of its own, which must not pull the pointer back to where
    // it was when SDL gets round to it: those motions are known by their place and dropped.
    const WindowPoint target = windowPointOf(x, y);
    constexpr std::size_t kWarpsRemembered = 8;
    if (padWarps_.size() == kWarpsRemembered) padWarps_.pop_front();
    padWarps_.push_back(target);
    SDL_WarpMouseInWindow(window_, target.x, target.y);
}

bool SdlDisplay::isPadWarpEcho(int windowX, int windowY) {
    for (auto it = padWarps_.begin(); it != padWarps_.end(); ++it) {
        if (it->x != windowX || it->y != windowY) continue;
        // Motions come in the order of the warps: the ones before this are not coming.
        padWarps_.erase(padWarps_.begin(), it + 1);
        return true;
    }
    return false;
}

bool SdlDisplay::asyncKeyDown(int virtualKey) {
    if (!videoStarted_) return false;
    // What the pad holds counts as held: the beach scrolls while its arrow keys are down.
    if (virtualKey == kVkLButton ? pad_.mapping().leftButtonHeld()
                                 : pad_.mapping().keyHeld(virtualKey))
        return true;
    const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    switch (virtualKey) {
        case kVkLButton:
            return buttons & SDL_BUTTON_LMASK;
        case kVkRButton:
            return buttons & SDL_BUTTON_RMASK;
        case kVkMButton:
            return buttons & SDL_BUTTON_MMASK;
        case kVkShift:
            return SDL_GetModState() & KMOD_SHIFT;
        case kVkControl:
            return SDL_GetModState() & KMOD_CTRL;
        case kVkMenu:
            return SDL_GetModState() & KMOD_ALT;
        default:
            break;
    }
    const SDL_Keycode key = SdlKeyFromVirtual(virtualKey);
    if (key == SDLK_UNKNOWN) return false;
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    const SDL_Scancode code = SDL_GetScancodeFromKey(key);
    return code > 0 && code < count && state[code];
}

bool SdlDisplay::capsLockOn() {
    return videoStarted_ && (SDL_GetModState() & KMOD_CAPS);
}

void SdlDisplay::showSystemPointer(bool show) {
    if (videoStarted_) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

SdlDisplay::WindowPoint SdlDisplay::windowPointOf(int pageX, int pageY) {
    const WindowSizes sizes = MeasureWindow(window_, renderer_);
    int sx = 0;
    int sy = 0;
    PageToScreen(PlacePage(presentation_.scaling, pageWidth_, pageHeight_, sizes.outputWidth,
                           sizes.outputHeight),
                 pageWidth_, pageHeight_, pageX, pageY, &sx, &sy);
    return {sizes.outputWidth > 0 ? sx * sizes.windowWidth / sizes.outputWidth : sx,
            sizes.outputHeight > 0 ? sy * sizes.windowHeight / sizes.outputHeight : sy};
}

void SdlDisplay::warpPointer(int x, int y) {
    if (!window_) return;
    notePointer(x, y);
    const WindowPoint target = windowPointOf(x, y);
    SDL_WarpMouseInWindow(window_, target.x, target.y);
}

bool SdlDisplay::readShownPixels(std::vector<uint16_t>* pixels, int* width, int* height) {
    if (!renderer_ || !texture_) return false;
    // The presented buffer is gone after a present; draw the frame again and read that.
    drawFrame();
    int outputWidth = 0;
    int outputHeight = 0;
    if (SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight) != 0) return false;
    pixels->assign(static_cast<std::size_t>(outputWidth) * static_cast<std::size_t>(outputHeight),
                   0);
    if (SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_RGB565, pixels->data(),
                             outputWidth * 2) != 0) {
        lastError_ = SDL_GetError();
        return false;
    }
    *width = outputWidth;
    *height = outputHeight;
    return true;
}

}  // namespace platform
