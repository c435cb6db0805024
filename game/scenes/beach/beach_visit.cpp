// Entering and leaving a beach: the pictures it needs, the large location pictures it lets go
// meanwhile, and a fresh visit.

#include "engine/base/messages.h"
#include "game/asset_table.h"
#include "game/scenes/beach/beach.h"
#include "game/scenes/beach/beach_pictures.h"
#include "game/scenes/beach/beach_view.h"
#include "game/scenes/beach/lit_sprites.h"
#include "game/scenes/beach/visitors.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/ui/damage_report.h"
#include "game/ui/picture_ownership.h"
#include "game/ui/scene.h"

namespace {

constexpr int kLargePicture = 100;  // pictures of at least 100 × 100 make room for a beach

// A damaged pool is named in the error box, and the map comes back instead of a beach with
// nothing to show or no way back.
void backToMapWithError() {
    showErrorEverywhere();
    changeScene(kSceneMap, assets::kMusicMap);
}

}  // namespace

bool loadBeach(int beachNumber) {
    GameState& s = gameState();
    if (!loadBeachPictures(beachNumber)) {
        backToMapWithError();
        return false;
    }
    s.beachLoaded = 1;
    s.scrollX = kStartScrollX;
    startMusic(assets::kMusicBeach);
    releaseLargePictures(kLargePicture, kLargePicture);
    s.currentBeach = beachNumber - 1;
    s.hoursOnBeach = 0;
    for (int i = 0; i < kVisitorSlots; ++i) {
        s.visitors.typeId[i] = 0;
        s.visitors.x[i] = 0;
        s.visitors.y[i] = 0;
        s.visitors.pose[i] = 0;
        s.visitors.animated[i] = 0;
        s.visitors.posesLeft[i] = 0;
        s.visitors.life[i] = 0;
    }
    return true;
}

void leaveBeach(int scene, const char* music) {
    gameState().sceneId = scene;
    releaseBeachPictures();
    forgetLitSprites();
    gameState().beachLoaded = 0;
    preloadCommonPictures();
    startMusic(music);
}

void releaseBeach() {
    if (gameState().beachLoaded || heldBeachPictures()) releaseBeachPictures();
    forgetLitSprites();
    gameState().beachLoaded = 0;
}

void runBeachScene() {
    GameState& s = gameState();
    const int beach = beachOfScene(s.sceneId);
    if (!s.beachLoaded) {
        if (!loadBeach(beach)) return;
    } else if (heldBeachPictures() != beach) {
        // A record that says a beach is loaded while this run holds other pictures (or none,
        // after a record was put back): fetch this beach's pictures, keep the visit as it is.
        if (!loadBeachPictures(beach)) {
            s.beachLoaded = 0;
            backToMapWithError();
            return;
        }
        startMusic(assets::kMusicBeach);
    }
    runBeachFrame();
}
