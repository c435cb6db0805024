#include "game/scenes/beach/danger.h"

#include "game/state/random.h"

namespace {
// Camouflage items in the shop's order.
constexpr int kLifesaver = 0;
constexpr int kAirMattress = 1;
constexpr int kSandCastle = 2;
constexpr int kRubberBoat = 3;
constexpr int kLifeguardSuite = 4;
constexpr int kYacht = 5;
}  // namespace

DangerOdds dangerOdds(const GameState& s) {
    DangerOdds odds{8, 1};
    if (!s.camouflageOn) return odds;
    if (s.camouflage[kYacht]) odds = {18, 5};
    struct Step {
        int item, add, grace;
    };
    constexpr Step kSteps[] = {{kLifeguardSuite, 8, 4},
                               {kRubberBoat, 5, 3},
                               {kSandCastle, 3, 2},
                               {kAirMattress, 2, 2},
                               {kLifesaver, 1, 1}};
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
