// Feeds arbitrary bytes to the WAV header reader, the sample loader and the stream player
// (on the headless sound device, whose clock is moved on far enough for refills and ends).
#include <cstdint>
#include <cstdlib>

#include "engine/audio/output_formats.h"
#include "engine/audio/sound_manager.h"
#include "engine/audio/wav_header.h"
#include "engine/platform/headless_audio.h"
#include "fuzz/fuzz_support.h"

namespace {

platform::HeadlessAudioDevice& Device() {
    static platform::HeadlessAudioDevice device = [] {
        platform::HeadlessAudioDevice d;
        // The smallest output keeps the mixing per run cheap.
        for (int i = 1; i < kOutputFormats; ++i) d.refused.push_back(OutputFormat(i));
        return d;
    }();
    return device;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietEngineOnce();
    if (!fuzz::WriteFuzzInput("sound.wav", data, size)) std::abort();
    platform::setAudioDevice(&Device());
    if (!Sound().HasDevice() && Sound().Start(nullptr) != 1) std::abort();

    FileHandle f = Files().Open("sound.wav", "rb");
    PcmFormat format;
    uint32_t length = 0;
    ParseWavHeader(f, &format, &length);
    Files().Seek(f, 0, 0);
    const int sample = Sound().LoadSample(f);
    Files().Close(f);
    if (sample >= 0) {
        Sound().Play(0, sample, size > 0 ? data[0] : 1);
        Device().advanceMs(120);
        Sound().FreeSample(sample);
    }

    if (Sound().StreamFile("sound.wav", 16, size > 1 ? data[1] % 4 : 1) >= 0) {
        Device().advanceMs(1600);
        Sound().StopChannel(16);
    }
    Sound().StopAll();
    if (Files().OpenCount() != 0) std::abort();
    return 0;
}
