#pragma once
// The message-box service on SDL2: the engine's single-byte texts become UTF-8 for the
// system dialog. Without a display the box falls back to the headless behaviour (stderr and
// the default answer), so a missing display never blocks the program.

#include <SDL.h>

#include "engine/platform/message_box.h"

namespace platform {

class SdlMessageBox final : public MessageBoxService {
  public:
    BoxAnswer show(const MessageBoxRequest& request) override;

    // The window the boxes belong to, if any.
    SDL_Window* parent = nullptr;

  private:
    HeadlessMessageBox fallback_;
};

}  // namespace platform
