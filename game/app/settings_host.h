#pragma once
// The program's settings host: reads settings.ini and config.cfg's modes at start, applies the
// settings to the display, the mixer, the pause while away and the controller, and keeps them
// for the next start. What the command line sets holds for this run only and is never written,
// unless the player changes that setting himself.

#include <string>

#include "game/ui/game_settings.h"

namespace platform {
class DisplayBackend;
}

// The settings the command line sets for one run.
struct RunOverrides {
    bool windowed = false;         // --windowed
    bool noPauseWhenAway = false;  // --no-pause-when-away
    int padSpeed = 0;              // --pad-speed (0: not given)
};

class GameSettingsHost final : public SettingsHost {
  public:
    // settingsPath: settings.ini (see settingsFilePath); configPath: config.cfg; workDir: the
    // folder of saves and photos.
    GameSettingsHost(std::string settingsPath, std::string configPath, std::string workDir);

    // Reads both files (problems go to stderr, one line each) and lays the overrides on top.
    void load(const RunOverrides& overrides);
    // Where apply() reaches besides the mixer and the pause: null for none.
    void attachDisplay(platform::DisplayBackend* display) { display_ = display; }
    // Applies the settings as they stand (at start, once the display and the sound are up).
    void applyAll() { apply(effective_); }

    const GameSettings& settings() const override {
        followDisplay();
        return effective_;
    }
    void apply(const GameSettings& changed) override;
    bool save() override;
    std::string savesFolder() const override;
    std::string photosFolder() const override;
    std::string screenshotsFolder() const override;

    // What save() writes: the settings without this run's overrides.
    const GameSettings& kept() const { return kept_; }
    // True when kept() differs from what the files held at start or at the last save.
    bool changedSinceSave() const {
        followDisplay();
        return kept_ != saved_;
    }
    const std::string& settingsPath() const { return settingsPath_; }

  private:
    // Alt+Enter switches the display itself: the player's choice, kept like any other.
    void followDisplay() const;

    std::string settingsPath_;
    std::string configPath_;
    std::string workDir_;
    mutable GameSettings effective_;  // what the run plays with
    mutable GameSettings kept_;       // what the files are to hold
    GameSettings saved_;              // what they hold
    mutable bool windowedForRun_ = false;
    bool pauseForRun_ = false;
    bool padSpeedForRun_ = false;
    platform::DisplayBackend* display_ = nullptr;
};
