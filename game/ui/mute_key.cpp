#include "game/ui/mute_key.h"

#include "engine/display/normhi.h"
#include "engine/platform/window_messages.h"
#include "game/ui/game_settings.h"
#include "game/ui/runtime.h"

namespace {

constexpr uintptr_t kMuteKey = 'M';

MessageHandler gPreviousDown = nullptr;
MessageHandler gPreviousUp = nullptr;
// A held key repeats its key-down messages: one switch a press.
bool gHeld = false;

intptr_t onKeyDown(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    if (wParam != kMuteKey) return gPreviousDown ? gPreviousDown(window, wParam, lParam) : 0;
    if (!gHeld) {
        gHeld = true;
        if (SettingsHost* host = settingsHost()) {
            GameSettings changed = host->settings();
            changed.mute = !changed.mute;
            host->apply(changed);
        }
    }
    return 0;
}

intptr_t onKeyUp(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    if (wParam == kMuteKey) gHeld = false;
    return gPreviousUp ? gPreviousUp(window, wParam, lParam) : 0;
}

}  // namespace

void installMuteKey() {
    gHeld = false;
    NormalWin* display = runtime().display;
    if (!display) return;
    gPreviousDown = display->GetHandler(platform::kWmKeyDown);
    gPreviousUp = display->GetHandler(platform::kWmKeyUp);
    display->RegisterHandler(platform::kWmKeyDown, &onKeyDown);
    display->RegisterHandler(platform::kWmKeyUp, &onKeyUp);
}

void removeMuteKey() {
    NormalWin* display = runtime().display;
    if (display && display->GetHandler(platform::kWmKeyDown) == &onKeyDown) {
        display->RegisterHandler(platform::kWmKeyDown, gPreviousDown);
    }
    if (display && display->GetHandler(platform::kWmKeyUp) == &onKeyUp) {
        display->RegisterHandler(platform::kWmKeyUp, gPreviousUp);
    }
    gPreviousDown = gPreviousUp = nullptr;
}
