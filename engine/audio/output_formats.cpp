#include "engine/audio/output_formats.h"

namespace {

constexpr const char* kLabels[kOutputFormats] = {
    "8.000 kHz, 8-Bit, Mono",     "8.000 kHz, 8-Bit, Stereo",   "8.000 kHz, 16-Bit, Mono",
    "8.000 kHz, 16-Bit, Stereo",  "11.025 kHz, 8-Bit, Mono",    "11.025 kHz, 8-Bit, Stereo",
    "11.025 kHz, 16-Bit, Mono",   "11.025 kHz, 16-Bit, Stereo", "22.050 kHz, 8-Bit, Mono",
    "22.050 kHz, 8-Bit, Stereo",  "22.050 kHz, 16-Bit, Mono",   "22,050 kHz, 16-Bit, Stereo",
    "44.100 kHz, 8-Bit, Mono",    "44.100 kHz, 8-Bit, Stereo",  "44.100 kHz, 16-Bit, Mono",
    "44.100 kHz, 16-Bit, Stereo",
};

constexpr int kRates[4] = {8000, 11025, 22050, 44100};

}  // namespace

platform::AudioFormat OutputFormat(int index) {
    if (index < 0 || index >= kOutputFormats) return {};
    platform::AudioFormat format;
    format.channels = (index % 2) ? 2 : 1;
    format.bits = (index % 4) < 2 ? 8 : 16;
    format.rate = kRates[index / 4];
    return format;
}

const char* OutputFormatLabel(int index) {
    if (index < 0 || index >= kOutputFormats) return "";
    return kLabels[index];
}
