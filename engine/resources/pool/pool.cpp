#include "engine/resources/pool/pool.h"

#include "engine/base/messages.h"

namespace {

struct PicturePoolSlot {
    FileHandle handle = nullptr;
    int chunks = 0;
};

PicturePoolSlot picturePools[kPicturePoolSlots];
FileHandle soundPools[kSoundPoolHandles];

bool validSlot(int slot) {
    return slot >= 0 && slot < kPicturePoolSlots;
}
bool validSoundIndex(int index) {
    return index >= 0 && index < kSoundPoolHandles;
}

}  // namespace

int OpenPicturePool(int slot, const char* name) {
    SetErrorCode(kErrNone);
    if (!validSlot(slot)) {
        SetErrorCode(kErrGeneral);
        return 0;
    }
    FileHandle handle = Files().Open(name, "rb");
    if (!handle) return 0;

    uint8_t bytes[kPoolHeaderBytes];
    if (Files().Read(bytes, 1, kPoolHeaderBytes, handle) != kPoolHeaderBytes) {
        SetErrorCode(kErrRead);
        SetContextMessage("TGP-FILE");
        Files().Close(handle);
        return 0;
    }
    const PoolHeader header = ParsePoolHeader(bytes);
    if (!header.magic || header.kind != kPoolKindPicture) {
        // Nobody else holds this handle: keeping it open would only leak it.
        SetErrorCode(kErrFormat);
        SetContextMessage("NO TGP-FILE !");
        Files().Close(handle);
        return 0;
    }
    PicturePoolSlot& target = picturePools[slot];
    Files().Close(target.handle);
    target.handle = handle;
    target.chunks = header.chunks;
    return 1;
}

FileHandle PicturePool(int slot) {
    return validSlot(slot) ? picturePools[slot].handle : nullptr;
}

int PicturePoolChunks(int slot) {
    return validSlot(slot) ? picturePools[slot].chunks : 0;
}

int OpenSoundPool(int index, const char* name) {
    SetErrorCode(kErrNone);
    if (!validSoundIndex(index)) {
        SetErrorCode(kErrGeneral);
        return 0;
    }
    // A second open of the same handle would otherwise lose the first file.
    Files().Close(soundPools[index]);
    FileHandle handle = Files().Open(name, "rb");
    soundPools[index] = handle;

    uint8_t bytes[kPoolHeaderBytes];
    if (!handle || Files().Read(bytes, 1, kPoolHeaderBytes, handle) != kPoolHeaderBytes) {
        if (handle) SetErrorCode(kErrRead);
        SetContextMessage("TAP-FILE");
        return 0;
    }
    const PoolHeader header = ParsePoolHeader(bytes);
    if (!header.magic || header.kind != kPoolKindGeneral) {
        SetErrorCode(kErrFormat);
        SetContextMessage("NO TAP-FILE !");
        return 0;
    }
    return 1;
}

FileHandle SoundPool(int index) {
    return validSoundIndex(index) ? soundPools[index] : nullptr;
}

void ClosePools() {
    for (PicturePoolSlot& slot : picturePools) {
        Files().Close(slot.handle);
        slot = PicturePoolSlot{};
    }
    for (FileHandle& handle : soundPools) {
        Files().Close(handle);
        handle = nullptr;
    }
}
