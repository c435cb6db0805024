#pragma once
// The one sound manager: up to 200 loaded samples and 18 channels. Channels 0 to 15 play
// loaded samples, channels 16 and 17 stream a WAV file from disk through a one-second double
// buffer. The game only loads samples, asks for them on a channel and stops channels; the
// sound tick (every 50 ms, on the timer's thread) starts what was asked for, refills the
// streams and plays samples again that were asked for more than once.
//
// The game thread and the tick meet in the channel table: the game only queues and asks for
// stops, the tick only starts and stops. A play or stream-stop waits for the tick that carries
// out an earlier request, never longer than a bounded number of timer periods.

#include <atomic>
#include <cstdint>
#include <mutex>

#include "engine/audio/pcm_format.h"
#include "engine/audio/sound_buffers.h"
#include "engine/resources/file_manager.h"

constexpr int kSampleSlots = 200;
constexpr int kSoundChannels = 18;
constexpr int kSampleChannels = 16;  // 0..15 play samples
constexpr int kFirstStreamChannel = 16;
constexpr int kRepeatForever = 255;
constexpr unsigned kSoundTickMs = 50;
constexpr int kMinFrequency = 100;
constexpr int kMaxFrequency = 100000;

class SoundManager {
  public:
    SoundManager() = default;
    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

    // Opens the installed audio device (platform::audioDevice()) in the best output format it
    // accepts and starts the tick. 1 on success; 0 with error 20 and the failing step as the
    // context message, the manager staying without device. Does nothing when started already.
    int Start(void* window);
    // Stops the tick and the output, frees every sample and resets the channels.
    void Shutdown();
    bool HasDevice() const { return device_ != nullptr; }

    // Loads the WAV file at the handle's position into a free sample slot. The slot id, or -1
    // (error 8 for a null handle, 20 "Can't get Sample ID" when all 200 are used, 20 with a
    // format context for a bad header, 9 for data shorter than the header says).
    int LoadSample(FileHandle handle);
    // Stops every channel that plays the sample, then frees it.
    void FreeSample(int sample);
    bool IsSampleLoaded(int sample) const;

    // Queues a sample on channel 0..15; the next tick starts it. repeat: 1 once, n times,
    // 255 forever, 0 counts as 1.
    void Play(int channel, int sample, int repeat);
    // Stops what the channel plays and drops what is queued on it; streams are stopped by the
    // time this returns.
    void StopChannel(int channel);
    void StopAll();
    void PauseChannel(int channel);
    void ResumeChannel(int channel);

    // Hz, clamped to 100..100000.
    void SetFrequency(int channel, int hz);
    // -100 (left) .. 100 (right); applied as hundredths of a decibel, clamped to ±10000.
    void SetPan(int channel, int pan);
    // -100 .. 0 (values above 0 count as 0); applied as hundredths of a decibel, -10000..0.
    void SetVolume(int channel, int volume);
    // The stored values, in the units the setters take.
    int GetFrequency(int channel) const;
    int GetPan(int channel) const;
    int GetVolume(int channel) const;
    // Playing or queued.
    bool IsChannelBusy(int channel) const;

    // Streams a WAV file on channel 16 or 17, looping through the file `repeat` times (255
    // forever). The sample id the stream occupies, or -1 (error 8 when the file is missing).
    int StreamFile(const char* name, int channel, int repeat);

    // The chosen output format (0..15, -1 without device) and which formats were accepted.
    int OutputFormatIndex() const { return formatIndex_; }
    bool FormatAccepted(int index) const;

    // The tick's work; the timer calls it, and so may a program that drives time itself.
    void Tick();

    // The sound buffers of the device, for other players of sound (the movie's sound track).
    SoundBuffers& Buffers() { return buffers_; }

  private:
    struct Sample {
        bool used = false;
        uint32_t length = 0;
        int buffer = -1;
        PcmFormat format;
    };
    struct Channel {
        int current = -1;
        int paused = -1;
        int repeat = 0;
        int frequency = 0;
        int pan = 0;     // hundredths of a decibel
        int volume = 0;  // hundredths of a decibel
        int buffer = -1;
        int bufferSample = -1;  // the sample the buffer plays a duplicate of
        std::atomic<bool> stopRequest{false};
        int queued = -1;
        int queuedRepeat = 0;
    };
    struct Stream {
        bool active = false;  // the tick refills it
        FileHandle file = nullptr;
        int sample = -1;  // the slot the stream occupies
        int buffer = -1;
        long dataStart = 0;
        uint32_t dataLength = 0;
        uint32_t remaining = 0;
        uint32_t size = 0;
        int nextHalf = 0;
        bool ended = false;
        int endHalf = -1;
        bool endSeen = false;
        uint8_t* scratch = nullptr;  // one half, read from the file before it is copied in
    };

    static bool ValidChannel(int channel) { return channel >= 0 && channel < kSoundChannels; }
    bool ValidSample(int sample) const;
    int FreeSampleSlot() const;
    void SetResultContext(int32_t result);
    template <typename Done>
    bool WaitForTick(Done done);

    // Under lock_.
    void StopStreamLocked(int channel);
    void StartQueuedLocked(int channel);
    void RepeatLocked(int channel);
    void RefillStreamLocked(int channel);
    bool FillHalfLocked(int channel, int half);
    bool Repeating(const Channel& c) const { return c.repeat == kRepeatForever || c.repeat > 1; }
    // Game thread: closes the files of streams the tick has stopped.
    void CloseStoppedStreams();
    void FreeSampleLocked(int sample);

    static void TickCallback(void* self);

    mutable std::mutex lock_;
    std::atomic<bool> tickBusy_{false};
    platform::AudioDevice* device_ = nullptr;
    void* window_ = nullptr;
    SoundBuffers buffers_;
    Sample samples_[kSampleSlots];
    Channel channels_[kSoundChannels];
    Stream streams_[kSoundChannels - kFirstStreamChannel];
    bool accepted_[16] = {};
    int formatIndex_ = -1;
    char message_[96] = {};
};

// The process-wide sound manager.
SoundManager& Sound();
