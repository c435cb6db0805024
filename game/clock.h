#pragma once
// The game clock and calendar: game seconds counted off the performance counter at the
// speed the player chose, the hourly porter states and the day end (photo order, camouflage,
// rent and eviction), the date and money panels, and the day/night weight.

#include <cstdint>

// Counts the game seconds that have passed since the last call; with `seconds` not 0, runs
// that many game seconds instead (the hospital's skip).
void advanceClock(int64_t seconds);
// 0 full day .. 255 full night, by the time of day.
int dayNightWeight();

void drawDatePanel(int x, int y, uint16_t colour);
void drawMoneyPanel(int x, int y, uint16_t colour);

// Room prices per night, hotels 1..3.
constexpr int kRoomPrice[3] = {150, 250, 400};
