// The laptop in a rented room (scene 15): back to the room, the photo album and the computer.

#include "game/asset_table.h"
#include "game/scenes/hotel_places.h"
#include "game/scenes/place_kit.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "texts/texts.h"

void runLaptopScene() {
    const GameState& s = gameState();
    const int hotel = s.currentRoom;
    drawDayNightBackground(assets::kPicLaptopDay[hotel], assets::kPicLaptopNight[hotel]);
    if (backButton(txt::kToRoom)) goTo(kHotelPlaces[hotel].room, assets::kMusicRoom);
    if (placedHotspot(assets::kPicLaptopToCamera, txt::kToCamera)) goTo(kSceneAlbum, nullptr);
    if (placedHotspot(assets::kPicLaptopToComputer, txt::kToComputer))
        goTo(kSceneComputer, nullptr);
}
