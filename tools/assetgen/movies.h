#pragma once
// Stills of the movies for the review sheets.

#include <string>

#include "tools/assetgen/canvas.h"

namespace gen {

// Movie k (0 .. MovieCount() - 1, in the order they are written) at t seconds.
int MovieCount();
std::string MovieName(int k);
Canvas MovieStill(int k, double t);

}  // namespace gen
