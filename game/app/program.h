#pragma once
// The program: options, the working directory, the platform face (the window face the program
// was built with, or the headless one), the engine services in their order, the main loop, and
// the release in reverse order.

#include "engine/platform/platform.h"

// The exit code: 0 after a normal end, 1 when the game cannot start, 2 for a bad command line
// or script, 3 when a script command failed. `windowFace` makes the face a player gets; without
// one (tests, which link no display library) only headless runs start.
int gameMain(int argc, char** argv, platform::PlatformFactory windowFace);
