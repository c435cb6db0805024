#pragma once
// How often the SDL face shows a frame: never more often than the display refreshes. Where the
// renderer's presents wait for the vertical blank, the present itself paces the loop; where they
// do not (software renderers and some drivers ignore the request while claiming to honour it),
// the pacer sleeps to deadlines one refresh period apart. A frame that is not presented (the
// same page again, or a window nobody sees) waits for its deadline too, so the loop never spins.
// No SDL in here: the clock is handed in, and the rules run as well on a clock of the tests'.

#include <cstdint>

namespace platform {

// A monotonic clock in microseconds, and a way to wait for one of its moments.
class PacingClock {
  public:
    virtual ~PacingClock() = default;
    virtual int64_t nowUs() = 0;
    virtual void sleepUntilUs(int64_t moment) = 0;
};

// The system's monotonic clock; it sleeps in the kernel (clock_nanosleep), never spinning.
PacingClock& systemPacingClock();

class FramePacer {
  public:
    static constexpr int kDefaultRefreshHz = 60;
    // Presents measured together, each from the end of the present before it (frames that are
    // not presented in between are left out): when they took less than four fifths of their
    // periods, the presents do not wait for the vertical blank.
    static constexpr int kProbePresents = 30;

    explicit FramePacer(PacingClock& clock = systemPacingClock()) : clock_(clock) {}

    // A new renderer: the display's refresh rate (0 when unknown: 60 is taken) and whether the
    // renderer says its presents wait for the vertical blank. The claim is believed until the
    // presents' own lengths prove it wrong.
    void start(int refreshHz, bool vsyncClaimed);
    // The window went to another display or mode; the vsync finding stands.
    void setRefreshRate(int refreshHz);
    // Frames a second when the pacer sleeps (vsync off or not waiting); never more than the
    // display's refresh rate. 0: the refresh rate.
    void setFrameCap(int framesPerSecond);

    // Around a present: before it waits for the frame's deadline unless the present waits by
    // itself; after it measures the present.
    void beforePresent();
    void afterPresent();
    // A frame that is not presented: waits for its deadline.
    void skipFrame();

    bool vsyncInEffect() const { return vsync_; }
    int64_t periodUs() const { return periodUs_; }

  private:
    void waitForDeadline();
    int64_t sleepPeriodUs() const;

    PacingClock& clock_;
    int64_t periodUs_ = 1000000 / kDefaultRefreshHz;
    int64_t capPeriodUs_ = 0;
    bool vsync_ = false;
    bool haveDeadline_ = false;
    int64_t deadlineUs_ = 0;
    // The end of the last present when the frame before this one was presented too, else -1.
    int64_t lastPresentEndUs_ = -1;
    int probeCount_ = 0;
    int64_t probeSumUs_ = 0;
};

}  // namespace platform
