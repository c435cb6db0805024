#pragma once

#include <cstdint>
// The pictures of the beach being shown: every entry of its pool "tgp\beachNN.tgp" and of the
// visitor pool "tgp\sets.tgp", loaded whole when a beach is entered and freed when it is left,
// and the shutter sound, kept while they are.

#include "game/ui/scene_draw.h"

// Loads both pools of beach 1..10. False, with the error code and context message of the pool
// that failed and nothing held, when either pool cannot be opened.
bool loadBeachPictures(int beachNumber);
// Frees every beach and visitor picture and the shutter sound.
void releaseBeachPictures();
// The beach whose pictures are held, 0 when none.
int heldBeachPictures();
// Changes whenever the beach pictures are loaded or released.
uint64_t beachPicturesGeneration();

// Entry n of the beach pool, visitor sprite k; empty when missing.
PicView beachPicture(int entry);
PicView visitorSprite(int sprite);

// The camera's shutter (sound pool entry 2).
void playShutter();
