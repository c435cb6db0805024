// The sound tick: carries out stop requests, starts queued samples, refills the streams and
// plays samples again that were asked for more than once. Runs on the timer's thread.
#include "engine/audio/sound_manager.h"
#include "engine/audio/sound_result.h"
#include "engine/base/messages.h"

namespace {

void Fail(const char* context) {
    SetContextMessage(context);
    SetErrorCode(kErrGeneral);
}

}  // namespace

void SoundManager::Tick() {
    // A tick that finds the previous one still busy leaves the work to it.
    if (tickBusy_.exchange(true)) return;
    {
        std::lock_guard<std::mutex> guard(lock_);
        for (int ch = 0; ch < kSoundChannels; ++ch) {
            Channel& c = channels_[ch];
            if (c.stopRequest) {
                if (ch < kFirstStreamChannel) {
                    c.current = c.paused = -1;
                    if (c.buffer != -1 && buffers_.Stop(c.buffer) != kSoundOk) Fail("Stop Buffer");
                } else {
                    StopStreamLocked(ch);
                }
                c.stopRequest = false;
            }
            if (ch < kFirstStreamChannel && c.queued != -1) StartQueuedLocked(ch);
        }
        for (int ch = kFirstStreamChannel; ch < kSoundChannels; ++ch) RefillStreamLocked(ch);
        for (int ch = 0; ch < kSampleChannels; ++ch) RepeatLocked(ch);
    }
    tickBusy_ = false;
}

void SoundManager::StartQueuedLocked(int channel) {
    Channel& c = channels_[channel];
    const int sample = c.queued;
    const int repeat = c.queuedRepeat;
    c.queued = -1;
    c.stopRequest = false;
    if (!ValidSample(sample)) return;
    // The old buffer is a duplicate of a sample that is still loaded (freeing a sample
    // releases the channels' duplicates of it), so releasing it never frees sample data here.
    buffers_.Release(c.buffer);
    c.buffer = c.bufferSample = -1;
    c.current = c.paused = -1;
    int buffer = -1;
    if (buffers_.Duplicate(samples_[sample].buffer, &buffer) != kSoundOk) {
        Fail("Start Playing");
        return;
    }
    c.buffer = buffer;
    c.bufferSample = sample;
    buffers_.SetPosition(buffer, 0);
    if (buffers_.Play(buffer, repeat == kRepeatForever) != kSoundOk) {
        Fail("Start Buffer");
        return;
    }
    c.current = sample;
    c.repeat = repeat == 0 ? 1 : repeat;
    if (buffers_.SetVolume(buffer, c.volume) != kSoundOk ||
        buffers_.SetPan(buffer, c.pan) != kSoundOk) {
        Fail("Start Playing");
    }
}

void SoundManager::RepeatLocked(int channel) {
    Channel& c = channels_[channel];
    // A paused or stopped channel has no current sample and is left alone.
    if (c.buffer == -1 || c.current == -1 || c.repeat == kRepeatForever) return;
    uint32_t status = 0;
    if (buffers_.Status(c.buffer, &status) != kSoundOk ||
        (status & (kBufferPlaying | kBufferLooping))) {
        return;
    }
    if (--c.repeat <= 0) {
        c.repeat = 0;
        c.current = -1;
        buffers_.Stop(c.buffer);
    } else {
        buffers_.Play(c.buffer, false);
    }
}

void SoundManager::StopStreamLocked(int channel) {
    Channel& c = channels_[channel];
    Stream& s = streams_[channel - kFirstStreamChannel];
    // The file is closed on the game thread (CloseStoppedStreams): the file manager is the
    // game thread's.
    s.active = false;
    if (s.buffer != -1) buffers_.Stop(s.buffer);
    c.current = c.paused = -1;
}
