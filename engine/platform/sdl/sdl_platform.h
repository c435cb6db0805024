#pragma once
// The face players get: SDL2's window, renderer and events, the system's monotonic counter,
// SDL's audio device, SDL's message boxes (owned by the window once there is one), SDL's audio
// queue for the launcher's tune, SDL's BMP loader for image files, and the process start.

#include <memory>

#include "engine/platform/platform.h"

namespace platform {

class SdlDisplay;

std::unique_ptr<Platform> createSdlPlatform(const PlatformSettings& settings);

// The SDL display of a platform made by createSdlPlatform, or null for another face.
SdlDisplay* sdlDisplayOf(Platform& face);

}  // namespace platform
