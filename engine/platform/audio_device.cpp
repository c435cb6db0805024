#include "engine/platform/audio_device.h"

namespace platform {

namespace {
AudioDevice* installed = nullptr;
}  // namespace

AudioDevice* audioDevice() {
    return installed;
}

void setAudioDevice(AudioDevice* device) {
    installed = device;
}

}  // namespace platform
