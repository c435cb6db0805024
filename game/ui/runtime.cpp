#include "game/ui/runtime.h"

#include "engine/display/normhi.h"
#include "engine/display/svgahi.h"
#include "engine/input/pointer.h"
#include "engine/platform/headless_audio.h"
#include "engine/platform/performance_counter.h"
#include "game/state/frame_values.h"
#include "game/ui/away.h"
#include "game/ui/hotspots.h"
#include "game/ui/options_box.h"
#include "game/ui/screenshots.h"

namespace {

// A counted frame is what a screenshot takes; the note is drawn on the way to the screen only.
void showPage(bool counted) {
    if (counted) takeRequestedScreenshot();
    drawScreenNote();
    if (GetPixelFormat() == 15) {
        PresentPage15();
    } else {
        PresentPage();
    }
    liftScreenNote();
}

void count() {
    ++runtime().framesPresented;
    finishHotspotFrame();
}

// The headless sound device keeps pace with the virtual clock.
void advanceHeadlessAudio(Runtime& rt) {
    if (!rt.headlessAudio) return;
    const platform::PerformanceCounter& counter = platform::performanceCounter();
    const uint64_t nowMs =
        counter.now() / (counter.frequency() / 1000 ? counter.frequency() / 1000 : 1);
    if (nowMs > rt.audioMsDone) {
        rt.headlessAudio->advanceMs(nowMs - rt.audioMsDone);
        rt.audioMsDone = nowMs;
    }
}

}  // namespace

Runtime& runtime() {
    static Runtime rt;
    return rt;
}

bool pumpTurn() {
    Runtime& rt = runtime();
    if (rt.virtualClock) rt.virtualClock->advance(rt.virtualStep);
    advanceHeadlessAudio(rt);
    if (rt.script) rt.script->feed();
    latchTurnCounter();
    if (rt.recorder) rt.recorder->turnStarted(turnCounter());
    if (!rt.display) return false;
    rt.display->PumpMessages();
    const bool goesOn = waitWhileAway() && runOptionsIfAsked() &&
                        rt.display->Backend().hasWindow() && !rt.display->QuitRequested();
    if (!goesOn && rt.recorder) rt.recorder->windowGone();
    return goesOn;
}

void presentFrame() {
    showPointer();
    showPage(true);
    hidePointer();
    count();
}

void presentPlain() {
    showPage(true);
    count();
}

void presentUncounted() {
    showPointer();
    showPage(false);
    hidePointer();
}

void countFrame() {
    // The movie's frame is on the page as it was shown.
    takeRequestedScreenshot();
    screenNoteNotShown();
    count();
}
