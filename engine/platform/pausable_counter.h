#pragma once
// The counter the engine reads: another counter with the time spent paused taken out. While
// the player is away the game's clock, its movies and its headless sound must not see the time
// pass, and a recorded session must replay without the absence, so the pause lives in the one
// clock everything reads rather than in each of its readers.

#include <cstdint>

#include "engine/platform/performance_counter.h"

namespace platform {

class PausableCounter final : public PerformanceCounter {
  public:
    explicit PausableCounter(PerformanceCounter& source) : source_(&source) {}

    uint64_t frequency() const override { return source_->frequency(); }
    // The source's reading less every pause so far; while paused, the reading at the pause.
    uint64_t now() const override;
    bool moveTo(uint64_t due) override;

    // Stops the count (again while paused does nothing).
    void pause();
    // Counts on from where the pause began.
    void resume();
    bool paused() const { return paused_; }
    // The source's ticks spent paused so far, the current pause included.
    uint64_t ticksPaused() const;

  private:
    PerformanceCounter* source_;
    bool paused_ = false;
    uint64_t pausedAt_ = 0;  // the source's reading when the pause began
    uint64_t skipped_ = 0;   // ticks of the pauses that have ended
};

}  // namespace platform
