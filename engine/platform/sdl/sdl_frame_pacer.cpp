#include "engine/platform/sdl/sdl_frame_pacer.h"

#include <time.h>

#include <algorithm>
#include <cerrno>

namespace platform {

namespace {

class SystemPacingClock final : public PacingClock {
  public:
    int64_t nowUs() override {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return static_cast<int64_t>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
    }
    void sleepUntilUs(int64_t moment) override {
        timespec until{};
        until.tv_sec = static_cast<time_t>(moment / 1000000);
        until.tv_nsec = static_cast<long>(moment % 1000000) * 1000;
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
        }
    }
};

}  // namespace

PacingClock& systemPacingClock() {
    static SystemPacingClock clock;
    return clock;
}

void FramePacer::start(int refreshHz, bool vsyncClaimed) {
    setRefreshRate(refreshHz);
    vsync_ = vsyncClaimed;
    haveDeadline_ = false;
    lastPresentEndUs_ = -1;
    probeCount_ = 0;
    probeSumUs_ = 0;
}

void FramePacer::setRefreshRate(int refreshHz) {
    periodUs_ = 1000000 / (refreshHz > 0 ? refreshHz : kDefaultRefreshHz);
}

void FramePacer::setFrameCap(int framesPerSecond) {
    capPeriodUs_ = framesPerSecond > 0 ? 1000000 / framesPerSecond : 0;
}

int64_t FramePacer::sleepPeriodUs() const {
    // A present that waits for the display sets the rhythm; the cap is for the sleeping pacer.
    return vsync_ ? periodUs_ : std::max(periodUs_, capPeriodUs_);
}

void FramePacer::waitForDeadline() {
    const int64_t now = clock_.nowUs();
    const int64_t period = sleepPeriodUs();
    if (!haveDeadline_) {
        // The first frame goes at once and sets the rhythm.
        haveDeadline_ = true;
        deadlineUs_ = now + period;
        return;
    }
    if (now < deadlineUs_) {
        clock_.sleepUntilUs(deadlineUs_);
        deadlineUs_ += period;
    } else if (now - deadlineUs_ > period) {
        // Late by more than a period (a slow frame, a long load): the rhythm starts again from
        // now instead of rushing frames out to catch up.
        deadlineUs_ = now + period;
    } else {
        deadlineUs_ += period;
    }
}

void FramePacer::beforePresent() {
    if (!vsync_) waitForDeadline();
}

void FramePacer::afterPresent() {
    if (!vsync_) return;
    const int64_t now = clock_.nowUs();
    if (lastPresentEndUs_ >= 0) {
        probeSumUs_ += now - lastPresentEndUs_;
        if (++probeCount_ == kProbePresents) {
            if (probeSumUs_ * 5 < periodUs_ * kProbePresents * 4) vsync_ = false;
            probeCount_ = 0;
            probeSumUs_ = 0;
        }
    }
    lastPresentEndUs_ = now;
    // A present that waited ended just after a vertical blank: frames that are skipped keep to
    // the display's rhythm from here.
    haveDeadline_ = true;
    deadlineUs_ = now + periodUs_;
}

void FramePacer::skipFrame() {
    // The wait below is the pacer's own, not the present's: the next present is not measured.
    lastPresentEndUs_ = -1;
    waitForDeadline();
}

}  // namespace platform
