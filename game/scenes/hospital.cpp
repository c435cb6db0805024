// The hospital: outside (scene 16) with its secret at night and its door open from 9:00 to
// 19:59, inside (scene 18) with the television, and the cashier (scene 27) where a beach
// accident ends: the recovery hours pass at once and the bill is paid.

#include <cstdio>

#include "game/asset_table.h"
#include "game/scenes/place_kit.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/state/town_rules.h"
#include "game/ui/movie.h"
#include "texts/texts.h"

void runHospitalOutsideScene() {
    GameState& s = gameState();
    drawDayNightBackground(assets::kPicHospitalDay, assets::kPicHospitalNight);
    if (backButton(txt::kToMap)) goTo(kSceneMap, assets::kMusicMap);
    if (!isDayHour(s.hour) && hiddenSpot(assets::kPicSecretSpot[6])) {
        playClick();
        playMovie(assets::kMovieSecret[6], assets::kMusicTown);
        findSecret(s, 7);
    }
    if (isDayHour(s.hour) && placedHotspot(assets::kPicHospitalDoor, txt::kIntoHospital)) {
        goTo(kSceneHospitalInside, assets::kMusicHospital);
    }
}

void runHospitalInsideScene() {
    drawCopy(scenePage(), locationPicture(assets::kPicHospitalInside), 0, 0);
    if (placedHotspot(assets::kPicHospitalTv, txt::kTv)) {
        playClick();
        playTelevision(assets::kMusicHospital);
    }
    if (backButton(txt::kToOutside)) goTo(kSceneHospitalOutside, assets::kMusicTown);
}

void runHospitalCashierScene() {
    GameState& s = gameState();
    drawCopy(scenePage(), locationPicture(assets::kPicHospitalCashier), 0, 0);
    placeText(310, 60, txt::kCare1);
    placeText(310, 80, txt::kCare2);
    char line[96];
    std::snprintf(line, sizeof line, txt::kCareHours, txt::kCare3, s.recoveryHoursTotal);
    placeText(310, 100, line);
    placeText(310, 120, txt::kCare4);
    placeText(350, 180, txt::kCareCost);
    std::snprintf(line, sizeof line, txt::kCareBill, s.hospitalBill);
    placeText(350, 195, line);
    if (placedHotspot(assets::kPicPayBill, txt::kPayBill)) {
        playClick();
        payHospitalBill(s);
        changeScene(kSceneHospitalInside, nullptr);
    }
    // The stay: the hours pass once, with everything that happens in them.
    recoverInHospital(s);
}
