#pragma once
// The town's rules: the hours of the shop and of the day scenes, the secrets, the hospital's
// recovery and bill, the police donation, the members-only gates with their fee, and the two
// animations that draw random numbers (the gate's flyer and the officer's hourly variant).

#include "game/state/game_state.h"
#include "game/state/scene_ids.h"

// 9:00 to 19:59: receptionists at work, hospital open, secrets hidden (all but the first).
bool isDayHour(int hour);
// 7:00 to 21:59: the shop is open and Laura is at work, not at home.
bool isShopHour(int hour);

// Secrets 1..7: found (a movie of a hidden spot), redeemed (cashed in at the apartment).
void findSecret(GameState& s, int secret);
// Only a found secret can be redeemed; true when it was.
bool redeemSecret(GameState& s, int secret);

// The cashier's first frame: the remaining recovery hours pass at once (hour changes and day
// ends on the way), then none remain.
void recoverInHospital(GameState& s);
void payHospitalBill(GameState& s);

// A fifth of the money (none of a balance of 0 or below); subtracted, and returned.
int donationFor(int money);
int payDonation(GameState& s);

// Members-only gates 0..3 (their scenes and beaches: kGateScene, kGateBeachScene).
constexpr int kGateFee[kVipGates] = {3000, 5000, 8000, 10000};
// Pays the fee of a gate not yet joined when the money covers it and sets the membership;
// true when paid.
bool payGateFee(GameState& s, int gate);

// The gate's flyer: it crosses the upper picture from right to left, showing the next of its
// pictures every frame, and comes back at a random place and speed once it has left.
struct GateFlyer {
    int x = 840;
    int y = 60;
    int speed = 2;
    int frame = 0;  // 0..24
};
// One frame's move (after it has been drawn).
void stepGateFlyer(GateFlyer& flyer);

// The officer shows one of three variants, drawn anew at every game hour he is seen in.
struct OfficerLook {
    int hour = -1;
    int variant = 0;
};
void updateOfficerLook(OfficerLook& look, int hour);
