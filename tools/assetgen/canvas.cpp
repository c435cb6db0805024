// The generator's drawing kit.

#include "tools/assetgen/canvas.h"

#include <algorithm>
#include <cmath>

#include "engine/display/builtin_font.h"
#include "tools/assetgen/noise.h"

namespace gen {

namespace {

uint8_t Clamp8(float v) {
    return static_cast<uint8_t>(std::clamp(v, 0.0f, 255.0f) + 0.5f);
}

uint32_t Pack(Rgb c, int a) {
    return static_cast<uint32_t>(a) << 24 | uint32_t{c.r} << 16 | uint32_t{c.g} << 8 | c.b;
}

float Coverage(float signedDistance) {
    return std::clamp(0.5f - signedDistance, 0.0f, 1.0f);
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, float t) {
    return Rgb{Clamp8(a.r + (b.r - a.r) * t), Clamp8(a.g + (b.g - a.g) * t),
               Clamp8(a.b + (b.b - a.b) * t)};
}
Rgb Scale(Rgb c, float f) {
    return Rgb{Clamp8(c.r * f), Clamp8(c.g * f), Clamp8(c.b * f)};
}
Rgb Lighter(Rgb c, float t) {
    return Mix(c, Rgb{255, 255, 255}, t);
}
Rgb Darker(Rgb c, float t) {
    return Mix(c, Rgb{0, 0, 0}, t);
}

Canvas::Canvas(int width, int height, Rgb fill, int alpha)
    : w_(width), h_(height), px_(static_cast<size_t>(width) * height, Pack(fill, alpha)) {}

Rgb Canvas::ColourAt(int x, int y) const {
    const uint32_t v = At(x, y);
    return Rgb{static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8),
               static_cast<uint8_t>(v)};
}

void Canvas::Put(int x, int y, Rgb c, int alpha) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    px_[static_cast<size_t>(y) * w_ + x] = Pack(c, alpha);
}

void Canvas::Blend(int x, int y, Rgb c, int alpha) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_ || alpha <= 0) return;
    uint32_t& p = px_[static_cast<size_t>(y) * w_ + x];
    if (alpha >= 255) {
        p = Pack(c, 255);
        return;
    }
    const int da = static_cast<int>(p >> 24);
    const float sa = static_cast<float>(alpha) / 255.0f;
    const float dA = static_cast<float>(da) / 255.0f;
    const float outA = sa + dA * (1 - sa);
    const Rgb d{static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8),
                static_cast<uint8_t>(p)};
    auto ch = [&](uint8_t s, uint8_t dd) {
        return Clamp8((s * sa + dd * dA * (1 - sa)) / std::max(outA, 1e-6f));
    };
    p = Pack(Rgb{ch(c.r, d.r), ch(c.g, d.g), ch(c.b, d.b)}, Clamp8(outA * 255.0f));
}

void Canvas::BlendF(int x, int y, Rgb c, float cover) {
    if (cover <= 0) return;
    Blend(x, y, c, static_cast<int>(cover * 255.0f + 0.5f));
}

void Canvas::Clear(Rgb c, int alpha) {
    std::fill(px_.begin(), px_.end(), Pack(c, alpha));
}

void Canvas::FillRect(int x, int y, int w, int h, Rgb c, int alpha) {
    for (int j = std::max(y, 0); j < std::min(y + h, h_); ++j)
        for (int i = std::max(x, 0); i < std::min(x + w, w_); ++i) Blend(i, j, c, alpha);
}

void Canvas::FrameRect(int x, int y, int w, int h, int thick, Rgb c, int alpha) {
    FillRect(x, y, w, thick, c, alpha);
    FillRect(x, y + h - thick, w, thick, c, alpha);
    FillRect(x, y + thick, thick, h - 2 * thick, c, alpha);
    FillRect(x + w - thick, y + thick, thick, h - 2 * thick, c, alpha);
}

void Canvas::VGradient(int x, int y, int w, int h, Rgb top, Rgb bottom, int alpha) {
    for (int j = 0; j < h; ++j) {
        const Rgb c =
            Mix(top, bottom, h > 1 ? static_cast<float>(j) / (static_cast<float>(h - 1)) : 0.0f);
        FillRect(x, y + j, w, 1, c, alpha);
    }
}

void Canvas::HGradient(int x, int y, int w, int h, Rgb left, Rgb right, int alpha) {
    for (int i = 0; i < w; ++i) {
        const Rgb c =
            Mix(left, right, w > 1 ? static_cast<float>(i) / (static_cast<float>(w - 1)) : 0.0f);
        FillRect(x + i, y, 1, h, c, alpha);
    }
}

void Canvas::RoundRect(float x, float y, float w, float h, float r, Rgb c, int alpha) {
    const float cx = x + w / 2, cy = y + h / 2, hx = w / 2 - r, hy = h / 2 - r;
    for (int j = static_cast<int>(y) - 1; j <= static_cast<int>(y + h) + 1; ++j) {
        for (int i = static_cast<int>(x) - 1; i <= static_cast<int>(x + w) + 1; ++i) {
            const float qx = std::fabs(static_cast<float>(i) + 0.5f - cx) - hx,
                        qy = std::fabs(static_cast<float>(j) + 0.5f - cy) - hy;
            const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
            const float d = outside + std::min(std::max(qx, qy), 0.0f) - r;
            BlendF(i, j, c, Coverage(d) * static_cast<float>(alpha) / 255.0f);
        }
    }
}

void Canvas::Ellipse(float cx, float cy, float rx, float ry, Rgb c, int alpha) {
    if (rx <= 0 || ry <= 0) return;
    const float m = std::min(rx, ry);
    for (int j = static_cast<int>(cy - ry) - 1; j <= static_cast<int>(cy + ry) + 1; ++j) {
        for (int i = static_cast<int>(cx - rx) - 1; i <= static_cast<int>(cx + rx) + 1; ++i) {
            const float dx = (static_cast<float>(i) + 0.5f - cx) / rx,
                        dy = (static_cast<float>(j) + 0.5f - cy) / ry;
            const float d = (std::sqrt(dx * dx + dy * dy) - 1) * m;
            BlendF(i, j, c, Coverage(d) * static_cast<float>(alpha) / 255.0f);
        }
    }
}

void Canvas::Ring(float cx, float cy, float r, float thick, Rgb c, int alpha) {
    for (int j = static_cast<int>(cy - r - thick) - 1; j <= static_cast<int>(cy + r + thick) + 1;
         ++j) {
        for (int i = static_cast<int>(cx - r - thick) - 1;
             i <= static_cast<int>(cx + r + thick) + 1; ++i) {
            const float d = std::fabs(std::hypot(static_cast<float>(i) + 0.5f - cx,
                                                 static_cast<float>(j) + 0.5f - cy) -
                                      r) -
                            thick / 2;
            BlendF(i, j, c, Coverage(d) * static_cast<float>(alpha) / 255.0f);
        }
    }
}

void Canvas::Polygon(const std::vector<Pt>& points, Rgb c, int alpha) {
    if (points.size() < 3) return;
    float minY = points[0].y, maxY = points[0].y, minX = points[0].x, maxX = points[0].x;
    for (const Pt& p : points) {
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(minX)));
    const int x1 = std::min(w_ - 1, static_cast<int>(std::ceil(maxX)));
    if (x0 > x1) return;
    std::vector<float> cover(static_cast<size_t>(x1 - x0 + 1));
    std::vector<float> xs;
    constexpr int kSub = 4;
    for (int j = std::max(0, static_cast<int>(std::floor(minY)));
         j <= std::min(h_ - 1, static_cast<int>(std::ceil(maxY))); ++j) {
        std::fill(cover.begin(), cover.end(), 0.0f);
        for (int s = 0; s < kSub; ++s) {
            const float sy = static_cast<float>(j) + (static_cast<float>(s) + 0.5f) / kSub;
            xs.clear();
            for (size_t k = 0; k < points.size(); ++k) {
                const Pt a = points[k], b = points[(k + 1) % points.size()];
                if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy))
                    xs.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t k = 0; k + 1 < xs.size(); k += 2) {
                const float l = std::max(xs[k], static_cast<float>(x0));
                const float r = std::min(xs[k + 1], static_cast<float>(x1 + 1));
                for (int i = static_cast<int>(std::floor(l)); static_cast<float>(i) < r && i <= x1;
                     ++i) {
                    const float a = std::max(l, static_cast<float>(i));
                    const float b = std::min(r, static_cast<float>(i + 1));
                    if (b > a) cover[static_cast<size_t>(i - x0)] += (b - a) / kSub;
                }
            }
        }
        for (int i = x0; i <= x1; ++i)
            BlendF(i, j, c,
                   std::min(cover[static_cast<size_t>(i - x0)], 1.0f) * static_cast<float>(alpha) /
                       255.0f);
    }
}

void Canvas::Line(float x0, float y0, float x1, float y1, float thick, Rgb c, int alpha) {
    const float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    const float r = thick / 2;
    for (int j = static_cast<int>(std::min(y0, y1) - r) - 1;
         j <= static_cast<int>(std::max(y0, y1) + r) + 1; ++j) {
        for (int i = static_cast<int>(std::min(x0, x1) - r) - 1;
             i <= static_cast<int>(std::max(x0, x1) + r) + 1; ++i) {
            const float px = static_cast<float>(i) + 0.5f - x0,
                        py = static_cast<float>(j) + 0.5f - y0;
            const float t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f) : 0;
            const float d = std::hypot(px - t * dx, py - t * dy) - r;
            BlendF(i, j, c, Coverage(d) * static_cast<float>(alpha) / 255.0f);
        }
    }
}

void Canvas::Glow(float cx, float cy, float radius, Rgb c, int alpha) {
    for (int j = static_cast<int>(cy - radius); j <= static_cast<int>(cy + radius); ++j) {
        for (int i = static_cast<int>(cx - radius); i <= static_cast<int>(cx + radius); ++i) {
            const float d =
                std::hypot(static_cast<float>(i) + 0.5f - cx, static_cast<float>(j) + 0.5f - cy) /
                radius;
            if (d < 1) BlendF(i, j, c, (1 - d) * (1 - d) * static_cast<float>(alpha) / 255.0f);
        }
    }
}

void Canvas::Text(int x, int y, const std::string& text, int scale, Rgb c, int alpha) {
    const uint8_t* glyphs = BuiltinFontRecord() + 20;
    for (size_t k = 0; k < text.size(); ++k) {
        const uint8_t* g = glyphs + static_cast<uint8_t>(text[k]) * 8;
        const int gx = x + static_cast<int>(k) * 8 * scale;
        for (int row = 0; row < 8; ++row)
            for (int col = 0; col < 8; ++col)
                if (g[row] & (0x80 >> col))
                    FillRect(gx + col * scale, y + row * scale, scale, scale, c, alpha);
    }
}

void Canvas::TextCentered(int cx, int y, const std::string& text, int scale, Rgb c) {
    Text(cx - TextWidth(text, scale) / 2, y, text, scale, c);
}

void Canvas::TextOutlined(int x, int y, const std::string& text, int scale, Rgb c, Rgb outline) {
    const int o = std::max(1, scale / 2);
    for (int dy = -o; dy <= o; dy += o)
        for (int dx = -o; dx <= o; dx += o)
            if (dx || dy) Text(x + dx, y + dy, text, scale, outline);
    Text(x + o, y + o + o / 2 + 1, text, scale, outline);
    Text(x, y, text, scale, c);
}

void Canvas::TextOutlinedCentered(int cx, int y, const std::string& text, int scale, Rgb c,
                                  Rgb outline) {
    TextOutlined(cx - TextWidth(text, scale) / 2, y, text, scale, c, outline);
}

void Canvas::Draw(const Canvas& src, int x, int y, int alpha) {
    for (int j = 0; j < src.h_; ++j)
        for (int i = 0; i < src.w_; ++i) {
            const int a = src.AlphaAt(i, j) * alpha / 255;
            if (a) Blend(x + i, y + j, src.ColourAt(i, j), a);
        }
}

void Canvas::DrawScaled(const Canvas& src, int x, int y, int w, int h) {
    for (int j = 0; j < h; ++j) {
        const int sy0 = j * src.h_ / h, sy1 = std::max(sy0 + 1, (j + 1) * src.h_ / h);
        for (int i = 0; i < w; ++i) {
            const int sx0 = i * src.w_ / w, sx1 = std::max(sx0 + 1, (i + 1) * src.w_ / w);
            float r = 0, g = 0, b = 0, a = 0;
            int n = 0;
            for (int sy = sy0; sy < sy1; ++sy)
                for (int sx = sx0; sx < sx1; ++sx, ++n) {
                    const float pa = static_cast<float>(src.AlphaAt(sx, sy));
                    const Rgb c = src.ColourAt(sx, sy);
                    r += c.r * pa, g += c.g * pa, b += c.b * pa, a += pa;
                }
            if (a > 0)
                Blend(x + i, y + j, Rgb{Clamp8(r / a), Clamp8(g / a), Clamp8(b / a)},
                      static_cast<int>(a / static_cast<float>(n)));
        }
    }
}

void Canvas::Outline(Rgb c, int thickness) {
    for (int pass = 0; pass < thickness; ++pass) {
        std::vector<uint32_t> copy = px_;
        auto opaque = [&](int i, int j) {
            return i >= 0 && j >= 0 && i < w_ && j < h_ &&
                   (copy[static_cast<size_t>(j) * w_ + i] >> 24) >= 128;
        };
        for (int j = 0; j < h_; ++j)
            for (int i = 0; i < w_; ++i)
                if (!opaque(i, j) &&
                    (opaque(i - 1, j) || opaque(i + 1, j) || opaque(i, j - 1) || opaque(i, j + 1)))
                    Put(i, j, c, 255);
    }
}

void Canvas::Tint(float r, float g, float b) {
    TintRect(0, 0, w_, h_, r, g, b);
}

void Canvas::TintRect(int x, int y, int w, int h, float r, float g, float b) {
    for (int j = std::max(y, 0); j < std::min(y + h, h_); ++j)
        for (int i = std::max(x, 0); i < std::min(x + w, w_); ++i) {
            const Rgb c = ColourAt(i, j);
            Put(i, j, Rgb{Clamp8(c.r * r), Clamp8(c.g * g), Clamp8(c.b * b)}, AlphaAt(i, j));
        }
}

void Canvas::Grain(int x, int y, int w, int h, int amount, uint32_t seed) {
    for (int j = std::max(y, 0); j < std::min(y + h, h_); ++j)
        for (int i = std::max(x, 0); i < std::min(x + w, w_); ++i) {
            if (AlphaAt(i, j) < 128) continue;
            const float n = (Hash01(i, j, seed) * 2 - 1) * static_cast<float>(amount);
            const Rgb c = ColourAt(i, j);
            Put(i, j, Rgb{Clamp8(c.r + n), Clamp8(c.g + n), Clamp8(c.b + n)}, AlphaAt(i, j));
        }
}

Canvas Canvas::Crop(int x, int y, int w, int h) const {
    Canvas out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (x + i >= 0 && y + j >= 0 && x + i < w_ && y + j < h_)
                out.px_[static_cast<size_t>(j) * w + i] = At(x + i, y + j);
    return out;
}

std::vector<uint16_t> Canvas::To565() const {
    std::vector<uint16_t> out(px_.size());
    for (size_t k = 0; k < px_.size(); ++k) {
        const uint32_t p = px_[k];
        if ((p >> 24) < 128) continue;
        const uint16_t v = gen::To565(Rgb{static_cast<uint8_t>(p >> 16),
                                          static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)});
        out[k] = v ? v : 0x0021;
    }
    return out;
}

uint16_t To565(Rgb c) {
    return static_cast<uint16_t>((c.r >> 3) << 11 | (c.g >> 2) << 5 | c.b >> 3);
}

Rgb From565(uint16_t v) {
    return Rgb{static_cast<uint8_t>((v >> 11) << 3), static_cast<uint8_t>(((v >> 5) & 63) << 2),
               static_cast<uint8_t>((v & 31) << 3)};
}

}  // namespace gen
