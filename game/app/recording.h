#pragma once
// Recorded sessions. A recording is a script of its own kind: everything the game took from the
// player, turn by turn, so that a headless replay makes the same state record byte for byte.
//
//   # ravez-lensquest recording 1      first line: what the file is
//   options [skip-movies]              the options that change how a run goes
//   t MICROSECONDS                     a turn starts this long after the previous one
//   k KEY ALT SHIFT CTRL CAPS          what the next key poll hands out
//   m X Y LEFT MIDDLE RIGHT DOUBLE DRAGGING DRAGX DRAGY   what the next mouse poll hands out
//   end                                the window was closed
//
// Turns and polls come in the order the game took them. Frame lengths are microseconds of the
// game's counter, which runs in microseconds while a session is recorded.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/input/input.h"
#include "game/ui/runtime.h"

namespace platform {
class HeadlessDisplay;
class VirtualPerformanceCounter;
}  // namespace platform

constexpr const char* kRecordingHeader = "# ravez-lensquest recording 1";

// Whether the file is a recording (its first line is the header).
bool isRecording(const std::string& path);

class SessionRecorder : public TurnListener, public PollTap {
  public:
    ~SessionRecorder() override;
    // Starts the file; `startCounter` is the reading the first turn is measured from.
    bool open(const std::string& path, bool skipMovies, uint64_t startCounter);
    // Flushes and closes; false when anything could not be written.
    bool close();
    // A replay running at the same time: its records are taken, then written.
    void setSource(PollTap* source) { source_ = source; }

    void turnStarted(uint64_t counter) override;
    void windowGone() override;
    void keysPolled(KeyRecord* record) override;
    void mousePolled(MouseRecord* record) override;

  private:
    std::FILE* file_ = nullptr;
    uint64_t lastTurn_ = 0;
    bool failed_ = false;
    PollTap* source_ = nullptr;
};

class SessionReplay : public TurnInput, public PollTap {
  public:
    // Reads the whole recording; false, with the reason in error(), for a file that is not one.
    bool load(const std::string& path);
    const std::string& error() const { return error_; }
    bool skipMovies() const { return skipMovies_; }

    // The headless window the replay closes or sends Esc to, and the virtual counter it sets
    // to each recorded turn's time.
    void attach(platform::HeadlessDisplay* display, platform::VirtualPerformanceCounter* counter,
                uint64_t startCounter);

    void feed() override;
    void keysPolled(KeyRecord* record) override;
    void mousePolled(MouseRecord* record) override;

    bool done() const { return next_ >= lines_.size(); }
    bool failed() const { return failed_; }

  private:
    struct Line {
        char kind = 0;  // 't', 'k', 'm', 'e'
        int number = 0;
        int64_t values[9] = {};
    };
    // The next line when it is of that kind; else the replay is out of step and stops.
    const Line* take(char kind, const char* what);
    void stop(const std::string& why);

    std::vector<Line> lines_;
    std::size_t next_ = 0;
    std::string error_;
    bool skipMovies_ = false;
    bool failed_ = false;
    bool stopped_ = false;
    platform::HeadlessDisplay* display_ = nullptr;
    platform::VirtualPerformanceCounter* counter_ = nullptr;
    uint64_t lastTurn_ = 0;
};
