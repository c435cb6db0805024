#pragma once
// Review sheets: every picture scaled into a labelled cell on a checkerboard (which shows
// where colour 0 leaves a picture transparent).

#include <string>
#include <vector>

#include "tools/assetgen/canvas.h"

namespace gen {

struct SheetItem {
    std::string label;
    Canvas picture;
};

Canvas ContactSheet(const std::string& title, const std::vector<SheetItem>& items, int cellW = 168,
                    int cellH = 140, int columns = 8);

}  // namespace gen
