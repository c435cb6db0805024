#include "game/ui/mute_key.h"

#include "engine/display/normhi.h"
#include "engine/platform/window_messages.h"
#include "game/ui/game_settings.h"
#include "game/ui/handler_chain.h"
#include "game/ui/runtime.h"

namespace {

constexpr uintptr_t kMuteKey = 'M';

HandlerChain gChain;
// A held key repeats its key-down messages: one switch a press.
bool gHeld = false;

intptr_t onKeyDown(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    if (wParam != kMuteKey) return gChain.passOn(platform::kWmKeyDown, window, wParam, lParam);
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
    return gChain.passOn(platform::kWmKeyUp, window, wParam, lParam);
}

}  // namespace

void installMuteKey() {
    gHeld = false;
    gChain.install({{platform::kWmKeyDown, &onKeyDown}, {platform::kWmKeyUp, &onKeyUp}});
}

void removeMuteKey() {
    gChain.remove();
}
