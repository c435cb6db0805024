#pragma once
// The hotels' rules: renting a room (one at a time, the first night paid at once), the arrest
// of a guest who stayed ten nights, and the porter who sells the day's crowded beach for a tip.
// Hotels are given by their array index 0..2.

#include "game/state/clock.h"
#include "game/state/game_state.h"

constexpr int kArrestNights = 10;
// The porter's answer costs the tip times this, per hotel.
constexpr int kPorterPriceFactor[kHotels] = {1, 5, 10};
constexpr int kTipStep = 10;
constexpr int kTipMin = 10;
constexpr int kTipMax = 50;
// The tip the porter starts from when the player walks up to him.
constexpr int kTipOffered = 30;

bool hasRoom(const GameState& s, int hotel);
// A guest of ten paid nights or more is arrested on entering the lobby.
bool arrestDue(const GameState& s, int hotel);
// The reception offers a room while the player has none here and can pay the first night.
bool canRentRoom(const GameState& s, int hotel);
// Gives up any other room, takes this one and pays its first night; the count of nights
// starts again. False (nothing changes) when the reception offers no room.
bool rentRoom(GameState& s, int hotel);

// The tip buttons: in steps of 10 between 10 and 50.
void raiseTip(GameState& s);
void lowerTip(GameState& s);
// Lowers the tip until the money covers it (called only with at least 10 Euro); a tip below 10
// (a record whose lobby has not offered one yet) is first raised to 10.
void fitTipToMoney(GameState& s);
int porterPrice(const GameState& s, int hotel);

// The beach (index 0..9) the porter names: the crowded one for the highest tip, its opposite
// for the lowest, one up to two places beside it otherwise (`draw` is the random number drawn
// for that). Places beyond the ends of the list count on from its other end.
int porterBeach(int tip, int crowdedBeach, int draw);
// "Anfrage stellen": pays the answer (only the tip was compared with the money, so the
// money may go below 0), draws the random number where the tip asks for one and returns the
// beach named.
int askPorter(GameState& s, int hotel);
