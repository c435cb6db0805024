#include "game/state/random.h"

namespace {
uint32_t gRandomState = 1;
}

int gameRand() {
    gRandomState = gRandomState * 1103515245u + 12345u;
    return static_cast<int>((gRandomState >> 16) & 0x7FFF);
}

uint32_t randomState() {
    return gRandomState;
}

void setRandomState(uint32_t state) {
    gRandomState = state;
}
