// Streams on channels 16 and 17: a one-second buffer played looping, whose halves are refilled
// from the WAV file by the tick while the play cursor is in the other half.
#include <algorithm>
#include <cstring>

#include "engine/audio/sound_manager.h"
#include "engine/audio/sound_result.h"
#include "engine/audio/wav_header.h"
#include "engine/base/messages.h"
#include "engine/memory/memory.h"

namespace {

uint32_t HalfOf(uint32_t size) {
    return (size / 2) & ~1u;
}

}  // namespace

bool SoundManager::FillHalfLocked(int channel, int half) {
    Channel& c = channels_[channel];
    Stream& s = streams_[channel - kFirstStreamChannel];
    const uint32_t halfBytes = HalfOf(s.size);
    const uint32_t offset = half ? halfBytes : 0;
    const uint32_t n = half ? s.size - halfBytes : halfBytes;
    // Silence of 8-bit sound is the middle value, not zero.
    const uint8_t silence = samples_[s.sample].format.bitsPerSample == 8 ? 0x80 : 0x00;
    bool ok = true;
    bool justWrapped = false;
    uint32_t filled = 0;
    while (filled < n) {
        uint32_t piece = std::min(s.remaining, n - filled) & ~1u;
        if (!Repeating(c) && piece < 5) piece = 0;
        if (piece > 0) {
            const std::size_t got = Files().Read(s.scratch + filled, 1, piece, s.file);
            if (got < piece) {
                ok = false;
                piece = static_cast<uint32_t>(got) & ~1u;
                s.remaining = 0;
            } else {
                s.remaining -= piece;
            }
            filled += piece;
        }
        if (filled >= n) break;
        // The data ended inside this half: from the start again, or silence to the end.
        if (ok && Repeating(c) && !(justWrapped && piece == 0) &&
            Files().Seek(s.file, static_cast<int32_t>(s.dataStart), 0) == 0) {
            if (c.repeat != kRepeatForever) --c.repeat;
            s.remaining = s.dataLength;
            justWrapped = true;
            continue;
        }
        std::memset(s.scratch + filled, silence, n - filled);
        filled = n;
        if (!s.ended) {
            s.ended = true;
            s.endHalf = half;
            s.endSeen = false;
        }
    }
    if (!s.ended && s.remaining == 0 && !Repeating(c)) {
        s.ended = true;
        s.endHalf = half;
        s.endSeen = false;
    }
    buffers_.Write(s.buffer, offset, s.scratch, n);
    if (!ok) SetErrorCode(kErrRead);
    return ok;
}

void SoundManager::RefillStreamLocked(int channel) {
    Channel& c = channels_[channel];
    Stream& s = streams_[channel - kFirstStreamChannel];
    if (!s.active || c.current == -1) return;
    uint32_t cursor = 0;
    if (buffers_.GetPosition(s.buffer, &cursor) != kSoundOk) return;
    const int cursorHalf = cursor < HalfOf(s.size) ? 0 : 1;
    if (s.ended) {
        // Stop once the cursor has left the half that held the end of the data.
        if (cursorHalf == s.endHalf) {
            s.endSeen = true;
        } else if (s.endSeen) {
            StopStreamLocked(channel);
            return;
        }
    }
    if (cursorHalf != s.nextHalf) {
        FillHalfLocked(channel, s.nextHalf);
        s.nextHalf ^= 1;
    }
}

int SoundManager::StreamFile(const char* name, int channel, int repeat) {
    CloseStoppedStreams();
    if (!device_ || channel < kFirstStreamChannel || channel >= kSoundChannels) return -1;
    Stream& s = streams_[channel - kFirstStreamChannel];
    Channel& c = channels_[channel];
    {
        std::lock_guard<std::mutex> guard(lock_);
        FreeSampleLocked(s.sample);
    }
    FileHandle file = name ? Files().Open(name, "rb") : nullptr;
    if (!file) {
        SetErrorCode(kErrOpen);
        return -1;
    }
    const int slot = FreeSampleSlot();
    if (slot < 0) {
        Files().Close(file);
        SetContextMessage("Can't get Sample ID");
        SetErrorCode(kErrGeneral);
        return -1;
    }
    PcmFormat format;
    uint32_t length = 0;
    if (!ParseWavHeader(file, &format, &length)) {
        Files().Close(file);
        return -1;
    }
    const uint32_t size = (format.avgBytesPerSec + 1) & ~1u;
    int buffer = -1;
    const int32_t result = buffers_.Create(format, size, &buffer);
    // The background loops are the player's music.
    if (result == kSoundOk) buffers_.SetGroup(buffer, SoundGroup::Music);
    uint8_t* scratch =
        result == kSoundOk ? static_cast<uint8_t*>(MemAlloc(size - HalfOf(size))) : nullptr;
    if (!scratch) {
        if (result == kSoundOk) {
            buffers_.Release(buffer);
            SetResultContext(kSoundOutOfMemory);
        } else {
            SetResultContext(result);
        }
        Files().Close(file);
        return -1;
    }

    std::lock_guard<std::mutex> guard(lock_);
    samples_[slot] = Sample{true, length, buffer, format};
    s = Stream{};
    s.file = file;
    s.sample = slot;
    s.buffer = buffer;
    s.dataStart = Files().Tell(file);
    s.dataLength = length;
    s.remaining = length;
    s.size = size;
    s.scratch = scratch;
    c.queued = -1;
    c.stopRequest = false;
    c.current = c.paused = -1;
    c.buffer = buffer;
    c.bufferSample = -1;
    c.repeat = repeat <= 0 ? 1 : std::min(repeat, kRepeatForever);
    // The whole buffer is filled first; the first half is due again once the cursor has
    // moved on into the second.
    if (!FillHalfLocked(channel, 0) || !FillHalfLocked(channel, 1)) {
        FreeSampleLocked(slot);
        SetErrorCode(kErrRead);
        return -1;
    }
    s.nextHalf = 0;
    s.active = true;
    c.current = slot;
    buffers_.Play(buffer, true);
    buffers_.SetVolume(buffer, c.volume);
    buffers_.SetPan(buffer, c.pan);
    return slot;
}
