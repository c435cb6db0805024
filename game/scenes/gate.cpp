// The gates of the members-only beaches (scenes 28..31): the flyer crossing the sky, the way
// back to the map, the counter where the membership is paid, the entrance for members, and at
// the gates of beaches 4 and 8 a secret at night.

#include <cstdio>

#include "game/asset_table.h"
#include "game/scenes/place_kit.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/state/town_rules.h"
#include "game/ui/movie.h"
#include "texts/texts.h"

namespace {

constexpr uint16_t kUnaffordable = 0xF7DE;

GateFlyer gFlyer;
bool gCounterOpen = false;

// The secret of a gate at night: gate 1 (beach 4) hides secret 4, gate 3 (beach 8) secret 5.
int gateSecret(int gate) {
    return gate == 1 ? 4 : gate == 3 ? 5 : 0;
}

void counter(GameState& s, int gate) {
    const PlacedPicture desk = placed(assets::kPicGateCounter);
    drawKeyed(scenePage(), locationPicture(desk.number), desk.x, desk.y);
    const int x = assets::kGateCounterTextX;
    const int y = assets::kGateCounterTextY;
    const int step = assets::kGateCounterLineStep;
    char fee[48];
    std::snprintf(fee, sizeof fee, txt::kFeeFormats[gate], txt::kEuro);
    placeText(x, y, txt::kWelcomeTo);
    placeText(x, y + step, txt::kGateTitles[gate]);
    placeText(x, y + 2 * step, txt::kMembershipFee);
    placeText(x, y + 3 * step, fee);

    const PlacedPicture pay = placed(assets::kPicGatePay);
    const bool payClicked = placedHotspot(pay.number, txt::kPayFee);
    if (s.money < kGateFee[gate]) {
        stippleBox(scenePage(), pay.x, pay.y, pay.width, pay.height, kUnaffordable);
    } else if (payClicked) {
        playClick();
        gCounterOpen = false;
        payGateFee(s, gate);
    }
    if (placedHotspot(assets::kPicGateBack, txt::kBack)) {
        playClick();
        gCounterOpen = false;
    }
}

}  // namespace

void runGateScene(int gate) {
    GameState& s = gameState();
    drawCopy(scenePage(), locationPicture(assets::kPicGate[gate]), 0, 0);
    drawKeyed(scenePage(), locationPicture(assets::kPicGateFlyerFirst + gFlyer.frame), gFlyer.x,
              gFlyer.y);
    stepGateFlyer(gFlyer);

    if (backButton(txt::kToMap)) {
        gCounterOpen = false;
        goTo(kSceneMap, assets::kMusicMap);
    }
    const int secret = gateSecret(gate);
    if (secret && !isDayHour(s.hour) && hiddenSpot(assets::kPicSecretSpot[secret - 1])) {
        playClick();
        playMovie(assets::kMovieSecret[secret - 1], assets::kMusicGate);
        findSecret(s, secret);
    }
    const bool member = s.vipMember[gate] != 0;
    if (!gCounterOpen && member) {
        if (placedHotspot(assets::kPicGateEntrance, txt::kToVipBeach)) {
            goTo(kGateBeachScene[gate], nullptr);
        }
    } else if (!gCounterOpen) {
        if (placedHotspot(assets::kPicGateToCounter, txt::kToReception)) {
            playClick();
            gCounterOpen = true;
        }
    } else if (!member) {
        counter(s, gate);
    } else {
        gCounterOpen = false;
    }
}
