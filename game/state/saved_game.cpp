#include "game/state/saved_game.h"

uint32_t tickLengthFor(int32_t gameSpeed, uint64_t counterFrequency) {
    // 100, 300 or 500 game seconds a real second; computed in 64 bits so that no speed can
    // overflow.
    const int64_t perSecond = 100 * (2 * int64_t{gameSpeed} + 1);
    return static_cast<uint32_t>(counterFrequency / static_cast<uint64_t>(perSecond));
}
