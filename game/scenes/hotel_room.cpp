// A hotel room (scenes 7, 9, 10): the background by the time of day and the lamp, the
// television, the lamp, the ways to the lobby and the laptop, and in hotel 1 a secret by day.

#include "game/asset_table.h"
#include "game/scenes/hotel_places.h"
#include "game/scenes/place_kit.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/state/town_rules.h"
#include "game/ui/movie.h"
#include "texts/texts.h"

void runRoomScene() {
    GameState& s = gameState();
    const int hotel = s.currentRoom;
    const HotelPlaces& h = kHotelPlaces[hotel];
    const int night = s.lampOn[hotel] ? assets::kPicRoomLamp[hotel] : assets::kPicRoomNight[hotel];
    drawDayNightBackground(assets::kPicRoomDay[hotel], night);

    if (placedHotspot(assets::kPicRoomTv, txt::kTv)) {
        playClick();
        playTelevision(assets::kMusicRoom);
    }
    if (placedHotspot(assets::kPicLamp[hotel], txt::kLamp)) {
        playClick();
        s.lampOn[hotel] = s.lampOn[hotel] ? 0 : 1;
    }
    if (backButton(txt::kToLobby)) goTo(h.lobby, h.lobbyMusic);
    if (placedHotspot(assets::kPicRoomToLaptop, txt::kToLaptop))
        goTo(kSceneLaptop, assets::kMusicComputer);
    if (hotel == 0 && isDayHour(s.hour) && hiddenSpot(assets::kPicSecretSpot[0])) {
        playClick();
        playMovie(assets::kMovieSecret[0], assets::kMusicRoom);
        findSecret(s, 1);
    }
}
