// Scenery of the island.

#include "tools/assetgen/scene.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/noise.h"

namespace gen {

Scene::Scene(int width, int height, Time time, Mood mood, uint32_t seed)
    : c_(width, height, Rgb{}, 255), time_(time), mood_(mood), seed_(seed) {}

void Scene::Sky(int x, int y, int w, int h, bool moon) {
    c_.VGradient(x, y, w, h, pal::kSkyTop, pal::kSkyLow);
    Rng rng(seed_ + static_cast<uint32_t>(x * 7 + y * 13));
    if (time_ == Time::Day) {
        const int clouds = std::max(1, w / 220);
        for (int k = 0; k < clouds; ++k)
            Cloud(c_, static_cast<float>(x + rng.Int(0, std::max(1, w - 1))),
                  static_cast<float>(y + rng.Int(h / 8, std::max(h / 8 + 1, h / 2))),
                  rng.Real(0.6f, 1.2f) * std::min(1.0f, static_cast<float>(h) / 150.0f + 0.3f));
    }
    skies_.push_back(Rect{x, y, w, h, moon});
    skyShot_ = c_;
}

void Scene::Window(int x, int y, int w, int h, Rgb frame, bool lit, bool shutters,
                   Rgb shutterColour) {
    if (shutters) {
        c_.FillRect(x - w / 2 - 2, y, w / 2, h, shutterColour);
        c_.FillRect(x + w + 2, y, w / 2, h, shutterColour);
        for (int k = y + 4; k < y + h; k += 6) {
            c_.FillRect(x - w / 2 - 2, k, w / 2, 1, Darker(shutterColour, 0.3f));
            c_.FillRect(x + w + 2, k, w / 2, 1, Darker(shutterColour, 0.3f));
        }
    }
    c_.FillRect(x - 3, y - 3, w + 6, h + 6, frame);
    c_.VGradient(x, y, w, h, Hex(0x7CC8F0), Hex(0xD8F3FF));
    c_.Line(static_cast<float>(x + w / 5), static_cast<float>(y + h - 4),
            static_cast<float>(x + w - 4), static_cast<float>(y + h / 5), 3, Hex(0xEFFBFF), 150);
    c_.FillRect(x + w / 2 - 1, y, 3, h, frame);
    c_.FillRect(x, y + h / 2 - 1, w, 3, frame);
    if (lit)
        lights_.push_back(Light{x, y, w, h, Hex(0xFFD36B)});
    else if (Dark())
        lights_.push_back(Light{x, y, w, h, Hex(0x1B2650)});
}

void Scene::Lamp(float x, float y, float r, Rgb colour) {
    lights_.push_back(
        Light{static_cast<int>(x), static_cast<int>(y), 0, static_cast<int>(r), colour});
}

Canvas Scene::Finish() {
    if (time_ == Time::Day) return c_;
    const bool night = time_ == Time::Night;
    const float inside = mood_ == Mood::Inside ? 1.0f : 0.0f;
    const float tr = night ? 0.30f + 0.25f * inside : 0.85f;
    const float tg = night ? 0.34f + 0.22f * inside : 0.62f;
    const float tb = night ? 0.55f + 0.15f * inside : 0.62f;
    Canvas out = c_;
    out.Tint(tr, tg, tb);
    // Skies: pixels still as the sky drew them become the night or evening sky.
    for (const Rect& r : skies_) {
        for (int j = r.y; j < r.y + r.h; ++j) {
            const float t = static_cast<float>(j - r.y) / static_cast<float>(std::max(1, r.h - 1));
            const Rgb sky = night ? Mix(Hex(0x0A1034), Hex(0x3A2F6B), t)
                                  : Mix(Hex(0x3B4FA0), Hex(0xFF9A4A), t * t);
            for (int i = r.x; i < r.x + r.w; ++i) {
                if (i < 0 || j < 0 || i >= c_.Width() || j >= c_.Height()) continue;
                if (c_.At(i, j) != skyShot_.At(i, j)) continue;
                Rgb p = sky;
                if (night && Hash(i, j, seed_) % 900u == 0) p = Hex(0xFFFFE8);
                if (night && Hash(i, j, seed_ + 5) % 3000u == 0) p = Hex(0xBFD8FF);
                out.Put(i, j, p);
            }
        }
        if (r.moon && r.w > 120 && r.h > 60) {
            Canvas body(c_.Width(), c_.Height());
            const float mx = static_cast<float>(r.x + r.w * 3 / 4),
                        my = static_cast<float>(r.y + std::min(50, r.h / 3));
            if (night) {
                body.Glow(mx, my, 60, Hex(0xFFF6D0), 70);
                body.Ellipse(mx, my, 22, 22, Hex(0xFFF6D0));
                body.Ellipse(mx + 9, my - 5, 19, 19, Mix(Hex(0x0A1034), Hex(0x3A2F6B), 0.1f));
            } else {
                body.Glow(mx, static_cast<float>(r.y + r.h), 120, Hex(0xFFB050), 160);
                body.Ellipse(mx, static_cast<float>(r.y + r.h - 10), 30, 30, Hex(0xFFC870));
            }
            for (int j = r.y; j < r.y + r.h; ++j)
                for (int i = r.x; i < r.x + r.w; ++i)
                    if (i >= 0 && j >= 0 && i < c_.Width() && j < c_.Height() &&
                        c_.At(i, j) == skyShot_.At(i, j) && body.AlphaAt(i, j) > 0)
                        out.Blend(i, j, body.ColourAt(i, j), body.AlphaAt(i, j));
        }
    }
    for (const Light& l : lights_) {
        if (l.w > 0) {
            if (!night && l.colour.b > 100) continue;  // unlit windows stay as they are at dusk
            out.FillRect(l.x, l.y, l.w, l.h, l.colour);
            if (l.colour.r > 200) {
                out.VGradient(l.x, l.y, l.w, l.h / 2, Hex(0xFFF0B0), l.colour);
                out.FillRect(l.x + l.w / 2 - 1, l.y, 3, l.h, Hex(0x6A5A40));
                out.FillRect(l.x, l.y + l.h / 2 - 1, l.w, 3, Hex(0x6A5A40));
                out.Glow(static_cast<float>(l.x + l.w / 2), static_cast<float>(l.y + l.h / 2),
                         static_cast<float>(std::max(l.w, l.h)), l.colour, night ? 70 : 40);
            }
        } else {
            out.Glow(static_cast<float>(l.x), static_cast<float>(l.y), static_cast<float>(l.h),
                     l.colour, night ? 150 : 90);
            out.Ellipse(static_cast<float>(l.x), static_cast<float>(l.y),
                        static_cast<float>(l.h) / 8, static_cast<float>(l.h) / 8,
                        Lighter(l.colour, 0.6f));
        }
    }
    return out;
}

void Cloud(Canvas& c, float x, float y, float s) {
    const Rgb white = Hex(0xFFFFFF), shade = Hex(0xDCEBFA);
    c.Ellipse(x, y + 6 * s, 46 * s, 14 * s, shade);
    c.Ellipse(x - 22 * s, y, 22 * s, 16 * s, white);
    c.Ellipse(x + 4 * s, y - 8 * s, 26 * s, 22 * s, white);
    c.Ellipse(x + 28 * s, y + 1 * s, 20 * s, 14 * s, white);
    c.Ellipse(x, y + 4 * s, 44 * s, 11 * s, white);
}

void Sea(Canvas& c, int x, int y, int w, int h, uint32_t seed) {
    c.VGradient(x, y, w, h, pal::kSeaDeep, pal::kSea);
    Rng rng(seed);
    const int waves = w * h / 900;
    for (int k = 0; k < waves; ++k) {
        const float wy = static_cast<float>(y + rng.Int(2, std::max(3, h - 2)));
        const float wx = static_cast<float>(x + rng.Int(0, w));
        const float len =
            6 + 14 * (wy - static_cast<float>(y)) / static_cast<float>(std::max(1, h));
        c.Line(wx, wy, wx + len, wy, 1.5f, Lighter(pal::kSea, 0.45f), 170);
    }
}

void Hills(Canvas& c, int x, int w, int baseY, float amplitude, Rgb colour, uint32_t seed) {
    std::vector<Pt> pts;
    pts.push_back({static_cast<float>(x), static_cast<float>(baseY)});
    for (int i = 0; i <= w; i += 8) {
        const float n = Fractal(static_cast<float>(x + i), 0, 260, seed, 3);
        pts.push_back({static_cast<float>(x + i), static_cast<float>(baseY) - amplitude * n});
    }
    pts.push_back({static_cast<float>(x + w), static_cast<float>(baseY)});
    c.Polygon(pts, colour);
}

void Palm(Canvas& c, float x, float baseY, float height, float lean, uint32_t seed) {
    const float topX = x + lean * height, topY = baseY - height;
    const int segs = 9;
    for (int k = 0; k < segs; ++k) {
        const float t0 = static_cast<float>(k) / segs, t1 = static_cast<float>(k + 1) / segs;
        const float bend0 = std::sin(t0 * 1.57f), bend1 = std::sin(t1 * 1.57f);
        const float x0 = x + (topX - x) * bend0, x1 = x + (topX - x) * bend1;
        const float y0 = baseY - height * t0, y1 = baseY - height * t1;
        c.Line(x0, y0, x1, y1, height * 0.075f * (1.2f - 0.5f * t0),
               k % 2 ? pal::kTrunk : Darker(pal::kTrunk, 0.15f));
    }
    Rng rng(seed);
    const float len = height * 0.55f;
    for (int k = 0; k < 7; ++k) {
        const float a = -3.0f + static_cast<float>(k) * 0.9f + rng.Real(-0.15f, 0.15f);
        const float ex = topX + std::cos(a) * len,
                    ey = topY + std::sin(a) * len * 0.45f + len * 0.35f;
        const float mx = topX + std::cos(a) * len * 0.5f,
                    my = topY - len * 0.12f + std::sin(a) * len * 0.1f;
        c.Polygon({{topX, topY - 3},
                   {mx, my - len * 0.1f},
                   {ex, ey},
                   {mx, my + len * 0.1f},
                   {topX, topY + 3}},
                  k % 2 ? pal::kLeaf : Lighter(pal::kLeaf, 0.15f));
    }
    c.Ellipse(topX - 4, topY + 5, 5, 5, Hex(0x6B4420));
    c.Ellipse(topX + 4, topY + 6, 5, 5, Hex(0x5B3A1A));
}

void Bush(Canvas& c, float x, float y, float r, Rgb colour, bool flowers) {
    c.Ellipse(x - r * 0.6f, y, r * 0.7f, r * 0.6f, Darker(colour, 0.15f));
    c.Ellipse(x + r * 0.6f, y, r * 0.7f, r * 0.6f, Darker(colour, 0.1f));
    c.Ellipse(x, y - r * 0.3f, r * 0.8f, r * 0.7f, colour);
    if (flowers) {
        Rng rng(static_cast<uint32_t>(x * 13 + y));
        for (int k = 0; k < 9; ++k)
            c.Ellipse(x + rng.Real(-r, r), y + rng.Real(-r * 0.8f, r * 0.3f), 2.5f, 2.5f,
                      pal::kPink);
    }
}

void SandGround(Canvas& c, int x, int y, int w, int h, uint32_t seed) {
    c.VGradient(x, y, w, h, pal::kSand, Lighter(pal::kSandDark, 0.2f));
    c.Grain(x, y, w, h, 6, seed);
}

void Paving(Canvas& c, int x, int y, int w, int h, Rgb colour) {
    c.FillRect(x, y, w, h, colour);
    for (int j = y; j < y + h; j += 14) c.FillRect(x, j, w, 1, Darker(colour, 0.12f));
    for (int j = y, row = 0; j < y + h; j += 14, ++row)
        for (int i = x + (row % 2) * 14; i < x + w; i += 28)
            c.FillRect(i, j, 1, 14, Darker(colour, 0.12f));
}

void Door(Canvas& c, int x, int y, int w, int h, Rgb colour, bool glass) {
    c.FillRect(x - 5, y - 5, w + 10, h + 5, Darker(colour, 0.35f));
    c.FillRect(x, y, w, h, colour);
    if (glass) {
        c.VGradient(x + 8, y + 8, w / 2 - 12, h - 20, Hex(0x9ED9F5), Hex(0x5AA9D6));
        c.VGradient(x + w / 2 + 4, y + 8, w / 2 - 12, h - 20, Hex(0x9ED9F5), Hex(0x5AA9D6));
    } else {
        c.FrameRect(x + 8, y + 8, w - 16, h / 2 - 12, 2, Darker(colour, 0.25f));
        c.FrameRect(x + 8, y + h / 2 + 4, w - 16, h / 2 - 14, 2, Darker(colour, 0.25f));
    }
    c.Ellipse(static_cast<float>(x + w - 12), static_cast<float>(y + h / 2), 4, 4, pal::kGold);
}

void Awning(Canvas& c, int x, int y, int w, int h, Rgb a, Rgb b) {
    for (int i = 0; i < w; i += 20)
        c.Polygon({{static_cast<float>(x + i), static_cast<float>(y)},
                   {static_cast<float>(x + i + 20), static_cast<float>(y)},
                   {static_cast<float>(x + i + 22), static_cast<float>(y + h)},
                   {static_cast<float>(x + i - 2), static_cast<float>(y + h)}},
                  (i / 20) % 2 ? a : b);
    for (int i = 0; i < w; i += 20)
        c.Ellipse(static_cast<float>(x + i + 10), static_cast<float>(y + h), 11, 5,
                  (i / 20) % 2 ? a : b);
}

void Sign(Canvas& c, int x, int y, int w, int h, const std::string& text, int scale, Rgb board,
          Rgb ink) {
    c.RoundRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
                static_cast<float>(h), 6, Darker(board, 0.4f));
    c.RoundRect(static_cast<float>(x + 3), static_cast<float>(y + 3), static_cast<float>(w - 6),
                static_cast<float>(h - 6), 4, board);
    c.TextCentered(x + w / 2, y + (h - 8 * scale) / 2, text, scale, ink);
}

void StreetLamp(Scene& s, int x, int baseY, int height) {
    Canvas& c = s.C();
    c.FillRect(x - 2, baseY - height, 5, height, Hex(0x30343A));
    c.FillRect(x - 6, baseY - 6, 13, 6, Hex(0x30343A));
    c.Line(static_cast<float>(x), static_cast<float>(baseY - height), static_cast<float>(x + 14),
           static_cast<float>(baseY - height - 6), 4, Hex(0x30343A));
    c.Ellipse(static_cast<float>(x + 16), static_cast<float>(baseY - height), 7, 5, Hex(0xFFF3C0));
    s.Lamp(static_cast<float>(x + 16), static_cast<float>(baseY - height + 2), 55);
}

void Wall(Canvas& c, int y0, int y1, Rgb colour, bool stripes) {
    c.VGradient(0, y0, c.Width(), y1 - y0, Lighter(colour, 0.1f), Darker(colour, 0.08f));
    if (stripes)
        for (int i = 0; i < c.Width(); i += 40)
            c.FillRect(i, y0, 14, y1 - y0, Darker(colour, 0.05f));
    c.FillRect(0, y1 - 14, c.Width(), 14, Darker(colour, 0.3f));
}

void Floor(Canvas& c, int y0, Rgb a, Rgb b, bool tiles) {
    const int h = c.Height() - y0;
    c.VGradient(0, y0, c.Width(), h, Darker(a, 0.1f), a);
    if (tiles) {
        for (int j = y0, row = 0; j < c.Height(); j += 10 + row * 4, ++row) {
            const int rh = 10 + row * 4;
            for (int i = -200, col = 0; i < c.Width() + 200; i += 60, ++col)
                if ((row + col) % 2) {
                    const float spread = 1.0f + static_cast<float>(j - y0) / static_cast<float>(h);
                    const float cx = 320 + (static_cast<float>(i) - 320) * spread;
                    c.Polygon({{cx, static_cast<float>(j)},
                               {cx + 60 * spread, static_cast<float>(j)},
                               {320 + (static_cast<float>(i + 60) - 320) *
                                          (spread + static_cast<float>(rh) / static_cast<float>(h)),
                                static_cast<float>(j + rh)},
                               {320 + (static_cast<float>(i) - 320) *
                                          (spread + static_cast<float>(rh) / static_cast<float>(h)),
                                static_cast<float>(j + rh)}},
                              b);
                }
        }
    } else {
        for (int j = y0; j < c.Height(); j += 12) c.FillRect(0, j, c.Width(), 1, Darker(a, 0.2f));
    }
}

void Plant(Canvas& c, float x, float baseY, float size) {
    c.Polygon({{x - 16 * size, baseY - 30 * size},
               {x + 16 * size, baseY - 30 * size},
               {x + 11 * size, baseY},
               {x - 11 * size, baseY}},
              pal::kTerracotta);
    c.FillRect(static_cast<int>(x - 17 * size), static_cast<int>(baseY - 34 * size),
               static_cast<int>(34 * size), static_cast<int>(6 * size),
               Darker(pal::kTerracotta, 0.2f));
    for (int k = 0; k < 7; ++k) {
        const float a = -2.8f + static_cast<float>(k) * 0.45f;
        c.Polygon({{x, baseY - 32 * size},
                   {x + std::cos(a) * 40 * size - 5, baseY - 32 * size + std::sin(a) * 55 * size},
                   {x + std::cos(a) * 40 * size + 5, baseY - 32 * size + std::sin(a) * 55 * size}},
                  k % 2 ? pal::kLeaf : Lighter(pal::kLeaf, 0.2f));
    }
}

void Frame(Canvas& c, int x, int y, int w, int h, uint32_t seed) {
    c.FillRect(x - 5, y - 5, w + 10, h + 10, pal::kWoodDark);
    c.VGradient(x, y, w, h * 6 / 10, pal::kSkyTop, pal::kSkyLow);
    Sea(c, x, y + h * 6 / 10 - 4, w, h / 5 + 4, seed);
    c.FillRect(x, y + h * 8 / 10, w, h - h * 8 / 10, pal::kSand);
    c.Ellipse(static_cast<float>(x + w * 3 / 4), static_cast<float>(y + h / 4),
              static_cast<float>(h) / 8, static_cast<float>(h) / 8, Hex(0xFFE066));
}

void Desk(Canvas& c, int x, int y, int w, int h, Rgb top, Rgb front) {
    c.FillRect(x, y, w, 12, top);
    c.FillRect(x, y + 12, w, h - 12, front);
    c.FillRect(x, y + 12, w, 4, Darker(front, 0.3f));
    for (int i = x + 30; i < x + w - 20; i += 70)
        c.FrameRect(i, y + 28, 50, h - 44, 2, Darker(front, 0.2f));
}

void Shelf(Canvas& c, int x, int y, int w, Rgb colour) {
    c.FillRect(x, y, w, 8, colour);
    c.FillRect(x, y + 8, w, 3, Darker(colour, 0.4f));
}

Canvas ButtonFace(int w, int h, const std::string& label, Rgb face, int scale,
                  const std::string& icon) {
    Canvas c(w, h);
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    c.RoundRect(0, 0, fw, fh, std::min(10.0f, fh / 3), pal::kInk);
    c.RoundRect(2, 2, fw - 4, fh - 4, std::min(8.0f, fh / 3 - 2), Darker(face, 0.25f));
    c.RoundRect(2, 2, fw - 4, fh - 7, std::min(8.0f, fh / 3 - 2), face);
    c.RoundRect(5, 4, fw - 10, fh / 2 - 4, std::min(6.0f, fh / 4), Lighter(face, 0.3f));
    std::string text = icon.empty() ? label : icon + " " + label;
    while (Canvas::TextWidth(text, scale) > w - 6 && scale > 1) --scale;
    if (Canvas::TextWidth(text, scale) > w - 6)
        text = text.substr(0, static_cast<size_t>((w - 6) / 8));
    const int ty = (h - 8 * scale) / 2 - 1;
    c.TextOutlinedCentered(w / 2, ty, text, scale, Hex(0xFFFFFF), Darker(face, 0.6f));
    if (scale == 1) c.TextCentered(w / 2 + 1, ty, text, 1, Hex(0xFFFFFF));  // bold
    return c;
}

Canvas PanelFace(int w, int h, Rgb face, Rgb rim, int radius) {
    Canvas c(w, h);
    const float r = static_cast<float>(radius);
    c.RoundRect(0, 0, static_cast<float>(w), static_cast<float>(h), r, pal::kInk);
    c.RoundRect(2, 2, static_cast<float>(w - 4), static_cast<float>(h - 4), r - 1, rim);
    c.RoundRect(6, 6, static_cast<float>(w - 12), static_cast<float>(h - 12), r - 3, face);
    c.VGradient(8, 8, w - 16, (h - 16) / 3, Lighter(face, 0.18f), face);
    return c;
}

}  // namespace gen
