#pragma once
// The visitors of a beach visit: arrivals (the odds of one, where one may stand, whom it may
// be), their poses and how long they stay. Rules only; the frame draws them.

#include <cstdint>

#include "game/state/game_state.h"

constexpr int kMaxArrivalRolls = 30;  // a long frame cannot flood the beach
constexpr int kSpawnTries = 2;
constexpr int kVisitorDistance = 110;  // nearer than this in both axes is too near
constexpr int kEmptyVisitorX = -1000;

// 9:00 to 19:59.
inline bool isDaytime(int hour) {
    return hour >= 9 && hour <= 19;
}
// Beaches 2, 4, 7 and 8 (indices 1, 3, 6, 7).
bool membersOnlyBeach(int beachIndex);

// n of the arrival roll rand() % n == 1: the beach's rate, 30 less on the crowded beach,
// doubled by day, never below 10.
int arrivalOdds(int rate, bool crowded, int hour);

// The lowest slot whose life is over, -1 when all are active.
int freeVisitorSlot(const BeachVisitors& v);
// Whether a visitor of this type may appear at (x, y): no slot (active or not) holds the same
// type or stands nearer than 110 in both axes, and the type's flags allow the hour and beach.
bool arrivalAllowed(const BeachVisitors& v, int typeId, int x, int y, int hour, int beachIndex);
// posesLeft cut so that pose + posesLeft does not pass the sprite count.
int cutPosesLeft(int pose, int posesLeft, int spriteCount);

// Fills a slot with a new visitor: pose, animation, poses left and life drawn in that order.
void placeVisitor(BeachVisitors& v, int slot, int typeId, int x, int y);
// One frame's arrivals: min(frameMs, 30) rolls.
void runArrivals(GameState& s, int frameMs);

// typeId 0, x -1000, y 0, pose 0, life 0.
void emptyVisitorSlot(BeachVisitors& v, int slot);
// After the visitor was drawn: its life runs down by 2 × frameMs; when over, a still visitor
// leaves and an animated one takes its next pose with a new life (leaving after its last).
void ageVisitor(BeachVisitors& v, int slot, int frameMs);
