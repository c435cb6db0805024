#pragma once
// The 16 output formats the sound manager probes, index 0 to 15: odd indexes are stereo,
// (index mod 4) < 2 are 8-bit, and the rate rises every four from 8 kHz to 44.1 kHz.

#include "engine/platform/audio_device.h"

constexpr int kOutputFormats = 16;

platform::AudioFormat OutputFormat(int index);
// The format's label as the system names it; "" outside 0..15.
const char* OutputFormatLabel(int index);
