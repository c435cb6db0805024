#pragma once
// The game's open pools: six picture-pool slots and three sound-pool handles, all opened "rb"
// and kept open, and the loader that turns a picture-pool entry into a picture block.

#include <cstdint>

#include "engine/resources/file_manager.h"
#include "engine/resources/pool/pool_entry.h"
#include "engine/resources/pool/pool_format.h"

constexpr int kPicturePoolSlots = 6;
constexpr int kSoundPoolHandles = 3;

// Slots the game uses: "tgp\location.tgp" (`locationPool`), the current beach, the set pool.
constexpr int kLocationPoolSlot = 0;
constexpr int kBeachPoolSlot = 1;
constexpr int kSetsPoolSlot = 2;

// Opens a picture pool (kind 21) into a slot, closing what the slot held before. 1 on success;
// 0 with error 8 (open), 9 and "TGP-FILE" (short header) or 15 and "NO TGP-FILE !" (not a
// picture pool), the slot keeping its previous pool.
int OpenPicturePool(int slot, const char* name);
FileHandle PicturePool(int slot);
int PicturePoolChunks(int slot);

// Opens the sound pool (kind 24) into a handle, closing what it held before. The handle is kept
// even when the header is wrong (it is closed with the others). 1 only for a valid header;
// otherwise "TAP-FILE" (open failed or short header) or "NO TAP-FILE !".
int OpenSoundPool(int index, const char* name);
FileHandle SoundPool(int index);

// The game's two long-lived pools: "tgp\location.tgp" in slot 0 and "tap\sound.tap" as the
// first sound-pool handle.
inline FileHandle locationPool() {
    return PicturePool(kLocationPoolSlot);
}
inline FileHandle soundPool() {
    return SoundPool(0);
}

// Closes every pool handle (program end).
void ClosePools();

// Loads entry n of a picture pool as a memory-manager block in the in-memory image form
// (uint16 width, uint16 height, pixels); free it with MemFree. Null with the context message
// "Pool Entry NOT AVAILABLE", "Pool Image Header" or "Pool Picture" and an error code.
uint8_t* LoadPoolPicture(FileHandle handle, int n);
