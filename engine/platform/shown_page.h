#pragma once
// The copy of the last page a face sent to the screen, so that a page identical to it need not
// be sent again. Keeping it costs one pass over the page: whole rows are compared with memcmp
// and copied only from the first row that differs on.

#include <cstdint>
#include <vector>

#include "engine/platform/display_backend.h"

namespace platform {

class ShownPage {
  public:
    // Keeps this page as the one shown; true when it differs from the page kept before (always
    // for the first page and after forget(), and for another size or pixel layout).
    bool update(const uint16_t* pixels, int width, int height, int pitch, PixelLayout layout);
    // What the screen shows is no longer known (a new texture, say): the next page differs.
    void forget() { known_ = false; }

  private:
    std::vector<uint16_t> pixels_;
    int width_ = 0;
    int height_ = 0;
    PixelLayout layout_ = PixelLayout::Rgb565;
    bool known_ = false;
};

}  // namespace platform
