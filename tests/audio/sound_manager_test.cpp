#include "engine/audio/sound_manager.h"

#include <algorithm>

#include "engine/base/messages.h"
#include "tests/audio/sound_test_support.h"

namespace {

// How often the level rises from silence to `level` in the output.
int Starts(const std::vector<int16_t>& out, int16_t level) {
    int starts = 0;
    bool on = false;
    for (int16_t v : out) {
        const bool now = v == level;
        if (now && !on) ++starts;
        on = now;
    }
    return starts;
}

std::string Context() {
    return GetContextMessage() ? GetContextMessage() : "";
}

using SoundManagerTest = SoundTest;

TEST_F(SoundManagerTest, StartKeepsTheBestAcceptedFormat) {
    device.refused = {OutputFormat(15), OutputFormat(13), OutputFormat(3)};
    ASSERT_EQ(Sound().Start(nullptr), 1);
    EXPECT_EQ(Sound().OutputFormatIndex(), 14);
    EXPECT_FALSE(Sound().FormatAccepted(15));
    EXPECT_TRUE(Sound().FormatAccepted(0));
    EXPECT_EQ(device.format().rate, 44100);
    EXPECT_EQ(device.format().channels, 1);
    EXPECT_EQ(device.format().bits, 16);
    EXPECT_STREQ(OutputFormatLabel(14), "44.100 kHz, 16-Bit, Mono");
    EXPECT_STREQ(OutputFormatLabel(11), "22,050 kHz, 16-Bit, Stereo");
    // A second start changes nothing.
    EXPECT_EQ(Sound().Start(nullptr), 1);
}

TEST_F(SoundManagerTest, FailedStartsLeaveNoDeviceAndEveryCallDoesNothing) {
    platform::setAudioDevice(nullptr);
    EXPECT_EQ(Sound().Start(nullptr), 0);
    EXPECT_EQ(GetErrorCode(), kErrGeneral);
    EXPECT_EQ(Context(), "No available sound driver!\n");

    platform::setAudioDevice(&device);
    for (int i = 0; i < kOutputFormats; ++i) device.refused.push_back(OutputFormat(i));
    StartMessages();
    EXPECT_EQ(Sound().Start(nullptr), 0);
    EXPECT_EQ(Context(), "This WAVE format is not supported!\n");

    device.refused.clear();
    device.failOpen = true;
    StartMessages();
    EXPECT_EQ(Sound().Start(nullptr), 0);
    EXPECT_EQ(Context(), "No available sound driver!\n");

    device.failOpen = false;
    device.failTimer = true;
    StartMessages();
    EXPECT_EQ(Sound().Start(nullptr), 0);
    EXPECT_EQ(Context(), "Can't set sound timer");
    EXPECT_FALSE(device.isOpen());
    EXPECT_FALSE(Sound().HasDevice());

    writeFile("a.wav", MakeWav({}, Level16(100, 100)));
    FileHandle f = Files().Open("a.wav", "rb");
    EXPECT_EQ(Sound().LoadSample(f), -1);
    Files().Close(f);
    EXPECT_EQ(Sound().StreamFile("a.wav", 16, 255), -1);
    Sound().Play(0, 0, 1);
    Sound().StopAll();
    EXPECT_FALSE(Sound().IsChannelBusy(0));
    EXPECT_EQ(Files().OpenCount(), 0);
}

TEST_F(SoundManagerTest, TheTwoHundredFirstLoadFails) {
    start();
    const auto wav = MakeWav({}, Level16(1, 8));
    writeFile("s.wav", wav);
    FileHandle f = Files().Open("s.wav", "rb");
    for (int i = 0; i < kSampleSlots; ++i) {
        Files().Seek(f, 0, 0);
        ASSERT_EQ(Sound().LoadSample(f), i);
    }
    Files().Seek(f, 0, 0);
    EXPECT_EQ(Sound().LoadSample(f), -1);
    EXPECT_EQ(GetErrorCode(), kErrGeneral);
    EXPECT_EQ(Context(), "Can't get Sample ID");
    // A freed slot is the next one given out.
    Sound().FreeSample(57);
    Files().Seek(f, 0, 0);
    EXPECT_EQ(Sound().LoadSample(f), 57);
    Files().Close(f);
}

TEST_F(SoundManagerTest, LoadRejectsNullHandlesShortDataAndUnplayableFormats) {
    start();
    EXPECT_EQ(Sound().LoadSample(nullptr), -1);
    EXPECT_EQ(GetErrorCode(), kErrOpen);

    auto truncated = MakeWav({}, Level16(5, 100));
    truncated.resize(truncated.size() - 10);
    StartMessages();
    EXPECT_EQ(load("t.wav", truncated), -1);
    EXPECT_EQ(GetErrorCode(), kErrRead);

    StartMessages();
    EXPECT_EQ(load("b.wav", MakeWav({8000, 1, 24}, Level16(5, 30))), -1);
    EXPECT_EQ(GetErrorCode(), kErrGeneral);
    EXPECT_EQ(Context(), "This WAVE format is not supported!\n");
    EXPECT_EQ(Sound().Buffers().Count(), 0);
}

TEST_F(SoundManagerTest, RepeatCountsPlayTheSampleThatManyTimes) {
    start();
    // 80 ms of one level: the tick (every 50 ms) plays it again after a short silence.
    const int sample = load("r.wav", MakeWav({}, Level16(3000, 640)));
    ASSERT_GE(sample, 0);
    struct Case {
        int repeat;
        int plays;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{3, 3}, Case{2, 2}}) {
        Sound().Play(2, sample, c.repeat);
        const auto out = run(1000);
        EXPECT_EQ(Starts(out, 3000), c.plays) << "repeat " << c.repeat;
        EXPECT_FALSE(Sound().IsChannelBusy(2));
    }
    Sound().Play(2, sample, kRepeatForever);
    const auto out = run(2000);
    // Played looping: no gaps after the start.
    EXPECT_EQ(Starts(out, 3000), 1);
    EXPECT_EQ(out.back(), 3000);
    EXPECT_TRUE(Sound().IsChannelBusy(2));
    Sound().StopChannel(2);
    EXPECT_EQ(run(100).back(), 0);
    EXPECT_FALSE(Sound().IsChannelBusy(2));
}

TEST_F(SoundManagerTest, OnAnIdleChannelOnlyTheSecondOfTwoRequestsPlays) {
    start();
    const int a = load("a.wav", MakeWav({}, Level16(1000, 4000)));
    const int b = load("b.wav", MakeWav({}, Level16(2000, 4000)));
    Sound().Play(0, a, 1);
    Sound().Play(0, b, 1);
    EXPECT_TRUE(Sound().IsChannelBusy(0));
    const auto out = run(100);
    EXPECT_EQ(Starts(out, 1000), 0);
    EXPECT_EQ(out.back(), 2000);
}

TEST_F(SoundManagerTest, OnAPlayingChannelTheSecondRequestWaitsForTheFirstToStart) {
    start();
    const int a = load("a.wav", MakeWav({}, Level16(1000, 8000)));
    const int b = load("b.wav", MakeWav({}, Level16(2000, 8000)));
    const int c = load("c.wav", MakeWav({}, Level16(3000, 8000)));
    Sound().Play(0, a, kRepeatForever);
    EXPECT_EQ(run(60).back(), 1000);
    const uint64_t ticks = device.ticks();
    Sound().Play(0, b, 1);  // asks the tick to stop a first
    Sound().Play(0, c, 1);  // waits for that tick, which starts b
    EXPECT_EQ(device.ticks(), ticks + 1);
    EXPECT_EQ(device.lastOutput().empty() ? 0 : Samples16(device.lastOutput()).back(), 1000);
    EXPECT_EQ(run(10).back(), 2000);
    EXPECT_EQ(run(60).back(), 3000);
}

TEST_F(SoundManagerTest, StopDropsWhatIsQueued) {
    start();
    const int a = load("a.wav", MakeWav({}, Level16(1000, 4000)));
    Sound().Play(5, a, 1);
    Sound().StopChannel(5);
    EXPECT_FALSE(Sound().IsChannelBusy(5));
    EXPECT_EQ(Starts(run(200), 1000), 0);
}

TEST_F(SoundManagerTest, SettingsAreClampedStoredAndApplied) {
    start(3);  // stereo output, to see the pan
    Sound().SetFrequency(1, 50);
    EXPECT_EQ(Sound().GetFrequency(1), 100);
    Sound().SetFrequency(1, 200000);
    EXPECT_EQ(Sound().GetFrequency(1), 100000);
    Sound().SetVolume(1, 5);
    EXPECT_EQ(Sound().GetVolume(1), 0);
    Sound().SetVolume(1, -150);
    EXPECT_EQ(Sound().GetVolume(1), -100);
    Sound().SetPan(1, -300);
    EXPECT_EQ(Sound().GetPan(1), -100);
    Sound().SetPan(1, 30);
    EXPECT_EQ(Sound().GetPan(1), 30);
    Sound().SetFrequency(99, 1000);
    EXPECT_EQ(Sound().GetFrequency(99), 0);

    const int s = load("s.wav", MakeWav({}, Level16(8000, 8000)));
    Sound().SetVolume(1, -150);
    Sound().Play(1, s, 1);
    auto out = run(100);
    EXPECT_EQ(out.back(), 0) << "volume -10000 is silence";

    // Volume -6 dB halves the level; pan fully left silences the right side.
    Sound().SetVolume(1, -6);
    Sound().SetPan(1, -100);
    out = run(20);
    const int16_t left = out[out.size() - 2];
    const int16_t right = out.back();
    EXPECT_NEAR(left, 8000 / 2, 60);
    EXPECT_EQ(right, 0);
    Sound().SetPan(1, 0);
    Sound().SetVolume(1, 0);
    out = run(20);
    EXPECT_EQ(out.back(), 8000);
}

TEST_F(SoundManagerTest, PauseHoldsTheSampleAndTheTickDoesNotRepeatIt) {
    start();
    const int s = load("p.wav", MakeWav({}, Level16(1500, 8000)));
    Sound().Play(3, s, 3);
    EXPECT_EQ(run(100).back(), 1500);
    Sound().PauseChannel(3);
    EXPECT_FALSE(Sound().IsChannelBusy(3));
    const auto paused = run(500);
    EXPECT_EQ(std::count(paused.begin(), paused.end(), 1500), 0);
    Sound().ResumeChannel(3);
    EXPECT_EQ(run(20).back(), 1500);
    EXPECT_TRUE(Sound().IsChannelBusy(3));
    // The rest of the first play and two more, then quiet.
    const auto rest = run(5000);
    EXPECT_EQ(Starts(rest, 1500), 3);
    EXPECT_FALSE(Sound().IsChannelBusy(3));
    // Resume without a pause does nothing.
    Sound().ResumeChannel(3);
    EXPECT_FALSE(Sound().IsChannelBusy(3));
}

TEST_F(SoundManagerTest, APlayOnAPausedChannelReplacesThePausedSample) {
    start();
    const int a = load("a.wav", MakeWav({}, Level16(1000, 8000)));
    const int b = load("b.wav", MakeWav({}, Level16(2000, 800)));
    Sound().Play(0, a, 1);
    EXPECT_EQ(run(60).back(), 1000);
    Sound().PauseChannel(0);
    Sound().Play(0, b, 2);
    const auto out = run(1000);
    EXPECT_EQ(Starts(out, 2000), 2);
    EXPECT_EQ(std::count(out.begin(), out.end(), 1000), 0);
    // The paused sample is gone with its buffer: resuming brings nothing back.
    Sound().ResumeChannel(0);
    const auto after = run(200);
    EXPECT_EQ(std::count(after.begin(), after.end(), 1000), 0);
    EXPECT_FALSE(Sound().IsChannelBusy(0));
}

TEST_F(SoundManagerTest, FreeingAPlayingSampleStopsItsChannels) {
    start();
    const int s = load("f.wav", MakeWav({}, Level16(900, 8000)));
    Sound().Play(0, s, kRepeatForever);
    Sound().Play(1, s, kRepeatForever);
    EXPECT_EQ(run(60).back(), 1800);
    Sound().FreeSample(s);
    EXPECT_FALSE(Sound().IsSampleLoaded(s));
    EXPECT_FALSE(Sound().IsChannelBusy(0));
    EXPECT_EQ(run(60).back(), 0);
    EXPECT_EQ(Sound().Buffers().Count(), 0);
}

}  // namespace
