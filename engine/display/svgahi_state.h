#pragma once
// The drawing module's state, shared by its source files (not part of the interface).

#include <cstdint>

#include "engine/display/page.h"

class NormalWin;

struct SvgaState {
    NormalWin* display = nullptr;
    PageView target;  // the DrawTarget
    ClipRect clip;
    int pixelFormat = 16;
    int traceLevel = 0;
    uint32_t generation = 0;
};

extern SvgaState svga;

void SvgaTrace(int level, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The clip rectangle limited to the DrawTarget: the area every primitive may write.
struct DrawArea {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    bool Empty() const { return left >= right || top >= bottom; }
};

inline DrawArea CurrentDrawArea() {
    DrawArea area;
    if (!svga.target.pixels) return area;
    area.left = svga.clip.left > 0 ? svga.clip.left : 0;
    area.top = svga.clip.top > 0 ? svga.clip.top : 0;
    area.right = svga.clip.right < svga.target.width ? svga.clip.right : svga.target.width;
    area.bottom = svga.clip.bottom < svga.target.height ? svga.clip.bottom : svga.target.height;
    return area;
}
