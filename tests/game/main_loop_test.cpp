// The start of the main loop without a display: what it reports about a missing sound pool
// and where the clock starts counting before any game has been started.

#include <gtest/gtest.h>

#include <string>

#include "engine/platform/performance_counter.h"
#include "engine/resources/pool/pool.h"
#include "game/app/main_loop.h"
#include "game/state/clock.h"
#include "game/state/game_state.h"
#include "game/ui/runtime.h"
#include "tests/game/game_fixture.h"

namespace {

class MainLoopStartTest : public ClearedGameTest {
  protected:
    void SetUp() override {
        ClearedGameTest::SetUp();
        boxes.quiet = true;
    }
    void TearDown() override {
        endMainLoop();
        ClosePools();
        ClearedGameTest::TearDown();
    }
};

TEST_F(MainLoopStartTest, AMissingSoundPoolIsReportedAsNoTapFile) {
    ASSERT_EQ(runtime().display, nullptr);
    startMainLoop();
    bool reported = false;
    for (const std::string& text : boxTexts()) {
        reported = reported || text.find("NO TAP-FILE !") != std::string::npos;
    }
    EXPECT_TRUE(reported);
}

// The counter of a real machine has run since it was switched on; the menu's first frame must
// count only the time since the loop began, not days of game time in one go.
TEST_F(MainLoopStartTest, TheClockCountsFromTheStartOfTheLoop) {
    counter.advance(10ull * 24 * 3600 * platform::VirtualPerformanceCounter::kFrequency);
    latchTurnCounter();
    startMainLoop();
    counter.advanceMs(1000);
    latchTurnCounter();
    advanceClock(0);
    const GameState& s = gameState();
    EXPECT_EQ(s.day, 0);
    EXPECT_EQ(s.hour * 3600 + s.minute * 60 + s.second, 100);  // a zero record runs slow
}

}  // namespace
