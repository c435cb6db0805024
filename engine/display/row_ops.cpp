#include "engine/display/row_ops.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "engine/display/row_kernels.h"

namespace rowops {
namespace {

const Kernels* Table(Path path) {
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

// Constant-initialised, so that rows drawn by other start-up code before the choice below run
// on the baseline rather than through a null table.
const Kernels* gKernels = &kPlainKernels;
Path gPath = Path::Plain;

[[maybe_unused]] const bool gChosen = [] {
    Path path = BestPath();
    const char* wanted = std::getenv("RAVEZ_ROW_PATH");
    if (wanted && *wanted) ParsePath(wanted, &path);
    UsePath(path);
    return true;
}();

}  // namespace

Path BestPath() {
    // Checks the operating system's register saving as well as the instructions.
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl") &&
        __builtin_cpu_supports("avx512vbmi")) {
        return Path::Avx512;
    }
    if (__builtin_cpu_supports("avx2")) return Path::Avx2;
    return Path::Plain;
}

Path CurrentPath() {
    return gPath;
}

Path UsePath(Path path) {
    const Path best = BestPath();
    if (static_cast<int>(path) > static_cast<int>(best)) path = best;
    gPath = path;
    gKernels = Table(path);
    return path;
}

const char* PathName(Path path) {
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

bool ParsePath(const char* name, Path* path) {
    for (Path p : {Path::Plain, Path::Avx2, Path::Avx512}) {
        if (std::strcmp(name, PathName(p)) == 0) {
            *path = p;
            return true;
        }
    }
    return false;
}

void Fill(uint16_t* __restrict dst, int count, uint16_t colour) {
    gKernels->fill(dst, count, colour);
}

void Copy(uint16_t* __restrict dst, const uint16_t* __restrict src, int count) {
    if (count > 0) std::memcpy(dst, src, static_cast<std::size_t>(count) * 2);
}

void CopyRows(uint16_t* __restrict dst, int dstPitch, const uint16_t* __restrict src, int srcPitch,
              int count, int rows) {
    if (count <= 0 || rows <= 0) return;
    if (dstPitch == count && srcPitch == count) {
        // One long copy lets the library use its string-move path, which writes whole cache
        // lines without reading them first.
        std::memcpy(dst, src, static_cast<std::size_t>(count) * 2 * static_cast<std::size_t>(rows));
        return;
    }
    for (int row = 0; row < rows; ++row) {
        std::memcpy(dst + static_cast<std::ptrdiff_t>(row) * dstPitch,
                    src + static_cast<std::ptrdiff_t>(row) * srcPitch,
                    static_cast<std::size_t>(count) * 2);
    }
}

void CopyKeyed(uint16_t* __restrict dst, const uint16_t* __restrict src, int count) {
    gKernels->copyKeyed(dst, src, count);
}

void To555(uint16_t* __restrict dst, const uint16_t* __restrict src, int count) {
    gKernels->to555(dst, src, count);
}

void ExpandBits(uint16_t* __restrict dst, const uint8_t* __restrict bits, int bytes, uint16_t fg,
                uint16_t bg) {
    gKernels->expandBits(dst, bits, bytes, fg, bg);
}

void ExpandBitsOver(uint16_t* __restrict dst, const uint8_t* __restrict bits, int bytes,
                    uint16_t fg) {
    gKernels->expandBitsOver(dst, bits, bytes, fg);
}

void Faded(uint16_t* __restrict dst, const uint16_t* __restrict src, int count) {
    gKernels->faded(dst, src, count);
}

void Tint(uint16_t* __restrict dst, int count, uint16_t colour) {
    gKernels->tint(dst, count, colour);
}

void Darken(uint16_t* __restrict dst, int count) {
    gKernels->darken(dst, count);
}

void Blend(uint16_t* __restrict dst, const uint16_t* __restrict first,
           const uint16_t* __restrict second, int count, uint16_t a) {
    gKernels->blend(dst, first, second, count, a);
}

void BlendRows(uint16_t* __restrict dst, int dstPitch, const uint16_t* __restrict first,
               int firstPitch, const uint16_t* __restrict second, int secondPitch, int count,
               int rows, uint16_t a) {
    if (count <= 0 || rows <= 0) return;
    if (dstPitch == count && firstPitch == count && secondPitch == count) {
        // No row's end is then split into a short vector.
        gKernels->blend(dst, first, second, count * rows, a);
        return;
    }
    for (int row = 0; row < rows; ++row) {
        gKernels->blend(dst + static_cast<std::ptrdiff_t>(row) * dstPitch,
                        first + static_cast<std::ptrdiff_t>(row) * firstPitch,
                        second + static_cast<std::ptrdiff_t>(row) * secondPitch, count, a);
    }
}

void Grey(uint16_t* __restrict dst, const uint16_t* __restrict src, int count) {
    gKernels->grey(dst, src, count);
}

void PixelDouble(uint16_t* __restrict dst, const uint16_t* __restrict src, int pixels) {
    gKernels->pixelDouble(dst, src, pixels);
}

}  // namespace rowops
