#include "game/scenes/beach/pixel_path.h"

#include "game/scenes/beach/pixel_kernels.h"

namespace beachpx {

Path bestPath() {
    return rowops::BestPath();
}

Path currentPath() {
    return rowops::CurrentPath();
}

Path usePath(Path path) {
    return rowops::UsePath(path);
}

const char* pathName(Path path) {
    return rowops::PathName(path);
}

bool parsePath(const char* name, Path* path) {
    return rowops::ParsePath(name, path);
}

const Kernels& kernels() {
    switch (rowops::CurrentPath()) {
        case Path::Avx512:
            return kAvx512Kernels;
        case Path::Avx2:
            return kAvx2Kernels;
        case Path::Plain:
            break;
    }
    return kPlainKernels;
}

}  // namespace beachpx
