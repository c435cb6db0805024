// The hotel room's computer: the main screen (scene 12) sends the outbox and credits its worth,
// the news screen (scene 13) shows the open photo order and the days it still runs.

#include <cstdio>
#include <cstring>

#include "game/asset_table.h"
#include "game/scenes/scenes.h"
#include "game/state/film.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/ui/modal_box.h"
#include "game/ui/movie.h"
#include "game/ui/scene.h"
#include "texts/texts.h"

namespace {

constexpr uint16_t kNewsColour = 0xBDE0;

// What both screens share: background, back button, the pending report and the send button.
void runComputerCommon() {
    GameState& s = gameState();
    drawCopy(scenePage(), locationPicture(assets::kPicComputer), 0, 0);
    if (hotspotClicked(drawHotspot(assets::kPicComputerBack, 253, 408, txt::kToHotelRoom)) &&
        sceneAvailable(kSceneLaptop)) {
        playClick();
        changeScene(kSceneLaptop, nullptr);
    }
    if (s.reportPending) {
        s.reportPending = 0;
        // The lines come from the record, perhaps from a loaded file: each is read only up to
        // its 80 bytes.
        char lines[kReportLines][kReportLineBytes + 1] = {};
        for (int k = 0; k < kReportLines; ++k) {
            std::memcpy(lines[k], s.reportLines[k], kReportLineBytes);
        }
        messageBox(210, 150, lines[0], lines[1], lines[2], lines[3], lines[4], lines[5]);
    }
    if (s.photosToSend > 0 &&
        hotspotClicked(drawHotspot(assets::kPicSend, 44, 333, txt::kSendPhotos))) {
        playClick();
        playMovie(assets::kMovieSend, assets::kMusicComputer);
        sendOutbox(s);
    }
}

}  // namespace

void runComputerFrame() {
    runComputerCommon();
    if (hotspotClicked(drawHotspot(assets::kPicNews, 436, 337, txt::kReadNews))) {
        playClick();
        changeScene(kSceneNews, nullptr);
    }
}

void runNewsFrame() {
    runComputerCommon();
    const GameState& s = gameState();
    const int order = openOrder(s);
    if (order < 0) {
        drawShadowText(225, 243, kNewsColour, txt::kNoNews);
        return;
    }
    if (order < kInitialOrders) {
        drawKeyed(scenePage(), locationPicture(assets::kPicNewsOrder[order]), 210, 233);
    }
    char line[48];
    std::snprintf(line, sizeof line, daysLeftFormat(s.orderDaysLeft), s.orderDaysLeft);
    drawShadowText(315, 333, kNewsColour, line);
}
