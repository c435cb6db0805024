// The plain path: the loops as the compiler vectorises them for the baseline processor.
#include <cstddef>
#include <cstdint>

#include "game/scenes/beach/pixel_kernels.h"

namespace {
#include "game/scenes/beach/pixel_loops.inc"
}  // namespace

namespace beachpx {
const Kernels kPlainKernels = {loopNight,    loopMixed,        loopGlow,    loopFlash,
                               scalarFilter, scalarFilterWork, loopKeyedBy, true};
}  // namespace beachpx
