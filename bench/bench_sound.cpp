// The sound manager's cost for one second of sound: 16 sample channels (looping, each at its
// own frequency and pan) and 2 streams, mixed into 44.1 kHz 16-bit stereo, with the twenty
// ticks of that second (refills read from the files). Reported as a fraction of one core.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "bench/scratch_dir.h"
#include "engine/audio/output_formats.h"
#include "engine/audio/sound_manager.h"
#include "engine/base/messages.h"
#include "engine/platform/headless_audio.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/little_endian.h"

namespace {

std::vector<uint8_t> Wav(unsigned rate, unsigned channels, unsigned seconds) {
    const unsigned block = channels * 2;
    const uint32_t bytes = rate * block * seconds;
    std::vector<uint8_t> out;
    out.reserve(44 + static_cast<std::size_t>(bytes));
    auto tag = [&](const char* s) { out.insert(out.end(), s, s + 4); };
    tag("RIFF");
    AppendLE32(out, 36 + bytes);
    tag("WAVE");
    tag("fmt ");
    AppendLE32(out, 16);
    AppendLE16(out, 1);
    AppendLE16(out, static_cast<uint16_t>(channels));
    AppendLE32(out, rate);
    AppendLE32(out, rate * block);
    AppendLE16(out, static_cast<uint16_t>(block));
    AppendLE16(out, 16);
    tag("data");
    AppendLE32(out, bytes);
    for (uint32_t i = 0; i < bytes / 2; ++i) {
        AppendLE16(out, static_cast<uint16_t>(static_cast<int16_t>(8000 * std::sin(i * 0.05))));
    }
    return out;
}

void Write(const char* name, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(name, "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

void BM_MixOneSecond_16Samples_2Streams(benchmark::State& state) {
    const ScratchDir scratch("ravez-bench-sound-" + std::to_string(::getpid()));
    StartMessages();
    Files().Startup();

    platform::HeadlessAudioDevice device;
    platform::setAudioDevice(&device);
    Sound().Start(nullptr);
    Write("effect.wav", Wav(22050, 1, 2));
    Write("stream_a.wav", Wav(44100, 2, 4));
    Write("stream_b.wav", Wav(22050, 2, 4));
    FileHandle f = Files().Open("effect.wav", "rb");
    const int sample = Sound().LoadSample(f);
    Files().Close(f);
    for (int ch = 0; ch < kSampleChannels; ++ch) {
        Sound().SetFrequency(ch, 11025 + ch * 2000);
        Sound().SetPan(ch, ch * 12 - 90);
        Sound().SetVolume(ch, -ch);
        Sound().Play(ch, sample, kRepeatForever);
    }
    Sound().StreamFile("stream_a.wav", 16, kRepeatForever);
    Sound().StreamFile("stream_b.wav", 17, kRepeatForever);
    device.advanceMs(100);

    const auto begin = std::chrono::steady_clock::now();
    for (auto _ : state) device.advanceMs(1000);
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - begin;
    // Each iteration is one second of sound: the share of one core that sound takes.
    state.counters["core_percent"] =
        100.0 * spent.count() / static_cast<double>(state.iterations());

    Sound().Shutdown();
    platform::setAudioDevice(nullptr);
    Files().Shutdown();
}
BENCHMARK(BM_MixOneSecond_16Samples_2Streams)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
