#include "game/scenes/beach/beach_pictures.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "engine/audio/sound_manager.h"
#include "engine/base/messages.h"
#include "engine/memory/memory.h"
#include "engine/resources/pool/pool.h"
#include "engine/resources/pool/pool_check.h"
#include "game/asset_table.h"
#include "game/ui/damage_report.h"
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

// Every picture of a pool. A picture whose data ran past it is named once and drawn as cut;
// false, with what is wrong, when a picture cannot be read at all.
bool loadAll(int slot, std::vector<uint8_t*>& pictures, FileDamage* damage) {
    const int chunks = PicturePoolChunks(slot);
    FileHandle pool = PicturePool(slot);
    pictures.assign(static_cast<std::size_t>(chunks > 0 ? chunks : 0), nullptr);
    for (int n = 0; n < chunks; ++n) {
        PictureDamage why;
        pictures[static_cast<std::size_t>(n)] = LoadPoolPictureQuietly(pool, n, &why);
        if (why.what == Damage::kPictureOverfill) {
            ReportPictureDamage(pool, n, why);
        } else if (why.what != Damage::kNone) {
            *damage = FileDamage{why.what, n, OpenFilePath(pool)};
            return false;
        }
    }
    // A picture that cannot be had for want of memory stays empty and is simply not drawn.
    SetErrorCode(kErrNone);
    return true;
}

// A pool that could not be opened keeps the error and the engine's words the opening left, and
// gets the file and what is wrong with it.
bool refuseUnopened(const PoolCheck& check, const char* name) {
    const int16_t code = GetErrorCode();
    const char* engine = GetContextMessage();
    setDamageError(code, engine, check.whole() ? std::string(name) : damageLine(check));
    return false;
}

PicView pictureOf(const std::vector<uint8_t*>& pictures, int n) {
    if (n < 0 || static_cast<std::size_t>(n) >= pictures.size()) return {};
    return picView(pictures[static_cast<std::size_t>(n)]);
}

// Counts every load and release, so that what was made from the pictures can tell they changed.
uint64_t gGeneration = 0;

}  // namespace

PoolCheck checkBeachPool(int beachNumber, PoolContent content) {
    char name[32];
    std::snprintf(name, sizeof name, assets::kBeachPoolFormat, beachNumber);
    PoolCheck check = CheckPoolFile(name, kPoolKindPicture, content);
    // Without these the visit shows nothing to look at or has no way back.
    RequireChunks(check, {assets::kBeachDay, assets::kBeachNight, assets::kBeachPanel,
                          assets::kBeachExitButton});
    return check;
}

PoolCheck checkVisitorPool(PoolContent content) {
    return CheckPoolFile(assets::kVisitorPool, kPoolKindPicture, content);
}

bool loadBeachPictures(int beachNumber) {
    releaseBeachPictures();
    std::snprintf(gPoolName, sizeof gPoolName, assets::kBeachPoolFormat, beachNumber);
    // The slot keeps its previous pool when an open fails: never read from it then.
    if (!OpenPicturePool(kBeachPoolSlot, gPoolName))
        return refuseUnopened(checkBeachPool(beachNumber, PoolContent::kPictures), gPoolName);
    if (!OpenPicturePool(kSetsPoolSlot, assets::kVisitorPool))
        return refuseUnopened(checkVisitorPool(PoolContent::kPictures), assets::kVisitorPool);
    // Both pools are looked at before either is read, so a damaged one leaves nothing held.
    for (const PoolCheck& check : {checkBeachPool(beachNumber, PoolContent::kPictures),
                                   checkVisitorPool(PoolContent::kPictures)}) {
        if (!check.whole()) {
            setDamageError(kErrFormat, nullptr, damageLine(check));
            return false;
        }
    }
    FileDamage damage;
    if (!loadAll(kBeachPoolSlot, gBeach, &damage) || !loadAll(kSetsPoolSlot, gSprites, &damage)) {
        releaseBeachPictures();
        setDamageError(kErrRead, nullptr, damageLine(damage));
        return false;
    }
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
