#include "engine/video/frame_clock.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "engine/platform/performance_counter.h"

uint64_t FrameClockNow() {
    return platform::performanceCounter().now();
}

uint64_t FrameClockFrequency() {
    return platform::performanceCounter().frequency();
}

void WaitForFrameClock(uint64_t due) {
    platform::PerformanceCounter& counter = platform::performanceCounter();
    if (counter.moveTo(due)) return;
    const uint64_t frequency = counter.frequency();
    const uint64_t limit = counter.now() + frequency;
    for (;;) {
        const uint64_t now = counter.now();
        if (now >= due || now >= limit) return;
        const uint64_t micros = (std::min(due, limit) - now) * 1000000 / frequency;
        std::this_thread::sleep_for(std::chrono::microseconds(std::min<uint64_t>(micros, 10000)));
    }
}

void IdleFrameClock() {
    WaitForFrameClock(FrameClockNow() + FrameClockFrequency() / 100);
}
