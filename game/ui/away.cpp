#include "game/ui/away.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "engine/display/normhi.h"
#include "engine/display/svgahi.h"
#include "engine/display/text.h"
#include "engine/platform/audio_device.h"
#include "engine/platform/pausable_counter.h"
#include "engine/platform/window_messages.h"
#include "game/ui/frame_overlay.h"
#include "game/ui/handler_chain.h"
#include "game/ui/runtime.h"
#include "texts/texts.h"

namespace {

// How long one wait for the window's messages lasts while away: short enough that a closed
// window is noticed at once, long enough that waiting costs nothing.
constexpr int kAwayWaitMs = 250;

struct Away {
    bool focusLost = false;
    bool minimised = false;
    bool hidden = false;
    bool pauseWhenAway = true;
    int pauses = 0;
};

Away gAway;

HandlerChain gChain;

intptr_t onActivate(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    gAway.focusLost = wParam == 0;
    return gChain.passOn(platform::kWmActivateApp, window, wParam, lParam);
}

intptr_t onSize(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    if (wParam == platform::kSizeMinimized) gAway.minimised = true;
    if (wParam == platform::kSizeRestored) gAway.minimised = false;
    return gChain.passOn(platform::kWmSize, window, wParam, lParam);
}

intptr_t onShow(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    gAway.hidden = wParam == 0;
    return gChain.passOn(platform::kWmShowWindow, window, wParam, lParam);
}

// Keys and buttons reach only a window the player is at, whatever the window system said
// of its focus before: the player is back.
void playerIsBack() {
    gAway.focusLost = false;
    gAway.minimised = false;
    gAway.hidden = false;
}

intptr_t onKeyDown(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    playerIsBack();
    return gChain.passOn(platform::kWmKeyDown, window, wParam, lParam);
}

intptr_t onLeftDown(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    playerIsBack();
    return gChain.passOn(platform::kWmLButtonDown, window, wParam, lParam);
}

intptr_t onRightDown(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    playerIsBack();
    return gChain.passOn(platform::kWmRButtonDown, window, wParam, lParam);
}

// The sign is drawn on the way to the screen, over the frame there; the overlay puts the
// pages back afterwards, so the page the scenes read (and every screenshot of a scene) stays as
// the scene left it.
void showPausedSign(FrameOverlay& overlay) {
    const PageView page = overlay.begin();
    if (!page.pixels) return;
    int dx = 0;
    int dy = 0;
    int glyphWidth = 0;
    int glyphHeight = 0;
    GetFontInfo(&dx, &dy, &glyphWidth, &glyphHeight);
    const int textWidth = static_cast<int>(std::strlen(txt::kPausedSign)) * std::max(dx, 1);
    const int width = std::min(textWidth + 24, page.width);
    const int height = std::min(std::max(glyphHeight, 8) + 14, page.height);
    const int x = (page.width - width) / 2;
    const int y = std::min(24, page.height - height);
    FillBox(x, y, x + width - 1, y + height - 1, 0x0000);
    DrawRect(x, y, x + width - 1, y + height - 1, 0xFFFF);
    PrintText(x + 12, y + 7, 0xFFFF, kTransparentBackground, "%s", txt::kPausedSign);
    presentUncounted();
}

void holdGame(bool hold) {
    Runtime& rt = runtime();
    if (rt.clock) {
        if (hold) {
            rt.clock->pause();
        } else {
            rt.clock->resume();
        }
    }
    if (platform::AudioDevice* audio = platform::audioDevice()) audio->setPaused(hold);
}

}  // namespace

void installAwayHandlers() {
    const bool pauseWhenAway = gAway.pauseWhenAway;
    gAway = Away{};
    gAway.pauseWhenAway = pauseWhenAway;
    gChain.install({{platform::kWmActivateApp, &onActivate},
                    {platform::kWmSize, &onSize},
                    {platform::kWmShowWindow, &onShow},
                    {platform::kWmKeyDown, &onKeyDown},
                    {platform::kWmLButtonDown, &onLeftDown},
                    {platform::kWmRButtonDown, &onRightDown}});
}

void removeAwayHandlers() {
    gChain.remove();
}

void setPauseWhenAway(bool on) {
    gAway.pauseWhenAway = on;
}

bool windowAway() {
    return gAway.focusLost || gAway.minimised || gAway.hidden;
}

int awayPauses() {
    return gAway.pauses;
}

bool waitWhileAway() {
    Runtime& rt = runtime();
    if (!gAway.pauseWhenAway || !windowAway() || !rt.display) return true;
    // A headless window comes back only through its script.
    if (rt.headless && !rt.script) return true;
    NormalWin& display = *rt.display;
    platform::DisplayBackend& backend = display.Backend();
    holdGame(true);
    ++gAway.pauses;
    bool signShown = false;
    bool goesOn = true;
    std::optional<FrameOverlay> overlay;
    while (windowAway()) {
        const bool visible = !gAway.minimised && !gAway.hidden;
        if (visible && !signShown) {
            if (!overlay) overlay.emplace();
            showPausedSign(*overlay);
        }
        signShown = visible;
        if (rt.script) {
            // Headless: the time away passes on the face's own clock, as it would on a real one.
            if (rt.virtualClock) rt.virtualClock->advance(rt.virtualStep);
            rt.script->feed();
        } else {
            platform::WindowEvent event;
            if (backend.waitEvent(&event, kAwayWaitMs)) {
                display.PostMessage(event.message, event.wParam, event.lParam);
            }
        }
        display.PumpMessages();
        if (!backend.hasWindow() || display.QuitRequested()) {
            goesOn = false;
            break;
        }
    }
    holdGame(false);
    return goesOn;
}
