// Laura's apartment (scene 24): Laura at home at night, the way back to the street, and the
// row of found secrets to watch again and to cash in.

#include "game/asset_table.h"
#include "game/scenes/place_kit.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/state/town_rules.h"
#include "game/ui/movie.h"
#include "texts/texts.h"

namespace {

constexpr int kLauraSteps[5] = {195, 196, 197, 196, 195};
constexpr int kLauraFramesPerStep = 160;

unsigned gLauraCounter = 0;

void secretColumn(GameState& s, int secret) {
    const int x = assets::kApartmentSecretX0 + assets::kApartmentSecretStep * (secret - 1);
    const int picture = assets::kPicSecretBase + secret;
    drawKeyed(scenePage(), locationPicture(picture), x, placed(picture).y);
    if (hotspotClicked(drawHotspot(assets::kPicSecretView, x, placed(assets::kPicSecretView).y,
                                   txt::kViewSecret))) {
        playClick();
        playMovie(assets::kMovieSecret[secret - 1], assets::kMusicTown);
    }
    if (!s.secretRedeemed[secret - 1] &&
        hotspotClicked(drawHotspot(assets::kPicSecretRedeem, x, placed(assets::kPicSecretRedeem).y,
                                   txt::kRedeemSecret))) {
        playClick();
        playMovie(assets::kMovieSecretRedeem[secret - 1], assets::kMusicTown);
        redeemSecret(s, secret);
    }
}

}  // namespace

void runApartmentScene() {
    GameState& s = gameState();
    drawCopy(scenePage(), locationPicture(assets::kPicApartment), 0, 0);
    if (!isShopHour(s.hour)) {
        const int picture = kLauraSteps[animationStep(gLauraCounter++, kLauraFramesPerStep, 5)];
        const PlacedPicture laura = placed(picture);
        drawKeyed(scenePage(), locationPicture(picture), laura.x, laura.y);
        if (areaHotspot(laura.x, laura.y, laura.width, laura.height, txt::kLaura)) {
            playClick();
            ++s.apartmentVisits;
            playMovie(assets::kMovieHomeLaura, assets::kMusicTown);
        }
    }
    if (backButton(txt::kToOutside)) goTo(kSceneTownStreet, assets::kMusicTown);
    for (int secret = 1; secret <= kSecrets; ++secret) {
        if (s.secretFound[secret - 1]) secretColumn(s, secret);
    }
}
