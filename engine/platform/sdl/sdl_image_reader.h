#pragma once
// The image reader on SDL2: SDL's own BMP loader, which reads what Windows reads (1, 4 and
// 8 bits with a palette, RLE4 and RLE8, 16 bits as 5-5-5, 5-6-5 or other bit fields, 24 and
// 32 bits, rows bottom-up or top-down, the OS/2 core header and the V4 and V5 headers),
// turned into RGB565 by the same rule as the headless face's reader. It needs no SDL
// subsystem, so the programs without a window (pooltool) use it on its own.

#include "engine/platform/image_reader.h"

namespace platform {

class SdlImageReader final : public ImageReader {
  public:
    // The reason is SDL's own when SDL refuses the file.
    bool read(std::span<const uint8_t> file, Image* image, std::string* reason) override;
};

}  // namespace platform
