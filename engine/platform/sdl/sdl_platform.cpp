#include "engine/platform/sdl/sdl_platform.h"

#include <SDL.h>

#include "engine/platform/process_start.h"
#include "engine/platform/sdl/sdl_audio.h"
#include "engine/platform/sdl/sdl_display.h"
#include "engine/platform/sdl/sdl_image_reader.h"
#include "engine/platform/sdl/sdl_message_box.h"
#include "engine/platform/sdl/sdl_tune_player.h"

namespace platform {

namespace {

// Boxes belong to the window while there is one, so that the window system keeps them above it.
class WindowOwnedBoxes final : public MessageBoxService {
  public:
    explicit WindowOwnedBoxes(SdlDisplay& display) : display_(display) {}
    BoxAnswer show(const MessageBoxRequest& request) override {
        boxes_.parent = display_.window();
        return boxes_.show(request);
    }

  private:
    SdlDisplay& display_;
    SdlMessageBox boxes_;
};

class SdlPlatform final : public Platform {
  public:
    explicit SdlPlatform(const PlatformSettings& settings)
        : display_(settings.windowed), microseconds_(settings.microsecondCounter) {
        display_.setPadPointerSpeed(settings.padPointerSpeed);
    }
    ~SdlPlatform() override { uninstall(); }

    DisplayBackend& display() override { return display_; }
    PerformanceCounter& counter() override {
        if (microseconds_) return microsecondCounter_;
        return realCounter_;
    }
    AudioDevice& audio() override { return audio_; }
    MessageBoxService& boxes() override { return boxes_; }
    TunePlayer& tunes() override { return tunes_; }
    ImageReader& images() override { return images_; }
    bool startProgram(const std::string& name) override { return StartProgram(name); }

    SdlDisplay& sdlDisplay() { return display_; }

  private:
    // Destroyed last: each part below quits the SDL subsystem it started, this what is left.
    struct SdlLibrary {
        ~SdlLibrary() { SDL_Quit(); }
    } library_;
    SdlDisplay display_;
    bool microseconds_;
    RealPerformanceCounter realCounter_;
    MicrosecondPerformanceCounter microsecondCounter_;
    SdlAudioDevice audio_;
    WindowOwnedBoxes boxes_{display_};
    SdlTunePlayer tunes_;
    SdlImageReader images_;
};

}  // namespace

std::unique_ptr<Platform> createSdlPlatform(const PlatformSettings& settings) {
    return std::make_unique<SdlPlatform>(settings);
}

SdlDisplay* sdlDisplayOf(Platform& face) {
    auto* sdl = dynamic_cast<SdlPlatform*>(&face);
    return sdl ? &sdl->sdlDisplay() : nullptr;
}

}  // namespace platform
