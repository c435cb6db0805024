// The porter's enquiry (scene 8): the tip, the price of his answer in this hotel and his
// answer, the day's crowded beach as well as the tip buys it.

#include <cstdio>

#include "game/asset_table.h"
#include "game/scenes/hotel_places.h"
#include "game/scenes/place_kit.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/hotel_rules.h"
#include "game/ui/modal_box.h"
#include "texts/texts.h"

namespace {

// Where the price of the answer is written, above the buttons.
constexpr int kPriceX = 310;
constexpr int kPriceY = 320;

}  // namespace

void runPorterScene() {
    GameState& s = gameState();
    const int hotel = s.currentHotel;
    drawCopy(scenePage(), locationPicture(assets::kPicEnquiry), 0, 0);
    if (backButton(txt::kToLobby)) goTo(kHotelPlaces[hotel].lobby, nullptr);
    if (s.money < kTipMin) {
        placeText(215, 320, txt::kNotEnoughMoney);
        return;
    }
    if (placedHotspot(assets::kPicTipMore, txt::kMoreTip)) {
        playClick();
        raiseTip(s);
    }
    if (placedHotspot(assets::kPicTipLess, txt::kLessTip)) {
        playClick();
        lowerTip(s);
    }
    fitTipToMoney(s);
    char price[32];
    std::snprintf(price, sizeof price, txt::kEuroAmount, porterPrice(s, hotel));
    placeText(kPriceX, kPriceY, price);
    if (placedHotspot(assets::kPicAsk, txt::kAsk)) {
        playClick();
        const int beach = askPorter(s, hotel);
        enquiryBox(160, 140, txt::kManyVisitors, txt::kExpectedToday, txt::kBeachNames[beach],
                   txt::kExpected);
    }
}
