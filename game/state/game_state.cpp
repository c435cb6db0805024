#include "game/state/game_state.h"

#include <cstring>

#include "game/state/frame_values.h"

namespace {

GameState gState;

struct InitialOrder {
    int32_t subject, days, bonus, count;
};
constexpr InitialOrder kInitialOrderTable[kInitialOrders] = {
    {18, 3, 1000, 5}, {19, 2, 1500, 6}, {20, 1, 2500, 6}, {21, 2, 800, 4}, {29, 2, 2000, 6},
    {30, 2, 2500, 2}, {31, 2, 2000, 6}, {32, 2, 800, 4},  {33, 3, 1200, 5}};

constexpr int32_t kInitialBeachRate[kBeaches] = {100, 90, 100, 80, 100, 100, 70, 60, 100, 100};

}  // namespace

GameState& gameState() {
    return gState;
}

void clearGameState() {
    std::memset(static_cast<void*>(&gState), 0, sizeof gState);
}

void startNewGame() {
    GameState& s = gState;
    FrameValues& f = frameValues();
    s.month = 5;
    s.day = 1;
    s.hour = 8;
    s.minute = 0;
    s.second = 0;
    s.year = 2000;
    s.gameSpeed = 1;
    s.tickLength = static_cast<uint32_t>(f.perfFrequency / 300);
    f.lastTickCounter = turnCounter();

    std::memset(s.camera, 0, sizeof s.camera);
    std::memset(s.lens, 0, sizeof s.lens);
    std::memset(s.flash, 0, sizeof s.flash);
    std::memset(s.camouflage, 0, sizeof s.camouflage);
    std::memset(s.roomRented, 0, sizeof s.roomRented);
    std::memset(s.shotsTaken, 0, sizeof s.shotsTaken);
    std::memset(s.photoUsed, 0, sizeof s.photoUsed);
    for (PhotoImage& photo : s.photos) {
        photo.width = kPhotoWidth;
        photo.height = kPhotoHeight;
    }
    std::memcpy(s.beachRate, kInitialBeachRate, sizeof s.beachRate);

    s.currentOrder = -1;
    s.orderDaysLeft = 0;
    std::memset(s.orderSubject, 0, sizeof s.orderSubject);
    std::memset(s.orderDone, 0, sizeof s.orderDone);
    std::memset(s.orderDays, 0, sizeof s.orderDays);
    std::memset(s.orderBonus, 0, sizeof s.orderBonus);
    std::memset(s.orderCount, 0, sizeof s.orderCount);
    for (int i = 0; i < kInitialOrders; ++i) {
        s.orderSubject[i] = kInitialOrderTable[i].subject;
        s.orderDays[i] = kInitialOrderTable[i].days;
        s.orderBonus[i] = kInitialOrderTable[i].bonus;
        s.orderCount[i] = kInitialOrderTable[i].count;
    }
    s.apartmentVisits = 2;
    s.shopVisits = 2;
    s.tvVisits = 2;
    s.money = 3000;
}
