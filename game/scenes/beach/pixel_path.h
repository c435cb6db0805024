#pragma once
// Which processor path the beach's pixel loops run on: chosen once at start by what the processor
// offers, or by the RAVEZ_ROW_PATH environment variable (plain, avx2, avx512) as for the
// engine's row loops, so that one switch forces every loop onto the same path.

namespace beachpx {

struct Kernels;

// The processor paths, plainest first.
enum class Path { Plain, Avx2, Avx512 };

// The widest path this processor (and its operating system) can run.
Path bestPath();
Path currentPath();
// Runs the loops on `path`, or on the best the processor has when it lacks that one; returns the
// path now in use. For tests and benchmarks.
Path usePath(Path path);
const char* pathName(Path path);
// "plain", "avx2" or "avx512"; false for anything else.
bool parsePath(const char* name, Path* path);

const Kernels& kernels();

}  // namespace beachpx
