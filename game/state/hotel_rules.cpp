#include "game/state/hotel_rules.h"

#include "game/state/random.h"

namespace {

int beachIndex(int n) {
    return ((n % kBeaches) + kBeaches) % kBeaches;
}

}  // namespace

bool hasRoom(const GameState& s, int hotel) {
    return s.roomRented[hotel] != 0;
}

bool arrestDue(const GameState& s, int hotel) {
    return hasRoom(s, hotel) && s.nightsPaid[hotel] >= kArrestNights;
}

bool canRentRoom(const GameState& s, int hotel) {
    return !hasRoom(s, hotel) && s.money >= kRoomPrice[hotel];
}

bool rentRoom(GameState& s, int hotel) {
    if (!canRentRoom(s, hotel)) return false;
    for (int i = 0; i < kHotels; ++i) s.roomRented[i] = i == hotel ? 1 : 0;
    s.nightsPaid[hotel] = 0;
    s.money -= kRoomPrice[hotel];
    return true;
}

void raiseTip(GameState& s) {
    if (s.tip < kTipMax) s.tip += kTipStep;
}

void lowerTip(GameState& s) {
    if (s.tip > kTipMin) s.tip -= kTipStep;
}

void fitTipToMoney(GameState& s) {
    if (s.tip < kTipMin) s.tip = kTipMin;
    while (s.money < s.tip && s.tip > kTipMin) s.tip -= kTipStep;
}

int porterPrice(const GameState& s, int hotel) {
    return s.tip * kPorterPriceFactor[hotel];
}

int porterBeach(int tip, int crowdedBeach, int draw) {
    if (tip == kTipMin) return beachIndex(kBeaches - 1 - crowdedBeach);
    if (tip == kTipMax) return beachIndex(crowdedBeach);
    return beachIndex(crowdedBeach + draw % 5 - 2);
}

int askPorter(GameState& s, int hotel) {
    s.money -= porterPrice(s, hotel);
    const bool exact = s.tip == kTipMin || s.tip == kTipMax;
    const int draw = exact ? 0 : gameRand();
    return porterBeach(s.tip, s.crowdedBeach, draw);
}
