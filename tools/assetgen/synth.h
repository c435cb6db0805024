#pragma once
// A small synthesiser for the data set's sounds: plucked and sustained instruments, drums,
// surf and crowd ambience, rendered into loops that wrap seamlessly (a note ringing past the
// end continues at the start), and RIFF WAV files.

#include <cstdint>
#include <vector>

#include "tools/assetgen/output.h"

namespace gen {

constexpr int kSampleRate = 22050;

using Samples = std::vector<float>;

enum class Voice { Marimba, Piano, Pad, Bass, Organ, Steel, Guitar, Bleep };
enum class Ambience { None, Surf, Crowd, Room, Monitor };

struct Song {
    uint32_t seed;
    int tempo;  // beats per minute
    int bars;   // four beats each
    int root;   // MIDI note of the key
    bool minor;
    Voice lead, chords;
    bool bass, drums;
    Ambience ambience;
    float swing;  // 0 straight
};

// A loop of the song (bars × 4 beats), seamless when repeated.
Samples RenderSong(const Song& song);
// Adds one note (MIDI pitch) at a start time; samples past the end wrap when wrap is set.
void AddNote(Samples& out, Voice voice, int pitch, double start, double length, float gain,
             bool wrap);
Samples Click();
Samples Shutter();
// 16-bit PCM WAV, mono, or the same signal on both channels.
Bytes Wav(const Samples& samples, int channels = 1);
std::vector<int16_t> ToPcm(const Samples& samples, int channels);

}  // namespace gen
