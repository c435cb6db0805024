#pragma once
// The length of a game second on this machine's counter. A record from elsewhere (a savegame,
// a record image) carries the length of the machine that wrote it; this machine's wins.

#include <cstdint>

// Counter units of one game second at the speed (0 slow, 1 normal, 2 fast).
uint32_t tickLengthFor(int32_t gameSpeed, uint64_t counterFrequency);
