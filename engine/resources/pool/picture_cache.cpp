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

void PictureCache::Release(int entry) {
    if (!inRange(entry)) return;
    uint8_t*& picture = pictures_[static_cast<std::size_t>(entry)];
    MemFree(picture);
    picture = nullptr;
}

void PictureCache::ReleaseAll() {
    for (uint8_t*& picture : pictures_) {
        MemFree(picture);
        picture = nullptr;
    }
}
