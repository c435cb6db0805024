#include "game/app/resolution.h"

namespace {
constexpr Resolution kModes[7] = {{320, 240},  {512, 384},   {640, 480},  {800, 600},
                                  {1024, 768}, {1280, 1024}, {1600, 1200}};
}

Resolution resolutionFor(int mode) {
    return mode >= 0 && mode <= 6 ? kModes[mode] : kModes[2];
}
