#include "engine/platform/headless_audio.h"

#include <algorithm>

namespace platform {

bool HeadlessAudioDevice::accepts(const AudioFormat& format) {
    return std::none_of(refused.begin(), refused.end(), [&](const AudioFormat& r) {
        return r.rate == format.rate && r.bits == format.bits && r.channels == format.channels;
    });
}

bool HeadlessAudioDevice::open(const AudioFormat& format, MixCallback mix, void* user) {
    if (failOpen || !mix || !accepts(format)) return false;
    format_ = format;
    mix_ = mix;
    mixUser_ = user;
    // Output is counted from the moment of opening, as a real device starts pulling then.
    framesMixed_ = nowMs_ * static_cast<uint64_t>(format.rate) / 1000;
    return true;
}

void HeadlessAudioDevice::close() {
    mix_ = nullptr;
    mixUser_ = nullptr;
}

bool HeadlessAudioDevice::startTimer(unsigned periodMs, TickCallback tick, void* user) {
    if (failTimer || !tick || periodMs == 0) return false;
    tick_ = tick;
    tickUser_ = user;
    period_ = periodMs;
    nextTickMs_ = nowMs_ + periodMs;
    return true;
}

void HeadlessAudioDevice::stopTimer() {
    tick_ = nullptr;
    tickUser_ = nullptr;
}

void HeadlessAudioDevice::mixUntil(uint64_t ms) {
    nowMs_ = ms;
    if (!mix_) return;
    const uint64_t target = ms * static_cast<uint64_t>(format_.rate) / 1000;
    if (target <= framesMixed_) return;
    const uint64_t frames = target - framesMixed_;
    output_.assign(static_cast<std::size_t>(frames) * format_.frameBytes(), 0);
    mix_(mixUser_, output_.data(), static_cast<int>(output_.size()));
    if (record) recorded.insert(recorded.end(), output_.begin(), output_.end());
    framesMixed_ = target;
}

void HeadlessAudioDevice::advanceMs(uint64_t ms) {
    const uint64_t end = nowMs_ + ms;
    while (tick_ && nextTickMs_ <= end) {
        mixUntil(nextTickMs_);
        nextTickMs_ += period_;
        ++tickCount_;
        tick_(tickUser_);
    }
    mixUntil(end);
}

void HeadlessAudioDevice::waitForTick() {
    if (!tick_) return;
    advanceMs(nextTickMs_ - nowMs_);
}

}  // namespace platform
