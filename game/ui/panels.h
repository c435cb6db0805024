#pragma once
// What every scene but a few shows of the clock: the date/time and money panels, and the
// notices the day end gives.

#include <cstdint>

#include "game/state/clock.h"

void drawDatePanel(int x, int y, uint16_t colour);
void drawMoneyPanel(int x, int y, uint16_t colour);

// Makes the day end show its notices (the eviction box) in the running game.
void installDayEndNotices();
