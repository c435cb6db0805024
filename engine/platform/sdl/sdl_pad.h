#pragma once
// Game controllers on SDL2: opened as they are plugged in (those present at start arrive the
// same way), closed as they go, read whenever the display looks for events and handed to the
// pad mapping. Several controllers act as one. A machine without controllers, or where SDL's
// controller subsystem cannot start, simply has no pad.

#include <SDL.h>

#include <vector>

#include "engine/platform/pad_mapping.h"

namespace platform {

class SdlPad {
  public:
    SdlPad() = default;
    ~SdlPad();
    SdlPad(const SdlPad&) = delete;
    SdlPad& operator=(const SdlPad&) = delete;

    // Starts SDL's controller subsystem (video is up by then); false, and no pad, when it
    // cannot.
    bool start();
    void stop();
    bool started() const { return started_; }

    // Where the pad goes and how fast it moves the pointer; what was held is forgotten.
    void configure(PadTarget target, PadSettings settings);

    // Takes SDL's controller events: plugging in and out opens and closes, the rest only
    // wakes a waiting loop (the state is read by read()). True when the event was the pad's.
    bool handle(const SDL_Event& event);
    // Reads every open controller and returns what changed since the last reading.
    PadOutput read();
    // How long a wait for events may last before the pad must be read again; -1 without a
    // controller subsystem (nothing to read, nothing to notice).
    int waitSliceMs() const;

    const PadMapping& mapping() const { return mapping_; }
    void setSettings(PadSettings settings) { mapping_.setSettings(settings); }
    int controllerCount() const { return static_cast<int>(controllers_.size()); }

  private:
    struct Controller {
        SDL_GameController* handle = nullptr;
        SDL_JoystickID id = -1;
    };
    void open(int deviceIndex);
    void close(SDL_JoystickID id);
    PadState combinedState() const;

    bool started_ = false;
    std::vector<Controller> controllers_;
    PadMapping mapping_;
    Uint64 lastRead_ = 0;
};

}  // namespace platform
