#pragma once
// Drawing over the frame on the screen (the "paused" sign, the options box) without touching
// what the scenes drew. The page the next frame is drawn into is not the one on the screen: a
// present shows the draw page and switches to the other one. While an overlay lives it keeps
// both pages; each draw starts from the frame on the screen, and at the end both pages are put
// back and that frame is shown again, so the scenes find the pages as they left them.

#include <cstdint>
#include <memory>

#include "engine/display/page.h"

class FrameOverlay {
  public:
    FrameOverlay();
    ~FrameOverlay();
    FrameOverlay(const FrameOverlay&) = delete;
    FrameOverlay& operator=(const FrameOverlay&) = delete;

    // False when there is no page to draw on (nothing is done then).
    explicit operator bool() const { return shown_ != nullptr; }
    // The page to draw the overlay into, holding the frame that was on the screen.
    PageView begin();
    // The frame that was on the screen (page size, pitch in pixels of the page width).
    const uint16_t* shownFrame() const { return shown_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    // Puts the pages back and shows the frame again (unless the window is gone); called by the
    // destructor when not called before.
    void end(bool showAgain = true);

  private:
    int width_ = 0;
    int height_ = 0;
    int drawIndex_ = -1;                 // the draw page's slot at the start, -1: a single page
    std::unique_ptr<uint16_t[]> shown_;  // the frame on the screen
    std::unique_ptr<uint16_t[]> next_;   // what the draw page held (two pages only)
    bool ended_ = false;
};
