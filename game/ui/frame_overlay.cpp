#include "game/ui/frame_overlay.h"

#include <cstring>

#include "engine/display/normhi.h"
#include "engine/display/svgahi.h"
#include "game/ui/runtime.h"

namespace {

PageView viewOf(const PageRecord& record) {
    PageView view;
    view.pixels = record.address;
    view.width = record.width;
    view.height = record.height;
    view.pitch = record.pitch / 2 > record.width ? record.pitch / 2 : record.width;
    return view;
}

void copyOut(const PageView& page, uint16_t* out, int width, int height) {
    for (int row = 0; row < height; ++row)
        std::memcpy(out + static_cast<std::size_t>(row) * width, page.Row(row),
                    static_cast<std::size_t>(width) * sizeof(uint16_t));
}

void copyIn(const uint16_t* in, const PageView& page, int width, int height) {
    for (int row = 0; row < height; ++row)
        std::memcpy(page.Row(row), in + static_cast<std::size_t>(row) * width,
                    static_cast<std::size_t>(width) * sizeof(uint16_t));
}

}  // namespace

FrameOverlay::FrameOverlay() {
    const PageView target = GetDrawTarget();
    if (!target.pixels || target.width <= 0 || target.height <= 0) return;
    width_ = target.width;
    height_ = target.height;
    const std::size_t pixels = static_cast<std::size_t>(width_) * height_;
    shown_ = std::make_unique<uint16_t[]>(pixels);
    const int shownSlot = GetShownDrawPage();
    const PageView shown = shownSlot >= 0 ? viewOf(GetPageRecord(shownSlot)) : PageView{};
    if (shown.pixels && shown.pixels != target.pixels && shown.width == width_ &&
        shown.height == height_) {
        drawIndex_ = GetDrawPageIndex();
        copyOut(shown, shown_.get(), width_, height_);
        next_ = std::make_unique<uint16_t[]>(pixels);
        copyOut(target, next_.get(), width_, height_);
    } else {
        copyOut(target, shown_.get(), width_, height_);
    }
}

FrameOverlay::~FrameOverlay() {
    end();
}

PageView FrameOverlay::begin() {
    const PageView target = GetDrawTarget();
    if (!shown_ || target.width != width_ || target.height != height_) return PageView{};
    copyIn(shown_.get(), target, width_, height_);
    return target;
}

void FrameOverlay::end(bool showAgain) {
    if (ended_ || !shown_) return;
    ended_ = true;
    const PageView target = GetDrawTarget();
    if (target.width != width_ || target.height != height_) return;  // the pages were remade
    if (drawIndex_ < 0) {
        copyIn(shown_.get(), target, width_, height_);
        return;
    }
    // The shown frame goes into the draw page and is presented, which switches to the other
    // page: that one gets what the draw page held at the start.
    const int other = GetDrawPageIndex() == 2 ? 3 : 2;
    copyIn(shown_.get(), target, width_, height_);
    const PageView otherPage = viewOf(GetPageRecord(other));
    if (otherPage.pixels && otherPage.width == width_ && otherPage.height == height_)
        copyIn(next_.get(), otherPage, width_, height_);
    Runtime& rt = runtime();
    if (showAgain && rt.display && rt.display->Backend().hasWindow()) presentUncounted();
}
