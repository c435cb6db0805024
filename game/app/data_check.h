#pragma once
// Looking at the data files before they let the player down: the quick look at the files the
// game cannot do without (at start-up), and `--check-data`, which reads every file of the data
// set in use.

#include <cstdint>
#include <cstdio>

#include "engine/resources/file_damage.h"

// Why a font the loader gave (or did not give: null) cannot be drawn, with the error code the
// loader left; kNone for a font the text drawer takes.
FileDamage fontDamage(const char* name, const uint8_t* font, int16_t code);

// The quick look at the location pool before the first frame (its header, its index and every
// chunk's picture header). True when it can serve the main menu; damage elsewhere in it is
// shown in the error box and the game goes on (its pictures are not named again when drawn).
// False after the error box naming the file and what is wrong with it: the game cannot start.
bool checkLocationPool();

// Reads every file of the data set in use, as the game finds them: the font, every picture of
// every pool decoded, every sample of the sound pool and every background loop parsed, every
// movie opened and its first pictures decoded. Writes one line per damaged file and a summary
// to `out`; 0 when all are whole, 1 otherwise.
int checkDataSet(std::FILE* out);
