#pragma once
// Formatted text in a 1-bit bitmap font, drawn straight into the DrawTarget and clipped per
// pixel. The format language: %d %u %ld %lu with an optional field width (zeros in front when
// the number is shorter, only its last digits when it is longer), %s (exactly N characters
// with a width), %%; line feed, carriage return and backspace move the cursor; other control
// codes draw their glyph without advancing.

#include <cstdarg>
#include <cstdint>

constexpr uint16_t kTransparentBackground = 0xFFFF;
constexpr int kMaxFormatBytes = 255;
constexpr uint8_t kSpacingLocked = 0xFF;

// Installs a font from its TFF block (20-byte header, then glyph data). The block is not
// copied and must stay allocated while it is current. The advance becomes (width, 0). A block
// that is no bitmap font is ignored.
void SetFont(const uint8_t* fontRecord);
// Sets the advance; each of dx and dy keeps its value once it is 0xFF.
void SetCharSpacing(int dx, int dy);
void GetFontInfo(int* dx, int* dy, int* width, int* height);

// Draws formatted text with the top-left of its first cell at (x, y). Colours are 5-6-5; a
// background of 0xFFFF leaves clear glyph bits untouched.
void PrintText(int x, int y, uint16_t foreground, uint16_t background, const char* format, ...)
    __attribute__((format(printf, 5, 6)));
void PrintTextV(int x, int y, uint16_t foreground, uint16_t background, const char* format,
                va_list args);
