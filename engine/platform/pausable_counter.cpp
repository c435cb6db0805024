#include "engine/platform/pausable_counter.h"

namespace platform {

uint64_t PausableCounter::now() const {
    const uint64_t reading = paused_ ? pausedAt_ : source_->now();
    return reading - skipped_;
}

bool PausableCounter::moveTo(uint64_t due) {
    // Waiting for a time while paused would wait for ever.
    if (paused_) return true;
    return source_->moveTo(due + skipped_);
}

void PausableCounter::pause() {
    if (paused_) return;
    pausedAt_ = source_->now();
    paused_ = true;
}

void PausableCounter::resume() {
    if (!paused_) return;
    const uint64_t reading = source_->now();
    if (reading > pausedAt_) skipped_ += reading - pausedAt_;
    paused_ = false;
}

uint64_t PausableCounter::ticksPaused() const {
    if (!paused_) return skipped_;
    const uint64_t reading = source_->now();
    return skipped_ + (reading > pausedAt_ ? reading - pausedAt_ : 0);
}

}  // namespace platform
