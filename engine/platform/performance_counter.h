#pragma once
// The one clock of the engine. The real face reads the monotonic clock; the virtual face only
// moves when the caller advances it, so headless runs are repeatable.

#include <cstdint>

namespace platform {

class PerformanceCounter {
  public:
    virtual ~PerformanceCounter() = default;
    // Ticks per second; never 0.
    virtual uint64_t frequency() const = 0;
    virtual uint64_t now() const = 0;
    // True when the caller is not to wait for the reading `due`: a counter that moves only when
    // told (the virtual one) has moved on to it, a paused one stands still. A real one says
    // false and the caller waits for the time to come.
    virtual bool moveTo(uint64_t due) {
        (void)due;
        return false;
    }
};

class RealPerformanceCounter final : public PerformanceCounter {
  public:
    uint64_t frequency() const override;
    uint64_t now() const override;
};

// The real clock in microseconds: the unit of the virtual face, so that a recorded run and its
// headless replay see the same frequency.
class MicrosecondPerformanceCounter final : public PerformanceCounter {
  public:
    uint64_t frequency() const override { return 1000000; }
    uint64_t now() const override;
};

// Counts in microseconds from 0.
class VirtualPerformanceCounter final : public PerformanceCounter {
  public:
    static constexpr uint64_t kFrequency = 1000000;
    uint64_t frequency() const override { return kFrequency; }
    uint64_t now() const override { return ticks_; }
    void advance(uint64_t ticks) { ticks_ += ticks; }
    void advanceMs(uint64_t ms) { ticks_ += ms * (kFrequency / 1000); }
    bool moveTo(uint64_t due) override {
        if (due > ticks_) ticks_ = due;
        return true;
    }

  private:
    uint64_t ticks_ = 0;
};

// The installed counter; the real one until something else is installed.
PerformanceCounter& performanceCounter();
// Installs a counter (null restores the real one). The caller keeps ownership.
void setPerformanceCounter(PerformanceCounter* counter);

}  // namespace platform
