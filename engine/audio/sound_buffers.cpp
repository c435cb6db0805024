#include "engine/audio/sound_buffers.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/audio/sound_result.h"
#include "engine/memory/memory.h"

namespace {

constexpr int32_t kUnityGain = 1 << 15;

int32_t GainOf(int32_t hundredthsDb) {
    if (hundredthsDb <= kSilenceHundredthsDb) return 0;
    if (hundredthsDb >= 0) return kUnityGain;
    return static_cast<int32_t>(
        std::lround(kUnityGain * std::pow(10.0, static_cast<double>(hundredthsDb) / 2000.0)));
}

}  // namespace

SoundBuffers::SoundBuffers() {
    SetOutput(output_);
}

void SoundBuffers::SetOutput(const platform::AudioFormat& format) {
    std::lock_guard<std::mutex> guard(lock_);
    output_ = format;
    if (output_.rate <= 0) output_.rate = 44100;
    for (Buffer& b : buffers_) {
        if (b.used) UpdateStep(b);
    }
}

platform::AudioFormat SoundBuffers::Output() const {
    std::lock_guard<std::mutex> guard(lock_);
    return output_;
}

SoundBuffers::Buffer* SoundBuffers::Find(int id) {
    if (id < 0 || id >= kMaxSoundBuffers || !buffers_[id].used || buffers_[id].released) {
        return nullptr;
    }
    return &buffers_[id];
}

const SoundBuffers::Buffer* SoundBuffers::Find(int id) const {
    return const_cast<SoundBuffers*>(this)->Find(id);
}

int SoundBuffers::FreeSlot() const {
    for (int i = 0; i < kMaxSoundBuffers; ++i) {
        if (!buffers_[i].used) return i;
    }
    return -1;
}

void SoundBuffers::UpdateStep(Buffer& b) const {
    b.step = (static_cast<uint64_t>(b.frequency) << 32) / static_cast<uint64_t>(output_.rate);
}

void SoundBuffers::UpdateGains(Buffer& b) {
    const int32_t volume = GainOf(b.volume);
    // A pan towards one side takes that many hundredths of a decibel off the other side.
    const int32_t left = b.pan > 0 ? GainOf(-b.pan) : kUnityGain;
    const int32_t right = b.pan < 0 ? GainOf(b.pan) : kUnityGain;
    b.gainLeft = static_cast<int32_t>((static_cast<int64_t>(volume) * left) >> 15);
    b.gainRight = static_cast<int32_t>((static_cast<int64_t>(volume) * right) >> 15);
}

int32_t SoundBuffers::Create(const PcmFormat& format, uint32_t bytes, int* id) {
    if (!id) return kSoundInvalidParameter;
    *id = -1;
    if (!IsPlayablePcm(format)) return kSoundBadFormat;
    if (bytes < format.blockAlign) return kSoundInvalidParameter;
    auto* data = static_cast<uint8_t*>(MemAlloc(bytes));
    if (!data) return kSoundOutOfMemory;
    std::lock_guard<std::mutex> guard(lock_);
    const int slot = FreeSlot();
    if (slot < 0) {
        MemFree(data);
        return kSoundOutOfMemory;
    }
    Buffer& b = buffers_[slot];
    b = Buffer{};
    b.used = true;
    b.owner = slot;
    b.sharers = 1;
    b.data = data;
    b.bytes = bytes;
    b.channels = format.channels;
    b.bits = format.bitsPerSample;
    b.blockAlign = format.blockAlign;
    b.frames = bytes / format.blockAlign;
    b.baseRate = static_cast<int32_t>(format.samplesPerSec);
    b.frequency = b.baseRate;
    UpdateStep(b);
    UpdateGains(b);
    *id = slot;
    return kSoundOk;
}

int32_t SoundBuffers::Duplicate(int source, int* id) {
    if (!id) return kSoundInvalidParameter;
    *id = -1;
    std::lock_guard<std::mutex> guard(lock_);
    const Buffer* from = Find(source);
    if (!from) return kSoundInvalidParameter;
    const int slot = FreeSlot();
    if (slot < 0) return kSoundOutOfMemory;
    Buffer& b = buffers_[slot];
    b = Buffer{};
    b.used = true;
    b.owner = from->owner;
    b.data = from->data;
    b.bytes = from->bytes;
    b.frames = from->frames;
    b.channels = from->channels;
    b.bits = from->bits;
    b.blockAlign = from->blockAlign;
    b.baseRate = from->baseRate;
    b.frequency = from->baseRate;
    UpdateStep(b);
    UpdateGains(b);
    ++buffers_[b.owner].sharers;
    *id = slot;
    return kSoundOk;
}

int32_t SoundBuffers::SetGroup(int id, SoundGroup group) {
    std::lock_guard<std::mutex> guard(lock_);
    Buffer* b = Find(id);
    if (!b) return kSoundInvalidParameter;
    b->group = group;
    return kSoundOk;
}

void SoundBuffers::SetGroupLevel(SoundGroup group, int level) {
    std::lock_guard<std::mutex> guard(lock_);
    groupLevel_[group == SoundGroup::Music ? 1 : 0] = std::clamp(level, 0, kGroupLevelFull);
}

void SoundBuffers::SetMuted(bool muted) {
    std::lock_guard<std::mutex> guard(lock_);
    muted_ = muted;
}

int32_t SoundBuffers::GroupGain(SoundGroup group) const {
    // Q15, straight in amplitude: level 5 is half the level of 10.
    if (muted_) return 0;
    return groupLevel_[group == SoundGroup::Music ? 1 : 0] * 32768 / kGroupLevelFull;
}

void SoundBuffers::ReleaseLocked(int id) {
    Buffer* b = Find(id);
    if (!b) return;
    const int owner = b->owner;
    b->playing = false;
    if (owner == id) {
        b->released = true;
    } else {
        *b = Buffer{};
    }
    Buffer& o = buffers_[owner];
    if (--o.sharers == 0) {
        MemFree(o.data);
        o = Buffer{};
    }
}

void SoundBuffers::Release(int id) {
    std::lock_guard<std::mutex> guard(lock_);
    ReleaseLocked(id);
}

void SoundBuffers::ReleaseAll() {
    std::lock_guard<std::mutex> guard(lock_);
    for (int i = 0; i < kMaxSoundBuffers; ++i) {
        if (buffers_[i].used && buffers_[i].owner != i) ReleaseLocked(i);
    }
    for (int i = 0; i < kMaxSoundBuffers; ++i) ReleaseLocked(i);
}

int SoundBuffers::Count() const {
    std::lock_guard<std::mutex> guard(lock_);
    int n = 0;
    for (const Buffer& b : buffers_) n += b.used && !b.released;
    return n;
}

int32_t SoundBuffers::Write(int id, uint32_t offset, const uint8_t* bytes, uint32_t n) {
    std::lock_guard<std::mutex> guard(lock_);
    Buffer* b = Find(id);
    if (!b || !bytes || offset > b->bytes || n > b->bytes - offset) return kSoundInvalidParameter;
    std::memcpy(b->data + offset, bytes, n);
    return kSoundOk;
}

int32_t SoundBuffers::Fill(int id, uint32_t offset, uint8_t value, uint32_t n) {
    std::lock_guard<std::mutex> guard(lock_);
    Buffer* b = Find(id);
    if (!b || offset > b->bytes || n > b->bytes - offset) return kSoundInvalidParameter;
    std::memset(b->data + offset, value, n);
    return kSoundOk;
}

uint32_t SoundBuffers::Size(int id) const {
    std::lock_guard<std::mutex> guard(lock_);
    const Buffer* b = Find(id);
    return b ? b->bytes : 0;
}

uint8_t* SoundBuffers::FreshData(int id) {
    std::lock_guard<std::mutex> guard(lock_);
    Buffer* b = Find(id);
    if (!b || b->owner != id || b->sharers != 1 || b->playing) return nullptr;
    return b->data;
}

int32_t SoundBuffers::Play(int id, bool looping) {
    std::lock_guard<std::mutex> guard(lock_);
    Buffer* b = Find(id);
    if (!b) return kSoundInvalidParameter;
    b->playing = true;
    b->looping = looping;
    return kSoundOk;
}

int32_t SoundBuffers::Stop(int id) {
    std::lock_guard<std::mutex> guard(lock_);
    Buffer* b = Find(id);
    if (!b) return kSoundInvalidParameter;
    b->playing = false;
    return kSoundOk;
}

int32_t SoundBuffers::Status(int id, uint32_t* status) const {
    std::lock_guard<std::mutex> guard(lock_);
    const Buffer* b = Find(id);
    if (!b || !status) return kSoundInvalidParameter;
    *status = b->playing ? (kBufferPlaying | (b->looping ? kBufferLooping : 0u)) : 0u;
    return kSoundOk;
}

int32_t SoundBuffers::GetPosition(int id, uint32_t* bytes) const {
    std::lock_guard<std::mutex> guard(lock_);
    const Buffer* b = Find(id);
    if (!b || !bytes) return kSoundInvalidParameter;
    *bytes = static_cast<uint32_t>(b->position >> 32) * static_cast<uint32_t>(b->blockAlign);
    return kSoundOk;
}

int32_t SoundBuffers::SetPosition(int id, uint32_t bytes) {
    std::lock_guard<std::mutex> guard(lock_);
    Buffer* b = Find(id);
    if (!b || bytes > b->bytes) return kSoundInvalidParameter;
    const uint32_t frame = std::min(bytes / static_cast<uint32_t>(b->blockAlign), b->frames);
    b->position = static_cast<uint64_t>(frame) << 32;
    return kSoundOk;
}

int32_t SoundBuffers::SetFrequency(int id, int32_t hz) {
    std::lock_guard<std::mutex> guard(lock_);
    Buffer* b = Find(id);
    if (!b || hz < kMinBufferFrequency || hz > kMaxBufferFrequency) return kSoundInvalidParameter;
    b->frequency = hz;
    UpdateStep(*b);
    return kSoundOk;
}

int32_t SoundBuffers::GetFrequency(int id, int32_t* hz) const {
    std::lock_guard<std::mutex> guard(lock_);
    const Buffer* b = Find(id);
    if (!b || !hz) return kSoundInvalidParameter;
    *hz = b->frequency;
    return kSoundOk;
}

int32_t SoundBuffers::SetPan(int id, int32_t hundredthsDb) {
    std::lock_guard<std::mutex> guard(lock_);
    Buffer* b = Find(id);
    if (!b || hundredthsDb < -10000 || hundredthsDb > 10000) return kSoundInvalidParameter;
    b->pan = hundredthsDb;
    UpdateGains(*b);
    return kSoundOk;
}

int32_t SoundBuffers::SetVolume(int id, int32_t hundredthsDb) {
    std::lock_guard<std::mutex> guard(lock_);
    Buffer* b = Find(id);
    if (!b || hundredthsDb < kSilenceHundredthsDb || hundredthsDb > 0) {
        return kSoundInvalidParameter;
    }
    b->volume = hundredthsDb;
    UpdateGains(*b);
    return kSoundOk;
}
