#pragma once
// Which processor path the beach's pixel loops run on: the engine's row loops decide (what the
// processor offers, or RAVEZ_ROW_PATH), so that one choice puts every loop on the same path.

#include "engine/display/row_ops.h"

namespace beachpx {

struct Kernels;

using Path = rowops::Path;

// The widest path this processor (and its operating system) can run.
Path bestPath();
Path currentPath();
// Runs the loops (the engine's rows and the beach's alike) on `path`, or on the best the
// processor has when it lacks that one; returns the path now in use. For tests and benchmarks.
Path usePath(Path path);
const char* pathName(Path path);
// "plain", "avx2" or "avx512"; false for anything else.
bool parsePath(const char* name, Path* path);

const Kernels& kernels();

}  // namespace beachpx
