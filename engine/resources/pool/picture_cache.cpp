#include "engine/resources/pool/picture_cache.h"

#include "engine/memory/memory.h"
#include "engine/resources/pool/pool.h"

PictureCache& Pictures() {
    static PictureCache cache;
    return cache;
}

void PictureCache::Attach(int slot) {
    ReleaseAll();
    slot_ = slot;
    pictures_.assign(static_cast<std::size_t>(PicturePoolChunks(slot)), nullptr);
}

uint8_t* PictureCache::Get(int entry) {
    if (!inRange(entry)) return nullptr;
    uint8_t*& picture = pictures_[static_cast<std::size_t>(entry)];
    if (!picture) picture = LoadPoolPicture(PicturePool(slot_), entry);
    return picture;
}

bool PictureCache::IsLoaded(int entry) const {
    return inRange(entry) && pictures_[static_cast<std::size_t>(entry)] != nullptr;
}

uint8_t* PictureCache::Hold(int entry, LetGo letGo) {
    uint8_t* picture = Get(entry);
    if (!picture || !letGo) return picture;
    for (const HeldPicture& h : held_) {
        if (h.entry == entry && h.letGo == letGo) return picture;
    }
    held_.push_back({entry, letGo});
    return picture;
}

void PictureCache::Release(int entry) {
    if (!inRange(entry)) return;
    uint8_t*& picture = pictures_[static_cast<std::size_t>(entry)];
    if (picture) tellHolders(entry);
    MemFree(picture);
    picture = nullptr;
}

void PictureCache::ReleaseAll() {
    for (int entry = 0; entry < Entries(); ++entry) Release(entry);
}

void PictureCache::tellHolders(int entry) {
    const uint8_t* picture = pictures_[static_cast<std::size_t>(entry)];
    for (auto it = held_.begin(); it != held_.end();) {
        if (it->entry != entry) {
            ++it;
            continue;
        }
        const LetGo call = it->letGo;
        it = held_.erase(it);
        call(picture);
    }
}
