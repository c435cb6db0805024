#pragma once
// The sound seam on SDL2: the engine's mixer runs in SDL's audio callback, in exactly the
// format the sound manager chose (SDL converts for the hardware), and the timer ticks on a
// thread of its own.

#include <SDL.h>

#include <string>

#include "engine/platform/audio_device.h"
#include "engine/platform/tick_thread.h"

namespace platform {

class SdlAudioDevice final : public AudioDevice {
  public:
    SdlAudioDevice() = default;
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    bool accepts(const AudioFormat& format) override;
    bool open(const AudioFormat& format, MixCallback mix, void* user) override;
    void close() override;

    unsigned minTimerPeriod() const override { return 1; }
    unsigned maxTimerPeriod() const override { return 1000000; }
    bool startTimer(unsigned periodMs, TickCallback tick, void* user) override;
    void stopTimer() override { timer_.stop(); }
    bool timerRunning() const override { return timer_.running(); }
    void waitForTick() override { timer_.waitForTick(); }
    void setPaused(bool paused) override;

    const std::string& lastError() const { return lastError_; }

  private:
    static void SDLCALL Callback(void* self, Uint8* stream, int len);
    bool startSubsystem();

    bool subsystem_ = false;
    bool deviceFailed_ = false;
    SDL_AudioDeviceID device_ = 0;
    bool paused_ = false;
    MixCallback mix_ = nullptr;
    void* user_ = nullptr;
    TickThread timer_;
    std::string lastError_;
};

}  // namespace platform
