// Beaches.

#include "tools/assetgen/beach.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "game/asset_table.h"
#include "game/scenes/beach/spawn_zones.h"
#include "tools/assetgen/location.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/scene.h"
#include "tools/assetgen/words.h"

namespace gen {

namespace {

constexpr int W = assets::kPanoramaWidth, H = assets::kPanoramaHeight;

struct Look {
    Rgb sand;
    int horizon;
    float hills;
    Rgb hillColour;
    Rgb sea;
    const char* bar;  // beach bar sign, or null
};
const Look kLooks[10] = {
    {Hex(0xF3D99B), 120, 50, Hex(0x7FA88A), pal::kSea, "CHILI BAR"},
    {Hex(0xFFF4E0), 110, 30, Hex(0x9FC0A8), Hex(0x22C0D8), "VIP LOUNGE"},
    {Hex(0xE9C98A), 130, 90, Hex(0xB0805A), pal::kSea, nullptr},
    {Hex(0xF8DE7E), 110, 40, Hex(0x6FA870), Hex(0x12B0C0), "MELON CLUB"},
    {Hex(0xF2B99A), 120, 60, Hex(0x8A9A70), pal::kSea, "BANANA BOAT"},
    {Hex(0xE6D2A8), 150, 70, Hex(0x3F7F4A), Hex(0x3FD0C8), nullptr},
    {Hex(0xFFEBC2), 120, 35, Hex(0x90B0C0), Hex(0x1890D0), "PLEASURE BAR"},
    {Hex(0xF3E0B0), 110, 110, Hex(0x7F9F7A), pal::kSea, nullptr},
    {Hex(0xF0CF90), 125, 45, Hex(0x9AA070), Hex(0x1AA0C0), "SANGRIA BAR"},
    {Hex(0xEAD6A0), 140, 60, Hex(0x809A6A), pal::kSea, nullptr},
};

void Parasol(Canvas& c, float x, float y, Rgb a, Rgb b) {
    c.Line(x, y - 60, x + 2, y, 3, Hex(0xDDDDDD));
    for (int s = 0; s < 6; ++s)
        c.Polygon({{x, y - 74},
                   {x - 44 + static_cast<float>(s) * 14.7f, y - 52},
                   {x - 29.3f + static_cast<float>(s) * 14.7f, y - 52}},
                  s % 2 ? a : b);
    c.Ellipse(x, y, 30, 5, Hex(0x000000), 40);
}

void BeachBar(Scene& s, float x, float y, const char* name, Rgb colour) {
    Canvas& c = s.C();
    c.FillRect(static_cast<int>(x), static_cast<int>(y) - 70, 150, 70, pal::kWood);
    c.Polygon({{x - 14, y - 70}, {x + 164, y - 70}, {x + 140, y - 104}, {x + 10, y - 104}},
              Hex(0xC9A050));
    for (int k = 0; k < 9; ++k)
        c.Line(x - 10 + static_cast<float>(k * 21), y - 70, x + 12 + static_cast<float>(k * 16),
               y - 104, 2, Hex(0xA8803A));
    c.FillRect(static_cast<int>(x) - 6, static_cast<int>(y) - 36, 162, 10, pal::kWoodDark);
    Sign(c, static_cast<int>(x) + 15, static_cast<int>(y) - 124, 120, 22, name, 1, colour,
         Hex(0xFFFFFF));
    for (int k = 0; k < 6; ++k) {
        const float lx = x + 8 + static_cast<float>(k * 27);
        c.Ellipse(lx, y - 66, 3, 3, Hex(0xFFE680));
        s.Lamp(lx, y - 66, 22, Hex(0xFFD070));
    }
}

void Rock(Canvas& c, float x, float y, float r, Rgb colour) {
    c.Ellipse(x, y, r, r * 0.7f, Darker(colour, 0.2f));
    c.Ellipse(x - r * 0.2f, y - r * 0.15f, r * 0.75f, r * 0.5f, colour);
    c.Ellipse(x - r * 0.35f, y - r * 0.3f, r * 0.25f, r * 0.15f, Lighter(colour, 0.3f));
}

void Boat(Canvas& c, float x, float y, float s, Rgb hull, bool sail) {
    c.Polygon(
        {{x - 30 * s, y}, {x + 30 * s, y}, {x + 22 * s, y + 10 * s}, {x - 22 * s, y + 10 * s}},
        hull);
    if (sail) {
        c.Line(x, y, x, y - 46 * s, 2, Hex(0x555555));
        c.Polygon({{x + 2, y - 44 * s}, {x + 26 * s, y - 4}, {x + 2, y - 4}}, Hex(0xFFFFFF));
    } else {
        c.FillRect(static_cast<int>(x - 12 * s), static_cast<int>(y - 10 * s),
                   static_cast<int>(22 * s), static_cast<int>(10 * s), Hex(0xFFFFFF));
    }
}

void Lighthouse(Scene& s, float x, float y) {
    Canvas& c = s.C();
    c.Polygon({{x - 16, y}, {x + 16, y}, {x + 9, y - 120}, {x - 9, y - 120}}, Hex(0xFFFFFF));
    for (int k = 0; k < 3; ++k)
        c.Polygon({{x - 14.5f + static_cast<float>(k) * 2.3f, y - 20 - static_cast<float>(k * 36)},
                   {x + 14.5f - static_cast<float>(k) * 2.3f, y - 20 - static_cast<float>(k * 36)},
                   {x + 13.5f - static_cast<float>(k) * 2.3f, y - 36 - static_cast<float>(k * 36)},
                   {x - 13.5f + static_cast<float>(k) * 2.3f, y - 36 - static_cast<float>(k * 36)}},
                  Hex(0xD0302C));
    c.FillRect(static_cast<int>(x) - 11, static_cast<int>(y) - 136, 22, 16, Hex(0xFFF2A0));
    c.Polygon({{x - 13, y - 136}, {x + 13, y - 136}, {x, y - 150}}, Hex(0xD0302C));
    s.Lamp(x, y - 128, 90, Hex(0xFFF6C0));
}

void Tower(Canvas& c, float x, float y) {
    c.Line(x - 16, y, x - 10, y - 70, 4, Hex(0xFFFFFF));
    c.Line(x + 16, y, x + 10, y - 70, 4, Hex(0xFFFFFF));
    c.FillRect(static_cast<int>(x) - 22, static_cast<int>(y) - 100, 44, 32, Hex(0xE8302C));
    c.Polygon({{x - 28, y - 100}, {x + 28, y - 100}, {x, y - 118}}, Hex(0xFFFFFF));
    c.Text(static_cast<int>(x) - 12, static_cast<int>(y) - 90, "SOS", 1, Hex(0xFFFFFF));
}

void Cabana(Canvas& c, float x, float y, Rgb colour) {
    c.Polygon({{x - 34, y - 64}, {x + 34, y - 64}, {x + 40, y - 50}, {x - 40, y - 50}}, colour);
    c.FillRect(static_cast<int>(x) - 32, static_cast<int>(y) - 50, 6, 50, Hex(0xFFFFFF));
    c.FillRect(static_cast<int>(x) + 26, static_cast<int>(y) - 50, 6, 50, Hex(0xFFFFFF));
    c.Polygon({{x - 26, y - 50}, {x - 8, y - 50}, {x - 24, y}}, Hex(0xFFFFFF), 200);
}

}  // namespace

std::vector<int> Shoreline(int beach) {
    const Look& look = kLooks[beach - 1];
    // The water line wanders with the noise but must stay above every spawn zone: the need is
    // eroded (minimum over a window) and then blurred over a narrower window, which keeps the
    // smooth line at or above the need everywhere.
    std::vector<int> need(W), eroded(W), shore(W);
    for (int x = 0; x < W; ++x) {
        const float n =
            Fractal(static_cast<float>(x), 0, 300, 500u + static_cast<uint32_t>(beach), 3);
        need[x] = look.horizon + 90 + static_cast<int>(70 * n);
    }
    for (const SpawnZone& z : kSpawnZones[beach - 1]) {
        if (z.x1 == 0 && z.y1 == 0 && z.x2 == 0 && z.y2 == 0) continue;  // an unused entry
        for (int x = std::max(0, z.x1); x <= std::min(W - 1, z.x2); ++x)
            need[x] = std::min(need[x], z.y1 - 10);
    }
    constexpr int kErode = 70, kBlur = 60;
    for (int x = 0; x < W; ++x) {
        int m = need[x];
        for (int k = std::max(0, x - kErode); k <= std::min(W - 1, x + kErode); ++k)
            m = std::min(m, need[k]);
        eroded[x] = m;
    }
    for (int x = 0; x < W; ++x) {
        long sum = 0;
        int count = 0;
        for (int k = std::max(0, x - kBlur); k <= std::min(W - 1, x + kBlur); ++k)
            sum += eroded[k], ++count;
        shore[x] = std::max(look.horizon + 24, static_cast<int>(sum / count));
    }
    return shore;
}

namespace {

Canvas Panorama(int beach, bool night) {
    const Look& look = kLooks[beach - 1];
    const uint32_t seed = 9000u + static_cast<uint32_t>(beach) * 31u;
    Scene s(W, H, night ? Time::Night : Time::Day, Mood::Outside, seed);
    Canvas& c = s.C();
    s.Sky(0, 0, W, look.horizon + 1);
    Hills(c, 0, W, look.horizon, look.hills, look.hillColour, seed + 1);
    if (beach == 8) {  // two round hills that gave the beach its name
        c.Ellipse(1500, static_cast<float>(look.horizon), 170, 120, Darker(look.hillColour, 0.08f));
        c.Ellipse(1860, static_cast<float>(look.horizon), 170, 120, Darker(look.hillColour, 0.08f));
        c.Ellipse(1500, static_cast<float>(look.horizon) - 116, 12, 8, Hex(0xC08070));
        c.Ellipse(1860, static_cast<float>(look.horizon) - 116, 12, 8, Hex(0xC08070));
    }
    const std::vector<int> shore = Shoreline(beach);
    // Sea: deep at the horizon, light near the shore.
    for (int x = 0; x < W; ++x) {
        const int top = look.horizon, bottom = shore[x];
        for (int y = top; y < bottom; ++y) {
            const float t =
                static_cast<float>(y - top) / static_cast<float>(std::max(1, bottom - top));
            Rgb col = Mix(Darker(look.sea, 0.35f), Lighter(look.sea, 0.25f), t);
            if (Hash(x / 6, y, seed) % 53u == 0) col = Lighter(col, 0.5f);
            c.Put(x, y, col);
        }
    }
    // Boats on the water.
    Rng rng(seed);
    for (int k = 0; k < 5; ++k)
        Boat(c, rng.Real(100, W - 100), static_cast<float>(look.horizon) + rng.Real(8, 26),
             rng.Real(0.5f, 0.9f), k % 2 ? Hex(0xFFFFFF) : Hex(0xE8413C), k % 2 == 0);
    if (beach == 7) {  // yachts
        for (int k = 0; k < 3; ++k) {
            const float x = 500.0f + static_cast<float>(k * 700),
                        y = static_cast<float>(look.horizon) + 30;
            c.Polygon({{x - 90, y}, {x + 100, y}, {x + 80, y + 20}, {x - 70, y + 20}},
                      Hex(0xFFFFFF));
            c.FillRect(static_cast<int>(x) - 50, static_cast<int>(y) - 18, 100, 18, Hex(0xF2F2F2));
            c.FillRect(static_cast<int>(x) - 40, static_cast<int>(y) - 12, 80, 6, Hex(0x1E3F6E));
            s.Lamp(x, y - 10, 30, Hex(0xFFE9A0));
        }
    }
    // Sand with a wet band and foam along the water line.
    for (int x = 0; x < W; ++x) {
        for (int y = shore[x]; y < H; ++y) {
            const float d = static_cast<float>(y - shore[x]);
            Rgb col = look.sand;
            if (d < 10) col = Mix(Darker(look.sand, 0.25f), look.sand, d / 10);
            const float n =
                Fractal(static_cast<float>(x), static_cast<float>(y) * 2, 40, seed + 9, 2);
            col = Scale(col, 0.93f + 0.12f * n);
            if (Hash(x, y, seed + 3) % 61u == 0) col = Darker(col, 0.12f);
            c.Put(x, y, col);
        }
        const float wave = 2.5f + 2.0f * std::sin(static_cast<float>(x) * 0.05f);
        for (int y = shore[x] - static_cast<int>(wave); y < shore[x] + 1; ++y)
            c.Put(x, y, pal::kFoam);
    }
    // Scenery behind the visitors, at the back of the sand.
    auto back = [&](int x) { return static_cast<float>(shore[std::clamp(x, 0, W - 1)] + 6); };
    if (look.bar)
        BeachBar(s, 1180, back(1250) + 30, look.bar, beach == 5 ? Hex(0xE8A01D) : Hex(0xD0302C));
    for (int k = 0; k < 6; ++k) {
        const int px = 60 + k * 480 + static_cast<int>(Hash(k, beach, 7) % 120u);
        Palm(c, static_cast<float>(px), back(px) + 20,
             170.0f + static_cast<float>(Hash(k, beach, 8) % 60u), (k % 2 ? -0.18f : 0.14f),
             seed + static_cast<uint32_t>(k));
    }
    switch (beach) {
        case 1:
            for (int k = 0; k < 4; ++k)
                Parasol(c, 300.0f + static_cast<float>(k * 520), back(300 + k * 520) + 40,
                        Hex(0xD0302C), Hex(0xFFFFFF));
            Tower(c, 2000, back(2000) + 40);
            break;
        case 2:
            for (int k = 0; k < 5; ++k)
                Cabana(c, 150.0f + static_cast<float>(k * 480), back(150 + k * 480) + 50,
                       pal::kPink);
            break;
        case 3:
            for (int k = 0; k < 6; ++k)
                Rock(c, 40.0f + static_cast<float>(k * 30), back(40 + k * 30) + 10,
                     40.0f - static_cast<float>(k * 4), Hex(0xA07050));
            c.FillRect(2300, shore[2300] - 30, 240, 10, pal::kWood);  // pier
            for (int k = 0; k < 6; ++k)
                c.FillRect(2310 + k * 40, shore[2300] - 20, 6, 30, pal::kWoodDark);
            Tower(c, 1500, back(1500) + 40);
            break;
        case 4:
            for (int k = 0; k < 5; ++k) {
                const float x = 120.0f + static_cast<float>(k * 520);
                c.Ellipse(x, back(static_cast<int>(x)) + 8, 26, 22, Hex(0x3F8F3A));
                for (int l = -2; l <= 2; ++l)
                    c.Line(x + static_cast<float>(l * 8), back(static_cast<int>(x)) - 12,
                           x + static_cast<float>(l * 10), back(static_cast<int>(x)) + 28, 2,
                           Hex(0x2A6A2A));
            }
            for (int k = 0; k < 3; ++k)
                Cabana(c, 600.0f + static_cast<float>(k * 700), back(600 + k * 700) + 50,
                       Hex(0x1FA37A));
            break;
        case 5:
            for (int k = 0; k < 3; ++k) {
                const float x = 500.0f + static_cast<float>(k * 800),
                            y = static_cast<float>(look.horizon) + 18;
                c.Ellipse(x, y, 60, 9, Hex(0xF2D21D));
                c.Ellipse(x + 58, y - 4, 8, 6, Hex(0xF2D21D));
            }
            for (int k = 0; k < 4; ++k)
                Parasol(c, 200.0f + static_cast<float>(k * 600), back(200 + k * 600) + 40,
                        Hex(0xF2D21D), Hex(0xE8413C));
            break;
        case 6:
            for (int k = 0; k < 10; ++k)
                Rock(c, 30.0f + static_cast<float>(k * 260), back(30 + k * 260) - 4, 26,
                     Hex(0x6A6A6A));
            c.Ellipse(1000, static_cast<float>(look.horizon) + 20, 200, 16, Hex(0x3FD0C8));
            Sign(c, 2200, static_cast<int>(back(2200)) - 60, 120, 26, "LOBSTER", 1, Hex(0xD0302C),
                 Hex(0xFFFFFF));
            break;
        case 7:
            for (int k = 0; k < 4; ++k)
                Cabana(c, 200.0f + static_cast<float>(k * 620), back(200 + k * 620) + 50,
                       Hex(0x8E44AD));
            break;
        case 8:
            Lighthouse(s, 2450, back(2450) + 10);
            for (int k = 0; k < 4; ++k)
                Cabana(c, 300.0f + static_cast<float>(k * 520), back(300 + k * 520) + 50,
                       Hex(0xC89B2C));
            break;
        case 9:
            for (int k = 0; k < 40; ++k) {  // string lights over the bar
                const float x = 1000.0f + static_cast<float>(k * 12),
                            y = back(1200) - 130 + 10 * std::sin(static_cast<float>(k) * 0.4f);
                c.Ellipse(x, y, 3, 3, k % 2 ? Hex(0xFF6060) : Hex(0xFFE060));
                s.Lamp(x, y, 14, k % 2 ? Hex(0xFF8080) : Hex(0xFFE080));
            }
            for (int k = 0; k < 4; ++k)
                Parasol(c, 300.0f + static_cast<float>(k * 560), back(300 + k * 560) + 40,
                        Hex(0x8E1F3A), Hex(0xF29A1D));
            break;
        default:
            for (int k = 0; k < 4; ++k)
                Boat(c, 300.0f + static_cast<float>(k * 600), back(300 + k * 600) + 10, 1.3f,
                     Hex(0x2F6FD0), false);
            c.FillRect(2000, static_cast<int>(back(2000)) - 120, 8, 120,
                       Hex(0x666666));  // weathervane
            c.Polygon(
                {{1990, back(2000) - 128}, {2020, back(2000) - 136}, {2014, back(2000) - 116}},
                Hex(0xD0302C));
            Tower(c, 800, back(800) + 40);
            break;
    }
    // The beach's name in the sand at the far left.
    c.Text(20, H - 20, kBeachNames[beach - 1], 1, Darker(look.sand, 0.3f));
    return s.Finish();
}

Canvas Panel() {
    Canvas c(assets::kBeachPanelWidth, assets::kBeachPanelHeight);
    c.VGradient(0, 0, 640, 120, Hex(0x4A3422), Hex(0x2A1C10));
    c.Grain(0, 0, 640, 120, 6, 77);
    c.FillRect(0, 0, 640, 3, Hex(0xC9A050));
    for (int k = 0; k < 12; ++k)
        c.Ellipse(8.0f + static_cast<float>(k * 57), 8, 2, 2, Hex(0xC9A050));
    // Sockets for the buttons.
    for (const assets::BeachButton& b : assets::kBeachButtons)
        c.RoundRect(static_cast<float>(b.x - 3), 3, static_cast<float>(b.width + 6), 56, 8,
                    Hex(0x1A1008));
    // The film strip: ten frames at x = 23 + 60 i, y = 65 (screen 425).
    c.FillRect(8, 58, 624, 46, Hex(0x161210));
    for (int k = 0; k < 62; ++k) {
        c.RoundRect(10.0f + static_cast<float>(k * 10), 60, 6, 4, 1, Hex(0x6A5A40));
        c.RoundRect(10.0f + static_cast<float>(k * 10), 98, 6, 4, 1, Hex(0x6A5A40));
    }
    for (int i = 0; i < 10; ++i) c.FrameRect(21 + 60 * i, 63, 59, 35, 2, Hex(0x3A3028));
    c.Text(530, 108, "RAVEZ CAM", 1, Hex(0xC9A050));
    return c;
}

void Icon(Canvas& c, int kind, float cx, float cy, Rgb ink, int camera) {
    switch (kind) {
        case 0:  // camera
            c.RoundRect(cx - 14, cy - 8, 28, 18, 3, ink);
            c.RoundRect(cx - 10, cy - 12, 10, 5, 2, ink);
            c.Ellipse(cx + 2, cy + 1, 6, 6, Hex(0x303030));
            c.Text(static_cast<int>(cx) - 3, static_cast<int>(cy) + 12, std::to_string(camera + 1),
                   1, ink);
            break;
        case 1:  // zoom
            c.Ring(cx - 4, cy - 4, 9, 4, ink);
            c.Line(cx + 3, cy + 3, cx + 13, cy + 13, 5, ink);
            break;
        case 2:  // flash
            c.Polygon({{cx + 2, cy - 16},
                       {cx - 10, cy + 2},
                       {cx - 1, cy + 2},
                       {cx - 4, cy + 16},
                       {cx + 10, cy - 4},
                       {cx + 1, cy - 4}},
                      ink);
            break;
        case 3:  // camouflage: a palm
            c.Line(cx, cy + 14, cx + 2, cy - 6, 3, ink);
            for (int k = 0; k < 5; ++k)
                c.Line(cx + 2, cy - 6, cx - 12 + static_cast<float>(k * 6),
                       cy - 12 + static_cast<float>(std::abs(k - 2) * 4), 3, ink);
            break;
        case 4:  // balance: coins
            for (int k = 0; k < 3; ++k)
                c.Ellipse(cx, cy + 8 - static_cast<float>(k * 6), 11, 4, ink);
            c.Text(static_cast<int>(cx) - 4, static_cast<int>(cy) - 18, "$", 1, ink);
            break;
        case 5:  // clock
            c.Ring(cx, cy, 12, 3, ink);
            c.Line(cx, cy, cx, cy - 8, 2, ink);
            c.Line(cx, cy, cx + 6, cy + 2, 2, ink);
            break;
        default:  // exit
            c.FillRect(static_cast<int>(cx) - 12, static_cast<int>(cy) - 14, 14, 28, ink);
            c.Polygon({{cx + 2, cy - 8}, {cx + 14, cy}, {cx + 2, cy + 8}}, ink);
            break;
    }
}

Canvas PanelButton(const assets::BeachButton& b, bool active) {
    struct Label {
        const char* german;
        const char* english;
    };
    static const Label kLabels[] = {{"CAM", "CAM"},     {"CAM", "CAM"},     {"CAM", "CAM"},
                                    {"ZOOM", "ZOOM"},   {"BLITZ", "FLASH"}, {"TARN", "CAMO"},
                                    {"KONTO", "MONEY"}, {"UHR", "CLOCK"},   {"EXIT", "EXIT"}};
    static const int kIcons[] = {0, 0, 0, 1, 2, 3, 4, 5, 6};
    int index = 0;
    while (assets::kBeachButtons[index].entry != b.entry) ++index;
    const Rgb face = active ? Hex(0xF2B01D) : Hex(0x5A6470);
    Canvas c(b.width, assets::kBeachButtonHeight);
    const float w = static_cast<float>(b.width), h = static_cast<float>(assets::kBeachButtonHeight);
    c.RoundRect(0, 0, w, h, 8, pal::kInk);
    c.RoundRect(2, 2, w - 4, h - 4, 7, Darker(face, 0.3f));
    c.RoundRect(2, 2, w - 4, h - 7, 7, face);
    c.RoundRect(5, 4, w - 10, 16, 5, Lighter(face, 0.25f));
    const Rgb ink = active ? Hex(0x3A1A00) : Hex(0xF2F2F2);
    Icon(c, kIcons[index], w / 2, 20, ink, index);
    if (index > 2)
        c.TextCentered(b.width / 2, 38, Say(kLabels[index].german, kLabels[index].english), 1, ink);
    if (active) {
        c.Ellipse(w - 8, 8, 4, 4, Hex(0x40FF40));
        c.Ring(w / 2, h / 2, w / 2 - 2, 2, Hex(0xFFF2A0), 120);
    }
    return c;
}

Canvas Viewfinder(int camera) {
    const int w = assets::kViewfinderWidth, h = assets::kViewfinderHeight;
    Canvas c(w, h);
    const Rgb body = camera == 0 ? Hex(0x1A1A1A) : camera == 1 ? Hex(0x9AA0AA) : Hex(0x202830);
    // The mask: everything outside a rounded window of the camera's shape is the frame.
    const float inset = camera == 0 ? 14.0f : camera == 1 ? 10.0f : 6.0f;
    const float radius = camera == 0 ? 40.0f : camera == 1 ? 18.0f : 8.0f;
    Canvas window(w, h);
    window.RoundRect(inset, inset, static_cast<float>(w) - 2 * inset,
                     static_cast<float>(h) - 2 * inset, radius, Hex(0xFFFFFF));
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const int a = 255 - window.AlphaAt(i, j);
            if (a > 0) c.Blend(i, j, body, a);
        }
    const Rgb mark = camera == 1 ? Hex(0x202020) : Hex(0xF2F2F2);
    const float cx = static_cast<float>(w) / 2, cy = static_cast<float>(h) / 2;
    if (camera == 0) {
        c.Line(cx - 10, cy, cx + 10, cy, 1.5f, mark);
        c.Line(cx, cy - 10, cx, cy + 10, 1.5f, mark);
    } else if (camera == 1) {
        c.Ring(cx, cy, 22, 1.5f, Hex(0xFFFFFF));
        for (int k = 1; k < 3; ++k) {
            c.Line(static_cast<float>(w * k / 3), inset + 6, static_cast<float>(w * k / 3),
                   inset + 16, 1.5f, Hex(0xFFFFFF));
            c.Line(static_cast<float>(w * k / 3), static_cast<float>(h) - inset - 16,
                   static_cast<float>(w * k / 3), static_cast<float>(h) - inset - 6, 1.5f,
                   Hex(0xFFFFFF));
        }
        c.Line(cx - 4, cy, cx + 4, cy, 1.5f, Hex(0xFFFFFF));
    } else {
        for (int sx = -1; sx <= 1; sx += 2)
            for (int sy = -1; sy <= 1; sy += 2) {
                const float x = cx + static_cast<float>(sx) * 40.0f,
                            y = cy + static_cast<float>(sy) * 26.0f;
                c.Line(x, y, x - static_cast<float>(sx) * 12.0f, y, 2, Hex(0x60FF60));
                c.Line(x, y, x, y - static_cast<float>(sy) * 10.0f, 2, Hex(0x60FF60));
            }
        c.Ellipse(cx, cy, 2, 2, Hex(0xFF3030));
        c.Ellipse(static_cast<float>(w) - 26, 20, 5, 5, Hex(0xFF2020));
        c.Text(w - 58, 16, "REC", 1, Hex(0xFF4040));
        for (int k = 0; k <= 10; ++k)
            c.Line(60.0f + static_cast<float>(k * 20), static_cast<float>(h) - 14,
                   60.0f + static_cast<float>(k * 20), static_cast<float>(h) - (k % 5 ? 10 : 6),
                   1.5f, Hex(0x60FF60));
    }
    static const char* const kNames[] = {"DozuveDor I99", "VirivEra", "DerozIri"};
    c.Text(static_cast<int>(inset) + 4, h - static_cast<int>(inset) + (camera == 0 ? 3 : 1),
           kNames[camera], 1, camera == 1 ? Hex(0x202020) : Hex(0xC0C0C0));
    return c;
}

}  // namespace

Canvas BeachPicture(int beach, int entry) {
    if (entry == assets::kBeachDay) return Panorama(beach, false);
    if (entry == assets::kBeachNight) return Panorama(beach, true);
    if (entry == assets::kBeachPanel) return Panel();
    for (int k = 0; k < 3; ++k)
        if (entry == assets::kBeachViewfinder[k]) return Viewfinder(k);
    for (const assets::BeachButton& b : assets::kBeachButtons) {
        if (entry == b.entry) return PanelButton(b, false);
        if (entry == b.activeEntry) return PanelButton(b, true);
    }
    return Canvas(1, 1);
}

std::vector<Bytes> BeachPoolChunks(int beach) {
    std::vector<Bytes> chunks;
    for (int e = 0; e < assets::kBeachEntries; ++e)
        chunks.push_back(PictureChunk(BeachPicture(beach, e)));
    return chunks;
}

}  // namespace gen
