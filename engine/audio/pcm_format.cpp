#include "engine/audio/pcm_format.h"

bool IsPlayablePcm(const PcmFormat& f) {
    if (f.formatTag != kWaveFormatPcm) return false;
    if (f.channels != 1 && f.channels != 2) return false;
    if (f.bitsPerSample != 8 && f.bitsPerSample != 16) return false;
    if (f.samplesPerSec < 100 || f.samplesPerSec > 100000) return false;
    if (f.blockAlign != f.channels * f.bitsPerSample / 8) return false;
    return f.avgBytesPerSec == f.samplesPerSec * f.blockAlign;
}
