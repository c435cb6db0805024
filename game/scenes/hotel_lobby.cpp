// A hotel's lobby (scenes 3, 4, 5): the arrest of a guest of ten nights, the way out, the
// porter by his mood, the receptionist at work from 9:00 to 19:59, the way to the room of a
// guest and in hotel 2 a secret at night.

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

namespace {

// The receptionist's 16 steps, as offsets from her hotel's first picture.
constexpr int kReceptionistSteps[16] = {2, 1, 0, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 2};
constexpr int kReceptionistFramesPerStep = 16;
constexpr int kReceptionistReach = 20;

unsigned gReceptionistCounter = 0;

void porter(GameState& s, int hotel) {
    const int mood = s.porterMood[hotel];
    if (mood == 0) {
        if (placedHotspot(assets::kPicPorterBored[hotel], txt::kBoredPorter)) {
            s.tip = kTipOffered;
            goTo(kScenePorter, nullptr);
        }
    } else if (mood == 1 && hotel == 0) {
        // He is eating: he shows, but he does not answer.
        placedHotspot(assets::kPicPorterEating, txt::kEatingPorter);
    }
}

void receptionist(int hotel) {
    const int step = animationStep(gReceptionistCounter++, kReceptionistFramesPerStep, 16);
    const int picture = assets::kPicReceptionistBase[hotel] + kReceptionistSteps[step];
    const PlacedPicture her = placed(picture);
    drawKeyed(scenePage(), locationPicture(picture), her.x, her.y);
    if (areaHotspot(her.x, her.y, her.width + kReceptionistReach, her.height, txt::kToReception)) {
        goTo(kHotelPlaces[hotel].reception, nullptr);
    }
}

}  // namespace

void runLobbyScene() {
    GameState& s = gameState();
    const int hotel = s.currentHotel;
    const HotelPlaces& h = kHotelPlaces[hotel];
    if (arrestDue(s, hotel)) {
        playMovie(assets::kMovieHotelArrest, assets::kMusicPolice);
        changeScene(kScenePoliceOfficer, nullptr);
        return;
    }
    drawDayNightBackground(assets::kPicLobbyDay[hotel], assets::kPicLobbyNight[hotel]);

    if (backButton(txt::kLeaveHotel)) goTo(h.outside, h.outsideMusic);
    if (hasRoom(s, hotel) &&
        areaHotspot(assets::kLobbyExitAreaX, assets::kLobbyExitAreaY, assets::kLobbyExitAreaWidth,
                    assets::kLobbyExitAreaHeight, txt::kLeaveHotel)) {
        goTo(h.outside, h.outsideMusic);
    }
    porter(s, hotel);
    if (isDayHour(s.hour)) receptionist(hotel);
    if (hotel == 1 && !isDayHour(s.hour) && hiddenSpot(assets::kPicSecretSpot[1])) {
        playClick();
        playMovie(assets::kMovieSecret[1], assets::kMusicLobby2);
        findSecret(s, 2);
    }
    if (hasRoom(s, hotel) && placedHotspot(assets::kPicToRoom, txt::kToRoom)) {
        goTo(h.room, assets::kMusicRoom);
    }
}
