#pragma once
// PNG files of the game's pages (screenshots), written through libpng: 8-bit RGB, the colours
// turned as every picture file the game writes turns them (Rgb565To888).

#include <cstdint>
#include <string>

// The whole PNG file of width × height RGB565 pixels, rows `pitch` pixels apart (top first).
// Empty, with libpng's reason in `why`, when it cannot be made.
std::string EncodePngRgb565(const uint16_t* pixels, int width, int height, int pitch,
                            std::string* why);
