#pragma once
// The tune player on SDL2: the whole file is queued to an audio device of its own and played
// once: no callback, nothing to refill, nothing to wait for.

#include <SDL.h>

#include "engine/platform/tune_player.h"

namespace platform {

class SdlTunePlayer final : public TunePlayer {
  public:
    SdlTunePlayer() = default;
    ~SdlTunePlayer() override;
    SdlTunePlayer(const SdlTunePlayer&) = delete;
    SdlTunePlayer& operator=(const SdlTunePlayer&) = delete;

    unsigned play(const std::string& path) override;
    void stop(unsigned tune) override;

  private:
    bool audio_ = false;
};

}  // namespace platform
