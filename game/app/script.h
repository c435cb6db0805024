#pragma once
// Scripted play: input read from a file, one command a line, fed to the headless backend's
// event queue at the start of every turn of whatever loop runs (main loop, modal box, movie),
// so that boxes and movies take it as they take a player's input. When the script is done, or
// a command fails, Esc is sent until the program ends.
//
//   move X Y | press | release | click X Y | click "CAPTION" | key NAME | frames N
//   until-scene N [MAXFRAMES] | expect-scene N | screenshot FILE.bmp | dump-state FILE
//   load-state FILE | focus-lost | focus-gained | minimise | restore
//
// Key names: esc, space, enter, backspace, f1 … f12, a letter or digit, a key code; "ctrl+"
// before one presses it with Ctrl held (ctrl+p).
// A click takes two turns (down in the first frame, up in the second). `until-scene` ends
// its turn when the scene is reached, so the next command sees that scene's hotspots.
// File names in commands are relative to the current directory when the script is read (the
// directory the program was started from), not the game's working directory.
// `click "CAPTION"` clicks the centre of the hotspot with that caption (or a box button "ok",
// "yes", "no") drawn in the last frame. The window commands are what the window system says
// when the player turns to another window or minimises the game (while away, `frames` counts
// the turns of the wait).

#include <cstdint>
#include <string>
#include <vector>

#include "game/ui/runtime.h"

namespace platform {
class HeadlessDisplay;
}

// The raw game state record to a file, as a savegame holds it. False on failure.
bool dumpGameState(const std::string& path);
// Replaces the record by a raw record image (a dump or a savegame slot file), mended as every
// record from outside is (afterLoad); the engine's own state (whether a beach is loaded) is
// kept. False, with the reason and the record untouched, for a file that is not exactly one
// record or not a game.
bool loadGameStateImage(const std::string& path, std::string* why);

class ScriptDriver : public TurnInput {
  public:
    // Reads the script; false (with the reason in error()) when the file cannot be read or a
    // line is not a command.
    bool load(const std::string& path);
    bool loadText(const std::string& text);
    const std::string& error() const { return error_; }

    void setInput(platform::HeadlessDisplay* input) { input_ = input; }
    // One turn's input.
    void feed() override;

    bool done() const { return next_ >= commands_.size(); }
    bool failed() const { return failed_; }

  private:
    // A command's name, the number of arguments it takes and its turn; every command is
    // declared once, in the table of findVerb.
    struct Verb;
    struct Command {
        const Verb* verb = nullptr;
        std::vector<std::string> args;
        int line = 0;
    };
    static const Verb* findVerb(const std::string& name);

    // Runs the current command; true when the turn goes on with the next one.
    bool step(const Command& c);
    // The commands' turns, as step.
    bool runMove(const Command& c);
    bool runPress(const Command& c);
    bool runRelease(const Command& c);
    bool runClick(const Command& c);
    bool runKey(const Command& c);
    bool runFrames(const Command& c);
    bool runUntilScene(const Command& c);
    bool runExpectScene(const Command& c);
    bool runScreenshot(const Command& c);
    bool runDumpState(const Command& c);
    bool runLoadState(const Command& c);
    bool runWindowChange(const Command& c);

    // Argument i as a number; false, and the command failed, when it is none.
    bool number(const Command& c, std::size_t i, long* out);
    void fail(const Command& c, const std::string& why);
    void clickAt(int x, int y);

    std::vector<Command> commands_;
    std::size_t next_ = 0;
    platform::HeadlessDisplay* input_ = nullptr;
    std::string error_;
    bool failed_ = false;
    bool idleTurn_ = false;
    long waitTurns_ = -1;  // turns still to wait in frames / until-scene
};
