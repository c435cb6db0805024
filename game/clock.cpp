#include "game/clock.h"

#include <cstdlib>
#include <cstring>

#include "engine/display/text.h"
#include "engine/platform/performance_counter.h"
#include "game/asset_table.h"
#include "game/frame_values.h"
#include "game/game_state.h"
#include "game/modal_box.h"
#include "game/random.h"
#include "game/scene.h"
#include "texts/texts.h"

namespace {

constexpr int kRoomScene[3] = {7, 9, 10};
constexpr int kLobbyScene[3] = {3, 4, 5};
constexpr const char* kLobbyMusic[3] = {assets::kMusicLobby, assets::kMusicLobby2,
                                        assets::kMusicLobby};

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
            messageBox(210, 150, txt::kEvicted1, txt::kEvicted2, "", "", "", "");
            if (s.sceneId == kRoomScene[i]) changeScene(kLobbyScene[i], kLobbyMusic[i]);
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

void advanceClock(int64_t seconds) {
    GameState& s = gameState();
    FrameValues& f = frameValues();
    s.crowdedBeach = ((s.day + 11) * (s.month + 13)) % 10;
    const uint64_t perSecond = 100u * static_cast<uint64_t>(2 * s.gameSpeed + 1);
    s.tickLength = static_cast<uint32_t>(f.perfFrequency / perSecond);
    // A counter slower than the game's fastest second still counts, one tick a second.
    const uint64_t tick = s.tickLength != 0 ? s.tickLength : 1;
    const uint64_t now = platform::performanceCounter().now();
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

void drawDatePanel(int x, int y, uint16_t colour) {
    const GameState& s = gameState();
    drawFaded(scenePage(), locationPicture(assets::kPicDatePanel), x, y);
    const char* month = s.month >= 0 && s.month < 12 ? txt::kMonths[s.month] : "";
    PrintText(x + 14, y + 6, 0, kTransparentBackground, txt::kDateFormat, s.day, month, s.year);
    PrintText(x + 13, y + 5, colour, kTransparentBackground, txt::kDateFormat, s.day, month,
              s.year);
    PrintText(x + 14, y + 26, 0, kTransparentBackground, txt::kTimeFormat, s.hour, s.minute);
    PrintText(x + 13, y + 25, colour, kTransparentBackground, txt::kTimeFormat, s.hour, s.minute);
}

void drawMoneyPanel(int x, int y, uint16_t colour) {
    const GameState& s = gameState();
    drawFaded(scenePage(), locationPicture(assets::kPicMoneyPanel), x, y);
    PrintText(x + 7, y + 6, 0, kTransparentBackground, txt::kMoneyFormat, s.money);
    PrintText(x + 6, y + 5, colour, kTransparentBackground, txt::kMoneyFormat, s.money);
}
