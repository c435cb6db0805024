#pragma once
// SDL key symbols and the game's virtual-key codes.

#include <SDL.h>

namespace platform {

// The virtual-key code of an SDL key, 0 for keys the game has no code for.
int VirtualKeyFromSdl(SDL_Keycode key);
// The SDL key of a virtual-key code, SDLK_UNKNOWN when there is none.
SDL_Keycode SdlKeyFromVirtual(int virtualKey);

}  // namespace platform
