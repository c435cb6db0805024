#include "engine/video/movie_sound_track.h"

#include <algorithm>

#include "engine/audio/sound_manager.h"
#include "engine/audio/sound_result.h"

namespace {

constexpr uint32_t kFrameBytes = 4;  // 16-bit stereo

}  // namespace

bool MovieSoundTrack::Open(int rate) {
    Close();
    if (!Sound().HasDevice()) return false;
    rate = std::clamp(rate, kMinFrequency, kMaxFrequency);
    PcmFormat format;
    format.formatTag = kWaveFormatPcm;
    format.channels = 2;
    format.samplesPerSec = static_cast<uint32_t>(rate);
    format.blockAlign = kFrameBytes;
    format.avgBytesPerSec = format.samplesPerSec * kFrameBytes;
    format.bitsPerSample = 16;
    int id = -1;
    if (Sound().Buffers().Create(format, format.avgBytesPerSec, &id) != kSoundOk) return false;
    buffer_ = id;
    rate_ = rate;
    ringFrames_ = static_cast<uint32_t>(rate);
    written_ = played_ = 0;
    lastCursor_ = 0;
    playing_ = false;
    pending_.clear();
    return true;
}

void MovieSoundTrack::Close() {
    if (buffer_ >= 0) Sound().Buffers().Release(buffer_);
    buffer_ = -1;
    playing_ = false;
    pending_.clear();
}

void MovieSoundTrack::Queue(const int16_t* samples, int frames) {
    if (buffer_ < 0 || !samples || frames <= 0) return;
    pending_.insert(pending_.end(), samples, samples + 2 * static_cast<std::size_t>(frames));
    // Never hold more than a few seconds: sound that far behind is of no use any more.
    const std::size_t limit = 2 * static_cast<std::size_t>(ringFrames_) * 4;
    if (pending_.size() > limit) {
        pending_.erase(pending_.begin(),
                       pending_.begin() + static_cast<std::ptrdiff_t>(pending_.size() - limit));
    }
}

void MovieSoundTrack::WriteRing(uint64_t at, const int16_t* samples, uint32_t frames) {
    while (frames > 0) {
        const auto start = static_cast<uint32_t>(at % ringFrames_);
        const uint32_t n = std::min(frames, ringFrames_ - start);
        Sound().Buffers().Write(buffer_, start * kFrameBytes,
                                reinterpret_cast<const uint8_t*>(samples), n * kFrameBytes);
        samples += 2 * static_cast<std::size_t>(n);
        at += n;
        frames -= n;
    }
}

void MovieSoundTrack::ZeroRing(uint64_t at, uint32_t frames) {
    while (frames > 0) {
        const auto start = static_cast<uint32_t>(at % ringFrames_);
        const uint32_t n = std::min(frames, ringFrames_ - start);
        Sound().Buffers().Fill(buffer_, start * kFrameBytes, 0, n * kFrameBytes);
        at += n;
        frames -= n;
    }
}

void MovieSoundTrack::Pump() {
    if (buffer_ < 0) return;
    uint32_t cursorBytes = 0;
    if (Sound().Buffers().GetPosition(buffer_, &cursorBytes) != kSoundOk) return;
    const uint32_t cursor = cursorBytes / kFrameBytes;
    if (playing_) played_ += (cursor + ringFrames_ - lastCursor_) % ringFrames_;
    lastCursor_ = cursor;
    if (written_ < played_) {
        // The cursor overtook the sound: start again a little ahead of it.
        written_ = played_ + ringFrames_ / 50;
    }
    const uint64_t ahead = written_ - played_;
    if (ahead + 1 >= ringFrames_) return;
    const auto room = static_cast<uint32_t>(ringFrames_ - 1 - ahead);
    const auto frames = static_cast<uint32_t>(std::min<std::size_t>(room, FramesPending()));
    WriteRing(written_, pending_.data(), frames);
    pending_.erase(pending_.begin(), pending_.begin() + 2 * static_cast<std::ptrdiff_t>(frames));
    written_ += frames;
    // What lies beyond the written sound is silence, should the cursor get there.
    ZeroRing(written_, std::min(room - frames, ringFrames_ / 10));
}

void MovieSoundTrack::Start() {
    if (buffer_ < 0 || playing_) return;
    Sound().Buffers().Play(buffer_, true);
    playing_ = true;
}

void MovieSoundTrack::Halt() {
    if (buffer_ < 0 || !playing_) return;
    Sound().Buffers().Stop(buffer_);
    Pump();
    playing_ = false;
}

void MovieSoundTrack::Reset() {
    if (buffer_ < 0) return;
    Sound().Buffers().Stop(buffer_);
    Sound().Buffers().SetPosition(buffer_, 0);
    ZeroRing(0, ringFrames_);
    written_ = played_ = 0;
    lastCursor_ = 0;
    playing_ = false;
    pending_.clear();
}

int32_t MovieSoundTrack::SetVolume(int32_t hundredthsDb) {
    return buffer_ < 0 ? kSoundOk : Sound().Buffers().SetVolume(buffer_, hundredthsDb);
}

int32_t MovieSoundTrack::SetPan(int32_t hundredthsDb) {
    return buffer_ < 0 ? kSoundOk : Sound().Buffers().SetPan(buffer_, hundredthsDb);
}
