#include "game/ui/panels.h"

#include "engine/display/text.h"
#include "game/asset_table.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/ui/modal_box.h"
#include "game/ui/scene.h"
#include "texts/texts.h"

namespace {

constexpr const char* kLobbyMusic[3] = {assets::kMusicLobby, assets::kMusicLobby2,
                                        assets::kMusicLobby};

// The eviction notice; a player standing in the lost room is put into its lobby.
void showRoomLost(int hotel) {
    messageBox(210, 150, txt::kEvicted1, txt::kEvicted2, "", "", "", "");
    if (gameState().sceneId == kHotelRoomScene[hotel]) {
        changeScene(kHotelLobbyScene[hotel], kLobbyMusic[hotel]);
    }
}

}  // namespace

void installDayEndNotices() {
    setRoomLostHandler(&showRoomLost);
}

void drawDatePanel(int x, int y, uint16_t colour) {
    const GameState& s = gameState();
    drawFaded(scenePage(), locationPicture(assets::kPicDatePanel), x, y);
    const char* month = txt::kMonths[s.month];
    PrintText(x + 14, y + 6, 0, kTransparentBackground, txt::kDateFormat, s.day, month, s.year);
    PrintText(x + 13, y + 5, colour, kTransparentBackground, txt::kDateFormat, s.day, month,
              s.year);
    PrintText(x + 14, y + 26, 0, kTransparentBackground, txt::kTimeFormat, s.hour, s.minute);
    PrintText(x + 13, y + 25, colour, kTransparentBackground, txt::kTimeFormat, s.hour, s.minute);
}

void drawMoneyPanel(int x, int y, uint16_t colour) {
    const GameState& s = gameState();
    drawFaded(scenePage(), locationPicture(assets::kPicMoneyPanel), x, y);
    PrintText(x + 7, y + 6, 0, kTransparentBackground, txt::kMoneyFormat, s.money);
    PrintText(x + 6, y + 5, colour, kTransparentBackground, txt::kMoneyFormat, s.money);
}
