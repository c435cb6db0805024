#pragma once
// The PCM format of a WAV "fmt" chunk, as the sound buffers take it.

#include <cstdint>

struct PcmFormat {
    uint16_t formatTag = 0;  // 1 = PCM
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
};

constexpr uint16_t kWaveFormatPcm = 1;

// 8- or 16-bit PCM, mono or stereo, 100 Hz to 100 kHz, with block alignment and byte rate
// matching the other fields: the formats the sound buffers can play.
bool IsPlayablePcm(const PcmFormat& format);
