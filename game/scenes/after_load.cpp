#include "game/scenes/after_load.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "game/asset_table.h"
#include "game/scenes/beach/beach_view.h"
#include "game/scenes/beach/visitor_types.h"
#include "game/scenes/beach/visitors.h"
#include "game/scenes/scenes.h"
#include "game/state/frame_values.h"
#include "game/state/saved_game.h"

namespace {

constexpr int kNewGameSpeed = 1;
constexpr int kLastDay = 30;
constexpr int kLastYear = 9999;
constexpr int kMostBlur = 2;
constexpr int kMostTip = 50;
constexpr int kMostBeachRate = 100;
constexpr int kMostRecoveryHours = 59;  // a stay is 12..59 hours

void clampTo(int32_t& field, int32_t low, int32_t high) {
    field = std::clamp(field, low, high);
}

// An index into a table of `size`: kept when it is one, else `fallback`.
void indexOr(int32_t& field, int32_t size, int32_t fallback) {
    if (field < 0 || field >= size) field = fallback;
}

void mendCalendar(GameState& s) {
    clampTo(s.month, 0, 11);
    clampTo(s.day, 1, kLastDay);
    clampTo(s.hour, 0, 23);
    clampTo(s.minute, 0, 59);
    clampTo(s.second, 0, 59);
    clampTo(s.year, 0, kLastYear);
    if (s.gameSpeed < 0 || s.gameSpeed > 2) s.gameSpeed = kNewGameSpeed;
    // The length of a game second is this machine's, whatever machine wrote the record.
    s.tickLength = tickLengthFor(s.gameSpeed, frameValues().perfFrequency);
}

// Only active visitors are drawn, aged and photographed; an inactive slot is looked at only
// for its distance and type, which any value survives.
void mendVisitors(GameState& s) {
    BeachVisitors& v = s.visitors;
    for (int i = 0; i < kVisitorSlots; ++i) {
        if (v.life[i] <= 0) continue;
        const VisitorType& type = visitorType(v.typeId[i]);
        const bool canAppear = type.available == 1;
        const bool onSand =
            v.x[i] >= 0 && v.x[i] < assets::kPanoramaWidth && v.y[i] >= 0 && v.y[i] < kViewHeight;
        if (!canAppear || !onSand) {
            emptyVisitorSlot(v, i);
            continue;
        }
        clampTo(v.pose[i], 0, type.spriteCount - 1);
        clampTo(v.posesLeft[i], 0, type.spriteCount - v.pose[i]);
    }
}

}  // namespace

bool afterLoad(GameState& s) {
    // The scene is where the game goes on; a number that is none is no game at all.
    if (!sceneAvailable(s.sceneId)) return false;
    // Day 0 is the blank record a program starts with: every game begins on day 1 and its
    // days run 1..30, so nothing has been played in it (a slot file of zeros is one).
    if (s.day == 0) return false;

    mendCalendar(s);

    clampTo(s.scrollX, 0, kMaxScrollX);
    indexOr(s.selectedCamera, 3, 0);
    for (int32_t& shots : s.shotsTaken) clampTo(shots, 0, kShotsPerCamera);
    for (int32_t& blur : s.photoRecords.blurLevel) clampTo(blur, 0, kMostBlur);
    // The catalogue is constant; built here so that a record loaded before the first frame is
    // judged by it too.
    rebuildVisitorTypes();
    mendVisitors(s);

    clampTo(s.tip, 0, kMostTip);
    indexOr(s.currentHotel, kHotels, 0);
    indexOr(s.currentRoom, kHotels, 0);
    const bool onBeach = s.sceneId >= 201 && s.sceneId <= 200 + kBeaches;
    indexOr(s.currentBeach, kBeaches, onBeach ? s.sceneId - 201 : 0);
    clampTo(s.crowdedBeach, 0, kBeaches - 1);
    for (int32_t& rate : s.beachRate) clampTo(rate, 0, kMostBeachRate);
    if (s.currentOrder < -1 || s.currentOrder >= kOrders) s.currentOrder = -1;
    clampTo(s.recoveryHoursTotal, 0, kMostRecoveryHours);
    clampTo(s.recoveryHoursLeft, 0, kMostRecoveryHours);

    for (int32_t& nights : s.nightsPaid) clampTo(nights, 0, kCounterLimit);
    clampTo(s.hoursOnBeach, 0, kCounterLimit);
    clampTo(s.apartmentVisits, 0, kCounterLimit);
    clampTo(s.shopVisits, 0, kCounterLimit);
    clampTo(s.tvVisits, 0, kCounterLimit);
    return true;
}

bool putRecordImage(const uint8_t* image, int32_t beachLoaded) {
    // Judged on a copy: a refused image leaves the running game as it was.
    const auto record = std::make_unique_for_overwrite<GameState>();
    std::memcpy(static_cast<void*>(record.get()), image, sizeof(GameState));
    if (!afterLoad(*record)) return false;
    record->beachLoaded = beachLoaded;
    gameState() = *record;
    return true;
}
