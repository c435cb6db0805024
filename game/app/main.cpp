// Ravez Lensquest. The build (German or English) is chosen by the text table linked in.

#include "engine/platform/sdl/sdl_platform.h"
#include "game/app/program.h"

int main(int argc, char** argv) {
    return gameMain(argc, argv, platform::createSdlPlatform);
}
