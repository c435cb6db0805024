#pragma once
// The sound seam: an output stream the engine's mixer fills, and the periodic timer that drives
// the sound manager. The SDL2 face plays through SDL's audio callback and ticks on a thread of
// its own; the headless face moves only when the caller advances its clock, so tests of
// streaming and repeats run the same way every time.

#include <cstdint>

namespace platform {

struct AudioFormat {
    int rate = 0;      // frames per second
    int channels = 0;  // 1 or 2
    int bits = 0;      // 8 (unsigned) or 16 (signed, little-endian)

    int frameBytes() const { return channels * bits / 8; }
};

// Fills `bytes` bytes of output in the opened format. Runs on the device's own thread.
using MixCallback = void (*)(void* user, uint8_t* out, int bytes);
// One timer period has passed. Runs on the timer's thread.
using TickCallback = void (*)(void* user);

class AudioDevice {
  public:
    virtual ~AudioDevice() = default;

    // Whether the device takes this output format (nothing is opened).
    virtual bool accepts(const AudioFormat& format) = 0;
    // Opens the output in this format and starts calling the mixer. False when refused.
    virtual bool open(const AudioFormat& format, MixCallback mix, void* user) = 0;
    // Stops calling the mixer; when it returns no mix call is running.
    virtual void close() = 0;

    // Periods the timer offers, in milliseconds.
    virtual unsigned minTimerPeriod() const = 0;
    virtual unsigned maxTimerPeriod() const = 0;
    virtual bool startTimer(unsigned periodMs, TickCallback tick, void* user) = 0;
    // When it returns no tick is running and none will start.
    virtual void stopTimer() = 0;
    virtual bool timerRunning() const = 0;
    // Lets about one timer period pass so that the next tick can run; returns at once when no
    // timer runs. Callers that wait for the tick loop over this with a bound of their own.
    virtual void waitForTick() = 0;

    // Holds the output where it is (no mixer calls, silence) or lets it go on from there.
    virtual void setPaused(bool paused) { (void)paused; }
};

// The installed device, or null when the program has no sound.
AudioDevice* audioDevice();
// Installs a device (null for none). The caller keeps ownership.
void setAudioDevice(AudioDevice* device);

}  // namespace platform
