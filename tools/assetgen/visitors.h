#pragma once
// The beach visitors of the set pool: 34 people with eight poses each (the members-only
// celebrities glamorous) and 22 beach objects.

#include <vector>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/output.h"
#include "tools/assetgen/people.h"

namespace gen {

// The look of visitor type id (1..34).
Look VisitorLook(int typeId);
// Beach object of type id 35..56.
Canvas BeachObject(int typeId);
// Sprite k (1..294) of the set pool.
Canvas VisitorSprite(int sprite);
// The whole set pool's chunks (entry 0 a placeholder).
std::vector<Bytes> VisitorPoolChunks();

}  // namespace gen
