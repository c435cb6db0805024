#include "engine/platform/headless_platform.h"

#include <algorithm>

#include "engine/platform/terminal.h"

namespace platform {

HeadlessPlatform::~HeadlessPlatform() {
    uninstall();
}

bool HeadlessPlatform::startProgram(const std::string& name) {
    if (std::find(refusedPrograms.begin(), refusedPrograms.end(), name) != refusedPrograms.end()) {
        printToStderr("cannot start %s\n", name.c_str());
        return false;
    }
    startedPrograms.push_back(name);
    return true;
}

std::unique_ptr<Platform> createHeadlessPlatform(const PlatformSettings&) {
    return std::make_unique<HeadlessPlatform>();
}

}  // namespace platform
