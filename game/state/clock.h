#pragma once
// The game clock and calendar: game seconds counted off the performance counter at the
// speed the player chose, the hourly porter states and the day end (photo order, camouflage,
// rent and eviction) and the day/night weight. Nothing here draws: what the player is shown of
// a day end comes through the handler below.

#include <cstdint>

// Counts the game seconds that have passed since the last call; with `seconds` not 0, runs
// that many game seconds instead (the hospital's skip).
void advanceClock(int64_t seconds);
// 0 full day .. 255 full night, by the time of day.
int dayNightWeight();

// Called at the day end for a hotel whose room was just lost for want of the rent, at the
// moment it is lost (before the next hotel is charged).
using RoomLostHandler = void (*)(int hotel);
void setRoomLostHandler(RoomLostHandler handler);

// Room prices per night, hotels 1..3.
constexpr int kRoomPrice[3] = {150, 250, 400};
