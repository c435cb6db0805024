#include "game/ui/picture_ownership.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "engine/resources/pool/picture_cache.h"
#include "game/state/scene_ids.h"

namespace {

// Pictures freed while none of their owning scenes is current.
struct Ownership {
    std::initializer_list<int> owners;
    std::initializer_list<int> pictures;
};
const Ownership kOwnership[] = {
    {{kSceneMenu}, {1}},
    {{kSceneMap}, {2}},
    {{kSceneShop}, {66}},
    {{kSceneCameraCounter}, {109}},
    {{kSceneCamouflageCounter}, {110}},
    {{kSceneHotel1Lobby}, {3, 4}},
    {{kSceneHotel2Lobby}, {5, 6}},
    {{kSceneHotel3Lobby}, {7, 8}},
    {{kSceneHospitalOutside}, {61, 62}},
    {{kScenePoliceOutside}, {63, 64}},
    {{kSceneHotel1Reception}, {74}},
    {{kSceneHotel2Reception}, {174}},
    {{kSceneHotel3Reception}, {175}},
    {{kSceneHotel1Reception, kSceneHotel1Room}, {32, 33, 54}},
    {{kSceneHotel2Room, kSceneHotel2Reception}, {176, 177, 178}},
    {{kSceneHotel3Room, kSceneHotel3Reception}, {179, 180, 181}},
    {{kSceneTownStreet}, {25, 27, 67}},
    {{kSceneLoadGame}, {188}},
    {{kSceneSaveGame}, {187}},
    {{kSceneHotel1Outside}, {55, 56}},
    {{kSceneHotel2Outside}, {160, 161}},
    {{kSceneHotel3Outside}, {162, 163}},
    {{kSceneAlbum}, {189}},
    {{kSceneLaptop}, {57, 58, 182, 183, 184, 185}},
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
