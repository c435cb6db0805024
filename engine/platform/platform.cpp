#include "engine/platform/platform.h"

namespace platform {

Platform::~Platform() = default;

void Platform::install(bool sound) {
    setPerformanceCounter(&counter());
    setMessageBoxService(&boxes());
    setAudioDevice(sound ? &audio() : nullptr);
    installed_ = true;
}

void Platform::uninstall() {
    if (!installed_) return;
    setMessageBoxService(nullptr);
    setAudioDevice(nullptr);
    setPerformanceCounter(nullptr);
    installed_ = false;
}

}  // namespace platform
