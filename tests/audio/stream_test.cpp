#include <numeric>

#include "engine/audio/sound_manager.h"
#include "engine/base/messages.h"
#include "tests/audio/sound_test_support.h"

namespace {

// Sound data whose every sample says where it is: 1, 2, 3, … (never 0, the silence).
std::vector<int16_t> Ramp(std::size_t n) {
    std::vector<int16_t> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<int16_t>(1 + i % 30000);
    return v;
}

class StreamTest : public SoundTest {
  protected:
    // At 8 kHz mono 16-bit the stream buffer is 16000 bytes, each half half a second.
    void writeStream(const std::string& name, const std::vector<int16_t>& samples) {
        writeFile(name, MakeWav({8000, 1, 16}, Pcm16(samples)));
    }
    // Output of ms milliseconds with the leading silence (before the first tick) removed.
    std::vector<int16_t> played(uint64_t ms) {
        auto out = run(ms);
        out.erase(out.begin(), std::find_if(out.begin(), out.end(), [](int16_t v) { return v; }));
        return out;
    }
};

TEST_F(StreamTest, PlaysTheDataOnceThenStopsAndClosesTheFile) {
    start();
    const auto data = Ramp(8000 * 13 / 10);  // 1.3 s: the end lies inside the third half
    writeStream("TAP/once.wav", data);
    const int id = Sound().StreamFile("tap\\ONCE.wav", 16, 1);
    ASSERT_GE(id, 0);
    EXPECT_TRUE(Sound().IsChannelBusy(16));
    EXPECT_EQ(Files().OpenCount(), 1);
    const auto out = played(3000);
    ASSERT_GE(out.size(), data.size());
    EXPECT_TRUE(std::equal(data.begin(), data.end(), out.begin()));
    EXPECT_TRUE(std::all_of(out.begin() + static_cast<std::ptrdiff_t>(data.size()), out.end(),
                            [](int16_t v) { return v == 0; }));
    EXPECT_FALSE(Sound().IsChannelBusy(16));
    // The file is closed by the next call on the game thread.
    Sound().StopChannel(16);
    EXPECT_EQ(Files().OpenCount(), 0);
    EXPECT_TRUE(Sound().IsSampleLoaded(id));
}

TEST_F(StreamTest, RepeatsForeverFromTheDataStartWhenTheFileEndsInsideAHalf) {
    start();
    const auto data = Ramp(8000 * 7 / 10);  // 0.7 s
    writeStream("loop.wav", data);
    ASSERT_GE(Sound().StreamFile("loop.wav", 17, kRepeatForever), 0);
    const auto out = played(5000);
    ASSERT_GT(out.size(), 6 * data.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
        ASSERT_EQ(out[i], data[i % data.size()]) << "at sample " << i;
    }
    EXPECT_TRUE(Sound().IsChannelBusy(17));
    Sound().StopChannel(17);
    EXPECT_FALSE(Sound().IsChannelBusy(17));
    EXPECT_EQ(Files().OpenCount(), 0);
    EXPECT_EQ(run(100).back(), 0);
}

TEST_F(StreamTest, ARepeatCountPlaysTheFileThatManyTimes) {
    start();
    const auto data = Ramp(8000 * 6 / 10);
    writeStream("twice.wav", data);
    ASSERT_GE(Sound().StreamFile("twice.wav", 16, 2), 0);
    const auto out = played(4000);
    std::vector<int16_t> expected = data;
    expected.insert(expected.end(), data.begin(), data.end());
    ASSERT_GE(out.size(), expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), out.begin()));
    EXPECT_TRUE(std::all_of(out.begin() + static_cast<std::ptrdiff_t>(expected.size()), out.end(),
                            [](int16_t v) { return v == 0; }));
    EXPECT_FALSE(Sound().IsChannelBusy(16));
}

TEST_F(StreamTest, FilesShorterThanTheBufferPlayAndEnd) {
    start();
    const auto data = Ramp(8000 * 3 / 10);
    writeStream("short.wav", data);
    ASSERT_GE(Sound().StreamFile("short.wav", 16, 1), 0);
    const auto out = played(2000);
    ASSERT_GE(out.size(), data.size());
    EXPECT_TRUE(std::equal(data.begin(), data.end(), out.begin()));
    EXPECT_FALSE(Sound().IsChannelBusy(16));

    // 8-bit sound ends in its own silence (the middle value), not in a jump to zero.
    std::vector<uint8_t> bytes(2000, 0xC0);
    writeFile("short8.wav", MakeWav({8000, 1, 8}, bytes));
    ASSERT_GE(Sound().StreamFile("short8.wav", 17, 1), 0);
    const auto out8 = run(1000);
    EXPECT_EQ(std::count(out8.begin(), out8.end(), static_cast<int16_t>(0x40 << 8)), 2000);
    EXPECT_TRUE(std::all_of(out8.begin(), out8.end(),
                            [](int16_t v) { return v == 0 || v == (0x40 << 8); }));
}

TEST_F(StreamTest, ANewStreamReplacesTheOldOneAndMissingFilesFail) {
    start();
    writeStream("a.wav", Ramp(16000));
    writeStream("b.wav", Ramp(16000));
    const int a = Sound().StreamFile("a.wav", 16, kRepeatForever);
    run(200);
    const int b = Sound().StreamFile("b.wav", 16, kRepeatForever);
    // The old stream's slot and buffer were given back first, so the new one takes the slot.
    EXPECT_EQ(b, a);
    EXPECT_EQ(Sound().Buffers().Count(), 1);
    EXPECT_EQ(Files().OpenCount(), 1);

    EXPECT_EQ(Sound().StreamFile("tap\\missing.wav", 16, 1), -1);
    EXPECT_EQ(GetErrorCode(), kErrOpen);
    EXPECT_EQ(Sound().StreamFile("a.wav", 15, 1), -1);
    EXPECT_FALSE(Sound().IsChannelBusy(16));
    EXPECT_EQ(Files().OpenCount(), 0);
}

TEST_F(StreamTest, PauseHoldsTheStreamWhereItIs) {
    start();
    const auto data = Ramp(8000 * 2);
    writeStream("p.wav", data);
    ASSERT_GE(Sound().StreamFile("p.wav", 16, 1), 0);
    auto first = run(700);
    Sound().PauseChannel(16);
    const auto silent = run(2000);
    EXPECT_TRUE(std::all_of(silent.begin(), silent.end(), [](int16_t v) { return v == 0; }));
    Sound().ResumeChannel(16);
    const auto rest = run(2000);
    first.insert(first.end(), rest.begin(), rest.end());
    first.erase(first.begin(),
                std::find_if(first.begin(), first.end(), [](int16_t v) { return v; }));
    ASSERT_GE(first.size(), data.size());
    EXPECT_TRUE(std::equal(data.begin(), data.end(), first.begin()));
}

}  // namespace
