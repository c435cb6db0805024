#pragma once
// The next values the game's generator will give, without drawing them.

#include <cstdint>
#include <vector>

#include "game/state/random.h"

inline std::vector<int> peekRand(int n) {
    const uint32_t saved = randomState();
    std::vector<int> values;
    for (int i = 0; i < n; ++i) values.push_back(gameRand());
    setRandomState(saved);
    return values;
}
