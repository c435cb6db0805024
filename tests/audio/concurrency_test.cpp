// The game thread's requests against a tick and a mixer on threads of their own, as on a real
// device. Run under ThreadSanitizer, this is the check that the hand-over is race-free.
#include <atomic>
#include <chrono>
#include <thread>

#include "engine/audio/sound_manager.h"
#include "engine/platform/tick_thread.h"
#include "tests/audio/sound_test_support.h"

namespace {

// A device whose mixer runs on its own thread as fast as it can and whose timer ticks every
// millisecond.
class ThreadedDevice final : public platform::AudioDevice {
  public:
    ~ThreadedDevice() override {
        stopTimer();
        close();
    }
    bool accepts(const platform::AudioFormat&) override { return true; }
    bool open(const platform::AudioFormat& format, platform::MixCallback mix, void* user) override {
        running_ = true;
        mixer_ = std::thread([this, format, mix, user] {
            std::vector<uint8_t> out(256 * static_cast<std::size_t>(format.frameBytes()));
            while (running_) {
                mix(user, out.data(), static_cast<int>(out.size()));
                std::this_thread::yield();
            }
        });
        return true;
    }
    void close() override {
        running_ = false;
        if (mixer_.joinable()) mixer_.join();
    }
    unsigned minTimerPeriod() const override { return 1; }
    unsigned maxTimerPeriod() const override { return 1; }
    bool startTimer(unsigned periodMs, platform::TickCallback tick, void* user) override {
        return timer_.start(periodMs, tick, user);
    }
    void stopTimer() override { timer_.stop(); }
    bool timerRunning() const override { return timer_.running(); }
    void waitForTick() override { timer_.waitForTick(); }

  private:
    std::atomic<bool> running_{false};
    std::thread mixer_;
    platform::TickThread timer_;
};

using ConcurrencyTest = AudioDeviceTest<ThreadedDevice>;

TEST_F(ConcurrencyTest, RequestsMeetTheTickAndTheMixerSafely) {
    ASSERT_EQ(Sound().Start(nullptr), 1);
    writeFile("a.wav", MakeWav({22050, 1, 16}, Level16(1000, 300)));
    writeFile("loop.wav", MakeWav({8000, 1, 16}, Level16(500, 900)));
    FileHandle f = Files().Open("a.wav", "rb");
    int samples[4];
    for (int& s : samples) {
        Files().Seek(f, 0, 0);
        s = Sound().LoadSample(f);
        ASSERT_GE(s, 0);
    }
    Files().Close(f);

    for (int round = 0; round < 60; ++round) {
        const int channel = round % kSampleChannels;
        Sound().Play(channel, samples[round % 4], round % 5 == 0 ? kRepeatForever : round % 4);
        Sound().SetVolume(channel, -(round % 30));
        Sound().SetPan(channel, round % 200 - 100);
        Sound().SetFrequency(channel, 8000 + 100 * round);
        if (round % 3 == 0) Sound().Play(channel, samples[(round + 1) % 4], 1);
        if (round % 4 == 0) Sound().PauseChannel(channel);
        if (round % 4 == 1) Sound().ResumeChannel(channel);
        if (round % 6 == 0) Sound().StopChannel(channel);
        if (round % 10 == 0) {
            ASSERT_GE(Sound().StreamFile("loop.wav", 16 + round % 20 / 10, round % 3), 0);
        }
        if (round % 15 == 14) Sound().StopChannel(16);
        (void)Sound().IsChannelBusy(channel);
    }
    // Reloading over a freed slot while channels still play it.
    Sound().FreeSample(samples[2]);
    Sound().StopAll();
    // A sample channel's stop is carried out by the next tick; until then the channel counts
    // as busy.
    const auto anyBusy = [] {
        for (int ch = 0; ch < kSoundChannels; ++ch) {
            if (Sound().IsChannelBusy(ch)) return true;
        }
        return false;
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (anyBusy() && std::chrono::steady_clock::now() < deadline) device.waitForTick();
    for (int ch = 0; ch < kSoundChannels; ++ch) EXPECT_FALSE(Sound().IsChannelBusy(ch)) << ch;
    EXPECT_EQ(Files().OpenCount(), 0);
}

}  // namespace
