#pragma once
// The savegame files: ten slot files "sav\game01".."sav\game10", each exactly the byte image
// of the game state record, and the list "sav\gamestr.dat" (664 bytes): 11 entries of 60
// bytes (title in bytes 0..29, date in 30..59, each NUL-terminated; entry 0 unused; a first
// byte 0 is an empty slot), then the save counter as 32-bit little-endian. Nothing here draws
// or touches the running game.

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <vector>

constexpr int kSaveSlots = 10;
constexpr int kSlotEntries = kSaveSlots + 1;
constexpr int kSlotTextBytes = 60;
constexpr int kSlotHalfBytes = 30;
constexpr std::size_t kSlotTextTableBytes = kSlotEntries * kSlotTextBytes;  // 660
constexpr std::size_t kDirectoryFileBytes = kSlotTextTableBytes + 4;        // 664
constexpr const char* kDirectoryFile = "sav\\gamestr.dat";

struct SlotDirectory {
    char slotText[kSlotEntries][kSlotTextBytes] = {};
    int32_t saveCounter = 0;
};

// The slot's title and date: each half of the entry, ending at its first NUL and never past
// its 30 bytes.
const char* slotTitle(const SlotDirectory& directory, int slot);
const char* slotDate(const SlotDirectory& directory, int slot);
bool slotEmpty(const SlotDirectory& directory, int slot);

// Takes the list from the bytes of "sav\gamestr.dat". Entries the bytes do not reach are
// empty; a half without its NUL ends at its last byte; a counter the bytes do not hold keeps
// the value it had. Bytes past 664 are ignored.
void parseDirectory(const uint8_t* bytes, std::size_t size, SlotDirectory* directory);
// The 664 bytes of the file.
void encodeDirectory(const SlotDirectory& directory, uint8_t (&out)[kDirectoryFileBytes]);

// Reads "sav\gamestr.dat" into the list; false (the list untouched) when it does not open.
bool readDirectoryFile(SlotDirectory* directory);
bool writeDirectoryFile(const SlotDirectory& directory);

// The time of saving, as the computer's clock has it in universal time.
struct SaveTime {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};
SaveTime saveTimeOf(std::time_t when);
SaveTime saveTimeNow();

// Fills the slot's entry: the title from the format with the counter, the date from the
// format with day, month, year, hour, minute, second; each cut to its 29 characters.
void setSlotEntry(SlotDirectory* directory, int slot, const char* titleFormat,
                  const char* dateFormat, int32_t counter, const SaveTime& time);

// "sav\game%02d"; slot 1..10.
void slotFileName(int slot, char* out, std::size_t outSize);

enum class SlotRead {
    Missing,  // the file does not open
    Damaged,  // the file is not exactly one record long
    Whole,    // `image` holds the record image
};
SlotRead readSlotFile(int slot, std::vector<uint8_t>* image);
// Judges bytes read from a slot file: whole when exactly one record long.
SlotRead judgeSlotImage(std::size_t size);
// Writes the record image as the slot's file; false (the old file kept) when it fails.
bool writeSlotFile(int slot, const void* image, std::size_t size);

// Removes the temporary files of the slots and the list that a crash during a save left.
void removeSaveTemporaries();
