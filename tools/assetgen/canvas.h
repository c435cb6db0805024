#pragma once
// The drawing kit of the asset generator: an RGBA canvas with flat shapes (anti-aliased edges),
// gradients, polygons, thick lines, text in the engine's own 8 × 8 font at any integer scale,
// compositing, outlines for cartoon sprites, and the conversion to RGB565 pictures.

#include <cstdint>
#include <string>
#include <vector>

namespace gen {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};

constexpr Rgb Hex(uint32_t v) {
    return Rgb{static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8),
               static_cast<uint8_t>(v)};
}
Rgb Mix(Rgb a, Rgb b, float t);  // t = 0 gives a
Rgb Scale(Rgb c, float f);       // brightness, saturating
Rgb Lighter(Rgb c, float t);     // towards white
Rgb Darker(Rgb c, float t);      // towards black

struct Pt {
    float x, y;
};

class Canvas {
  public:
    Canvas() = default;
    Canvas(int width, int height, Rgb fill = {}, int alpha = 0);

    int Width() const { return w_; }
    int Height() const { return h_; }
    uint32_t At(int x, int y) const { return px_[static_cast<size_t>(y) * w_ + x]; }
    Rgb ColourAt(int x, int y) const;
    int AlphaAt(int x, int y) const { return static_cast<int>(At(x, y) >> 24); }
    void Put(int x, int y, Rgb c, int alpha = 255);  // overwrite
    void Blend(int x, int y, Rgb c, int alpha);      // source over, alpha 0..255
    void BlendF(int x, int y, Rgb c, float cover);   // cover 0..1

    void Clear(Rgb c, int alpha = 255);
    void FillRect(int x, int y, int w, int h, Rgb c, int alpha = 255);
    void FrameRect(int x, int y, int w, int h, int thick, Rgb c, int alpha = 255);
    void VGradient(int x, int y, int w, int h, Rgb top, Rgb bottom, int alpha = 255);
    void HGradient(int x, int y, int w, int h, Rgb left, Rgb right, int alpha = 255);
    void RoundRect(float x, float y, float w, float h, float r, Rgb c, int alpha = 255);
    void Ellipse(float cx, float cy, float rx, float ry, Rgb c, int alpha = 255);
    void Ring(float cx, float cy, float r, float thick, Rgb c, int alpha = 255);
    void Polygon(const std::vector<Pt>& points, Rgb c, int alpha = 255);
    void Line(float x0, float y0, float x1, float y1, float thick, Rgb c, int alpha = 255);
    // A soft round glow: alpha falls off from the centre to radius.
    void Glow(float cx, float cy, float radius, Rgb c, int alpha);

    // Text in the built-in font: 8 × scale pixels per character.
    void Text(int x, int y, const std::string& text, int scale, Rgb c, int alpha = 255);
    void TextCentered(int cx, int y, const std::string& text, int scale, Rgb c);
    // Text with a dark outline all round (titles, labels on busy backgrounds).
    void TextOutlined(int x, int y, const std::string& text, int scale, Rgb c, Rgb outline);
    void TextOutlinedCentered(int cx, int y, const std::string& text, int scale, Rgb c,
                              Rgb outline);
    static int TextWidth(const std::string& text, int scale) {
        return static_cast<int>(text.size()) * 8 * scale;
    }

    // Composites src over this canvas with its top-left at (x, y).
    void Draw(const Canvas& src, int x, int y, int alpha = 255);
    // src scaled to w × h (nearest neighbour below, box filter when shrinking).
    void DrawScaled(const Canvas& src, int x, int y, int w, int h);
    // Every transparent pixel that touches an opaque one becomes the outline colour.
    void Outline(Rgb c, int thickness = 1);
    // Multiplies colours (keeps alpha): night, shade.
    void Tint(float r, float g, float b);
    void TintRect(int x, int y, int w, int h, float r, float g, float b);
    // Adds deterministic noise of +-amount to opaque pixels (texture for sand, grass, walls).
    void Grain(int x, int y, int w, int h, int amount, uint32_t seed);
    Canvas Crop(int x, int y, int w, int h) const;

    // RGB565 rows top first. Transparent pixels (alpha < 128) become 0; an opaque pixel whose
    // colour would be 0 becomes 0x0021 so that it stays visible in keyed drawing.
    std::vector<uint16_t> To565() const;

  private:
    int w_ = 0, h_ = 0;
    std::vector<uint32_t> px_;
};

uint16_t To565(Rgb c);
Rgb From565(uint16_t v);

}  // namespace gen
