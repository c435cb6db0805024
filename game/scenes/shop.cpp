// The shop room (scene 2): Laura at work from 7:00 to 21:59, the way out and the two counters.

#include "game/asset_table.h"
#include "game/scenes/place_kit.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/state/town_rules.h"
#include "game/ui/movie.h"
#include "texts/texts.h"

namespace {

// Her twelve steps: out to the last picture and back.
constexpr int kLauraSteps[12] = {198, 199, 200, 201, 202, 203, 204, 203, 202, 201, 200, 199};
constexpr int kLauraFramesPerStep = 160;
// Her hotspot reaches this far beyond her picture on the right.
constexpr int kLauraReach = 20;

unsigned gLauraCounter = 0;

}  // namespace

void runShopScene() {
    GameState& s = gameState();
    drawCopy(scenePage(), locationPicture(assets::kPicShop), 0, 0);

    if (isShopHour(s.hour)) {
        const int picture = kLauraSteps[animationStep(gLauraCounter++, kLauraFramesPerStep, 12)];
        const PlacedPicture laura = placed(picture);
        drawKeyed(scenePage(), locationPicture(picture), laura.x, laura.y);
        if (areaHotspot(laura.x, laura.y, laura.width + kLauraReach, laura.height, txt::kLaura)) {
            playClick();
            ++s.shopVisits;
            playMovie(assets::kMovieShopLaura, assets::kMusicShop);
        }
    }

    if (backButton(txt::kLeaveShop)) goTo(kSceneTownStreet, assets::kMusicTown);
    if (placedHotspot(assets::kPicShopBuyCameras, txt::kBuyCameras))
        goTo(kSceneCameraCounter, nullptr);
    if (placedHotspot(assets::kPicShopBuyCamouflage, txt::kBuyCamouflage))
        goTo(kSceneCamouflageCounter, nullptr);
}
