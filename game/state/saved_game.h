#pragma once
// Putting a saved game into the running record. The file's bytes are the game; what belongs
// to this program and this machine wins over them: no beach pictures are loaded after a load,
// and the length of a game second is the one of this machine's counter.

#include <cstdint>

// `image` is exactly one record image (kGameStateBytes).
void applySavedGame(const uint8_t* image);

// Counter units of one game second at the speed (0 slow, 1 normal, 2 fast).
uint32_t tickLengthFor(int32_t gameSpeed, uint64_t counterFrequency);
