#include "engine/audio/sound_buffers.h"

#include <cstring>

#include "engine/audio/sound_result.h"
#include "tests/audio/sound_test_support.h"

namespace {

PcmFormat Pcm(uint32_t rate, uint16_t channels, uint16_t bits) {
    PcmFormat f;
    f.formatTag = kWaveFormatPcm;
    f.channels = channels;
    f.samplesPerSec = rate;
    f.bitsPerSample = bits;
    f.blockAlign = static_cast<uint16_t>(channels * bits / 8);
    f.avgBytesPerSec = rate * f.blockAlign;
    return f;
}

class SoundBuffersTest : public EngineTest {
  protected:
    // Mixes frames of output; returns the 16-bit values.
    std::vector<int16_t> mix(int frames) {
        const platform::AudioFormat out = buffers.Output();
        std::vector<uint8_t> bytes(static_cast<std::size_t>(frames) * out.frameBytes());
        buffers.Mix(bytes.data(), static_cast<int>(bytes.size()));
        return out.bits == 16 ? Samples16(bytes) : std::vector<int16_t>(bytes.begin(), bytes.end());
    }
    int create(const PcmFormat& format, const std::vector<uint8_t>& data) {
        int id = -1;
        EXPECT_EQ(buffers.Create(format, static_cast<uint32_t>(data.size()), &id), kSoundOk);
        EXPECT_EQ(buffers.Write(id, 0, data.data(), static_cast<uint32_t>(data.size())), kSoundOk);
        return id;
    }
    uint32_t position(int id) {
        uint32_t p = 0;
        EXPECT_EQ(buffers.GetPosition(id, &p), kSoundOk);
        return p;
    }
    uint32_t status(int id) {
        uint32_t s = 0;
        EXPECT_EQ(buffers.Status(id, &s), kSoundOk);
        return s;
    }
    void TearDown() override {
        buffers.ReleaseAll();
        EngineTest::TearDown();
    }

    SoundBuffers buffers;
};

TEST_F(SoundBuffersTest, CursorFollowsTheFrequencyAndStopsAtTheEnd) {
    buffers.SetOutput({44100, 2, 16});
    const int id = create(Pcm(11025, 1, 16), Level16(100, 11025));
    ASSERT_EQ(buffers.Play(id, false), kSoundOk);
    EXPECT_EQ(status(id), kBufferPlaying);
    mix(22050);
    EXPECT_NEAR(position(id), 11025u, 2u);
    ASSERT_EQ(buffers.SetFrequency(id, 22050), kSoundOk);
    const auto out = mix(11025 + 100);
    EXPECT_EQ(status(id), 0u);
    EXPECT_EQ(position(id), 0u);
    EXPECT_EQ(out[2 * 11000], 100);
    EXPECT_EQ(out.back(), 0);
}

TEST_F(SoundBuffersTest, LoopingWrapsAndDuplicatesHaveTheirOwnCursor) {
    buffers.SetOutput({8000, 1, 16});
    const int id = create(Pcm(8000, 1, 16), Pcm16({1, 2, 3, 4, 5, 6, 7, 8}));
    int dup = -1;
    ASSERT_EQ(buffers.Duplicate(id, &dup), kSoundOk);
    buffers.Play(id, true);
    EXPECT_EQ(mix(11), (std::vector<int16_t>{1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3}));
    EXPECT_EQ(status(id), kBufferPlaying | kBufferLooping);
    buffers.Stop(id);
    buffers.Play(dup, false);
    EXPECT_EQ(mix(3), (std::vector<int16_t>{1, 2, 3}));
    // The original goes first; its data stays until the duplicate is gone.
    buffers.Release(id);
    EXPECT_EQ(buffers.Count(), 1);
    EXPECT_EQ(mix(6), (std::vector<int16_t>{4, 5, 6, 7, 8, 0}));
    EXPECT_EQ(buffers.Play(id, false), kSoundInvalidParameter);
    buffers.Release(dup);
    EXPECT_EQ(buffers.Count(), 0);
}

TEST_F(SoundBuffersTest, ResamplingInterpolatesBetweenSamples) {
    buffers.SetOutput({16000, 1, 16});
    const int id = create(Pcm(8000, 1, 16), Pcm16({0, 1000, 2000, 3000}));
    buffers.Play(id, false);
    EXPECT_EQ(mix(8), (std::vector<int16_t>{0, 500, 1000, 1500, 2000, 2500, 3000, 3000}));
}

TEST_F(SoundBuffersTest, StereoSourcesSumAndClipInEveryOutputFormat) {
    const int a = create(Pcm(8000, 2, 16), Pcm16({30000, -30000, 30000, -30000}));
    const int b = create(Pcm(8000, 1, 8), std::vector<uint8_t>(2, 0xFF));
    buffers.SetOutput({8000, 2, 16});
    buffers.Play(a, false);
    buffers.Play(b, false);
    EXPECT_EQ(mix(1), (std::vector<int16_t>{32767, -30000 + 127 * 256}));
    buffers.SetOutput({8000, 2, 8});
    buffers.Stop(b);
    buffers.SetPosition(a, 0);
    buffers.Play(a, false);
    EXPECT_EQ(mix(1), (std::vector<int16_t>{(30000 >> 8) + 128, (-30000 >> 8) + 128}));
    buffers.SetOutput({8000, 1, 8});
    EXPECT_EQ(mix(2), (std::vector<int16_t>{128, 128}));
}

TEST_F(SoundBuffersTest, RefusesWhatItCannotPlay) {
    int id = -1;
    PcmFormat odd = Pcm(8000, 1, 16);
    odd.avgBytesPerSec = 1;
    EXPECT_EQ(buffers.Create(odd, 100, &id), kSoundBadFormat);
    EXPECT_EQ(buffers.Create(Pcm(8000, 3, 16), 100, &id), kSoundBadFormat);
    EXPECT_EQ(buffers.Create(Pcm(50, 1, 16), 100, &id), kSoundBadFormat);
    EXPECT_EQ(buffers.Create(Pcm(8000, 2, 16), 2, &id), kSoundInvalidParameter);
    id = create(Pcm(8000, 1, 16), Level16(1, 10));
    EXPECT_EQ(buffers.SetVolume(id, 1), kSoundInvalidParameter);
    EXPECT_EQ(buffers.SetPan(id, 10001), kSoundInvalidParameter);
    EXPECT_EQ(buffers.SetFrequency(id, 99), kSoundInvalidParameter);
    EXPECT_EQ(buffers.Write(id, 18, Level16(1, 2).data(), 4), kSoundInvalidParameter);
    EXPECT_EQ(buffers.Play(-1, false), kSoundInvalidParameter);

    char text[64];
    SoundResultText(kSoundBufferLost, text, sizeof text);
    EXPECT_STREQ(text, "Buffer lost!\n");
    SoundResultText(0x1234, text, sizeof text);
    EXPECT_STREQ(text, "Unknown Errorcode!!: 1234\n");
}

}  // namespace
