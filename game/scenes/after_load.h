#pragma once
// A game state record from outside this run (a savegame slot, a record image a script loads)
// holds whatever its bytes say. Before any scene sees it, this is the one place that says what
// such a record may hold: every field a scene or rule uses as an index, divisor, multiplier,
// loop bound or counter is brought back into the range the rules work with, and what this run
// derives from the record is derived again. A game the game itself saved comes through
// unchanged. A record that is plainly not a game is refused instead.
//
// Mended (a value outside its range; every other value is kept):
//   calendar and clock   month 0..11, day 1..30, hour 0..23, minute and second 0..59,
//                        year 0..9999: clamped
//   gameSpeed            0..2, else 1 (normal, as a new game); tickLength derived from it
//   scrollX              0..1919: clamped
//   selectedCamera       0..2, else 0
//   shotsTaken           0..10: clamped
//   photo grades         blurLevel 0..2: clamped
//   beach visitors       an active slot (life > 0) whose type may not appear or that stands
//                        outside the panorama is emptied; its pose is clamped to its type's
//                        sprites and its poses left to the sprites after that pose
//   tip                  0..50: clamped
//   currentHotel, Room   0..2, else 0 (hotel 1)
//   currentBeach         0..9, else the beach of the scene (beach 1 off the beaches)
//   crowdedBeach         0..9: clamped
//   beachRate            0..100: clamped
//   currentOrder         -1..49, else -1 (no order)
//   recovery hours       0..59 (total and left): clamped
//   nightsPaid, hoursOnBeach, the three visit counters
//                        0..kCounterLimit: clamped
// Refused: a scene number that is no scene of the game (-1, "quit", included), and the blank
// record of a program start, in which no game has begun (day 0).

#include <cstdint>

#include "game/state/game_state.h"

// Counters that the rules raise by one per event stop here: far beyond any game, far from
// the end of their 32 bits.
constexpr int32_t kCounterLimit = 1000000000;

// Mends the record in place. False when it is plainly not a game; what it holds then is of no
// use.
bool afterLoad(GameState& record);

// Replaces the running record with a record image (kGameStateBytes) that afterLoad mended;
// `beachLoaded` is this run's own (whether it holds a beach's pictures), whatever the image
// says. False, with the running game untouched, when afterLoad refuses the image.
bool putRecordImage(const uint8_t* image, int32_t beachLoaded);
