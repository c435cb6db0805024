// The town street (scene 19): day, evening and night pictures, the shop door by the shop's
// hours and the door of Laura's apartment.

#include "game/asset_table.h"
#include "game/scenes/place_kit.h"
#include "game/scenes/scenes.h"
#include "game/state/clock.h"
#include "game/state/frame_values.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/state/town_rules.h"
#include "texts/texts.h"

namespace {

void streetBackground(int hour) {
    const PageView page = scenePage();
    if (frameValues().detailMode != 0) {
        // Blended: the open shop's street fades into the evening, the evening into the night.
        const bool open = isShopHour(hour);
        const int day = open ? assets::kPicTownDay : assets::kPicTownEvening;
        const int night = open ? assets::kPicTownEvening : assets::kPicTownNight;
        blendTwo(page, locationPicture(day), locationPicture(night), 255 - dayNightWeight());
        return;
    }
    int picture = assets::kPicTownNight;
    if (isDayHour(hour)) {
        picture = assets::kPicTownDay;
    } else if (isShopHour(hour)) {
        picture = assets::kPicTownEvening;
    }
    drawCopy(page, locationPicture(picture), 0, 0);
}

}  // namespace

void runTownStreetScene() {
    const GameState& s = gameState();
    streetBackground(s.hour);
    if (backButton(txt::kToMap)) goTo(kSceneMap, assets::kMusicMap);
    if (isShopHour(s.hour)) {
        if (placedHotspot(assets::kPicTownShopDoor, txt::kIntoShop))
            goTo(kSceneShop, assets::kMusicShop);
    } else {
        // Closed: the door only says so.
        placedHotspot(assets::kPicTownShopDoor, txt::kShopClosed);
    }
    if (placedHotspot(assets::kPicTownHomeDoor, txt::kToApartment)) goTo(kSceneApartment, nullptr);
}
