#pragma once
// The command line of the game and where its files live.

#include <cstdint>
#include <string>

struct Options {
    std::string dataDir;  // the search path for resources missing in the working directory
    std::string workDir;  // --workdir; empty: chosen as described at chooseWorkDir
    std::string script;
    std::string dumpState;
    std::string record;  // --record: the session written as a recording
    int botDays = 0;     // --bot: game days the bot plays (0: no bot)
    uint64_t botSeed = 1;
    bool windowed = false;
    bool headless = false;
    bool skipMovies = false;
    bool noSound = false;
    bool verbose = false;       // FFmpeg's warnings on stderr too, not only its errors
    bool pauseWhenAway = true;  // --no-pause-when-away plays on without focus
    int frameMs = 16;
    int padSpeed = 5;  // --pad-speed: how fast a game controller's stick moves the pointer
    bool padSpeedGiven = false;
    bool checkData = false;  // --check-data: read every data file, name the damaged ones
    bool help = false;
    bool version = false;
};

// False with a message in *error for a command line that is not understood.
bool parseOptions(int argc, char** argv, Options* options, std::string* error);
const char* usageText();

// The working directory: --workdir if given; else the current directory when it holds a
// "config.cfg" (portable mode); else $XDG_DATA_HOME/ravez-lensquest (by default
// ~/.local/share/ravez-lensquest), made with "sav/", "fotos/" and a default "config.cfg" on
// first start. Empty when none can be made.
std::string chooseWorkDir(const Options& options);
// Makes sav/, fotos/ and a default config.cfg in dir where missing. False on failure.
bool prepareWorkDir(const std::string& dir);
// The contents of the default configuration file: 640 × 480, blended day and night.
std::string defaultConfig();
