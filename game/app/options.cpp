#include "game/app/options.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool parseFrameMs(const char* text, int* out) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 1 || value > 1000) return false;
    *out = static_cast<int>(value);
    return true;
}

std::string padRecord(const std::string& text) {
    // Records are 32 bytes including the line break.
    std::string record = text;
    record.resize(30, ' ');
    return record + "\r\n";
}

}  // namespace

const char* usageText() {
    return "usage: game [--data DIR] [--workdir DIR] [--windowed] [--headless] [--script FILE]\n"
           "            [--frame-ms N] [--skip-movies] [--no-sound] [--dump-state FILE]\n"
           "            [--record FILE] [--bot DAYS [--seed N]] [--check-data] [--verbose]\n"
           "            [--no-pause-when-away] [--pad-speed N] [--help] [--version]\n"
           "\n"
           "  --data DIR         read the data set from DIR (default: $RAVEZ_DATA, else the\n"
           "                     installed share/ravez-lensquest, else the build's set)\n"
           "  --workdir DIR      keep saves, photos and config.cfg in DIR\n"
           "  --windowed         start in a window (Alt+Enter switches)\n"
           "  --headless         no window and no sound; time advances by --frame-ms per frame\n"
           "  --script FILE      play the commands of FILE (implies --headless)\n"
           "  --frame-ms N       milliseconds per frame in headless runs (default 16)\n"
           "  --skip-movies      every movie returns at once\n"
           "  --no-sound         play without sound\n"
           "  --no-pause-when-away  play on while the window is without focus or minimised\n"
           "                     (by default the game pauses, and its clock with it)\n"
           "  --dump-state FILE  write the game state record to FILE at exit\n"
           "  --record FILE      write everything the player does as a recording that\n"
           "                     --script FILE replays to the same state record\n"
           "  --bot DAYS         a bot plays DAYS game days headless (--seed N: its choices)\n"
           "  --verbose          the movie decoder's warnings on stderr too (default: errors)\n"
           "  --pad-speed N      how fast a game controller's stick moves the pointer, 1 to 10\n"
           "                     (default 5)\n"
           "  --version          the version and the data set in use\n"
           "  --check-data       read every file of the data set in use and name the damaged\n"
           "                     ones (exit code 1 when there are any); run it when the game\n"
           "                     looks wrong\n"
           "File names on the command line and in scripts are relative to the current\n"
           "directory; saves, photos and config.cfg live in the working directory.\n";
}

bool parseOptions(int argc, char** argv, Options* o, std::string* error) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const bool hasValue = i + 1 < argc;
        auto value = [&](std::string* out) {
            if (!hasValue) {
                *error = std::string(arg) + " needs a value";
                return false;
            }
            *out = argv[++i];
            return true;
        };
        if (std::strcmp(arg, "--data") == 0) {
            if (!value(&o->dataDir)) return false;
        } else if (std::strcmp(arg, "--workdir") == 0) {
            if (!value(&o->workDir)) return false;
        } else if (std::strcmp(arg, "--script") == 0) {
            if (!value(&o->script)) return false;
            o->headless = true;
        } else if (std::strcmp(arg, "--dump-state") == 0) {
            if (!value(&o->dumpState)) return false;
        } else if (std::strcmp(arg, "--record") == 0) {
            if (!value(&o->record)) return false;
        } else if (std::strcmp(arg, "--bot") == 0) {
            std::string text;
            if (!value(&text)) return false;
            char* end = nullptr;
            const long days = std::strtol(text.c_str(), &end, 10);
            if (*end != '\0' || days < 1 || days > 100000) {
                *error = "--bot needs a number of days from 1 to 100000";
                return false;
            }
            o->botDays = static_cast<int>(days);
            o->headless = true;
        } else if (std::strcmp(arg, "--seed") == 0) {
            std::string text;
            if (!value(&text)) return false;
            char* end = nullptr;
            const unsigned long long seed = std::strtoull(text.c_str(), &end, 10);
            if (text.empty() || *end != '\0' || text[0] == '-') {
                *error = "--seed needs a number";
                return false;
            }
            o->botSeed = seed;
        } else if (std::strcmp(arg, "--frame-ms") == 0) {
            std::string text;
            if (!value(&text)) return false;
            if (!parseFrameMs(text.c_str(), &o->frameMs)) {
                *error = "--frame-ms needs a number from 1 to 1000";
                return false;
            }
        } else if (std::strcmp(arg, "--pad-speed") == 0) {
            std::string text;
            if (!value(&text)) return false;
            char* end = nullptr;
            const long speed = std::strtol(text.c_str(), &end, 10);
            if (text.empty() || *end != '\0' || speed < 1 || speed > 10) {
                *error = "--pad-speed needs a number from 1 to 10";
                return false;
            }
            o->padSpeed = static_cast<int>(speed);
            o->padSpeedGiven = true;
        } else if (std::strcmp(arg, "--windowed") == 0) {
            o->windowed = true;
        } else if (std::strcmp(arg, "--headless") == 0) {
            o->headless = true;
        } else if (std::strcmp(arg, "--skip-movies") == 0) {
            o->skipMovies = true;
        } else if (std::strcmp(arg, "--no-sound") == 0) {
            o->noSound = true;
        } else if (std::strcmp(arg, "--no-pause-when-away") == 0) {
            o->pauseWhenAway = false;
        } else if (std::strcmp(arg, "--verbose") == 0) {
            o->verbose = true;
        } else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            o->help = true;
        } else if (std::strcmp(arg, "--version") == 0) {
            o->version = true;
        } else if (std::strcmp(arg, "--check-data") == 0) {
            o->checkData = true;
        } else {
            *error = std::string("unknown option ") + arg;
            return false;
        }
    }
    return true;
}

std::string defaultConfig() {
    return padRecord("; Ravez Lensquest") + padRecord("; scrmode 0..6: 320x240 .. 1600x1200") +
           padRecord("scrmode=2") + padRecord("detailmode=1") + "end\r\n";
}

bool prepareWorkDir(const std::string& dir) {
    std::error_code ec;
    fs::create_directories(fs::path(dir) / "sav", ec);
    if (ec) return false;
    fs::create_directories(fs::path(dir) / "fotos", ec);
    if (ec) return false;
    const fs::path config = fs::path(dir) / "config.cfg";
    if (!fs::exists(config, ec)) {
        std::ofstream out(config, std::ios::binary);
        out << defaultConfig();
        if (!out) return false;
    }
    return true;
}

std::string chooseWorkDir(const Options& options) {
    std::error_code ec;
    if (!options.workDir.empty()) {
        return prepareWorkDir(options.workDir) ? options.workDir : std::string();
    }
    if (fs::exists("config.cfg", ec)) return fs::current_path(ec).string();
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::string(home) + "/.local/share";
    } else {
        return std::string();
    }
    const std::string dir = base + "/ravez-lensquest";
    return prepareWorkDir(dir) ? dir : std::string();
}
