#include "engine/audio/sound_manager.h"

#include <algorithm>

#include "engine/audio/output_formats.h"
#include "engine/audio/sound_result.h"
#include "engine/audio/wav_header.h"
#include "engine/memory/memory.h"
#include "engine/base/messages.h"

namespace {

SoundManager theSoundManager;

// How many timer periods a request waits for the tick before going on without it.
constexpr int kWaitTicks = 40;

constexpr const char* kNoSampleId = "Can't get Sample ID";

void Fail(const char* context) {
    SetContextMessage(context);
    SetErrorCode(kErrGeneral);
}

}  // namespace

SoundManager& Sound() {
    return theSoundManager;
}

bool SoundManager::ValidSample(int sample) const {
    return sample >= 0 && sample < kSampleSlots && samples_[sample].used;
}

bool SoundManager::IsSampleLoaded(int sample) const {
    std::lock_guard<std::mutex> guard(lock_);
    return ValidSample(sample);
}

int SoundManager::FreeSampleSlot() const {
    for (int i = 0; i < kSampleSlots; ++i) {
        if (!samples_[i].used) return i;
    }
    return -1;
}

bool SoundManager::FormatAccepted(int index) const {
    return index >= 0 && index < kOutputFormats && accepted_[index];
}

void SoundManager::SetResultContext(int32_t result) {
    SoundResultText(result, message_, sizeof message_);
    SetContextMessage(message_);
    SetErrorCode(kErrGeneral);
}

template <typename Done>
bool SoundManager::WaitForTick(Done done) {
    for (int i = 0; i < kWaitTicks && !done(); ++i) {
        if (!device_ || !device_->timerRunning()) break;
        device_->waitForTick();
    }
    return done();
}

void SoundManager::TickCallback(void* self) {
    static_cast<SoundManager*>(self)->Tick();
}

int SoundManager::Start(void* window) {
    if (device_) return 1;
    platform::AudioDevice* device = platform::audioDevice();
    if (!device) {
        SetResultContext(kSoundNoDriver);
        return 0;
    }
    // Every format is tried once, then the best accepted one is opened for good.
    for (int i = 0; i < kOutputFormats; ++i) accepted_[i] = device->accepts(OutputFormat(i));
    formatIndex_ = -1;
    for (int i = kOutputFormats - 1; i >= 0; --i) {
        if (!accepted_[i]) continue;
        buffers_.SetOutput(OutputFormat(i));
        if (device->open(OutputFormat(i), &SoundBuffers::MixCallback, &buffers_)) {
            formatIndex_ = i;
            break;
        }
    }
    if (formatIndex_ < 0) {
        // Formats were accepted but none could be opened: the device itself is missing.
        const bool anyAccepted =
            std::find(accepted_, accepted_ + kOutputFormats, true) != accepted_ + kOutputFormats;
        SetResultContext(anyAccepted ? kSoundNoDriver : kSoundBadFormat);
        return 0;
    }
    device_ = device;
    window_ = window;
    const unsigned period =
        std::min(std::max(kSoundTickMs, device->minTimerPeriod()), device->maxTimerPeriod());
    if (!device->startTimer(period, &SoundManager::TickCallback, this)) {
        Shutdown();
        Fail("Can't set sound timer");
        return 0;
    }
    return 1;
}

void SoundManager::Shutdown() {
    if (!device_) return;
    // The tick and the mixer end first, so nothing plays from what is freed below.
    device_->stopTimer();
    device_->close();
    {
        std::lock_guard<std::mutex> guard(lock_);
        for (int i = 0; i < kSampleSlots; ++i) FreeSampleLocked(i);
        for (Stream& s : streams_) {
            if (s.file) Files().Close(s.file);
            MemFree(s.scratch);
            s = Stream{};
        }
        buffers_.ReleaseAll();
        for (Channel& c : channels_) {
            c.current = c.paused = c.queued = c.buffer = c.bufferSample = -1;
            c.repeat = c.queuedRepeat = c.frequency = c.pan = c.volume = 0;
            c.stopRequest = false;
        }
    }
    device_ = nullptr;
    window_ = nullptr;
    formatIndex_ = -1;
}

int SoundManager::LoadSample(FileHandle handle) {
    CloseStoppedStreams();
    if (!device_) return -1;
    if (!handle) {
        SetErrorCode(kErrOpen);
        return -1;
    }
    const int slot = FreeSampleSlot();
    if (slot < 0) {
        Fail(kNoSampleId);
        return -1;
    }
    PcmFormat format;
    uint32_t length = 0;
    if (!ParseWavHeader(handle, &format, &length)) return -1;
    // A length beyond the end of the file cannot be read; say so before allocating for it.
    const long here = Files().Tell(handle);
    const long total = Files().Length(handle);
    if (here < 0 || total < here || length > static_cast<unsigned long>(total - here)) {
        SetErrorCode(kErrRead);
        return -1;
    }
    int buffer = -1;
    const int32_t result = buffers_.Create(format, length, &buffer);
    if (result != kSoundOk) {
        SetResultContext(result);
        return -1;
    }
    if (Files().Read(buffers_.FreshData(buffer), 1, length, handle) != length) {
        buffers_.Release(buffer);
        SetErrorCode(kErrRead);
        return -1;
    }
    std::lock_guard<std::mutex> guard(lock_);
    samples_[slot] = Sample{true, length, buffer, format};
    return slot;
}

void SoundManager::FreeSampleLocked(int sample) {
    if (!ValidSample(sample)) return;
    for (int ch = 0; ch < kSampleChannels; ++ch) {
        Channel& c = channels_[ch];
        if (c.queued == sample) c.queued = -1;
        if (c.bufferSample != sample) continue;
        buffers_.Release(c.buffer);
        c.buffer = c.bufferSample = -1;
        c.current = c.paused = -1;
        c.repeat = 0;
    }
    for (int i = 0; i < kSoundChannels - kFirstStreamChannel; ++i) {
        Stream& s = streams_[i];
        if (s.sample != sample) continue;
        Channel& c = channels_[kFirstStreamChannel + i];
        StopStreamLocked(kFirstStreamChannel + i);
        if (s.file) Files().Close(s.file);
        MemFree(s.scratch);
        s = Stream{};
        c.buffer = c.bufferSample = -1;
    }
    buffers_.Release(samples_[sample].buffer);
    samples_[sample] = Sample{};
}

void SoundManager::FreeSample(int sample) {
    CloseStoppedStreams();
    if (!device_) return;
    std::lock_guard<std::mutex> guard(lock_);
    FreeSampleLocked(sample);
}

void SoundManager::CloseStoppedStreams() {
    std::lock_guard<std::mutex> guard(lock_);
    for (Stream& s : streams_) {
        if (!s.active && s.file) {
            Files().Close(s.file);
            s.file = nullptr;
        }
    }
}

void SoundManager::Play(int channel, int sample, int repeat) {
    CloseStoppedStreams();
    if (!device_ || channel < 0 || channel >= kSampleChannels || !ValidSample(sample)) return;
    Channel& c = channels_[channel];
    WaitForTick([&] { return !c.stopRequest.load(); });
    std::lock_guard<std::mutex> guard(lock_);
    c.queued = sample;
    c.queuedRepeat = std::clamp(repeat, 0, kRepeatForever);
    if (c.current != -1) c.stopRequest = true;
}

void SoundManager::StopChannel(int channel) {
    CloseStoppedStreams();
    if (!device_ || !ValidChannel(channel)) return;
    Channel& c = channels_[channel];
    {
        std::lock_guard<std::mutex> guard(lock_);
        const bool stream =
            channel >= kFirstStreamChannel && streams_[channel - kFirstStreamChannel].active;
        if (c.current == -1 && c.paused == -1 && c.queued == -1 && !stream) return;
        // A stop drops what is queued as well: otherwise the tick would stop the channel
        // and start the queued sample right after.
        c.queued = -1;
        c.stopRequest = true;
    }
    if (channel < kFirstStreamChannel) return;
    if (!WaitForTick([&] { return !c.stopRequest.load(); })) {
        // No tick came: carry the stop out here.
        std::lock_guard<std::mutex> guard(lock_);
        StopStreamLocked(channel);
        c.stopRequest = false;
    }
    CloseStoppedStreams();
}

void SoundManager::StopAll() {
    for (int ch = 0; ch < kSoundChannels; ++ch) StopChannel(ch);
}

void SoundManager::PauseChannel(int channel) {
    CloseStoppedStreams();
    if (!device_ || !ValidChannel(channel)) return;
    std::lock_guard<std::mutex> guard(lock_);
    Channel& c = channels_[channel];
    if (c.current == -1 || c.buffer == -1) return;
    uint32_t status = 0;
    if (buffers_.Status(c.buffer, &status) != kSoundOk) {
        Fail("Pause Channel");
        return;
    }
    if (!(status & kBufferPlaying)) {
        c.paused = -1;
        return;
    }
    if (buffers_.Stop(c.buffer) != kSoundOk) {
        Fail("Pause Channel");
        return;
    }
    c.paused = c.current;
    c.current = -1;
}

void SoundManager::ResumeChannel(int channel) {
    CloseStoppedStreams();
    if (!device_ || !ValidChannel(channel)) return;
    std::lock_guard<std::mutex> guard(lock_);
    Channel& c = channels_[channel];
    if (c.paused == -1) return;
    const bool looping = channel >= kFirstStreamChannel || c.repeat == kRepeatForever;
    if (c.buffer == -1 || buffers_.Play(c.buffer, looping) != kSoundOk) {
        Fail("Resume Channel");
        return;
    }
    c.current = c.paused;
    c.paused = -1;
}

void SoundManager::SetFrequency(int channel, int hz) {
    if (!device_ || !ValidChannel(channel)) return;
    std::lock_guard<std::mutex> guard(lock_);
    Channel& c = channels_[channel];
    c.frequency = std::clamp(hz, kMinFrequency, kMaxFrequency);
    if (c.buffer != -1 && buffers_.SetFrequency(c.buffer, c.frequency) != kSoundOk) {
        Fail("Set Frequency");
    }
}

void SoundManager::SetPan(int channel, int pan) {
    if (!device_ || !ValidChannel(channel)) return;
    std::lock_guard<std::mutex> guard(lock_);
    Channel& c = channels_[channel];
    c.pan = static_cast<int>(std::clamp<int64_t>(int64_t{pan} * 100, -10000, 10000));
    if (c.buffer != -1) buffers_.SetPan(c.buffer, c.pan);
}

void SoundManager::SetVolume(int channel, int volume) {
    if (!device_ || !ValidChannel(channel)) return;
    std::lock_guard<std::mutex> guard(lock_);
    Channel& c = channels_[channel];
    c.volume = static_cast<int>(
        std::clamp<int64_t>(int64_t{std::min(volume, 0)} * 100, kSilenceHundredthsDb, 0));
    if (c.buffer != -1) buffers_.SetVolume(c.buffer, c.volume);
}

int SoundManager::GetFrequency(int channel) const {
    if (!device_ || !ValidChannel(channel)) return 0;
    std::lock_guard<std::mutex> guard(lock_);
    return channels_[channel].frequency;
}

int SoundManager::GetPan(int channel) const {
    if (!device_ || !ValidChannel(channel)) return 0;
    std::lock_guard<std::mutex> guard(lock_);
    return channels_[channel].pan / 100;
}

int SoundManager::GetVolume(int channel) const {
    if (!device_ || !ValidChannel(channel)) return 0;
    std::lock_guard<std::mutex> guard(lock_);
    return channels_[channel].volume / 100;
}

bool SoundManager::IsChannelBusy(int channel) const {
    if (!device_ || !ValidChannel(channel)) return false;
    std::lock_guard<std::mutex> guard(lock_);
    const Channel& c = channels_[channel];
    return c.current != -1 || c.queued != -1;
}
