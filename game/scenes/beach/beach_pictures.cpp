#include "game/scenes/beach/beach_pictures.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "engine/audio/sound_manager.h"
#include "engine/base/messages.h"
#include "engine/memory/memory.h"
#include "engine/resources/pool/pool.h"
#include "game/asset_table.h"
#include "game/ui/scene.h"

namespace {

constexpr int kShutterChannel = 2;

std::vector<uint8_t*> gBeach;
std::vector<uint8_t*> gSprites;
int gHeld = 0;
int gShutterSample = -1;
char gPoolName[32];

void freeAll(std::vector<uint8_t*>& pictures) {
    for (uint8_t*& p : pictures) MemFree(p);
    pictures.clear();
}

void loadAll(int slot, std::vector<uint8_t*>& pictures) {
    const int chunks = PicturePoolChunks(slot);
    pictures.assign(static_cast<std::size_t>(chunks > 0 ? chunks : 0), nullptr);
    for (int n = 0; n < chunks; ++n)
        pictures[static_cast<std::size_t>(n)] = LoadPoolPicture(PicturePool(slot), n);
    // A picture that cannot be read stays empty and is simply not drawn.
    SetErrorCode(kErrNone);
}

PicView pictureOf(const std::vector<uint8_t*>& pictures, int n) {
    if (n < 0 || static_cast<std::size_t>(n) >= pictures.size()) return {};
    return picView(pictures[static_cast<std::size_t>(n)]);
}

// Counts every load and release, so that what was made from the pictures can tell they changed.
uint64_t gGeneration = 0;

}  // namespace

bool loadBeachPictures(int beachNumber) {
    releaseBeachPictures();
    std::snprintf(gPoolName, sizeof gPoolName, assets::kBeachPoolFormat, beachNumber);
    // The slot keeps its previous pool when an open fails: never read from it then.
    if (!OpenPicturePool(kBeachPoolSlot, gPoolName)) {
        if (!GetContextMessage()) SetContextMessage(gPoolName);
        return false;
    }
    if (!OpenPicturePool(kSetsPoolSlot, assets::kVisitorPool)) {
        if (!GetContextMessage()) SetContextMessage(assets::kVisitorPool);
        return false;
    }
    loadAll(kBeachPoolSlot, gBeach);
    loadAll(kSetsPoolSlot, gSprites);
    gHeld = beachNumber;
    ++gGeneration;
    return true;
}

void releaseBeachPictures() {
    freeAll(gBeach);
    freeAll(gSprites);
    if (gShutterSample != -1) Sound().FreeSample(gShutterSample);
    gShutterSample = -1;
    gHeld = 0;
    ++gGeneration;
}

uint64_t beachPicturesGeneration() {
    return gGeneration;
}

int heldBeachPictures() {
    return gHeld;
}

PicView beachPicture(int entry) {
    return pictureOf(gBeach, entry);
}

PicView visitorSprite(int sprite) {
    return pictureOf(gSprites, sprite);
}

void playShutter() {
    playPoolSample(kShutterChannel, assets::kSoundShutter, gShutterSample);
}
