#include "engine/platform/sdl/sdl_audio.h"

namespace platform {

SdlAudioDevice::~SdlAudioDevice() {
    timer_.stop();
    close();
    if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudioDevice::startSubsystem() {
    if (subsystem_) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        lastError_ = SDL_GetError();
        return false;
    }
    subsystem_ = true;
    return true;
}

bool SdlAudioDevice::accepts(const AudioFormat& format) {
    // SDL converts any of these layouts for the hardware, so the question is only whether an
    // audio driver is there at all and the layout is one SDL knows.
    if (!startSubsystem()) return false;
    return (format.bits == 8 || format.bits == 16) &&
           (format.channels == 1 || format.channels == 2) && format.rate >= 4000 &&
           format.rate <= 192000;
}

bool SdlAudioDevice::open(const AudioFormat& format, MixCallback mix, void* user) {
    // SDL converts every layout it knows, so a refused open means no usable device at all:
    // the other formats are not tried against it again.
    if (!mix || deviceFailed_ || !accepts(format)) return false;
    close();
    SDL_AudioSpec wanted{};
    wanted.freq = format.rate;
    wanted.format = format.bits == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    wanted.channels = static_cast<Uint8>(format.channels);
    // About 23 ms at 44.1 kHz: short enough for effects to feel immediate.
    wanted.samples = static_cast<Uint16>(format.rate >= 22050 ? 1024 : 512);
    wanted.callback = &SdlAudioDevice::Callback;
    wanted.userdata = this;
    mix_ = mix;
    user_ = user;
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device_ == 0) {
        lastError_ = SDL_GetError();
        deviceFailed_ = true;
        mix_ = nullptr;
        user_ = nullptr;
        return false;
    }
    SDL_PauseAudioDevice(device_, paused_ ? 1 : 0);
    return true;
}

void SdlAudioDevice::close() {
    if (device_ != 0) {
        // Closing waits for a running callback to return.
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    mix_ = nullptr;
    user_ = nullptr;
}

bool SdlAudioDevice::startTimer(unsigned periodMs, TickCallback tick, void* user) {
    return timer_.start(periodMs, tick, user);
}

void SDLCALL SdlAudioDevice::Callback(void* self, Uint8* stream, int len) {
    auto* device = static_cast<SdlAudioDevice*>(self);
    device->mix_(device->user_, stream, len);
}

void SdlAudioDevice::setPaused(bool paused) {
    paused_ = paused;
    if (device_ != 0) SDL_PauseAudioDevice(device_, paused ? 1 : 0);
}

}  // namespace platform
