// The launcher program: shows the title window and starts the chosen game build.
//   launcher [--data DIR] [--screenshot FILE]   (--screenshot saves the first painted window
//   and ends)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "engine/base/messages.h"
#include "engine/platform/sdl/sdl_platform.h"
#include "engine/platform/terminal.h"
#include "engine/resources/data_location.h"
#include "launcher/launcher.h"
#include "launcher/launcher_window.h"

namespace {

constexpr const char* kUsage =
    "usage: launcher [--data DIR] [--screenshot FILE] [--help]\n"
    "  --data DIR         read the title picture, buttons and tune from DIR\n"
    "  --screenshot FILE  save the first painted window as a BMP and end\n"
    "The launcher starts game_de or game_uk, found beside it or on PATH.\n";

// The launcher's own files: the working directory when it holds them (a portable copy),
// else the data set found by the rule every program follows.
bool chooseDataFolder(const std::string& given) {
    if (given.empty() && HoldsDataSet(".", kBackgroundName)) return true;
    const DataSetSearch data = FindDataSet(given, kBackgroundName);
    if (data.found.empty()) {
        platform::printToStderr("launcher: %s\n", NoDataSetMessage(data).c_str());
        return false;
    }
    SetLauncherDataFolder(data.found);
    // The games started from here follow a folder the player named.
    if (data.explicitChoice) setenv("RAVEZ_DATA", data.found.c_str(), 1);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const char* screenshot = nullptr;
    std::string dataDir;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("%s", kUsage);
            return 0;
        }
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshot = argv[++i];
        } else if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc) {
            dataDir = argv[++i];
        } else {
            platform::printToStderr("launcher: unknown option %s\n%s", argv[i], kUsage);
            return 2;
        }
    }
    if (!chooseDataFolder(dataDir)) return 1;

    StartMessages();
    platform::PlatformSettings settings;
    settings.windowed = true;
    const std::unique_ptr<platform::Platform> face = platform::createSdlPlatform(settings);
    face->install(false);  // the tune has a player of its own

    int status = 0;
    LauncherWindow window(*face);
    Launcher launcher;
    if (!StartLauncher(&launcher, &window)) {
        platform::printToStderr("launcher: %s\n", window.lastError().c_str());
        status = 1;  // a launcher that never showed its window did not succeed
    } else {
        window.run(&launcher, screenshot);
        ReleaseLauncher(&launcher, &window);
    }
    return status;
}
