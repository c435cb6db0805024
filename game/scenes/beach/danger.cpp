#include "game/scenes/beach/danger.h"

#include "game/state/random.h"
#include "game/state/shop_rules.h"

DangerOdds dangerOdds(const GameState& s) {
    DangerOdds odds{8, 1};
    if (!s.camouflageOn) return odds;
    if (s.camouflage[kCamouflageYacht]) odds = {18, 5};
    struct Step {
        int item, add, grace;
    };
    constexpr Step kSteps[] = {{kCamouflageLifeguardSuit, 8, 4},
                               {kCamouflageRubberBoat, 5, 3},
                               {kCamouflageSandCastle, 3, 2},
                               {kCamouflageAirMattress, 2, 2},
                               {kCamouflageLifesaver, 1, 1}};
    for (const Step& step : kSteps) {
        if (!s.camouflage[step.item]) continue;
        odds.divisor += step.add;
        odds.grace = step.grace;
    }
    return odds;
}

Incident rollDanger(GameState& s) {
    s.hoursOnBeach += 1;
    const DangerOdds odds = dangerOdds(s);
    if (gameRand() % odds.divisor == 0 && s.hoursOnBeach > odds.grace) {
        return static_cast<Incident>(gameRand() % 3);
    }
    return Incident::None;
}

int rollEquipmentLoss(GameState& s) {
    if (gameRand() % 2 != 0) return -1;
    const int k = gameRand() % 9;
    int32_t* items[3] = {s.camera, s.lens, s.flash};
    int32_t& owned = items[k / 3][k % 3];
    if (!owned) return -1;
    owned = 0;
    return k;
}

int hospitalBillFor(int money) {
    return static_cast<int>(static_cast<int64_t>(money) * 20 / 100);
}

int rollRecoveryHours() {
    return gameRand() % 48 + 12;
}
