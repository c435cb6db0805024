#pragma once
// WAV files written by the tests, and a sound manager started on the headless device.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/audio/output_formats.h"
#include "engine/audio/sound_manager.h"
#include "engine/platform/headless_audio.h"
#include "tests/support/test_env.h"

struct WavLayout {
    unsigned rate = 8000;
    unsigned channels = 1;
    unsigned bits = 16;
};

// A RIFF WAV file around the sound data; extra chunks go between "fmt " and "data".
inline std::vector<uint8_t> MakeWav(const WavLayout& layout, const std::vector<uint8_t>& data,
                                    const std::vector<uint8_t>& extraChunks = {}) {
    const unsigned block = layout.channels * layout.bits / 8;
    Bytes b;
    b.text("RIFF").u32(static_cast<uint32_t>(4 + 24 + extraChunks.size() + 8 + data.size()));
    b.text("WAVE").text("fmt ").u32(16);
    b.u16(1)
        .u16(layout.channels)
        .u32(layout.rate)
        .u32(layout.rate * block)
        .u16(block)
        .u16(layout.bits);
    b.append(extraChunks);
    b.text("data").u32(static_cast<uint32_t>(data.size())).append(data);
    return b.data;
}

// 16-bit samples as little-endian bytes.
inline std::vector<uint8_t> Pcm16(const std::vector<int16_t>& samples) {
    std::vector<uint8_t> bytes;
    for (int16_t s : samples) {
        bytes.push_back(static_cast<uint8_t>(s & 0xFF));
        bytes.push_back(static_cast<uint8_t>((s >> 8) & 0xFF));
    }
    return bytes;
}

// n samples of one value: a level that is easy to recognise in the mixed output.
inline std::vector<uint8_t> Level16(int16_t value, std::size_t n) {
    return Pcm16(std::vector<int16_t>(n, value));
}

// 16-bit values of recorded output.
inline std::vector<int16_t> Samples16(const std::vector<uint8_t>& bytes) {
    std::vector<int16_t> out(bytes.size() / 2);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    }
    return out;
}

// The sound manager's device for the test; the manager is shut down after it.
template <class Device>
class AudioDeviceTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        platform::setAudioDevice(&device);
    }
    void TearDown() override {
        Sound().Shutdown();
        platform::setAudioDevice(nullptr);
        EngineTest::TearDown();
    }

    Device device;
};

class SoundTest : public AudioDeviceTest<platform::HeadlessAudioDevice> {
  protected:
    // Starts the manager with only this output format accepted (mono 16-bit at 8 kHz by
    // default: one output sample per source sample, so levels and sequences compare exactly).
    void start(int onlyFormat = 2) {
        for (int i = 0; i < kOutputFormats; ++i) {
            if (i != onlyFormat) device.refused.push_back(OutputFormat(i));
        }
        ASSERT_EQ(Sound().Start(nullptr), 1);
    }

    // Loads a WAV file written to the working directory.
    int load(const std::string& name, const std::vector<uint8_t>& wav) {
        writeFile(name, wav);
        FileHandle f = Files().Open(name.c_str(), "rb");
        const int id = Sound().LoadSample(f);
        Files().Close(f);
        return id;
    }

    // The output of the next ms milliseconds, one value per output sample.
    std::vector<int16_t> run(uint64_t ms) {
        device.record = true;
        device.recorded.clear();
        device.advanceMs(ms);
        return Samples16(device.recorded);
    }
};
