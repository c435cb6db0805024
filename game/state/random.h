#pragma once
// The game's one random generator. Every rule that draws a number draws it here, in the
// order the rules run, so a game replayed with the same input draws the same numbers.

#include <cstdint>

// 0..32767: bits 16..30 of state = state × 1103515245 + 12345 (mod 2^32).
int gameRand();

// The generator's state (1 at program start). Only tests and replays set it.
uint32_t randomState();
void setRandomState(uint32_t state);
