#pragma once
// Scripted runs of the whole game, in this process, on the headless backend: the game's own
// entry with its command line, a script written by the test, and the record dumped at exit.
// The data set is the generated default set when it has been built, else a small set of
// plain pictures that this fixture writes with our own pool, picture and font writers.

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

    std::string dataDir;
    std::string workDir;
    std::vector<uint8_t> dump_;
};

// Writes the small data set into dir (made when missing).
void writeSmallDataSet(const std::string& dir);
