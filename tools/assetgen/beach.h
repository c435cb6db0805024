#pragma once
// The ten beach pools: day and night panoramas with each beach's own coastline and scenery
// (visitors' spawn zones always on sand), the control panel with its buttons, and the three
// viewfinders.

#include <vector>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/output.h"

namespace gen {

// Entry 1..23 of beach pool `beach` (1..10).
Canvas BeachPicture(int beach, int entry);
std::vector<Bytes> BeachPoolChunks(int beach);
// The sand line: the first sand row of panorama column x.
std::vector<int> Shoreline(int beach);

}  // namespace gen
