// The baseline path: the plain loops, vectorised for the instruction set every x86-64 has.
#include <cstdint>

#include "engine/display/row_kernels.h"

namespace {
#define RAVEZ_ROW_WIDE_VECTORS 0
#include "engine/display/row_loops.inc"
}  // namespace

const rowops::Kernels rowops::kPlainKernels = RAVEZ_LOOP_KERNELS;
