#include "game/scenes/beach/pixel_path.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

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
    Path path = bestPath();
    const char* wanted = std::getenv("RAVEZ_ROW_PATH");
    if (wanted && *wanted) parsePath(wanted, &path);
    usePath(path);
    return true;
}();

}  // namespace

Path bestPath() {
    // Also checks that the operating system saves the wide registers.
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512vl")) {
        return Path::Avx512;
    }
    if (__builtin_cpu_supports("avx2")) return Path::Avx2;
    return Path::Plain;
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
    switch (path) {
        case Path::Avx512:
            return "avx512";
        case Path::Avx2:
            return "avx2";
        case Path::Plain:
            break;
    }
    return "plain";
}

bool parsePath(const char* name, Path* path) {
    for (Path p : {Path::Plain, Path::Avx2, Path::Avx512}) {
        if (std::strcmp(name, pathName(p)) == 0) {
            *path = p;
            return true;
        }
    }
    return false;
}

const Kernels& kernels() {
    return *gKernels;
}

}  // namespace beachpx
