// The launcher program: shows the title window and starts the chosen game build.
//   launcher [--screenshot FILE]   (the option saves the first painted window and ends)
#include <cstdio>
#include <cstring>

#include "engine/platform/message_box.h"
#include "engine/platform/sdl/sdl_message_box.h"
#include "engine/resources/messages.h"
#include "launcher/sdl_host.h"

int main(int argc, char** argv) {
    const char* screenshot = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshot = argv[++i];
        } else {
            std::fprintf(stderr, "usage: launcher [--screenshot FILE]\n");
            return 2;
        }
    }

    StartMessages();
    platform::SdlMessageBox boxes;
    platform::setMessageBoxService(&boxes);

    int status = 0;
    {
        SdlLauncherHost host;
        host.boxes = &boxes;
        Launcher launcher;
        if (!StartLauncher(&launcher, &host)) {
            std::fprintf(stderr, "launcher: %s\n", host.lastError().c_str());
            status = 1;  // a launcher that never showed its window did not succeed
        } else {
            host.run(&launcher, screenshot);
            ReleaseLauncher(&launcher, &host);
        }
    }
    platform::setMessageBoxService(nullptr);
    SDL_Quit();
    return status;
}
