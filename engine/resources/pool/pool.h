#pragma once
// The game's open pools: six picture-pool slots and three sound-pool handles, all opened "rb"
// and kept open, and the loader that turns a picture-pool entry into a picture block.

#include <cstdint>
#include <string>

#include "engine/resources/file_damage.h"
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
// "Pool Entry NOT AVAILABLE", "Pool Image Header" or "Pool Picture" and an error code. A
// damaged picture (unreadable, or data running past it) is reported: see ReportPictureDamage.
uint8_t* LoadPoolPicture(FileHandle handle, int n);

// Why a chunk of dataLength bytes whose data begin with this 16-byte header cannot be loaded as
// a pool picture (kNotAPicture, kPictureSizes); kNone when it can.
Damage PoolPictureHeaderDamage(const uint8_t* header, uint32_t dataLength);

struct PictureDamage {
    Damage what = Damage::kNone;
    uint64_t reached = 0;  // kPictureOverfill: where the data would have ended
    uint32_t size = 0;     // and where the picture ends
};
// LoadPoolPicture without the report: *damage says why no picture came (kNone for an entry past
// the end of the pool or a lack of memory, which are no damage of the file) or, with the
// picture returned, that its data ran past it (kPictureOverfill).
uint8_t* LoadPoolPictureQuietly(FileHandle handle, int n, PictureDamage* damage);

// Who hears of a damaged picture: the file, chunk and reason, and the engine's own words for it
// ("read_tbf_image: Heap corrupted! " and the positions, for data that ran past the picture),
// or null where the engine has none.
using PictureDamageReport = void (*)(const FileDamage& damage, const char* engineText);
// Null puts back the engine's own report: one INFO box (with the file manager's boxes on).
void SetPictureDamageReport(PictureDamageReport report);
// Reports damage of picture n of an open pool, once per pool file until ForgetPictureDamage:
// a picture drawn again and again, or a pool with many damaged pictures, is one report.
void ReportPictureDamage(FileHandle handle, int n, const PictureDamage& damage);
// A pool file (its path) whose damage was named another way: its pictures are not reported.
void NotePictureDamageReported(const std::string& file);
void ForgetPictureDamage();
