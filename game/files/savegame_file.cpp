#include "game/files/savegame_file.h"

#include <cstdio>
#include <cstring>

#include "engine/resources/little_endian.h"
#include "game/files/whole_file.h"
#include "game/state/game_state.h"

namespace {

const char* half(const SlotDirectory& directory, int slot, int offset) {
    if (slot < 0 || slot >= kSlotEntries) return "";
    return directory.slotText[slot] + offset;
}

// Ends a 30-byte half at its last byte when it holds no NUL of its own.
void boundHalf(char* text) {
    if (!std::memchr(text, 0, kSlotHalfBytes)) text[kSlotHalfBytes - 1] = '\0';
}

}  // namespace

const char* slotTitle(const SlotDirectory& directory, int slot) {
    return half(directory, slot, 0);
}

const char* slotDate(const SlotDirectory& directory, int slot) {
    return half(directory, slot, kSlotHalfBytes);
}

bool slotEmpty(const SlotDirectory& directory, int slot) {
    return slotTitle(directory, slot)[0] == '\0';
}

void parseDirectory(const uint8_t* bytes, std::size_t size, SlotDirectory* directory) {
    const std::size_t text = size < kSlotTextTableBytes ? size : kSlotTextTableBytes;
    std::memset(directory->slotText, 0, sizeof directory->slotText);
    if (text > 0) std::memcpy(directory->slotText, bytes, text);
    for (auto& entry : directory->slotText) {
        boundHalf(entry);
        boundHalf(entry + kSlotHalfBytes);
    }
    if (size >= kDirectoryFileBytes) {
        directory->saveCounter = static_cast<int32_t>(LoadLE32(bytes + kSlotTextTableBytes));
    }
}

void encodeDirectory(const SlotDirectory& directory, uint8_t (&out)[kDirectoryFileBytes]) {
    std::memcpy(out, directory.slotText, kSlotTextTableBytes);
    StoreLE32(out + kSlotTextTableBytes, static_cast<uint32_t>(directory.saveCounter));
}

bool readDirectoryFile(SlotDirectory* directory) {
    std::vector<uint8_t> bytes;
    if (readWholeFile(kDirectoryFile, kDirectoryFileBytes, &bytes) == ReadResult::Missing) {
        return false;
    }
    parseDirectory(bytes.data(), bytes.size(), directory);
    return true;
}

bool writeDirectoryFile(const SlotDirectory& directory) {
    uint8_t bytes[kDirectoryFileBytes];
    encodeDirectory(directory, bytes);
    return writeWholeFile(kDirectoryFile, bytes, sizeof bytes);
}

SaveTime saveTimeOf(std::time_t when) {
    std::tm utc{};
    if (!gmtime_r(&when, &utc)) return {};
    return {utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec};
}

SaveTime saveTimeNow() {
    return saveTimeOf(std::time(nullptr));
}

void setSlotEntry(SlotDirectory* directory, int slot, const char* titleFormat,
                  const char* dateFormat, int32_t counter, const SaveTime& time) {
    if (slot < 1 || slot > kSaveSlots) return;
    char* entry = directory->slotText[slot];
    std::memset(entry, 0, kSlotTextBytes);
    // The formats are the game's own texts: one number for the title, six for the date.
    std::snprintf(entry, kSlotHalfBytes, titleFormat, counter);
    std::snprintf(entry + kSlotHalfBytes, kSlotHalfBytes, dateFormat, time.day, time.month,
                  time.year, time.hour, time.minute, time.second);
}

void slotFileName(int slot, char* out, std::size_t outSize) {
    std::snprintf(out, outSize, "sav\\game%02d", slot);
}

SlotRead judgeSlotImage(std::size_t size) {
    return size == kGameStateBytes ? SlotRead::Whole : SlotRead::Damaged;
}

SlotRead readSlotFile(int slot, std::vector<uint8_t>* image) {
    char name[32];
    slotFileName(slot, name, sizeof name);
    switch (readWholeFile(name, kGameStateBytes, image)) {
        case ReadResult::Missing:
            image->clear();
            return SlotRead::Missing;
        case ReadResult::TooLarge:
            image->clear();
            return SlotRead::Damaged;
        case ReadResult::Read:
            break;
    }
    const SlotRead result = judgeSlotImage(image->size());
    if (result != SlotRead::Whole) image->clear();
    return result;
}

void removeSaveTemporaries() {
    char name[32];
    char temporary[48];
    for (int slot = 1; slot <= kSaveSlots; ++slot) {
        slotFileName(slot, name, sizeof name);
        temporaryNameFor(name, temporary, sizeof temporary);
        removeFileIfThere(temporary);
    }
    temporaryNameFor(kDirectoryFile, temporary, sizeof temporary);
    removeFileIfThere(temporary);
}

bool writeSlotFile(int slot, const void* image, std::size_t size) {
    char name[32];
    slotFileName(slot, name, sizeof name);
    return writeWholeFile(name, image, size);
}
