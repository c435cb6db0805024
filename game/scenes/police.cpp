// The police: the station outside (scene 17) with its secret at night, inside (scene 22), and
// the officer (scene 23) where an arrest ends with a donation of a fifth of the money.

#include "game/asset_table.h"
#include "game/scenes/place_kit.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/state/town_rules.h"
#include "game/ui/modal_box.h"
#include "game/ui/movie.h"
#include "texts/texts.h"

namespace {

constexpr int kOfficerFramesPerStep = 20;

OfficerLook gOfficer;
unsigned gOfficerCounter = 0;

int officerPicture(int variant) {
    const int step = animationStep(gOfficerCounter, kOfficerFramesPerStep, 4);
    switch (variant) {
        case 1:
            return assets::kPicOfficerWave[step];
        case 2:
            return assets::kPicOfficerTalk[step];
        default:
            return assets::kPicOfficerStill;
    }
}

}  // namespace

void runPoliceOutsideScene() {
    GameState& s = gameState();
    drawDayNightBackground(assets::kPicPoliceDay, assets::kPicPoliceNight);
    if (!isDayHour(s.hour) && hiddenSpot(assets::kPicSecretSpot[5])) {
        playClick();
        playMovie(assets::kMovieSecret[5], assets::kMusicTown);
        findSecret(s, 6);
    }
    if (placedHotspot(assets::kPicPoliceDoor, txt::kToPoliceStation)) {
        goTo(kScenePoliceInside, assets::kMusicPolice);
    }
    if (backButton(txt::kToMap)) goTo(kSceneMap, assets::kMusicMap);
}

void runPoliceInsideScene() {
    drawCopy(scenePage(), locationPicture(assets::kPicPoliceInside), 0, 0);
    if (backButton(txt::kToOutside)) goTo(kScenePoliceOutside, assets::kMusicTown);
}

void runPoliceOfficerScene() {
    GameState& s = gameState();
    drawCopy(scenePage(), locationPicture(assets::kPicPoliceOffice), 0, 0);
    updateOfficerLook(gOfficer, s.hour);
    const int picture = officerPicture(gOfficer.variant);
    ++gOfficerCounter;
    const PlacedPicture officer = placed(picture);
    drawKeyed(scenePage(), locationPicture(picture), officer.x, officer.y);
    if (areaHotspot(officer.x, officer.y, officer.width, officer.height, txt::kPoliceman)) {
        playClick();
        playMovie(assets::kMovieDonation, assets::kMusicMap);
        payDonation(s);
        messageBox(210, 150, txt::kDonation1, txt::kDonation2, "", "", "", "");
        changeScene(kScenePoliceInside, nullptr);
    }
}
