// A hotel from outside (scenes 14, 32, 33): the way back to the map and into the lobby, the
// police car that waits for a guest of ten nights, and outside hotel 3 a secret at night.

#include "game/asset_table.h"
#include "game/scenes/hotel_places.h"
#include "game/scenes/place_kit.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/hotel_rules.h"
#include "game/state/scene_ids.h"
#include "game/state/town_rules.h"
#include "game/ui/movie.h"
#include "texts/texts.h"

void runHotelOutsideScene(int hotel) {
    GameState& s = gameState();
    const HotelPlaces& h = kHotelPlaces[hotel];
    drawDayNightBackground(assets::kPicHotelDay[hotel], assets::kPicHotelNight[hotel]);
    if (arrestDue(s, hotel)) {
        const PlacedPicture car = placed(assets::kPicArrestExtra[hotel]);
        drawKeyed(scenePage(), locationPicture(car.number), car.x, car.y);
    }
    if (backButton(txt::kToMap)) goTo(kSceneMap, assets::kMusicMap);
    if (placedHotspot(assets::kPicHotelDoor[hotel], txt::kToHotel)) goTo(h.lobby, h.lobbyMusic);
    if (hotel == 2 && !isDayHour(s.hour) && hiddenSpot(assets::kPicSecretSpot[2])) {
        playClick();
        playMovie(assets::kMovieSecret[2], assets::kMusicHotel3);
        findSecret(s, 3);
    }
}
