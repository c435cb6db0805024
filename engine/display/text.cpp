#include "engine/display/text.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/display/row_ops.h"
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
// the page is then written in address order. Overlapping cells end up exactly as if each
// glyph were drawn whole in turn, because every pixel still receives its writes in text order.
struct Placement {
    int x;
    int y;
    const uint8_t* glyph;
};

class Printer {
  public:
    // The font, advance and draw area cannot change during one text, so the per-character
    // tests work on copies: a code and a cell position are each one unsigned comparison.
    Printer(uint16_t foreground, uint16_t background)
        : fg_(foreground),
          bg_(background),
          opaque_(background != kTransparentBackground),
          area_(CurrentDrawArea()),
          glyphs_(font.glyphs),
          first_(font.first),
          glyphBytes_(font.height * font.rowBytes),
          codeSpan_(font.glyphs ? static_cast<unsigned>(font.last - font.first) + 1 : 0),
          xFirst_(area_.left - font.width + 1),
          yFirst_(area_.top - font.height + 1),
          xSpan_(area_.Empty() ? 0 : static_cast<unsigned>(area_.right - xFirst_)),
          ySpan_(area_.Empty() ? 0 : static_cast<unsigned>(area_.bottom - yFirst_)) {}
    ~Printer() { Flush(); }
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    Cursor cursor;

    void DrawGlyph(int code) { Place(code, cursor.x, cursor.y); }

    void Advance() {
        cursor.x += advanceX;
        cursor.y += advanceY;
    }

    // A character produced by a conversion: its glyph if the font has it, then an advance.
    void Emit(int code) {
        DrawGlyph(code);
        Advance();
    }

    // Emit for each character of a string, up to its end or limit characters.
    void EmitString(const uint8_t* string, int limit) {
        const int dx = advanceX;
        const int dy = advanceY;
        int x = cursor.x;
        int y = cursor.y;
        if (dy == 0) {
            // Text along a row: the row test is the same for every character, and only x
            // carries from one character to the next. Placements go straight into the queue
            // with the tests' values in locals, so that nothing round-trips through memory.
            const bool rowVisible =
                static_cast<unsigned>(y) - static_cast<unsigned>(yFirst_) < ySpan_;
            const uint8_t* const glyphs = glyphs_;
            const int first = first_;
            const int glyphBytes = glyphBytes_;
            const unsigned codeSpan = rowVisible ? codeSpan_ : 0;
            const auto xFirst = static_cast<unsigned>(xFirst_);
            const unsigned xSpan = xSpan_;
            int k = 0;
            while (k < limit && string[k]) {
                if (count_ == kQueue) Flush();
                Placement* out = queue_ + count_;
                Placement* const full = queue_ + kQueue;
                for (; k < limit && string[k] && out != full; ++k) {
                    const unsigned index = static_cast<unsigned>(string[k] - first);
                    if (index < codeSpan && static_cast<unsigned>(x) - xFirst < xSpan) {
                        *out++ = {x, y, glyphs + static_cast<std::ptrdiff_t>(index) * glyphBytes};
                    }
                    x += dx;
                }
                count_ = static_cast<int>(out - queue_);
            }
        } else {
            for (int k = 0; k < limit && string[k]; ++k) {
                Place(string[k], x, y);
                x += dx;
                y += dy;
            }
        }
        cursor.x = x;
        cursor.y = y;
    }

  private:
    static constexpr int kQueue = 512;
    // Glyph bytes of one pixel row expanded in one pass.
    static constexpr int kRunBytes = 256;

    // Queues the glyph of code with its cell at (x, y) if the font has it and the cell
    // reaches into the draw area.
    void Place(int code, int x, int y) {
        if (static_cast<unsigned>(y) - static_cast<unsigned>(yFirst_) >= ySpan_) return;
        PlaceInRow(code, x, y);
    }

    // Place for a cell whose rows are known to reach into the draw area.
    void PlaceInRow(int code, int x, int y) {
        const unsigned index = static_cast<unsigned>(code - first_);
        if (index >= codeSpan_) return;
        if (static_cast<unsigned>(x) - static_cast<unsigned>(xFirst_) >= xSpan_) return;
        if (count_ == kQueue) Flush();
        queue_[count_++] = {x, y, glyphs_ + static_cast<std::ptrdiff_t>(index) * glyphBytes_};
    }

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

    // Glyph cells wholly inside the clip columns and following each other without gap or
    // overlap are drawn together a row at a time; the rest pixel by pixel. Cells are still
    // taken in text order, so every pixel receives its writes in the order of the text.
    void DrawLine(int begin, int end) {
        const int y0 = queue_[begin].y;
        const int first = std::max(0, area_.top - y0);
        const int last = std::min(font.height, area_.bottom - y0);
        const int cell = 8 * font.rowBytes;
        const bool runs = font.rowBytes <= kRunBytes;
        const auto inside = [&](const Placement& p) {
            return p.x >= area_.left && p.x + cell <= area_.right;
        };
        int i = begin;
        while (i < end) {
            int j = i + 1;
            if (runs && inside(queue_[i])) {
                int next = queue_[i].x + cell;
                while (j < end && queue_[j].x == next) {
                    next += cell;
                    ++j;
                }
                // Cells to the right of one inside are inside as far as they fit.
                if (next > area_.right) {
                    j = std::min(j, i + (area_.right - queue_[i].x) / cell);
                }
            }
            if (j - i >= 2) {
                DrawRun(i, j, y0, first, last);
            } else {
                const Placement& p = queue_[i];
                for (int r = first; r < last; ++r) {
                    uint16_t* row = svga.target.Row(y0 + r);
                    for (int k = 0; k < font.rowBytes; ++k) {
                        DrawByte(row, p.x + 8 * k, p.glyph[r * font.rowBytes + k]);
                    }
                }
            }
            i = j;
        }
    }

    // Adjacent whole cells: their glyph rows are gathered into one bit row per pixel row and
    // expanded in a single pass, eight rows at a time.
    void DrawRun(int begin, int end, int y0, int first, int last) {
        const int perChunk = kRunBytes / font.rowBytes;
        for (int g = begin; g < end; g += perChunk) {
            const int count = std::min(perChunk, end - g);
            const int bytes = count * font.rowBytes;
            for (int r0 = first; r0 < last; r0 += 8) {
                const int rows = std::min(8, last - r0);
                Gather(g, count, r0, rows);
                for (int r = 0; r < rows; ++r) {
                    uint16_t* d = svga.target.Row(y0 + r0 + r) + queue_[g].x;
                    if (opaque_) {
                        rowops::ExpandBits(d, bits_[r], bytes, fg_, bg_);
                    } else {
                        rowops::ExpandBitsOver(d, bits_[r], bytes, fg_);
                    }
                }
            }
        }
    }

    // bits_[r] becomes glyph row r0 + r of the count glyphs from begin on, side by side.
    void Gather(int begin, int count, int r0, int rows) {
        const int rowBytes = font.rowBytes;
        int g = 0;
#if defined(__SSE2__)
        // One-byte rows, eight whole rows: eight glyphs at a time as an 8 × 8 byte transpose.
        if (rowBytes == 1 && rows == 8) {
            for (; g + 8 <= count; g += 8) {
                __m128i q[8];
                for (int k = 0; k < 8; ++k) {
                    q[k] = _mm_loadl_epi64(
                        reinterpret_cast<const __m128i*>(queue_[begin + g + k].glyph + r0));
                }
                const __m128i a01 = _mm_unpacklo_epi8(q[0], q[1]);
                const __m128i a23 = _mm_unpacklo_epi8(q[2], q[3]);
                const __m128i a45 = _mm_unpacklo_epi8(q[4], q[5]);
                const __m128i a67 = _mm_unpacklo_epi8(q[6], q[7]);
                const __m128i top03 = _mm_unpacklo_epi16(a01, a23);  // rows 0-3, glyphs 0-3
                const __m128i bottom03 = _mm_unpackhi_epi16(a01, a23);
                const __m128i top47 = _mm_unpacklo_epi16(a45, a67);
                const __m128i bottom47 = _mm_unpackhi_epi16(a45, a67);
                StoreRowPair(g, 0, _mm_unpacklo_epi32(top03, top47));
                StoreRowPair(g, 2, _mm_unpackhi_epi32(top03, top47));
                StoreRowPair(g, 4, _mm_unpacklo_epi32(bottom03, bottom47));
                StoreRowPair(g, 6, _mm_unpackhi_epi32(bottom03, bottom47));
            }
        }
#endif
        for (; g < count; ++g) {
            const uint8_t* glyph = queue_[begin + g].glyph + r0 * rowBytes;
            for (int r = 0; r < rows; ++r) {
                std::memcpy(bits_[r] + g * rowBytes, glyph + r * rowBytes,
                            static_cast<std::size_t>(rowBytes));
            }
        }
    }

#if defined(__SSE2__)
    // Eight bytes of row r and eight of row r + 1.
    void StoreRowPair(int g, int r, __m128i both) {
        _mm_storel_epi64(reinterpret_cast<__m128i*>(bits_[r] + g), both);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(bits_[r + 1] + g),
                         _mm_unpackhi_epi64(both, both));
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
    const uint8_t* glyphs_;
    int first_;
    int glyphBytes_;
    unsigned codeSpan_;
    int xFirst_;
    int yFirst_;
    unsigned xSpan_;
    unsigned ySpan_;
    Placement queue_[kQueue];
    int count_ = 0;
    alignas(16) uint8_t bits_[8][kRunBytes];
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
                printer.EmitString(string, width == 0 ? INT_MAX : width);
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
