#include "engine/platform/sdl/sdl_tune_player.h"

namespace platform {

SdlTunePlayer::~SdlTunePlayer() {
    if (audio_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

unsigned SdlTunePlayer::play(const std::string& path) {
    if (!audio_) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
        audio_ = true;
    }
    SDL_AudioSpec layout{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &layout, &samples, &length)) return 0;
    layout.callback = nullptr;
    layout.userdata = nullptr;
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &layout, nullptr, 0);
    if (device != 0 && SDL_QueueAudio(device, samples, length) != 0) {
        SDL_CloseAudioDevice(device);
        SDL_FreeWAV(samples);
        return 0;
    }
    SDL_FreeWAV(samples);
    if (device != 0) SDL_PauseAudioDevice(device, 0);
    return device;
}

void SdlTunePlayer::stop(unsigned tune) {
    if (tune != 0) SDL_CloseAudioDevice(tune);
}

}  // namespace platform
