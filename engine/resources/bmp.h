#pragma once
// 24-bit Windows bitmaps for exported photos and screenshots. Bitmaps from elsewhere are read
// through the platform's image reader (engine/platform/image_reader.h).

#include <cstdint>
#include <vector>

// A complete bottom-up 24-bit BMP file of width × height RGB565 pixels (rows top first), the
// colours turned by Rgb565To888 (engine/resources/rgb565.h). Rows are padded to 4 bytes.
std::vector<uint8_t> EncodeBmp24(const uint16_t* rgb565, int width, int height);

// Reads an uncompressed 24-bit BMP (bottom-up or top-down) into RGB565 pixels, rows top first,
// dropping the low bits of each channel: the headless face's rule (platform::DecodeBmp24Image).
// False, with the outputs untouched, for anything else or a file that does not hold what its
// header says.
bool DecodeBmp24(const std::vector<uint8_t>& file, int& width, int& height,
                 std::vector<uint16_t>& rgb565);
