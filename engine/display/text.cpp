#include "engine/display/text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/display/svgahi.h"
#include "engine/display/svgahi_state.h"
#include "engine/resources/little_endian.h"

namespace {

struct Font {
    const uint8_t* glyphs = nullptr;
    int width = 0;
    int height = 0;
    int rowBytes = 0;
    int first = 0;
    int last = -1;
};

struct Cursor {
    int x = 0;
    int y = 0;
    int lineStartX = 0;
    int nextLineY = 0;
};

Font font;
int advanceX = 0;
int advanceY = 0;

// For each byte of a glyph row, the eight pixels as all-ones / all-zeros masks, so that a row
// of eight pixels becomes a handful of vector operations.
using RowMask = std::array<uint16_t, 8>;
constexpr std::array<RowMask, 256> MakeExpandTable() {
    std::array<RowMask, 256> table{};
    for (int b = 0; b < 256; ++b) {
        for (int bit = 0; bit < 8; ++bit) {
            table[b][bit] = (b & (0x80 >> bit)) ? 0xFFFF : 0x0000;
        }
    }
    return table;
}
alignas(16) constexpr std::array<RowMask, 256> kExpand = MakeExpandTable();

bool Covers(int code) {
    return font.glyphs && code >= font.first && code <= font.last;
}

// Glyphs are collected first and drawn a pixel row at a time across a whole line of text:
// the page is then written in address order, and the per-glyph work shrinks to one table
// lookup and one eight-pixel blend per glyph row. Within a row the glyphs are drawn in text
// order, so overlapping cells end up exactly as if each glyph were drawn whole in turn.
struct Placement {
    int x;
    int y;
    const uint8_t* glyph;
};

class Printer {
  public:
    Printer(uint16_t foreground, uint16_t background)
        : fg_(foreground),
          bg_(background),
          opaque_(background != kTransparentBackground),
          area_(CurrentDrawArea()) {}
    ~Printer() { Flush(); }
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    Cursor cursor;

    void DrawGlyph(int code) {
        if (!Covers(code) || area_.Empty()) return;
        // Glyphs entirely outside the draw area need no place in the queue.
        if (cursor.y >= area_.bottom || cursor.y + font.height <= area_.top ||
            cursor.x >= area_.right || cursor.x + font.width <= area_.left) {
            return;
        }
        if (count_ == kQueue) Flush();
        queue_[count_++] = {cursor.x, cursor.y,
                            font.glyphs + static_cast<std::ptrdiff_t>(code - font.first) *
                                              font.height * font.rowBytes};
    }

    void Advance() {
        cursor.x += advanceX;
        cursor.y += advanceY;
    }

    // A character produced by a conversion: its glyph if the font has it, then an advance.
    void Emit(int code) {
        DrawGlyph(code);
        Advance();
    }

  private:
    static constexpr int kQueue = 512;

    void Flush() {
        int begin = 0;
        while (begin < count_) {
            int end = begin + 1;
            while (end < count_ && queue_[end].y == queue_[begin].y) ++end;
            DrawLine(begin, end);
            begin = end;
        }
        count_ = 0;
    }

    void DrawLine(int begin, int end) {
        const int y0 = queue_[begin].y;
        const int first = std::max(0, area_.top - y0);
        const int last = std::min(font.height, area_.bottom - y0);
#if defined(__SSE2__)
        // The usual case: 8-pixel cells all inside the clip columns, no per-pixel checks.
        bool inside = font.rowBytes == 1;
        for (int i = begin; i < end && inside; ++i) {
            inside = queue_[i].x >= area_.left && queue_[i].x + 8 <= area_.right;
        }
        if (inside) {
            if (opaque_) {
                DrawCells<true>(begin, end, y0, first, last);
            } else {
                DrawCells<false>(begin, end, y0, first, last);
            }
            return;
        }
#endif
        for (int r = first; r < last; ++r) {
            uint16_t* row = svga.target.Row(y0 + r);
            const int offset = r * font.rowBytes;
            for (int i = begin; i < end; ++i) {
                const Placement& p = queue_[i];
                for (int k = 0; k < font.rowBytes; ++k) {
                    DrawByte(row, p.x + 8 * k, p.glyph[offset + k]);
                }
            }
        }
    }

#if defined(__SSE2__)
    template <bool kOpaque>
    void DrawCells(int begin, int end, int y0, int first, int last) {
        const __m128i fg = _mm_set1_epi16(static_cast<short>(fg_));
        const __m128i bg = _mm_set1_epi16(static_cast<short>(bg_));
        for (int r = first; r < last; ++r) {
            uint16_t* row = svga.target.Row(y0 + r);
            for (int i = begin; i < end; ++i) {
                const Placement& p = queue_[i];
                auto* d = reinterpret_cast<__m128i*>(row + p.x);
                const __m128i m =
                    _mm_load_si128(reinterpret_cast<const __m128i*>(kExpand[p.glyph[r]].data()));
                const __m128i other = kOpaque ? bg : _mm_loadu_si128(d);
                _mm_storeu_si128(d, _mm_or_si128(_mm_and_si128(m, fg), _mm_andnot_si128(m, other)));
            }
        }
    }
#endif

    void DrawByte(uint16_t* row, int x, uint8_t bits) {
        const RowMask& mask = kExpand[bits];
        if (x >= area_.left && x + 8 <= area_.right) {
            uint16_t* d = row + x;
#if defined(__SSE2__)
            const __m128i m = _mm_load_si128(reinterpret_cast<const __m128i*>(mask.data()));
            const __m128i fg = _mm_set1_epi16(static_cast<short>(fg_));
            const __m128i other = opaque_ ? _mm_set1_epi16(static_cast<short>(bg_))
                                          : _mm_loadu_si128(reinterpret_cast<const __m128i*>(d));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d),
                             _mm_or_si128(_mm_and_si128(m, fg), _mm_andnot_si128(m, other)));
#else
            for (int j = 0; j < 8; ++j) {
                const uint16_t other = opaque_ ? bg_ : d[j];
                d[j] = static_cast<uint16_t>((fg_ & mask[j]) | (other & ~mask[j]));
            }
#endif
            return;
        }
        for (int j = 0; j < 8; ++j) {
            const int px = x + j;
            if (px < area_.left || px >= area_.right) continue;
            if (mask[j]) {
                row[px] = fg_;
            } else if (opaque_) {
                row[px] = bg_;
            }
        }
    }

    uint16_t fg_;
    uint16_t bg_;
    bool opaque_;
    DrawArea area_;
    Placement queue_[kQueue];
    int count_ = 0;
};

// Draws a decimal text inside a field: zeros in front when it is shorter than the width, only
// its last width characters when it is not.
void EmitNumber(Printer& printer, const char* digits, int width) {
    const int length = static_cast<int>(std::strlen(digits));
    if (width > length) {
        for (int i = 0; i < width - length; ++i) printer.Emit('0');
    } else if (width > 0) {
        digits += length - width;
    }
    for (; *digits; ++digits) printer.Emit(static_cast<uint8_t>(*digits));
}

}  // namespace

void SetFont(const uint8_t* fontRecord) {
    if (!fontRecord || std::memcmp(fontRecord, "TFF", 3) != 0) return;
    const int first = LoadLE16(fontRecord + 10);
    const int last = LoadLE16(fontRecord + 12);
    const int width = LoadLE16(fontRecord + 14);
    const int height = LoadLE16(fontRecord + 16);
    const int kind = LoadLE16(fontRecord + 18);
    if (kind != 0 || width < 8 || height == 0 || first > last) return;
    font.glyphs = fontRecord + 20;
    font.width = width;
    font.height = height;
    font.rowBytes = width / 8;
    font.first = first;
    font.last = last;
    advanceX = width;
    advanceY = 0;
}

void SetCharSpacing(int dx, int dy) {
    if (advanceX != kSpacingLocked) advanceX = dx;
    if (advanceY != kSpacingLocked) advanceY = dy;
}

void GetFontInfo(int* dx, int* dy, int* width, int* height) {
    if (dx) *dx = advanceX;
    if (dy) *dy = advanceY;
    if (width) *width = font.width;
    if (height) *height = font.height;
}

void PrintText(int x, int y, uint16_t foreground, uint16_t background, const char* format, ...) {
    va_list args;
    va_start(args, format);
    PrintTextV(x, y, foreground, background, format, args);
    va_end(args);
}

void PrintTextV(int x, int y, uint16_t foreground, uint16_t background, const char* format,
                va_list args) {
    if (!format) return;
    Printer printer(ToDisplayColour(foreground), ToDisplayColour(background));
    Cursor& cursor = printer.cursor;
    cursor = {x, y, x, y + font.height + 2};

    const auto* text = reinterpret_cast<const uint8_t*>(format);
    // Bytes from the 256th on are never looked at: they read as the end of the format.
    const auto at = [text](int i) -> uint8_t { return i < kMaxFormatBytes ? text[i] : 0; };

    for (int i = 0; i < kMaxFormatBytes; ++i) {
        const uint8_t c = text[i];
        if (c >= 32 && c != 127) {
            if (!Covers(c)) continue;
            if (c != '%') {
                printer.Emit(c);
                continue;
            }
            int width = 0;
            while (at(i + 1) >= '0' && at(i + 1) <= '9') {
                width = std::min(width * 10 + (at(i + 1) - '0'), 9999);
                ++i;
            }
            // A format ending inside a conversion ends there; its terminator is not consumed.
            uint8_t letter = at(i + 1);
            if (letter == 0) continue;
            ++i;
            bool isLong = false;
            if (letter == 'l') {
                letter = at(i + 1);
                if (letter == 0) continue;
                ++i;
                isLong = true;
            }
            char digits[16];
            if (letter == 'd' || (letter == 'u' && !isLong)) {
                const int32_t value = isLong ? static_cast<int32_t>(va_arg(args, long))
                                             : static_cast<int32_t>(va_arg(args, int));
                std::snprintf(digits, sizeof digits, "%d", value);
                EmitNumber(printer, digits, width);
            } else if (letter == 'u') {
                const auto value = static_cast<uint32_t>(va_arg(args, unsigned long));
                std::snprintf(digits, sizeof digits, "%u", value);
                EmitNumber(printer, digits, width);
            } else if (letter == 's' && !isLong) {
                // A string shorter than its field ends at its terminator; nothing behind it
                // is read.
                const auto* string = reinterpret_cast<const uint8_t*>(va_arg(args, const char*));
                if (!string) continue;
                for (int k = 0; string[k] && (width == 0 || k < width); ++k)
                    printer.Emit(string[k]);
            } else if (letter == '%' && !isLong) {
                printer.Emit('%');
            }
            continue;
        }
        switch (c) {
            case 10:
                cursor.y = cursor.nextLineY;
                cursor.x = cursor.lineStartX;
                cursor.nextLineY += font.height + 2;
                break;
            case 13:
                cursor.x = cursor.lineStartX;
                break;
            case 8:
                cursor.x -= advanceX;
                cursor.y -= advanceY;
                printer.DrawGlyph(8);
                break;
            default:
                printer.DrawGlyph(c);
                break;
        }
        if (c == 0) break;
    }
}
