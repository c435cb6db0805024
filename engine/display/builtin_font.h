#pragma once
// The engine's own 8 × 8 font in code-page-437 layout (256 glyphs, first code 0, last 255),
// as a complete TFF font block.

#include <cstdint>

constexpr int kBuiltinFontGlyphs = 256;
constexpr int kBuiltinFontBytes = 20 + kBuiltinFontGlyphs * 8;

const uint8_t* BuiltinFontRecord();
