#pragma once
// The hourly danger of a beach visit with a camera: the odds of being caught, the hours of
// grace that camouflage buys, which incident it is, and the equipment lost in a scuffle.
// Rules only; the incidents' movies and boxes are played by the beach scene.

#include "game/state/game_state.h"

enum class Incident { None = -1, Lifeguard = 0, Bodyguard = 1, Police = 2 };

struct DangerOdds {
    int divisor;  // an incident when rand() % divisor == 0 ...
    int grace;    // ... and more hour changes than this were seen on the visit
};

// 1 in 8 after the first hour change; with camouflage on, each rented item lowers the odds
// and the grace is that of the last rented item in the order yacht, lifeguard's suite, rubber
// boat, fake sand castle, air mattress, lifesaver.
DangerOdds dangerOdds(const GameState& s);

// The check of one hour change (the caller knows that the hour changed and a camera is in
// hand): counts the hour, rolls the odds and, when caught, rolls the incident.
Incident rollDanger(GameState& s);

// Rolls whether a scuffle destroys equipment: on an even roll, item k = rand() % 9 (cameras,
// lenses, flashes, each in camera order) is lost if owned. The item lost, or -1.
int rollEquipmentLoss(GameState& s);

// The hospital's bill: a fifth of the money.
int hospitalBillFor(int money);
// Hours in hospital: rand() % 48 + 12.
int rollRecoveryHours();
