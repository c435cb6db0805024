#pragma once
// One object per face of the outside world: the display with its events, the performance
// counter, the audio device, the message box, the tune player, the image-file reader and the
// process start, made together by one call.
// Players get the SDL2 face (engine/platform/sdl); tests and scripted runs the headless one.
// A program makes one, installs it as the engine's services for as long as it runs, and
// destroys it at the end.

#include <memory>
#include <string>

#include "engine/platform/audio_device.h"
#include "engine/platform/display_backend.h"
#include "engine/platform/image_reader.h"
#include "engine/platform/message_box.h"
#include "engine/platform/pausable_counter.h"
#include "engine/platform/performance_counter.h"
#include "engine/platform/tune_player.h"

namespace platform {

class HeadlessPlatform;

// What a program asks of its face when it makes it.
struct PlatformSettings {
    bool windowed = false;  // a window rather than the full screen
    // The counter in microseconds (the unit of the headless clock) rather than the system's
    // own frequency: a run that is recorded for a headless replay.
    bool microsecondCounter = false;
    // How fast a game controller's stick moves the pointer: 1 (slowest) to 10.
    int padPointerSpeed = 5;
};

class Platform {
  public:
    virtual ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    virtual DisplayBackend& display() = 0;
    virtual PerformanceCounter& counter() = 0;
    virtual AudioDevice& audio() = 0;
    virtual MessageBoxService& boxes() = 0;
    virtual TunePlayer& tunes() = 0;
    virtual ImageReader& images() = 0;
    // Starts another program by name and returns at once (see process_start.h); false, with
    // one line on stderr, when it cannot be started.
    virtual bool startProgram(const std::string& name) = 0;

    // The headless face's own controls, or null on a face with a real display.
    virtual HeadlessPlatform* headless() { return nullptr; }

    // Makes the counter (as a pausable one), the message boxes and (when `sound`) the audio device
    // the engine's services; uninstall() (or the destructor) puts the built-in defaults back.
    void install(bool sound);
    void uninstall();
    // The counter installed as the engine's: the face's own with the time paused taken out;
    // null while nothing is installed.
    PausableCounter* engineCounter() { return engineCounter_.get(); }

  protected:
    Platform() = default;

  private:
    bool installed_ = false;
    std::unique_ptr<PausableCounter> engineCounter_;
};

using PlatformFactory = std::unique_ptr<Platform> (*)(const PlatformSettings& settings);

}  // namespace platform
