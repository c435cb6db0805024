#pragma once
// Damaged data files named in the build's language: the file and what is wrong with it, beside
// the engine's own words for the failure where it has them, in the game's box and on the
// terminal.

#include <cstdint>
#include <string>

#include "engine/resources/file_damage.h"
#include "engine/resources/pool/pool_check.h"

// "<file>: <reason>" in the build's language.
std::string damageLine(const FileDamage& damage);
// The line for one damage, saying how many further chunks of the file are damaged.
std::string damageLine(const FileDamage& damage, int moreChunks);
// The line for a pool's first damage, with the number of further damaged chunks.
std::string damageLine(const PoolCheck& check);

// The error the next error box shows: the text of `code`, then the engine's own words for the
// failure (may be null), then the line.
void setDamageError(int16_t code, const char* engineContext, const std::string& line);
// Shows the current error in the error box, and writes it to the terminal as well when the box
// is not seen there (the window face). Clears the error as the box does.
void showErrorEverywhere();

// Makes the pool loader's reports of damaged pictures (once per pool) speak the build's
// language, forgetting what earlier runs reported; the uninstall puts the engine's own back.
void installPictureDamageReport();
void uninstallPictureDamageReport();
