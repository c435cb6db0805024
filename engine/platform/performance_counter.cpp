#include "engine/platform/performance_counter.h"

#include <chrono>

namespace platform {

namespace {
RealPerformanceCounter realCounter;
PerformanceCounter* installed = nullptr;
}  // namespace

uint64_t RealPerformanceCounter::frequency() const {
    return 1000000000;
}

uint64_t RealPerformanceCounter::now() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(since).count());
}

uint64_t MicrosecondPerformanceCounter::now() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(since).count());
}

PerformanceCounter& performanceCounter() {
    return installed ? *installed : realCounter;
}

void setPerformanceCounter(PerformanceCounter* counter) {
    installed = counter;
}

}  // namespace platform
