#pragma once
// The sound buffers the manager plays through, mixed in software into the audio device's
// output: each buffer has its own frequency (resampled), pan and volume in hundredths of a
// decibel, plays once or looping, and reports its status and play cursor. A duplicate shares
// its source's sample data and has a cursor, frequency, pan and volume of its own.
//
// Every call may come from the game thread, the sound tick or the audio callback (Mix); one
// small lock keeps them apart. Buffers with data of their own take it from the memory manager,
// so they are created and finally released on the game thread.

#include <cstdint>
#include <mutex>
#include <vector>

#include "engine/audio/pcm_format.h"
#include "engine/platform/audio_device.h"

constexpr int kMaxSoundBuffers = 256;

// The player's two volume controls: the background loops (streams) are music; samples and a
// movie's sound are effects. A buffer is an effect unless it is made music.
enum class SoundGroup { Effects, Music };
constexpr int kGroupLevelFull = 10;

// Status bits, as the original platform reported them.
constexpr uint32_t kBufferPlaying = 0x1;
constexpr uint32_t kBufferLooping = 0x4;

constexpr int32_t kMinBufferFrequency = 100;
constexpr int32_t kMaxBufferFrequency = 100000;
constexpr int32_t kSilenceHundredthsDb = -10000;

class SoundBuffers {
  public:
    SoundBuffers();

    // The format Mix writes; buffers keep their cursors across a change.
    void SetOutput(const platform::AudioFormat& format);
    platform::AudioFormat Output() const;

    // A zeroed buffer of bytes bytes in the format. Each returns a result code (sound_result.h).
    int32_t Create(const PcmFormat& format, uint32_t bytes, int* id);
    int32_t Duplicate(int source, int* id);
    // The data goes when its last buffer does. Unknown ids are ignored.
    void Release(int id);
    void ReleaseAll();
    int Count() const;

    // Copies bytes into the buffer at offset (or fills them with a byte value), under the lock so
    // the mixer never reads a half-written frame.
    int32_t Write(int id, uint32_t offset, const uint8_t* bytes, uint32_t n);
    int32_t Fill(int id, uint32_t offset, uint8_t value, uint32_t n);
    uint32_t Size(int id) const;
    // The data of a buffer nothing plays or shares yet (straight from Create), for filling it
    // without the lock; null otherwise.
    uint8_t* FreshData(int id);

    int32_t Play(int id, bool looping);
    int32_t Stop(int id);
    int32_t Status(int id, uint32_t* status) const;
    // Play cursor in bytes from the buffer's start.
    int32_t GetPosition(int id, uint32_t* bytes) const;
    int32_t SetPosition(int id, uint32_t bytes);
    int32_t SetFrequency(int id, int32_t hz);
    int32_t SetPan(int id, int32_t hundredthsDb);
    int32_t SetVolume(int id, int32_t hundredthsDb);
    int32_t GetFrequency(int id, int32_t* hz) const;

    // The group of a buffer (a duplicate is an effect until told otherwise).
    int32_t SetGroup(int id, SoundGroup group);
    // The player's level of a group, 0 (silent) to 10 (as the game plays it), and the mute
    // that silences all. They scale what is heard only: cursors, status and each buffer's own
    // volume stay as the game set them.
    void SetGroupLevel(SoundGroup group, int level);
    void SetMuted(bool muted);

    // The audio callback: writes bytes of output with every playing buffer mixed in.
    void Mix(uint8_t* out, int bytes);
    // Mix as the device's callback sees it.
    static void MixCallback(void* self, uint8_t* out, int bytes);

  private:
    struct Buffer {
        bool used = false;
        int owner = -1;         // the buffer whose data this one plays (itself for originals)
        int sharers = 0;        // on owners: buffers using the data, itself included
        bool released = false;  // an owner whose data waits for its duplicates
        uint8_t* data = nullptr;
        uint32_t bytes = 0;
        uint32_t frames = 0;
        int channels = 1;
        int bits = 16;
        int blockAlign = 2;
        int32_t baseRate = 0;
        int32_t frequency = 0;
        int32_t pan = 0;
        int32_t volume = 0;
        int32_t gainLeft = 0;  // Q15
        int32_t gainRight = 0;
        uint64_t position = 0;  // frames, 32.32 fixed point
        uint64_t step = 0;      // frames per output frame, 32.32
        bool playing = false;
        bool looping = false;
        SoundGroup group = SoundGroup::Effects;
    };

    Buffer* Find(int id);
    const Buffer* Find(int id) const;
    int FreeSlot() const;
    void UpdateStep(Buffer& b) const;
    static void UpdateGains(Buffer& b);
    void ReleaseLocked(int id);
    void MixBuffer(Buffer& b, int32_t* acc, int frames);
    int32_t GroupGain(SoundGroup group) const;

    mutable std::mutex lock_;
    platform::AudioFormat output_{44100, 2, 16};
    Buffer buffers_[kMaxSoundBuffers];
    std::vector<int32_t> acc_;  // stereo accumulator of one mixing chunk
    int groupLevel_[2] = {kGroupLevelFull, kGroupLevelFull};
    bool muted_ = false;
};
