// The game clock: game seconds off the counter, the hour change, the day end with orders,
// camouflage, rent and eviction, the calendar, the day/night weight, the random generator and
// the frame time.

#include <gtest/gtest.h>

#include "engine/platform/performance_counter.h"
#include "game/state/clock.h"
#include "game/state/game_state.h"
#include "game/state/random.h"
#include "game/ui/modal_box.h"
#include "game/ui/panels.h"
#include "tests/game/game_fixture.h"
#include "tests/game/random_peek.h"
#include "texts/texts.h"

namespace {

class ClockTest : public FreshGameTest {
  protected:
    void setTime(int day, int month, int year, int hour, int minute, int second) {
        GameState& s = gameState();
        s.day = day;
        s.month = month;
        s.year = year;
        s.hour = hour;
        s.minute = minute;
        s.second = second;
    }
};

TEST(RandomTest, FirstValuesAfterSeedOne) {
    const uint32_t saved = randomState();
    setRandomState(1);
    const int expected[] = {16838, 5758, 10113, 17515, 31051, 5627, 23010, 7419};
    for (int value : expected) EXPECT_EQ(gameRand(), value);
    setRandomState(saved);
}

TEST(FrameTimeTest, TruncatesAndNeverOverflows) {
    EXPECT_EQ(elapsedMs(0, 1999, 1000000), 1);
    EXPECT_EQ(elapsedMs(100, 50, 1000000), 0);
    EXPECT_EQ(elapsedMs(0, 5, 0), 0);
    // Ten hours on a nanosecond counter: ticks × 1000 would not fit 64 bits.
    EXPECT_EQ(elapsedMs(0, 36000ull * 1000000000ull, 1000000000ull), 36000000);
    EXPECT_EQ(elapsedMs(0, UINT64_MAX, 1000), INT32_MAX);
}

TEST_F(ClockTest, CountsGameSecondsAtTheChosenSpeed) {
    counter.advanceMs(1000);
    latchTurnCounter();
    advanceClock(0);
    EXPECT_EQ(gameState().minute * 60 + gameState().second, 300);
    gameState().gameSpeed = 2;
    counter.advanceMs(1000);
    latchTurnCounter();
    advanceClock(0);
    EXPECT_EQ(gameState().tickLength, 2000u);
    EXPECT_EQ(gameState().minute * 60 + gameState().second, 800);
    // Part of a tick stays on the counter for the next call.
    counter.advance(1999);
    latchTurnCounter();
    advanceClock(0);
    counter.advance(1);
    latchTurnCounter();
    advanceClock(0);
    EXPECT_EQ(gameState().minute * 60 + gameState().second, 801);
}

TEST_F(ClockTest, HourChangeDrawsPorterStatesByDayAndOffDutyAtNight) {
    setTime(1, 5, 2000, 8, 59, 59);
    const std::vector<int> next = peekRand(3);
    advanceClock(1);
    EXPECT_EQ(gameState().hour, 9);
    EXPECT_EQ(gameState().minute, 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(gameState().porterMood[i], next[i] % 4);

    setTime(1, 5, 2000, 18, 59, 59);
    const uint32_t before = randomState();
    advanceClock(1);
    for (int mood : gameState().porterMood) EXPECT_EQ(mood, 3);
    // The three numbers are drawn all the same: a replay depends on it.
    const uint32_t after = randomState();
    setRandomState(before);
    for (int i = 0; i < 3; ++i) gameRand();
    EXPECT_EQ(randomState(), after);
}

TEST_F(ClockTest, EndOfDayGivesMidnightOfTheNextDayAndClearsCamouflage) {
    GameState& s = gameState();
    s.camouflage[0] = s.camouflage[5] = 1;
    setTime(30, 11, 2000, 23, 59, 59);
    advanceClock(1);
    EXPECT_EQ(s.day, 1);
    EXPECT_EQ(s.month, 0);
    EXPECT_EQ(s.year, 2001);
    EXPECT_EQ(s.hour * 3600 + s.minute * 60 + s.second, 0);
    EXPECT_EQ(s.camouflage[0] + s.camouflage[5], 0);
    EXPECT_EQ(s.crowdedBeach, ((30 + 11) * (11 + 13)) % 10);
}

TEST_F(ClockTest, RentWithExactlyThePriceIsPaidAndOneEuroLessEvicts) {
    GameState& s = gameState();
    s.roomRented[0] = 1;
    s.money = 150;
    setTime(4, 5, 2000, 23, 59, 59);
    advanceClock(1);
    EXPECT_EQ(s.money, 0);
    EXPECT_EQ(s.roomRented[0], 1);
    EXPECT_EQ(s.nightsPaid[0], 1);

    s.roomRented[0] = 0;
    s.roomRented[2] = 1;
    s.money = 399;
    s.sceneId = 10;  // in that hotel's room
    const std::size_t opened = openedBoxes().size();
    setTime(5, 5, 2000, 23, 59, 59);
    advanceClock(1);
    EXPECT_EQ(s.money, 399);
    EXPECT_EQ(s.roomRented[2], 0);
    EXPECT_EQ(s.nightsPaid[2], 1);  // the night counts all the same
    EXPECT_EQ(s.sceneId, 5);        // back in the lobby
    ASSERT_EQ(openedBoxes().size(), opened + 1);
    EXPECT_EQ(openedBoxes().back(), txt::kEvicted1);
    EXPECT_EQ(s.day, 6);
}

TEST_F(ClockTest, DayEndStartsADrawnOrderUnlessItIsDone) {
    GameState& s = gameState();
    s.currentOrder = 2;
    s.orderDaysLeft = 2;
    setTime(1, 5, 2000, 23, 59, 59);
    advanceClock(1);
    EXPECT_EQ(s.orderDaysLeft, 1);
    EXPECT_EQ(s.currentOrder, 2);

    int r = peekRand(3 + 72 + 1)[3 * 24];  // porters of 24 hours, then the order's draw
    r %= 9;
    setTime(2, 5, 2000, 0, 0, 0);
    advanceClock(24 * 3600);
    EXPECT_EQ(s.currentOrder, r);
    EXPECT_EQ(s.orderDaysLeft, s.orderDays[r]);

    // Once more, with the drawn order already done: no order that day.
    s.orderDaysLeft = 1;
    r = peekRand(3 * 24 + 1)[3 * 24] % 9;
    s.orderDone[r] = 1;
    advanceClock(24 * 3600);
    EXPECT_EQ(s.currentOrder, -1);
    EXPECT_EQ(s.orderDaysLeft, 0);
}

TEST_F(ClockTest, ADayEndWithoutARunningOrderDrawsOne) {
    GameState& s = gameState();
    ASSERT_EQ(s.currentOrder, -1);  // a new game has none
    ASSERT_EQ(s.orderDaysLeft, 0);
    setTime(1, 5, 2000, 23, 59, 59);
    int r = peekRand(4)[3] % 9;  // after the porters of hour 24
    advanceClock(1);
    EXPECT_EQ(s.currentOrder, r);
    EXPECT_EQ(s.orderDaysLeft, s.orderDays[r]);

    // Paid in the album: none runs. The next drawn one is done already: none that day either,
    // and the day after draws again.
    s.currentOrder = -1;
    s.orderDaysLeft = 0;
    r = peekRand(4)[3] % 9;
    s.orderDone[r] = 1;
    setTime(2, 5, 2000, 23, 59, 59);
    advanceClock(1);
    EXPECT_EQ(s.currentOrder, -1);
    EXPECT_EQ(s.orderDaysLeft, 0);
    s.orderDone[r] = 0;
    r = peekRand(4)[3] % 9;
    setTime(3, 5, 2000, 23, 59, 59);
    advanceClock(1);
    EXPECT_EQ(s.currentOrder, r);
    EXPECT_GT(s.orderDaysLeft, 0);
}

TEST_F(ClockTest, LargeSkipRunsEveryHourAndDayInOrder) {
    GameState& s = gameState();
    // Every order done: each day end draws one number and opens none.
    for (int i = 0; i < kInitialOrders; ++i) s.orderDone[i] = 1;
    s.roomRented[1] = 1;
    s.money = 600;  // two nights at 250, not three
    setTime(29, 5, 2000, 10, 0, 0);
    const uint32_t before = randomState();
    advanceClock(3 * 24 * 3600);  // no tick has passed on the counter: the skip runs anyway
    EXPECT_EQ(s.day, 2);
    EXPECT_EQ(s.month, 6);
    EXPECT_EQ(s.hour, 10);
    EXPECT_EQ(s.money, 100);
    EXPECT_EQ(s.roomRented[1], 0);
    EXPECT_EQ(s.nightsPaid[1], 3);
    // 72 hour changes of three draws each, and one order draw at each of the three day ends.
    EXPECT_EQ(s.currentOrder, -1);
    const uint32_t after = randomState();
    setRandomState(before);
    for (int i = 0; i < 216 + 3; ++i) gameRand();
    EXPECT_EQ(randomState(), after);
}

TEST_F(ClockTest, DayNightWeightAtTheNamedHours) {
    const struct {
        int hour;
        int weight;
    } cases[] = {{0, 255}, {1, 255}, {2, 255},  {8, 217},  {9, 110},
                 {10, 5},  {14, 0},  {19, 110}, {20, 217}, {23, 255}};
    for (const auto& c : cases) {
        setTime(1, 5, 2000, c.hour, 0, 0);
        EXPECT_EQ(dayNightWeight(), c.weight) << c.hour;
    }
}

}  // namespace
