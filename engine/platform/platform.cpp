#include "engine/platform/platform.h"

namespace platform {

Platform::~Platform() = default;

void Platform::install(bool sound) {
    engineCounter_ = std::make_unique<PausableCounter>(counter());
    setPerformanceCounter(engineCounter_.get());
    setMessageBoxService(&boxes());
    setAudioDevice(sound ? &audio() : nullptr);
    installed_ = true;
}

void Platform::uninstall() {
    if (!installed_) return;
    setMessageBoxService(nullptr);
    setAudioDevice(nullptr);
    setPerformanceCounter(nullptr);
    engineCounter_.reset();
    installed_ = false;
}

}  // namespace platform
