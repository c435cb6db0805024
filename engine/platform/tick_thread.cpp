#include "engine/platform/tick_thread.h"

#include <chrono>

namespace platform {

bool TickThread::start(unsigned periodMs, TickCallback tick, void* user) {
    if (running() || !tick || periodMs == 0) return false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = false;
        period_ = periodMs;
        tick_ = tick;
        user_ = user;
    }
    thread_ = std::thread([this] { run(); });
    return true;
}

void TickThread::stop() {
    if (!running()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void TickThread::waitForTick() {
    if (!running()) return;
    std::unique_lock<std::mutex> lock(mutex_);
    const uint64_t seen = ticks_;
    wake_.wait_for(lock, std::chrono::milliseconds(2 * period_),
                   [&] { return stopping_ || ticks_ != seen; });
}

void TickThread::run() {
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::milliseconds(period_);
    auto next = Clock::now() + period;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        if (wake_.wait_until(lock, next, [this] { return stopping_; })) return;
        lock.unlock();
        tick_(user_);
        lock.lock();
        ++ticks_;
        wake_.notify_all();
        next += period;
        // After a long stall start afresh instead of running a burst of late ticks.
        if (Clock::now() > next + 4 * period) next = Clock::now() + period;
    }
}

}  // namespace platform
