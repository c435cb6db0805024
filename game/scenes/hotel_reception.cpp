// A hotel's reception (scenes 6, 34, 35): the way back to the lobby, renting a room (one at a
// time, the first night paid at once) and what the desk says.

#include "game/asset_table.h"
#include "game/scenes/hotel_places.h"
#include "game/scenes/place_kit.h"
#include "game/scenes/scenes.h"
#include "game/state/clock.h"
#include "game/state/game_state.h"
#include "game/state/hotel_rules.h"
#include "texts/texts.h"

void runReceptionScene(int hotel) {
    GameState& s = gameState();
    drawCopy(scenePage(), locationPicture(assets::kPicReception[hotel]), 0, 0);
    if (backButton(txt::kToHotel)) goTo(kHotelPlaces[hotel].lobby, nullptr);
    if (canRentRoom(s, hotel) && placedHotspot(assets::kPicRentRoom, txt::kRentRoom)) {
        playClick();
        rentRoom(s, hotel);
    }
    if (hasRoom(s, hotel)) {
        placeText(316, 316, txt::kAlreadyHaveRoom);
    } else {
        placeText(316, 316, txt::kRoomPrices[hotel]);
        if (s.money < kRoomPrice[hotel]) placeText(316, 336, txt::kNotEnoughMoney);
    }
}
