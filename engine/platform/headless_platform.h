#pragma once
// The face without a display or a sound card: a display that keeps the presented page in memory
// and takes its events from the caller, a virtual counter that moves only when the caller (or
// a presented frame) moves it, the headless audio device, boxes that write to stderr and answer
// with their default, a tune player that plays nothing, a reader of uncompressed 24-bit BMPs, and
// a process start that only notes what it was asked to start.

#include <memory>
#include <string>
#include <vector>

#include "engine/platform/headless_audio.h"
#include "engine/platform/headless_display.h"
#include "engine/platform/platform.h"

namespace platform {

class HeadlessPlatform final : public Platform {
  public:
    HeadlessPlatform() = default;
    ~HeadlessPlatform() override;

    DisplayBackend& display() override { return display_; }
    PerformanceCounter& counter() override { return clock_; }
    AudioDevice& audio() override { return audio_; }
    MessageBoxService& boxes() override { return boxes_; }
    TunePlayer& tunes() override { return tunes_; }
    ImageReader& images() override { return images_; }
    bool startProgram(const std::string& name) override;
    HeadlessPlatform* headless() override { return this; }

    HeadlessDisplay& headlessDisplay() { return display_; }
    VirtualPerformanceCounter& clock() { return clock_; }
    HeadlessAudioDevice& headlessAudio() { return audio_; }
    HeadlessMessageBox& headlessBoxes() { return boxes_; }
    HeadlessTunePlayer& headlessTunes() { return tunes_; }

    // The programs asked for, in order; startProgram fails for the names in refusedPrograms.
    std::vector<std::string> startedPrograms;
    std::vector<std::string> refusedPrograms;

  private:
    HeadlessDisplay display_;
    VirtualPerformanceCounter clock_;
    HeadlessAudioDevice audio_;
    HeadlessMessageBox boxes_;
    HeadlessTunePlayer tunes_;
    HeadlessImageReader images_;
};

std::unique_ptr<Platform> createHeadlessPlatform(const PlatformSettings& settings = {});

}  // namespace platform
