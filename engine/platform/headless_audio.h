#pragma once
// The sound seam without a sound card. Time stands still until advance() is called: then the
// mixer is asked for that much output (play cursors move) and the timer ticks that fall into
// the span run on the caller's thread, in order. A wait for the tick moves the clock to the
// next tick.

#include <cstdint>
#include <vector>

#include "engine/platform/audio_device.h"

namespace platform {

class HeadlessAudioDevice final : public AudioDevice {
  public:
    bool accepts(const AudioFormat& format) override;
    bool open(const AudioFormat& format, MixCallback mix, void* user) override;
    void close() override;

    unsigned minTimerPeriod() const override { return 1; }
    unsigned maxTimerPeriod() const override { return 1000000; }
    bool startTimer(unsigned periodMs, TickCallback tick, void* user) override;
    void stopTimer() override;
    bool timerRunning() const override { return tick_ != nullptr; }
    void waitForTick() override;
    void setPaused(bool paused) override { paused_ = paused; }
    bool paused() const { return paused_; }

    // Moves the clock on: mixes the output frames of the span and runs the due ticks.
    void advanceMs(uint64_t ms);
    uint64_t nowMs() const { return nowMs_; }

    // Knobs for tests: output formats to refuse (matched by rate, bits and channels), or no
    // output / no timer at all.
    std::vector<AudioFormat> refused;
    bool failOpen = false;
    bool failTimer = false;
    // When set, every mixed byte is also appended to recorded.
    bool record = false;
    std::vector<uint8_t> recorded;

    // What the caller can look at.
    bool isOpen() const { return mix_ != nullptr; }
    AudioFormat format() const { return format_; }
    // Output of the last advance, in the opened format.
    const std::vector<uint8_t>& lastOutput() const { return output_; }
    uint64_t ticks() const { return tickCount_; }

  private:
    void mixUntil(uint64_t ms);

    AudioFormat format_;
    bool paused_ = false;
    MixCallback mix_ = nullptr;
    void* mixUser_ = nullptr;
    TickCallback tick_ = nullptr;
    void* tickUser_ = nullptr;
    unsigned period_ = 0;
    uint64_t nowMs_ = 0;
    uint64_t nextTickMs_ = 0;
    uint64_t framesMixed_ = 0;
    uint64_t tickCount_ = 0;
    std::vector<uint8_t> output_;
};

}  // namespace platform
