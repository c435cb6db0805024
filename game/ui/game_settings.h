#pragma once
// What the player sets beyond config.cfg: the window, the scaling, the pacing, the volume, the
// pause while away and the controller's speed. The program keeps them (settings.ini beside
// config.cfg, or in the user's configuration folder) and applies them; the options box shows and
// changes them through a SettingsHost, so neither knows how the other is made.

#include <string>

// How the 640x480 page fills a larger screen or window.
enum class Scaling {
    IntegerSteps,  // whole multiples only, bars around (sharp pixels)
    Fit,           // as large as fits with the aspect kept, bars on two sides
    Stretch,       // the whole screen, aspect not kept
};

struct GameSettings {
    bool fullScreen = true;
    // The window's client size when not full screen; 0 x 0: the largest whole multiple of the
    // page that fits on the desktop.
    int windowWidth = 0;
    int windowHeight = 0;
    Scaling scaling = Scaling::IntegerSteps;
    bool vsync = true;
    int frameCap = 60;       // frames per second when vsync does not pace the loop
    int musicVolume = 10;    // 0..10
    int effectsVolume = 10;  // 0..10
    bool mute = false;
    bool pauseWhenAway = true;
    int padPointerSpeed = 5;  // 1..10
    // config.cfg's own two modes: shown with the rest, written back in that file's format.
    int resolutionMode = 2;
    int detailMode = 1;

    bool operator==(const GameSettings&) const = default;
};

// The program's side of the settings.
class SettingsHost {
  public:
    virtual ~SettingsHost() = default;
    virtual const GameSettings& settings() const = 0;
    // Takes changed settings and applies them at once (display, mixer, pause, controller):
    // the next frame shows them, no restart.
    virtual void apply(const GameSettings& changed) = 0;
    // Keeps them for the next start (settings.ini and config.cfg's two modes); false with one
    // line on stderr naming the file when it cannot be written.
    virtual bool save() = 0;
    // Where the player's files are, for the options to tell.
    virtual std::string savesFolder() const = 0;
    virtual std::string photosFolder() const = 0;
    virtual std::string screenshotsFolder() const = 0;
};

// The host of this run, or null (a test without one): set by the program at start-up.
void setSettingsHost(SettingsHost* host);
SettingsHost* settingsHost();
