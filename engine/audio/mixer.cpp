// The audio callback's work: every playing buffer is resampled to the output rate (linear
// interpolation), weighted by its left and right gain and summed into a stereo accumulator,
// which is then clipped into the output format. Plain loops over whole runs of frames.
#include <algorithm>
#include <cstring>

#include "engine/audio/sound_buffers.h"

namespace {

constexpr int kChunkFrames = 1024;

template <int Bits>
inline int32_t SampleAt(const uint8_t* data, uint32_t index) {
    if constexpr (Bits == 8) {
        return (static_cast<int32_t>(data[index]) - 128) << 8;
    } else {
        int16_t v;
        std::memcpy(&v, data + 2 * static_cast<std::size_t>(index), 2);
        return v;
    }
}

inline int32_t Lerp(int32_t a, int32_t b, uint32_t frac16) {
    return a + static_cast<int32_t>((static_cast<int64_t>(b - a) * frac16) >> 16);
}

// Mixes `count` output frames during which the frame index stays below last, so that the
// neighbour index + 1 is always inside the data.
template <int Bits, int Channels>
void MixRun(const uint8_t* data, uint64_t& position, uint64_t step, int32_t gainLeft,
            int32_t gainRight, int32_t* acc, int count) {
    uint64_t pos = position;
    for (int i = 0; i < count; ++i) {
        const auto frame = static_cast<uint32_t>(pos >> 32);
        const auto frac = static_cast<uint32_t>(pos >> 16) & 0xFFFFu;
        if constexpr (Channels == 1) {
            const int32_t s =
                Lerp(SampleAt<Bits>(data, frame), SampleAt<Bits>(data, frame + 1), frac);
            acc[2 * i] += (s * gainLeft) >> 15;
            acc[2 * i + 1] += (s * gainRight) >> 15;
        } else {
            const int32_t l =
                Lerp(SampleAt<Bits>(data, 2 * frame), SampleAt<Bits>(data, 2 * frame + 2), frac);
            const int32_t r = Lerp(SampleAt<Bits>(data, 2 * frame + 1),
                                   SampleAt<Bits>(data, 2 * frame + 3), frac);
            acc[2 * i] += (l * gainLeft) >> 15;
            acc[2 * i + 1] += (r * gainRight) >> 15;
        }
        pos += step;
    }
    position = pos;
}

// One output frame at the buffer's last frame, whose neighbour is the first frame when the
// buffer loops and itself otherwise.
template <int Bits, int Channels>
void MixLastFrame(const uint8_t* data, uint32_t last, bool looping, uint64_t& position,
                  uint64_t step, int32_t gainLeft, int32_t gainRight, int32_t* acc) {
    const uint32_t next = looping ? 0 : last;
    const auto frac = static_cast<uint32_t>(position >> 16) & 0xFFFFu;
    for (int c = 0; c < 2; ++c) {
        const int source = Channels == 1 ? 0 : c;
        const int32_t s = Lerp(SampleAt<Bits>(data, last * Channels + source),
                               SampleAt<Bits>(data, next * Channels + source), frac);
        acc[c] += (s * (c == 0 ? gainLeft : gainRight)) >> 15;
    }
    position += step;
}

template <int Bits, int Channels>
int MixFrames(const uint8_t* data, uint32_t frames, bool looping, bool& playing, uint64_t& position,
              uint64_t step, int32_t gainLeft, int32_t gainRight, int32_t* acc, int count) {
    const uint64_t end = static_cast<uint64_t>(frames) << 32;
    int done = 0;
    while (done < count) {
        if (position >= end) {
            if (!looping) {
                // A buffer played once stops at its end and starts from the beginning
                // when it is played again.
                playing = false;
                position = 0;
                break;
            }
            position -= end;
            continue;
        }
        const uint64_t lastStart = static_cast<uint64_t>(frames - 1) << 32;
        if (position < lastStart) {
            // Output frames until the index reaches the last frame.
            const uint64_t run = (lastStart - position + step - 1) / step;
            const int n =
                static_cast<int>(std::min<uint64_t>(run, static_cast<uint64_t>(count - done)));
            MixRun<Bits, Channels>(data, position, step, gainLeft, gainRight, acc + 2 * done, n);
            done += n;
        } else {
            MixLastFrame<Bits, Channels>(data, frames - 1, looping, position, step, gainLeft,
                                         gainRight, acc + 2 * done);
            ++done;
        }
    }
    return done;
}

int16_t Clip16(int32_t v) {
    return static_cast<int16_t>(std::clamp(v, -32768, 32767));
}

}  // namespace

void SoundBuffers::MixBuffer(Buffer& b, int32_t* acc, int frames) {
    if (b.step == 0 || b.frames == 0) return;
    if (b.gainLeft == 0 && b.gainRight == 0) {
        // Silent buffers still move on, so that cursors and ends stay right.
        const uint64_t end = static_cast<uint64_t>(b.frames) << 32;
        b.position += b.step * static_cast<uint64_t>(frames);
        if (b.position >= end) {
            if (b.looping) {
                b.position %= end;
            } else {
                b.playing = false;
                b.position = 0;
            }
        }
        return;
    }
    // The player's level scales what is heard; the buffer moves on the same way at any level,
    // so that its cursor and its end never depend on the volume.
    const int32_t group = GroupGain(b.group);
    const int32_t left = static_cast<int32_t>((static_cast<int64_t>(b.gainLeft) * group) >> 15);
    const int32_t right = static_cast<int32_t>((static_cast<int64_t>(b.gainRight) * group) >> 15);
    const bool stereo = b.channels == 2;
    if (b.bits == 8) {
        if (stereo) {
            MixFrames<8, 2>(b.data, b.frames, b.looping, b.playing, b.position, b.step, left, right,
                            acc, frames);
        } else {
            MixFrames<8, 1>(b.data, b.frames, b.looping, b.playing, b.position, b.step, left, right,
                            acc, frames);
        }
    } else if (stereo) {
        MixFrames<16, 2>(b.data, b.frames, b.looping, b.playing, b.position, b.step, left, right,
                         acc, frames);
    } else {
        MixFrames<16, 1>(b.data, b.frames, b.looping, b.playing, b.position, b.step, left, right,
                         acc, frames);
    }
}

void SoundBuffers::Mix(uint8_t* out, int bytes) {
    std::lock_guard<std::mutex> guard(lock_);
    const int frameBytes = output_.frameBytes();
    if (frameBytes <= 0) return;
    if (acc_.size() < 2 * kChunkFrames) acc_.assign(2 * kChunkFrames, 0);
    int total = bytes / frameBytes;
    while (total > 0) {
        const int frames = std::min(total, kChunkFrames);
        int32_t* acc = acc_.data();
        std::fill(acc, acc + 2 * frames, 0);
        for (Buffer& b : buffers_) {
            if (b.used && !b.released && b.playing) MixBuffer(b, acc, frames);
        }
        if (output_.bits == 16) {
            auto* o = out;
            if (output_.channels == 2) {
                for (int i = 0; i < 2 * frames; ++i) {
                    const int16_t v = Clip16(acc[i]);
                    std::memcpy(o + 2 * i, &v, 2);
                }
            } else {
                for (int i = 0; i < frames; ++i) {
                    const int16_t v = Clip16((acc[2 * i] + acc[2 * i + 1]) / 2);
                    std::memcpy(o + 2 * i, &v, 2);
                }
            }
        } else if (output_.channels == 2) {
            for (int i = 0; i < 2 * frames; ++i) {
                out[i] = static_cast<uint8_t>((Clip16(acc[i]) >> 8) + 128);
            }
        } else {
            for (int i = 0; i < frames; ++i) {
                out[i] =
                    static_cast<uint8_t>((Clip16((acc[2 * i] + acc[2 * i + 1]) / 2) >> 8) + 128);
            }
        }
        out += frames * frameBytes;
        total -= frames;
    }
}

void SoundBuffers::MixCallback(void* self, uint8_t* out, int bytes) {
    static_cast<SoundBuffers*>(self)->Mix(out, bytes);
}
