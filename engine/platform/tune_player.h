#pragma once
// The launcher's title tune: a WAV file played once from its start, without waiting and without
// a mixer of the program's own (the system's media player does the work).

#include <set>
#include <string>

namespace platform {

class TunePlayer {
  public:
    virtual ~TunePlayer() = default;
    // Starts the file and returns a handle for stop(); 0 when it cannot be played.
    virtual unsigned play(const std::string& path) = 0;
    // Stops a tune (a finished one too) and lets it go; 0 is ignored.
    virtual void stop(unsigned tune) = 0;
};

// Plays nothing, but takes only what a player would: a readable RIFF WAVE file.
class HeadlessTunePlayer final : public TunePlayer {
  public:
    unsigned play(const std::string& path) override;
    void stop(unsigned tune) override { playing.erase(tune); }

    std::set<unsigned> playing;

  private:
    unsigned next_ = 0;
};

}  // namespace platform
