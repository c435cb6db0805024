#pragma once
// The pictures of the location pool, by number.

#include <vector>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/output.h"

namespace gen {

// A full-screen background (640 × 480), by picture number.
Canvas LocationBackground(int number);
// Any location picture, at the size the asset table gives (a 1 × 1 placeholder for a number
// without a picture of its own).
Canvas LocationPicture(int number);
std::vector<Bytes> LocationPoolChunks();

// Beach names and hotel names as the map shows them.
extern const char* const kBeachNames[10];
extern const char* const kHotelNames[3];

}  // namespace gen
