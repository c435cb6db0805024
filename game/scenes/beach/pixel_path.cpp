#include "game/scenes/beach/pixel_path.h"

#include <cstdlib>

#include "game/scenes/beach/pixel_kernels.h"

namespace beachpx {
namespace {

const Kernels* table(Path path) {
    switch (path) {
        case Path::Avx512:
            return &kAvx512Kernels;
        case Path::Avx2:
            return &kAvx2Kernels;
        case Path::Plain:
            break;
    }
    return &kPlainKernels;
}

// Constant-initialised, so that anything drawn before the choice below runs on the plain loops.
const Kernels* gKernels = &kPlainKernels;
Path gPath = Path::Plain;

[[maybe_unused]] const bool gChosen = [] {
    Path path = rowops::BestPath();
    const char* wanted = std::getenv("RAVEZ_ROW_PATH");
    if (wanted && *wanted) rowops::ParsePath(wanted, &path);
    usePath(path);
    return true;
}();

}  // namespace

Path bestPath() {
    return rowops::BestPath();
}

Path currentPath() {
    return gPath;
}

Path usePath(Path path) {
    if (static_cast<int>(path) > static_cast<int>(bestPath())) path = bestPath();
    gPath = path;
    gKernels = table(path);
    return path;
}

const char* pathName(Path path) {
    return rowops::PathName(path);
}

bool parsePath(const char* name, Path* path) {
    return rowops::ParsePath(name, path);
}

const Kernels& kernels() {
    return *gKernels;
}

}  // namespace beachpx
