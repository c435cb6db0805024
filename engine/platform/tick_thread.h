#pragma once
// A periodic callback on a thread of its own, for the sound manager's timer on real devices.
// Ticks keep their period from the start (a late tick does not shift the ones after it), and
// stop() returns only once the thread has ended.

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "engine/platform/audio_device.h"

namespace platform {

class TickThread {
  public:
    TickThread() = default;
    ~TickThread() { stop(); }
    TickThread(const TickThread&) = delete;
    TickThread& operator=(const TickThread&) = delete;

    bool start(unsigned periodMs, TickCallback tick, void* user);
    void stop();
    bool running() const { return thread_.joinable(); }
    // Waits until the next tick has run, at most two periods; at once when not running.
    void waitForTick();

  private:
    void run();

    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    uint64_t ticks_ = 0;
    unsigned period_ = 0;
    TickCallback tick_ = nullptr;
    void* user_ = nullptr;
};

}  // namespace platform
