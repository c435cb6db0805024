#include "game/ui/picture_ownership.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "engine/resources/pool/picture_cache.h"

namespace {

// Pictures freed while none of their owning scenes is current.
struct Ownership {
    std::initializer_list<int> owners;
    std::initializer_list<int> pictures;
};
const Ownership kOwnership[] = {
    {{0}, {1}},
    {{1}, {2}},
    {{2}, {66}},
    {{25}, {109}},
    {{26}, {110}},
    {{3}, {3, 4}},
    {{4}, {5, 6}},
    {{5}, {7, 8}},
    {{16}, {61, 62}},
    {{17}, {63, 64}},
    {{6}, {74}},
    {{34}, {174}},
    {{35}, {175}},
    {{6, 7}, {32, 33, 54}},
    {{9, 34}, {176, 177, 178}},
    {{10, 35}, {179, 180, 181}},
    {{19}, {25, 27, 67}},
    {{20}, {188}},
    {{21}, {187}},
    {{14}, {55, 56}},
    {{32}, {160, 161}},
    {{33}, {162, 163}},
    {{11}, {189}},
    {{15}, {57, 58, 182, 183, 184, 185}},
};

}  // namespace

bool sceneOwnedPicture(int picture) {
    for (const Ownership& o : kOwnership) {
        for (int p : o.pictures) {
            if (p == picture) return true;
        }
    }
    return false;
}

void releaseForeignPictures(int sceneId) {
    for (const Ownership& o : kOwnership) {
        bool current = false;
        for (int owner : o.owners) current = current || owner == sceneId;
        if (current) continue;
        for (int picture : o.pictures) Pictures().Release(picture);
    }
}

void preloadCommonPictures() {
    for (int n = 0; n < Pictures().Entries(); ++n) {
        if (!sceneOwnedPicture(n)) Pictures().Get(n);
    }
}

void releaseLargePictures(int width, int height) {
    for (int n = 0; n < Pictures().Entries(); ++n) {
        if (!Pictures().IsLoaded(n)) continue;
        const uint8_t* block = Pictures().Get(n);
        uint16_t w = 0;
        uint16_t h = 0;
        std::memcpy(&w, block, 2);
        std::memcpy(&h, block + 2, 2);
        if (w >= width && h >= height) Pictures().Release(n);
    }
}
