// The player's own loop. While it runs, the window's handlers for application activation and
// window destruction are the player's: losing activation halts the movie until activation
// returns, destruction sets error 20 and ends the loop. Both pass the message on to the
// handlers they replaced.
#include "engine/display/normhi.h"
#include "engine/display/svgahi.h"
#include "engine/platform/window_messages.h"
#include "engine/base/messages.h"
#include "engine/video/frame_clock.h"
#include "engine/video/movie_player_state.h"

namespace {

MoviePlayer::State* playing = nullptr;
MessageHandler previousActivate = nullptr;
MessageHandler previousDestroy = nullptr;

intptr_t OnActivateApp(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    if (playing) {
        if (wParam != 0) FlipToGDI();
        playing->active = wParam != 0;
    }
    return previousActivate ? previousActivate(window, wParam, lParam) : 0;
}

intptr_t OnDestroy(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    SetErrorCode(kErrGeneral);
    return previousDestroy ? previousDestroy(window, wParam, lParam) : 0;
}

// The window the loop's messages come from is gone or closing.
bool WindowGone(NormalWin* display) {
    return !display || !display->Backend().hasWindow() || display->QuitRequested();
}

}  // namespace

int MoviePlayer::Play(const char* name, int skipDecoderCheck, const MovieRect& rect) {
    State& s = *state_;
    NormalWin* display = s.display;
    if (display) {
        previousActivate = display->GetHandler(platform::kWmActivateApp);
        previousDestroy = display->GetHandler(platform::kWmDestroy);
        display->RegisterHandler(platform::kWmActivateApp, &OnActivateApp);
        display->RegisterHandler(platform::kWmDestroy, &OnDestroy);
    }
    playing = &s;
    s.active = true;

    int ran = 0;
    bool stopAsked = false;
    if (Open(name, skipDecoderCheck, rect)) {
        ran = 1;
        bool ended = false;
        while (GetErrorCode() == kErrNone && !ended && !stopAsked) {
            WindowMessage message;
            if (display && display->PeekMessage(&message, 0, 0, true)) {
                display->WindowProc(message.message, message.wParam, message.lParam);
                if (!s.active) Stop();
                continue;
            }
            if (!s.active) {
                // Halted until the application is active again; a window that is gone will
                // never send that.
                if (WindowGone(display)) break;
                IdleFrameClock();
                continue;
            }
            ended = RenderFrame() == 0;
            if (!ended && s.frameHook && s.frameHook(s.frameHookUser) != 0) stopAsked = true;
        }
    }

    if (display) {
        display->RegisterHandler(platform::kWmActivateApp, previousActivate);
        display->RegisterHandler(platform::kWmDestroy, previousDestroy);
    }
    previousActivate = previousDestroy = nullptr;
    playing = nullptr;
    s.active = true;
    Close();
    return ran;
}
