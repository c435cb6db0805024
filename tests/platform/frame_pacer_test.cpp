// The SDL face's frame pacer on a clock of the test's own: how long a run of frames lasts for
// presents that wait for the vertical blank, presents that claim to and return at once, no
// vsync at all, unchanged frames, and a loop that falls behind.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/platform/sdl/sdl_frame_pacer.h"

namespace {

using platform::FramePacer;

// Time moves only when the loop works, presents or sleeps.
class StepClock final : public platform::PacingClock {
  public:
    int64_t nowUs() override { return now; }
    void sleepUntilUs(int64_t moment) override {
        if (moment > now) now = moment;
    }
    int64_t now = 1000000;
};

// A loop whose frames take workUs, presented with a present that takes presentUs (a present
// that waits for the vertical blank ends on the next multiple of the period), or skipped.
struct Loop {
    StepClock clock;
    FramePacer pacer{clock};
    int64_t workUs = 2000;
    int64_t presentUs = 300;
    bool presentWaits = false;

    void present() {
        clock.now += workUs;
        pacer.beforePresent();
        if (presentWaits) {
            const int64_t period = pacer.periodUs();
            clock.now = (clock.now / period + 1) * period;
        } else {
            clock.now += presentUs;
        }
        pacer.afterPresent();
    }
    void skip() {
        clock.now += workUs;
        pacer.skipFrame();
    }
    // How long n presented frames take, in periods.
    double presentedPeriods(int n) {
        const int64_t start = clock.now;
        for (int i = 0; i < n; ++i) present();
        return static_cast<double>(clock.now - start) / static_cast<double>(pacer.periodUs());
    }
};

TEST(FramePacer, NeverFasterThanTheDisplayWhateverThePresentClaims) {
    const struct {
        const char* what;
        bool claimed;
        bool waits;
        const char* frames;  // repeated: P a presented frame, S one that is not presented
        bool inEffectAfterwards;
    } kCases[] = {
        {"vsync that works", true, true, "P", true},
        {"vsync that works, some frames unchanged", true, true, "PPS", true},
        {"vsync claimed, presents return at once", true, false, "P", false},
        {"the same, some frames unchanged", true, false, "PPS", false},
        {"no vsync", false, false, "P", false},
    };
    for (const auto& c : kCases) {
        Loop loop;
        loop.pacer.start(75, c.claimed);
        loop.presentWaits = c.waits;
        EXPECT_EQ(loop.pacer.periodUs(), 13333) << c.what;
        const std::string pattern = c.frames;
        // Frames that follow the pattern; how many periods they took.
        const auto run = [&](int frames) {
            const int64_t start = loop.clock.now;
            for (int i = 0; i < frames; ++i) {
                if (pattern[static_cast<std::size_t>(i) % pattern.size()] == 'P') {
                    loop.present();
                } else {
                    loop.skip();
                }
            }
            return static_cast<double>(loop.clock.now - start) /
                   static_cast<double>(loop.pacer.periodUs());
        };
        // The first presents find out whether the claim holds: only as many go unpaced as the
        // probe measures.
        run(3 * FramePacer::kProbePresents);
        EXPECT_EQ(loop.pacer.vsyncInEffect(), c.inEffectAfterwards) << c.what;
        // From there every frame, presented or not, takes one period.
        const double periods = run(90);
        EXPECT_GE(periods, 89.0) << c.what;
        EXPECT_LE(periods, 91.0) << c.what;
    }
}

TEST(FramePacer, UnchangedFramesKeepTheRhythmAndALateLoopDoesNotRushToCatchUp) {
    for (const bool vsync : {true, false}) {
        Loop loop;
        loop.pacer.start(0, vsync);  // the display does not say: 60 Hz
        loop.presentWaits = vsync;
        EXPECT_EQ(loop.pacer.periodUs(), 16666);
        loop.present();
        const int64_t start = loop.clock.now;
        for (int i = 0; i < 60; ++i) loop.skip();
        EXPECT_NEAR(static_cast<double>(loop.clock.now - start), 60.0 * 16666, 16666.0) << vsync;

        // One frame of a quarter second (a beach loading, say), then quick frames again: they
        // go at the display's rate from there, not fifteen at once.
        loop.workUs = 250000;
        loop.present();
        loop.workUs = 1000;
        EXPECT_GE(loop.presentedPeriods(10), 9.0) << vsync;
    }
}

}  // namespace
