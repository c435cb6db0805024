#include "game/state/clock.h"

#include <cstdlib>
#include <cstring>

#include "game/state/frame_values.h"
#include "game/state/game_state.h"
#include "game/state/random.h"

namespace {

RoomLostHandler roomLostHandler = nullptr;

void dayEnd() {
    GameState& s = gameState();
    // A running order loses a day; whenever none runs after that (a new game, an order paid
    // in the album, a drawn order already done) the day draws the next one.
    if (s.orderDaysLeft > 0) --s.orderDaysLeft;
    if (s.orderDaysLeft == 0) {
        s.currentOrder = -1;
        const int r = gameRand() % 9;
        if (s.orderDone[r] == 0) {
            s.currentOrder = r;
            s.orderDaysLeft = s.orderDays[r];
        }
    }
    std::memset(s.camouflage, 0, sizeof s.camouflage);
    for (int i = 0; i < kHotels; ++i) {
        if (!s.roomRented[i]) continue;
        if (s.money < kRoomPrice[i]) {
            s.roomRented[i] = 0;
            if (roomLostHandler) roomLostHandler(i);
        } else {
            s.money -= kRoomPrice[i];
        }
        ++s.nightsPaid[i];
    }
    s.hour -= 24;
    if (++s.day == 31) {
        s.day = 1;
        if (++s.month == 12) {
            s.month = 0;
            ++s.year;
        }
    }
}

void hourChange() {
    GameState& s = gameState();
    for (int i = 0; i < kHotels; ++i) {
        s.porterMood[i] = gameRand() % 4;
        if (s.hour < 9 || s.hour > 18) s.porterMood[i] = 3;
    }
    if (s.hour >= 24) dayEnd();
}

}  // namespace

void setRoomLostHandler(RoomLostHandler handler) {
    roomLostHandler = handler;
}

void advanceClock(int64_t seconds) {
    GameState& s = gameState();
    FrameValues& f = frameValues();
    s.crowdedBeach = ((s.day + 11) * (s.month + 13)) % 10;
    const uint64_t perSecond = 100u * static_cast<uint64_t>(2 * s.gameSpeed + 1);
    s.tickLength = static_cast<uint32_t>(f.perfFrequency / perSecond);
    // A counter slower than the game's fastest second still counts, one tick a second.
    const uint64_t tick = s.tickLength != 0 ? s.tickLength : 1;
    const uint64_t now = turnCounter();
    uint64_t n = now > f.lastTickCounter ? (now - f.lastTickCounter) / tick : 0;
    if (n >= 1) f.lastTickCounter += n * tick;
    // A skip runs even when no tick has passed since the last frame.
    if (seconds > 0) n = static_cast<uint64_t>(seconds);
    for (uint64_t i = 0; i < n; ++i) {
        if (++s.second < 60) continue;
        s.second -= 60;
        if (++s.minute < 60) continue;
        s.minute -= 60;
        ++s.hour;
        hourChange();
    }
}

int dayNightWeight() {
    const GameState& s = gameState();
    const int secondsOfDay = s.second + ((s.hour - 2) % 24) * 3600 + s.minute * 60;
    const int steps = std::abs(43200 - secondsOfDay) / 85 - 127;
    int v = steps * 5 / 2 - 100;  // × 2.5, truncated toward zero
    if (v < 0) v = 0;
    if (v > 255) v = 255;
    return v;
}
