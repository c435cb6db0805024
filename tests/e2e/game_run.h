#pragma once
// Scripted runs of the whole game, in this process, on the headless backend: the game's own
// entry with its command line, a script written by the test, and the record dumped at exit.
// The data set is the generated default set when it has been built, else a small set of
// plain pictures that this fixture writes with our own pool, picture and font writers.

#include <memory>
#include <string>
#include <vector>

#include "game/state/game_state.h"
#include "tests/support/test_env.h"

class GameRun : public EngineTest {
  protected:
    void SetUp() override;

    // Runs the game with the script; extra options after the fixed ones. The exit code.
    int play(const std::string& script, const std::vector<std::string>& extra = {});
    // The record as dumped at the end of the last run.
    const GameState& dumped() const { return *reinterpret_cast<const GameState*>(dump_.data()); }
    // A 32-bit field of the dump by its offset.
    int32_t field(std::size_t offset) const;

    // A script line that dumps the record to NAME.bin in the test's folder, and that record
    // read back (on the heap: 3.4 MB is too much for a test's stack under the sanitizers).
    std::string dumpTo(const std::string& name) const;
    std::unique_ptr<GameState> step(const std::string& name) const;

    std::string dataDir;
    std::string workDir;
    bool skipMovies = true;  // every run but those about movies skips them
    std::vector<uint8_t> dump_;
};

// Script lines: a click on a caption, a click at a point, the wait for a scene.
std::string click(const char* caption);
std::string clickAt(int x, int y);
std::string until(int scene, int frames = 5);

// Writes the small data set into dir (made when missing).
void writeSmallDataSet(const std::string& dir);
