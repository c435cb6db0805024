#pragma once

#include <cstdint>
// The pictures of the beach being shown: every entry of its pool "tgp\beachNN.tgp" and of the
// visitor pool "tgp\sets.tgp", loaded whole when a beach is entered and freed when it is left,
// and the shutter sound, kept while they are.

#include "engine/resources/pool/pool_check.h"
#include "game/ui/scene_draw.h"

// Loads both pools of beach 1..10. False, with nothing held and the error set to name the pool
// and what is wrong with it (after the words of the pool's opening, where it could not be
// opened), when either pool cannot be opened, fails the quick check or holds a picture that
// cannot be read.
bool loadBeachPictures(int beachNumber);
// The quick check (or the whole read) of a beach's pool, which must hold the panoramas, the
// panel and the leave button, and of the visitor pool.
PoolCheck checkBeachPool(int beachNumber, PoolContent content);
PoolCheck checkVisitorPool(PoolContent content);
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
