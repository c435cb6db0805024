// The synthesiser.

#include "tools/assetgen/synth.h"

#include <algorithm>
#include <cmath>

#include "engine/resources/little_endian.h"
#include "tools/assetgen/noise.h"

namespace gen {

namespace {

constexpr double kTwoPi = 6.283185307179586;

double Frequency(int pitch) {
    return 440.0 * std::pow(2.0, (pitch - 69) / 12.0);
}

float Wave(Voice v, double phase, double t, double length) {
    const double s = std::sin(phase);
    switch (v) {
        case Voice::Marimba:
            return static_cast<float>((s + 0.3 * std::sin(4 * phase)) * std::exp(-t * 9));
        case Voice::Piano:
            return static_cast<float>(
                (s + 0.4 * std::sin(2 * phase + std::sin(phase)) + 0.15 * std::sin(3 * phase)) *
                std::exp(-t * 3.5));
        case Voice::Pad: {
            const double env =
                std::min(1.0, t / 0.3) * std::min(1.0, std::max(0.0, (length - t) / 0.3));
            return static_cast<float>(
                (s + 0.5 * std::sin(phase * 1.003) + 0.25 * std::sin(2 * phase)) * env * 0.6);
        }
        case Voice::Bass:
            return static_cast<float>((s + 0.3 * std::sin(2 * phase)) * std::exp(-t * 2.5));
        case Voice::Organ: {
            const double env =
                std::min(1.0, t / 0.02) * std::min(1.0, std::max(0.0, (length - t) / 0.05));
            return static_cast<float>((s + 0.5 * std::sin(2 * phase) + 0.3 * std::sin(3 * phase)) *
                                      env * 0.6);
        }
        case Voice::Steel:
            return static_cast<float>(
                (s + 0.5 * std::sin(2.01 * phase) + 0.3 * std::sin(3.98 * phase)) *
                std::exp(-t * 4));
        case Voice::Guitar: {
            double saw = 0;
            for (int k = 1; k <= 6; ++k)
                saw += std::sin(k * phase) / k * std::exp(-t * (2 + k * 1.5));
            return static_cast<float>(saw * 0.8);
        }
        case Voice::Bleep: {
            const double env = std::min(1.0, std::max(0.0, (length - t) / 0.02));
            return static_cast<float>((s > 0 ? 0.5 : -0.5) * env);
        }
    }
    return 0;
}

}  // namespace

void AddNote(Samples& out, Voice voice, int pitch, double start, double length, float gain,
             bool wrap) {
    const double f = Frequency(pitch);
    const double ring = voice == Voice::Pad || voice == Voice::Organ || voice == Voice::Bleep
                            ? length
                            : std::max(length, 1.2);
    const long first = static_cast<long>(start * kSampleRate);
    const long count = static_cast<long>(ring * kSampleRate);
    const long n = static_cast<long>(out.size());
    for (long k = 0; k < count; ++k) {
        long at = first + k;
        if (at >= n) {
            if (!wrap) break;
            at %= n;
        }
        const double t = static_cast<double>(k) / kSampleRate;
        const double attack = std::min(1.0, t / 0.004);
        out[static_cast<size_t>(at)] +=
            gain * static_cast<float>(attack) * Wave(voice, kTwoPi * f * t, t, length);
    }
}

namespace {

void Drum(Samples& out, int kind, double start, float gain, uint32_t seed) {
    const long first = static_cast<long>(start * kSampleRate), n = static_cast<long>(out.size());
    const long count = kSampleRate / (kind == 0 ? 4 : 10);
    float low = 0;
    for (long k = 0; k < count; ++k) {
        const double t = static_cast<double>(k) / kSampleRate;
        float v;
        if (kind == 0) {  // kick
            v = static_cast<float>(std::sin(kTwoPi * (55 * t + 60 * (1 - std::exp(-t * 30)) / 30)) *
                                   std::exp(-t * 12));
        } else {  // shaker / hat
            const float noise = Hash01(static_cast<int>(k), kind, seed) * 2 - 1;
            low += 0.5f * (noise - low);
            v = (noise - low) * static_cast<float>(std::exp(-t * (kind == 1 ? 60 : 25)));
        }
        out[static_cast<size_t>((first + k) % n)] += gain * v;
    }
}

void AddAmbience(Samples& out, Ambience a, uint32_t seed) {
    const size_t n = out.size();
    if (a == Ambience::None) return;
    if (a == Ambience::Monitor) {
        for (double t = 0.5; t < static_cast<double>(n) / kSampleRate; t += 1.0)
            AddNote(out, Voice::Bleep, 93, t, 0.08, 0.12f, true);
        return;
    }
    // Filtered noise, run twice round the loop so that its end meets its start.
    float lp = 0, lp2 = 0;
    Samples noise(n);
    for (int pass = 0; pass < 2; ++pass)
        for (size_t k = 0; k < n; ++k) {
            const float w = Hash01(static_cast<int>(k), 3, seed) * 2 - 1;
            const float cut = a == Ambience::Surf ? 0.08f : a == Ambience::Crowd ? 0.15f : 0.03f;
            lp += cut * (w - lp);
            lp2 += cut * (lp - lp2);
            noise[k] = lp2;
        }
    const double seconds = static_cast<double>(n) / kSampleRate;
    const int swells = std::max(1, static_cast<int>(seconds / 4));  // whole periods in the loop
    for (size_t k = 0; k < n; ++k) {
        const double t = static_cast<double>(k) / kSampleRate;
        double env = 0.5;
        if (a == Ambience::Surf)
            env = 0.35 + 0.65 * std::pow(0.5 + 0.5 * std::sin(kTwoPi * swells * t / seconds), 2.0);
        if (a == Ambience::Crowd)
            env = 0.6 + 0.4 * std::sin(kTwoPi * 3 * swells * t / seconds + std::sin(t));
        out[k] += static_cast<float>(env) * noise[k] *
                  (a == Ambience::Surf    ? 3.2f
                   : a == Ambience::Crowd ? 2.0f
                                          : 1.2f);
    }
    if (a == Ambience::Surf)  // gulls
        for (int k = 0; k < 2; ++k) {
            const double t = seconds * (0.2 + 0.45 * k);
            for (int c = 0; c < 3; ++c)
                AddNote(out, Voice::Pad, 88 - c, t + c * 0.18, 0.15, 0.05f, true);
        }
}

}  // namespace

Samples RenderSong(const Song& song) {
    const double beat = 60.0 / song.tempo;
    const int beats = song.bars * 4;
    Samples out(static_cast<size_t>(beats * beat * kSampleRate));
    Rng rng(song.seed);
    const int major[7] = {0, 2, 4, 5, 7, 9, 11}, minor[7] = {0, 2, 3, 5, 7, 8, 10};
    const int* scale = song.minor ? minor : major;
    static const int kProgressions[4][4] = {{0, 4, 5, 3}, {0, 5, 3, 4}, {0, 3, 4, 4}, {5, 3, 0, 4}};
    const int* prog = kProgressions[song.seed % 4];
    auto degreePitch = [&](int degree, int octave) {
        const int d = ((degree % 7) + 7) % 7;
        return song.root + 12 * octave + scale[d] + 12 * (degree < 0 ? -1 : degree / 7);
    };
    int melody = 2;
    for (int bar = 0; bar < song.bars; ++bar) {
        const int chord = prog[bar % 4];
        const double t0 = bar * 4 * beat;
        // Chords: the triad of the bar's degree.
        for (int k = 0; k < 3; ++k) {
            if (song.chords == Voice::Pad || song.chords == Voice::Organ)
                AddNote(out, song.chords, degreePitch(chord + 2 * k, 0), t0, 4 * beat, 0.10f, true);
            else
                for (int b = 0; b < 4; ++b)
                    AddNote(out, song.chords, degreePitch(chord + 2 * k, 0),
                            t0 + b * beat + (static_cast<float>(b % 2)) * song.swing * beat, beat,
                            0.07f, true);
        }
        if (song.bass)
            for (int b = 0; b < 4; b += 2)
                AddNote(out, Voice::Bass, degreePitch(chord, -1) - 12 + (b ? 7 : 0) * 0,
                        t0 + b * beat, 2 * beat, 0.28f, true);
        if (song.drums)
            for (int e = 0; e < 8; ++e) {
                if (e % 4 == 0) Drum(out, 0, t0 + e * beat / 2, 0.5f, song.seed);
                Drum(out, e % 2 ? 1 : 2,
                     t0 + e * beat / 2 + (static_cast<float>(e % 2)) * song.swing * beat / 2, 0.12f,
                     song.seed + static_cast<uint32_t>(e));
            }
        // Melody: a walk over the scale, mostly on chord tones, resting now and then.
        for (int e = 0; e < 8; ++e) {
            if (rng.Int(0, 5) == 0) continue;
            melody += rng.Int(-2, 2);
            if (e % 4 == 0) melody = chord + 2 * rng.Int(0, 2) + (melody > 6 ? 7 : 0);
            melody = std::clamp(melody, 0, 11);
            const double len = (rng.Int(0, 3) == 0 ? 2 : 1) * beat / 2;
            AddNote(out, song.lead, degreePitch(melody, 1),
                    t0 + e * beat / 2 + (static_cast<float>(e % 2)) * song.swing * beat / 2, len,
                    0.16f, true);
        }
    }
    AddAmbience(out, song.ambience, song.seed);
    // Normalise.
    float peak = 0.001f;
    for (float v : out) peak = std::max(peak, std::fabs(v));
    for (float& v : out) v *= 0.7f / peak;
    return out;
}

Samples Click() {
    Samples s(static_cast<size_t>(kSampleRate * 0.06));
    for (size_t k = 0; k < s.size(); ++k) {
        const double t = static_cast<double>(k) / kSampleRate;
        s[k] = static_cast<float>((0.6 * std::sin(kTwoPi * 2200 * t) +
                                   0.4 * (Hash01(static_cast<int>(k), 1, 9) * 2 - 1)) *
                                  std::exp(-t * 120));
    }
    return s;
}

Samples Shutter() {
    Samples s(static_cast<size_t>(kSampleRate * 0.25));
    for (int hit = 0; hit < 2; ++hit) {
        const size_t at = static_cast<size_t>(kSampleRate * (hit ? 0.09 : 0.0));
        float lp = 0;
        for (size_t k = 0; at + k < s.size(); ++k) {
            const double t = static_cast<double>(k) / kSampleRate;
            const float w = Hash01(static_cast<int>(k), hit, 21) * 2 - 1;
            lp += 0.35f * (w - lp);
            s[at + k] +=
                static_cast<float>((lp * 0.9 + 0.3 * std::sin(kTwoPi * (hit ? 900 : 1400) * t)) *
                                   std::exp(-t * (hit ? 45 : 70)));
        }
    }
    return s;
}

std::vector<int16_t> ToPcm(const Samples& samples, int channels) {
    std::vector<int16_t> pcm;
    pcm.reserve(samples.size() * static_cast<size_t>(channels));
    for (float v : samples) {
        const auto s = static_cast<int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32000.0f));
        for (int c = 0; c < channels; ++c) pcm.push_back(s);
    }
    return pcm;
}

Bytes Wav(const Samples& samples, int channels) {
    const std::vector<int16_t> pcm = ToPcm(samples, channels);
    const uint32_t dataBytes = static_cast<uint32_t>(pcm.size() * 2);
    Bytes out;
    auto put = [&](const char* tag) {
        for (int k = 0; k < 4; ++k) out.push_back(static_cast<uint8_t>(tag[k]));
    };
    put("RIFF");
    AppendLE32(out, 36 + dataBytes);
    put("WAVE");
    put("fmt ");
    AppendLE32(out, 16);
    AppendLE16(out, 1);
    AppendLE16(out, static_cast<uint16_t>(channels));
    AppendLE32(out, kSampleRate);
    AppendLE32(out, static_cast<uint32_t>(kSampleRate * 2 * channels));
    AppendLE16(out, static_cast<uint16_t>(2 * channels));
    AppendLE16(out, 16);
    put("data");
    AppendLE32(out, dataBytes);
    for (int16_t s : pcm) AppendLE16(out, static_cast<uint16_t>(s));
    return out;
}

}  // namespace gen
