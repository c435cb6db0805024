#pragma once
// What the running program is made of beyond the engine's singletons: the display object and
// movie player created at start-up, the headless pieces of a scripted run, and the turn and
// present steps that the main loop, the modal boxes and the movie routine share.

#include <cstdint>

class NormalWin;
class MoviePlayer;
namespace platform {
class VirtualPerformanceCounter;
class PausableCounter;
class HeadlessDisplay;
class HeadlessAudioDevice;
}  // namespace platform

// Input that is not the player's (a script): fed once at the start of every turn of any loop.
class TurnInput {
  public:
    virtual ~TurnInput() = default;
    virtual void feed() = 0;
};

// Told of every turn once its counter reading is taken (a recorder).
class TurnListener {
  public:
    virtual ~TurnListener() = default;
    virtual void turnStarted(uint64_t counter) = 0;
    // The window went away: no further turn follows.
    virtual void windowGone() = 0;
};

struct Runtime {
    NormalWin* display = nullptr;
    MoviePlayer* movies = nullptr;
    // Set in headless runs: the backend (for events and the shown page) and the sound device
    // that is advanced with the virtual clock.
    platform::HeadlessDisplay* headless = nullptr;
    platform::HeadlessAudioDevice* headlessAudio = nullptr;
    TurnInput* script = nullptr;
    TurnListener* recorder = nullptr;
    // The engine's counter, held while the player is away.
    platform::PausableCounter* clock = nullptr;
    // Headless runs: the virtual counter, advanced by virtualStep at the start of every turn.
    platform::VirtualPerformanceCounter* virtualClock = nullptr;
    uint64_t virtualStep = 0;
    bool skipMovies = false;
    uint64_t framesPresented = 0;  // main loop, boxes and movies
    int nestedLoops = 0;           // boxes and movies running inside a frame of the main loop
    uint64_t audioMsDone = 0;      // how far the headless sound device was advanced
};

Runtime& runtime();

// Marks a loop that runs inside a frame of the main loop (a box, a movie) while it lives.
class NestedLoop {
  public:
    NestedLoop() { ++runtime().nestedLoops; }
    ~NestedLoop() { --runtime().nestedLoops; }
    NestedLoop(const NestedLoop&) = delete;
    NestedLoop& operator=(const NestedLoop&) = delete;
};

// One turn of any loop: script input for this turn, then the message pump, then the wait while
// the player is away. False when the window is gone or the program was asked to quit (loops
// must then end).
bool pumpTurn();
// Draws the pointer, shows the page, puts the page back under the pointer, counts the frame.
void presentFrame();
// Shows the page as it is (no pointer) and counts the frame.
void presentPlain();
// As presentFrame, without counting a frame: a sign over a paused game.
void presentUncounted();
// The frame was shown by someone else (the movie player): count it all the same.
void countFrame();
