#include "game/state/frame_values.h"

#include "engine/platform/performance_counter.h"

namespace {

uint64_t gTurnCounter = 0;

}  // namespace

uint64_t turnCounter() {
    return gTurnCounter;
}

void latchTurnCounter() {
    gTurnCounter = platform::performanceCounter().now();
}

FrameValues& frameValues() {
    static FrameValues values;
    return values;
}

int32_t elapsedMs(uint64_t from, uint64_t to, uint64_t frequency) {
    if (frequency == 0 || to < from) return 0;
    const uint64_t ticks = to - from;
    // Whole seconds and the rest apart, so that ticks × 1000 never overflows.
    const uint64_t ms = ticks / frequency * 1000 + ticks % frequency * 1000 / frequency;
    return ms > INT32_MAX ? INT32_MAX : static_cast<int32_t>(ms);
}
