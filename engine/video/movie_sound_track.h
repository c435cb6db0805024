#pragma once
// The movie's sound track on the sound manager's device: a one-second looping ring of 16-bit
// stereo sound that the player keeps filled ahead of the play cursor. When the writer falls
// behind, the ring plays silence and writing starts again just ahead of the cursor, so the
// sound never drifts behind the pictures.

#include <cstdint>
#include <vector>

class MovieSoundTrack {
  public:
    MovieSoundTrack() = default;
    ~MovieSoundTrack() { Close(); }
    MovieSoundTrack(const MovieSoundTrack&) = delete;
    MovieSoundTrack& operator=(const MovieSoundTrack&) = delete;

    // Needs a started sound manager. False when there is none or the ring cannot be made.
    bool Open(int rate);
    void Close();
    bool IsOpen() const { return buffer_ >= 0; }
    int Rate() const { return rate_; }

    // Takes interleaved stereo frames; they reach the ring at the next Pump.
    void Queue(const int16_t* samples, int frames);
    void Pump();
    void Start();
    void Halt();
    // Forgets everything queued and written (after a seek).
    void Reset();

    int32_t SetVolume(int32_t hundredthsDb);
    int32_t SetPan(int32_t hundredthsDb);

    uint64_t FramesWritten() const { return written_; }
    std::size_t FramesPending() const { return pending_.size() / 2; }

  private:
    void WriteRing(uint64_t at, const int16_t* samples, uint32_t frames);
    void ZeroRing(uint64_t at, uint32_t frames);

    int buffer_ = -1;
    int rate_ = 0;
    uint32_t ringFrames_ = 0;
    uint64_t written_ = 0;
    uint64_t played_ = 0;
    uint32_t lastCursor_ = 0;
    bool playing_ = false;
    std::vector<int16_t> pending_;
};
