#include "engine/platform/sdl/sdl_keys.h"

#include "engine/platform/window_messages.h"

namespace platform {

namespace {

struct KeyPair {
    SDL_Keycode sdl;
    int virtualKey;
};

// Keys outside the letter, digit and function-key ranges.
constexpr KeyPair kKeys[] = {
    {SDLK_BACKSPACE, kVkBack},   {SDLK_TAB, kVkTab},
    {SDLK_RETURN, kVkReturn},    {SDLK_KP_ENTER, kVkReturn},
    {SDLK_LSHIFT, kVkShift},     {SDLK_RSHIFT, kVkShift},
    {SDLK_LCTRL, kVkControl},    {SDLK_RCTRL, kVkControl},
    {SDLK_LALT, kVkMenu},        {SDLK_RALT, kVkMenu},
    {SDLK_PAUSE, kVkPause},      {SDLK_CAPSLOCK, kVkCapital},
    {SDLK_ESCAPE, kVkEscape},    {SDLK_SPACE, kVkSpace},
    {SDLK_PAGEUP, kVkPrior},     {SDLK_PAGEDOWN, kVkNext},
    {SDLK_END, kVkEnd},          {SDLK_HOME, kVkHome},
    {SDLK_LEFT, kVkLeft},        {SDLK_UP, kVkUp},
    {SDLK_RIGHT, kVkRight},      {SDLK_DOWN, kVkDown},
    {SDLK_INSERT, kVkInsert},    {SDLK_DELETE, kVkDelete},
    {SDLK_KP_0, kVkNumpad0},     {SDLK_KP_1, kVkNumpad0 + 1},
    {SDLK_KP_2, kVkNumpad0 + 2}, {SDLK_KP_3, kVkNumpad0 + 3},
    {SDLK_KP_4, kVkNumpad0 + 4}, {SDLK_KP_5, kVkNumpad0 + 5},
    {SDLK_KP_6, kVkNumpad0 + 6}, {SDLK_KP_7, kVkNumpad0 + 7},
    {SDLK_KP_8, kVkNumpad0 + 8}, {SDLK_KP_9, kVkNumpad0 + 9},
};

}  // namespace

int VirtualKeyFromSdl(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return kVkF1 + (key - SDLK_F1);
    for (const KeyPair& pair : kKeys) {
        if (pair.sdl == key) return pair.virtualKey;
    }
    return 0;
}

SDL_Keycode SdlKeyFromVirtual(int virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') return SDLK_a + (virtualKey - 'A');
    if (virtualKey >= '0' && virtualKey <= '9') return SDLK_0 + (virtualKey - '0');
    if (virtualKey >= kVkF1 && virtualKey <= kVkF12) return SDLK_F1 + (virtualKey - kVkF1);
    for (const KeyPair& pair : kKeys) {
        if (pair.virtualKey == virtualKey) return pair.sdl;
    }
    return SDLK_UNKNOWN;
}

}  // namespace platform
