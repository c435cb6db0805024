#include "game/ui/hotspots.h"

namespace {
std::vector<DrawnHotspot> gCurrent;
std::vector<DrawnHotspot> gLast;
}  // namespace

void registerHotspot(int x, int y, int width, int height, const char* caption) {
    gCurrent.push_back({x, y, width, height, caption ? caption : ""});
}

void finishHotspotFrame() {
    gLast.swap(gCurrent);
    gCurrent.clear();
}

const std::vector<DrawnHotspot>& lastFrameHotspots() {
    return gLast;
}

const DrawnHotspot* findHotspot(const std::string& caption) {
    for (auto it = gLast.rbegin(); it != gLast.rend(); ++it) {
        if (it->caption == caption) return &*it;
    }
    return nullptr;
}
