#pragma once
// Every hotspot drawn in a frame with its rectangle and caption, so that scripted play can
// click a caption. The list of a frame becomes "the last frame" when the frame is presented.

#include <string>
#include <vector>

struct DrawnHotspot {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string caption;
};

void registerHotspot(int x, int y, int width, int height, const char* caption);
// Called when a frame is presented.
void finishHotspotFrame();
const std::vector<DrawnHotspot>& lastFrameHotspots();
// The last frame's hotspot with this caption (the last drawn wins), or null.
const DrawnHotspot* findHotspot(const std::string& caption);
