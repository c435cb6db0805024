#pragma once
// The program: options, the working directory, the platform faces (SDL2 or headless), the
// engine services in their order, the main loop, and the release in reverse order.

// The exit code: 0 after a normal end, 1 when the game cannot start, 2 for a bad command line
// or script, 3 when a script command failed.
int gameMain(int argc, char** argv);
