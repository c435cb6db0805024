// The player's music and effects levels and the mute, heard in the mixed output of real
// samples and a real stream through the headless device.

#include <algorithm>
#include <cmath>

#include "engine/audio/sound_manager.h"
#include "tests/audio/sound_test_support.h"

namespace {

constexpr int16_t kLoud = 12000;

// A square wave of kLoud: its peak and its RMS are both kLoud at the full level.
std::vector<int16_t> Square(std::size_t n) {
    std::vector<int16_t> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = (i / 8) % 2 ? kLoud : static_cast<int16_t>(-kLoud);
    return v;
}

struct Level {
    int peak = 0;
    double rms = 0;
};

Level Measure(const std::vector<int16_t>& out) {
    Level l;
    double sum = 0;
    for (int16_t v : out) {
        l.peak = std::max(l.peak, std::abs(static_cast<int>(v)));
        sum += static_cast<double>(v) * v;
    }
    l.rms = out.empty() ? 0 : std::sqrt(sum / static_cast<double>(out.size()));
    return l;
}

class VolumeTest : public SoundTest {
  protected:
    void TearDown() override {
        setLevels(10, 10, false);
        SoundTest::TearDown();
    }
    static void setLevels(int music, int effects, bool mute) {
        Sound().Buffers().SetGroupLevel(SoundGroup::Music, music);
        Sound().Buffers().SetGroupLevel(SoundGroup::Effects, effects);
        Sound().Buffers().SetMuted(mute);
    }
    // The level of the next 200 ms, once what was mixed before the change has passed.
    Level heard() {
        run(150);
        return Measure(run(200));
    }
};

TEST_F(VolumeTest, MusicAndEffectsLevelsAndTheMuteScaleOnlyWhatIsHeard) {
    start();
    const auto wave = Square(8000);  // one second, looped
    const int effect = load("shutter.wav", MakeWav({8000, 1, 16}, Pcm16(wave)));
    ASSERT_GE(effect, 0);
    writeFile("tune.wav", MakeWav({8000, 1, 16}, Pcm16(wave)));
    struct Case {
        int music;
        int effects;
        bool mute;
        int effectPeak;  // the sample alone
        int musicPeak;   // the stream alone
    };
    const Case cases[] = {
        {10, 10, false, 12000, 12000}, {5, 5, false, 6000, 6000}, {10, 5, false, 6000, 12000},
        {5, 10, false, 12000, 6000},   {0, 10, false, 12000, 0},  {10, 0, false, 0, 12000},
        {10, 10, true, 0, 0},          {1, 1, false, 1200, 1200},
    };
    Sound().Play(0, effect, kRepeatForever);
    for (const Case& c : cases) {
        setLevels(c.music, c.effects, c.mute);
        const Level l = heard();
        EXPECT_EQ(l.peak, c.effectPeak) << c.music << "/" << c.effects << " mute " << c.mute;
        EXPECT_NEAR(l.rms, c.effectPeak, 1.0);
        // The game's own volume of the channel is untouched, and the sample plays on.
        EXPECT_EQ(Sound().GetVolume(0), 0);
        EXPECT_TRUE(Sound().IsChannelBusy(0));
    }
    Sound().StopChannel(0);
    ASSERT_GE(Sound().StreamFile("tune.wav", kFirstStreamChannel, kRepeatForever), 0);
    for (const Case& c : cases) {
        setLevels(c.music, c.effects, c.mute);
        const Level l = heard();
        EXPECT_EQ(l.peak, c.musicPeak) << c.music << "/" << c.effects << " mute " << c.mute;
        EXPECT_NEAR(l.rms, c.musicPeak, 1.0);
        EXPECT_TRUE(Sound().IsChannelBusy(kFirstStreamChannel));
    }
    Sound().StopChannel(kFirstStreamChannel);
}

TEST_F(VolumeTest, ASilencedSampleEndsWhenItWouldHaveBeenHeardToEnd) {
    start();
    const int effect = load("click.wav", MakeWav({8000, 1, 16}, Pcm16(Square(800))));  // 0.1 s
    ASSERT_GE(effect, 0);
    for (const bool mute : {false, true}) {
        setLevels(10, 10, mute);
        Sound().Play(0, effect, 1);
        run(60);
        EXPECT_TRUE(Sound().IsChannelBusy(0)) << mute;
        run(200);
        EXPECT_FALSE(Sound().IsChannelBusy(0)) << mute;
    }
}

}  // namespace
