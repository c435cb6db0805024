#include "game/app/settings_host.h"

#include <filesystem>
#include <utility>
#include <vector>

#include "engine/audio/sound_manager.h"
#include "engine/platform/display_backend.h"
#include "engine/platform/terminal.h"
#include "engine/resources/config.h"
#include "engine/resources/screenshot_folder.h"
#include "game/app/settings_file.h"
#include "game/state/frame_values.h"
#include "game/ui/away.h"

namespace fs = std::filesystem;

namespace {

platform::PageScaling pageScaling(Scaling scaling) {
    switch (scaling) {
        case Scaling::Fit:
            return platform::PageScaling::Fit;
        case Scaling::Stretch:
            return platform::PageScaling::Stretch;
        case Scaling::IntegerSteps:
            break;
    }
    return platform::PageScaling::IntegerSteps;
}

// One setting the command line may hold for the run: the player's own change ends the hold,
// and only then does the file get the new value.
template <class T>
void keepUnlessHeld(bool* held, T GameSettings::*field, const GameSettings& before,
                    const GameSettings& changed, const GameSettings& running, GameSettings* kept) {
    if (!*held) return;
    if (changed.*field == running.*field) {
        kept->*field = before.*field;
    } else {
        *held = false;
    }
}

}  // namespace

GameSettingsHost::GameSettingsHost(std::string settingsPath, std::string configPath,
                                   std::string workDir)
    : settingsPath_(std::move(settingsPath)),
      configPath_(std::move(configPath)),
      workDir_(std::move(workDir)) {}

void GameSettingsHost::load(const RunOverrides& overrides) {
    GameSettings base;
    int resolutionMode = kResolutionModeNotGiven;
    int detailMode = base.detailMode;
    ReadConfiguration(resolutionMode, detailMode, configPath_.c_str());
    if (resolutionMode != kResolutionModeNotGiven) base.resolutionMode = resolutionMode;
    base.detailMode = detailMode;
    std::vector<std::string> problems;
    kept_ = readSettingsFile(settingsPath_, base, &problems);
    for (const std::string& p : problems) platform::printToStderr("%s\n", p.c_str());
    saved_ = kept_;
    effective_ = kept_;
    windowedForRun_ = overrides.windowed;
    if (windowedForRun_) effective_.fullScreen = false;
    pauseForRun_ = overrides.noPauseWhenAway;
    if (pauseForRun_) effective_.pauseWhenAway = false;
    padSpeedForRun_ = overrides.padSpeed > 0;
    if (padSpeedForRun_) effective_.padPointerSpeed = overrides.padSpeed;
}

void GameSettingsHost::followDisplay() const {
    if (!display_ || display_->presentation().fullScreen == effective_.fullScreen) return;
    effective_.fullScreen = display_->presentation().fullScreen;
    kept_.fullScreen = effective_.fullScreen;
    windowedForRun_ = false;
}

void GameSettingsHost::apply(const GameSettings& changed) {
    const GameSettings before = kept_;
    kept_ = changed;
    keepUnlessHeld(&windowedForRun_, &GameSettings::fullScreen, before, changed, effective_,
                   &kept_);
    keepUnlessHeld(&pauseForRun_, &GameSettings::pauseWhenAway, before, changed, effective_,
                   &kept_);
    keepUnlessHeld(&padSpeedForRun_, &GameSettings::padPointerSpeed, before, changed, effective_,
                   &kept_);
    effective_ = changed;

    if (display_) {
        platform::Presentation p;
        p.fullScreen = changed.fullScreen;
        // Half a size is no size: the window is then as large as fits.
        const bool sized = changed.windowWidth > 0 && changed.windowHeight > 0;
        p.windowWidth = sized ? changed.windowWidth : 0;
        p.windowHeight = sized ? changed.windowHeight : 0;
        p.scaling = pageScaling(changed.scaling);
        p.vsync = changed.vsync;
        p.frameCap = changed.frameCap;
        if (!(display_->presentation() == p)) display_->setPresentation(p);
        display_->setPadPointerSpeed(changed.padPointerSpeed);
    }
    SoundBuffers& mixer = Sound().Buffers();
    mixer.SetGroupLevel(SoundGroup::Music, changed.musicVolume);
    mixer.SetGroupLevel(SoundGroup::Effects, changed.effectsVolume);
    mixer.SetMuted(changed.mute);
    setPauseWhenAway(changed.pauseWhenAway);
    // The detail mode is read by the scenes every frame: the next one draws with it.
    frameValues().detailMode = changed.detailMode;
}

bool GameSettingsHost::save() {
    std::string error;
    bool written = writeSettingsFile(settingsPath_, kept_, &error);
    if (written &&
        (kept_.resolutionMode != saved_.resolutionMode || kept_.detailMode != saved_.detailMode)) {
        // config.cfg is the game's own file: it is touched only when its modes change.
        written = writeConfigModes(configPath_, kept_.resolutionMode, kept_.detailMode, &error);
    }
    if (!written) {
        platform::printToStderr("%s\n", error.c_str());
        return false;
    }
    saved_ = kept_;
    return true;
}

std::string GameSettingsHost::savesFolder() const {
    return (fs::path(workDir_) / "sav").string();
}

std::string GameSettingsHost::photosFolder() const {
    return (fs::path(workDir_) / "fotos").string();
}

std::string GameSettingsHost::screenshotsFolder() const {
    return ScreenshotFolder();
}
