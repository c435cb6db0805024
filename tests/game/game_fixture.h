#pragma once
// The game's record for tests that run its rules without a display: cleared as at program
// start, on a virtual performance counter (the frame values take its frequency), and, for
// FreshGameTest, a new game started as the menu starts one.

#include "engine/platform/performance_counter.h"
#include "game/state/frame_values.h"
#include "game/state/game_state.h"
#include "game/ui/panels.h"
#include "tests/support/test_env.h"

class ClearedGameTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        platform::setPerformanceCounter(&counter);
        clearGameState();
        frameValues() = FrameValues{};
        frameValues().perfFrequency = counter.frequency();
    }
    void TearDown() override {
        platform::setPerformanceCounter(nullptr);
        EngineTest::TearDown();
    }

    platform::VirtualPerformanceCounter counter;
};

// With the day end's notices, as the main loop installs them.
class FreshGameTest : public ClearedGameTest {
  protected:
    void SetUp() override {
        ClearedGameTest::SetUp();
        installDayEndNotices();
        startNewGame();
    }
};
