// Full-screen backgrounds of the location pool.

#include <cmath>
#include <string>

#include "game/asset_table.h"
#include "tools/assetgen/location.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/scene.h"
#include "tools/assetgen/visitors.h"
#include "tools/assetgen/words.h"

namespace gen {

const char* const kBeachNames[10] = {
    "Chili Beach",    "Nude Vip Beach", "Rodeo Beach",      "Melons Beach",  "Red Banana Beach",
    "Lobster Laguna", "Pleasure Beach", "Nipplonsky Beach", "Sangria Beach", "Rooster's Beach"};
const char* const kHotelNames[3] = {"Sisenor Hotel", "Ravez Palace Hotel", "Hotel Sunburn"};

namespace {

struct HotelStyle {
    Rgb wall, accent, trim, floorA, floorB, roof;
};
constexpr HotelStyle kHotels[3] = {
    {pal::kWhiteWall, pal::kBlueShutter, Hex(0x9FC9EE), Hex(0xE9DCC0), Hex(0x2F6DB5),
     Hex(0x2F6DB5)},
    {Hex(0xF6CBD3), Hex(0xC89B2C), Hex(0xFFF1C2), Hex(0xF1E3D3), Hex(0xB5323F), Hex(0xB5323F)},
    {Hex(0xFFB347), Hex(0xE8552B), Hex(0xFFE27A), Hex(0xF3E2B8), Hex(0xE8552B), Hex(0xD2401E)},
};

Time Of(bool night) {
    return night ? Time::Night : Time::Day;
}

// Sky, sea on the horizon and a paved promenade: the base of every outdoor scene.
void Outdoors(Scene& s, int horizon, int groundY, Rgb ground) {
    Canvas& c = s.C();
    s.Sky(0, 0, 640, horizon);
    Hills(c, 0, 640, horizon, 60, Hex(0x8FB8A0), s.Seed() + 1);
    Sea(c, 0, horizon, 640, groundY - horizon, s.Seed());
    Paving(c, 0, groundY, 640, 480 - groundY, ground);
}

void Facade(Scene& s, int x, int y, int w, int h, Rgb wall, Rgb shutters, int floors, int perFloor,
            int doorX, int doorW, bool flatRoof, Rgb roof) {
    Canvas& c = s.C();
    c.FillRect(x, y, w, h, wall);
    c.FillRect(x, y, w, 6, Darker(wall, 0.12f));
    c.FillRect(x + w - 12, y, 12, h, Darker(wall, 0.1f));
    if (flatRoof) {
        c.FillRect(x - 6, y - 10, w + 12, 12, roof);
    } else {
        c.Polygon({{static_cast<float>(x - 12), static_cast<float>(y)},
                   {static_cast<float>(x + w / 2), static_cast<float>(y - 50)},
                   {static_cast<float>(x + w + 12), static_cast<float>(y)}},
                  roof);
    }
    const int floorH = (h - 140) / std::max(1, floors);
    Rng rng(s.Seed() + static_cast<uint32_t>(x));
    for (int f = 0; f < floors; ++f) {
        for (int k = 0; k < perFloor; ++k) {
            const int wx = x + (k + 1) * w / (perFloor + 1) - 14;
            const int wy = y + 20 + f * floorH;
            s.Window(wx, wy, 28, std::min(40, floorH - 22), Hex(0xFFFFFF), rng.Int(0, 2) > 0, true,
                     shutters);
        }
    }
    (void)doorX, (void)doorW;
}

void Palms(Canvas& c, uint32_t seed, int baseY) {
    Palm(c, 40, static_cast<float>(baseY), 210, 0.15f, seed);
    Palm(c, 600, static_cast<float>(baseY + 10), 190, -0.2f, seed + 3);
}

Canvas HotelOutside(int hotel, bool night) {
    const HotelStyle& st = kHotels[hotel];
    Scene s(640, 480, Of(night), Mood::Outside, 1000u + static_cast<uint32_t>(hotel));
    Outdoors(s, 250, 300, Hex(0xE8D8B0));
    Canvas& c = s.C();
    const int top = hotel == 1 ? 60 : hotel == 2 ? 40 : 110;
    const int x = hotel == 1 ? 110 : 150, w = hotel == 1 ? 420 : 340;
    Facade(s, x, top, w, 430 - top, st.wall, st.accent, hotel == 2 ? 4 : 3, hotel == 1 ? 5 : 4, 275,
           90, hotel != 0, st.roof);
    if (hotel == 1)
        for (int k = 0; k < 6; ++k)
            c.FillRect(x + 20 + k * 76, 300, 14, 130, Lighter(st.wall, 0.4f));
    Awning(c, 255, 270, 130, 24, st.accent, Hex(0xFFFFFF));
    Door(c, 275, 300, 90, 130, st.accent, true);
    Sign(c, x + w / 2 - 150, top - 46, 300, 34, kHotelNames[hotel], 2, st.trim, pal::kInk);
    Bush(c, 220, 420, 30, pal::kLeaf, true);
    Bush(c, 420, 420, 30, pal::kLeaf, true);
    Palms(c, 20u + static_cast<uint32_t>(hotel), 440);
    StreetLamp(s, 240, 440, 120);
    StreetLamp(s, 400, 440, 120);
    return s.Finish();
}

Canvas TownStreet(Time t) {
    Scene s(640, 480, t, Mood::Outside, 2000);
    Canvas& c = s.C();
    s.Sky(0, 0, 640, 200);
    Hills(c, 0, 640, 200, 70, Hex(0x9BBF8A), 7);
    c.FillRect(0, 200, 640, 170, Hex(0x9BBF8A));
    for (int k = 0; k < 8; ++k)
        Bush(c, static_cast<float>(k * 90), 330, 40, Hex(0x5FA04A), k % 2 == 0);
    Paving(c, 0, 370, 640, 110, Hex(0xD8C7A0));
    // The shop on the left, the apartment house on the right, a café between.
    Facade(s, 40, 120, 220, 250, Hex(0xFFE7B0), Hex(0x1FA37A), 2, 3, 110, 100, true, Hex(0x1FA37A));
    Awning(c, 60, 190, 190, 26, Hex(0x1FA37A), Hex(0xFFFFFF));
    Sign(c, 70, 150, 160, 30, "RAVEZ SHOP", 2, Hex(0xFFFFFF), Hex(0x1F7A5A));
    c.FillRect(60, 230, 45, 120, Hex(0x9ED9F5));
    c.FillRect(215, 230, 40, 120, Hex(0x9ED9F5));
    Door(c, 110, 220, 100, 150, Hex(0x1FA37A), true);
    Facade(s, 270, 160, 130, 210, Hex(0xF6CBD3), Hex(0xB5323F), 2, 2, 0, 0, false,
           pal::kTerracotta);
    Awning(c, 270, 270, 130, 20, Hex(0xB5323F), Hex(0xFFFFFF));
    for (int k = 0; k < 2; ++k) {
        c.Ellipse(300.0f + static_cast<float>(k * 70), 345, 18, 5, Hex(0xFFFFFF));
        c.FillRect(298 + k * 70, 345, 4, 25, Hex(0x555555));
    }
    Facade(s, 410, 90, 210, 280, pal::kWhiteWall, pal::kBlueShutter, 3, 3, 440, 90, false,
           pal::kTerracotta);
    Door(c, 440, 230, 90, 140, pal::kBlueShutter, false);
    Bush(c, 600, 360, 24, pal::kLeaf, true);
    StreetLamp(s, 262, 372, 130);
    StreetLamp(s, 406, 372, 130);
    Palm(c, 630, 380, 200, -0.25f, 31);
    return s.Finish();
}

Canvas Lobby(int hotel, bool night) {
    const HotelStyle& st = kHotels[hotel];
    Scene s(640, 480, Of(night), Mood::Inside, 3000u + static_cast<uint32_t>(hotel));
    Canvas& c = s.C();
    Wall(c, 0, 300, st.wall, hotel == 1);
    Floor(c, 300, st.floorA, st.floorB, true);
    s.Window(430, 70, 110, 140, Hex(0xFFFFFF), false);
    Frame(c, 60, 70, 90, 60, 5);
    // Reception desk behind the receptionist (she stands at 300..380, 170..280).
    Desk(c, 240, 250, 200, 90, st.accent, Lighter(st.accent, 0.2f));
    c.FillRect(250, 130, 180, 24, st.trim);
    c.TextCentered(340, 138, Say("REZEPTION", "RECEPTION"), 1, pal::kInk);
    for (int k = 0; k < 8; ++k)
        c.Ellipse(265.0f + static_cast<float>(k * 22), 175, 3, 3, pal::kGold);  // key hooks
    // The way out on the right.
    c.FillRect(570, 80, 70, 220, Darker(st.wall, 0.45f));
    c.FrameRect(566, 76, 78, 226, 6, st.accent);
    c.Text(580, 60, "EXIT", 1, Hex(0x1FA37A));
    Plant(c, 200, 330, 1.2f);
    Plant(c, 530, 340, 1.0f);
    s.Lamp(340, 40, 90, Hex(0xFFE9A0));
    c.Ellipse(340, 30, 40, 10, pal::kGold);
    for (int k = -2; k <= 2; ++k)
        c.Line(340.0f + static_cast<float>(k * 14), 30, 340.0f + static_cast<float>(k * 18), 50, 2,
               pal::kGold);
    // A sofa at the left for the porter's corner.
    c.RoundRect(20, 330, 100, 40, 10, st.accent);
    c.RoundRect(14, 310, 112, 30, 10, Lighter(st.accent, 0.2f));
    return s.Finish();
}

Canvas Room(int hotel, Time t, bool lamp) {
    const HotelStyle& st = kHotels[hotel];
    Scene s(640, 480, t, Mood::Inside, 4000u + static_cast<uint32_t>(hotel));
    Canvas& c = s.C();
    Wall(c, 0, 310, Lighter(st.trim, 0.35f), false);
    Floor(c, 310, st.floorA, Darker(st.floorA, 0.1f), false);
    // Window with the sea.
    c.FillRect(166, 36, 268, 158, Hex(0xFFFFFF));
    s.Sky(170, 40, 260, 90);
    Sea(c, 170, 130, 260, 60, 44);
    c.FillRect(297, 40, 6, 150, Hex(0xFFFFFF));
    c.Polygon({{150, 30}, {180, 30}, {176, 210}, {140, 214}}, st.accent);
    c.Polygon({{420, 30}, {450, 30}, {460, 214}, {424, 210}}, st.accent);
    // Bed.
    c.RoundRect(330, 300, 290, 110, 8, Hex(0xFFFFFF));
    c.RoundRect(330, 330, 290, 90, 8, st.accent);
    c.FillRect(600, 250, 24, 180, pal::kWoodDark);
    c.RoundRect(540, 300, 70, 30, 10, Hex(0xFFFFFF));
    // Desk for the laptop, small table for the television.
    c.FillRect(230, 340, 160, 14, pal::kWood);
    c.FillRect(240, 354, 10, 80, pal::kWoodDark);
    c.FillRect(370, 354, 10, 80, pal::kWoodDark);
    c.FillRect(430, 290, 150, 10, pal::kWoodDark);
    Frame(c, 40, 60, 80, 56, 9);
    if (t != Time::Day && lamp) {
        s.Lamp(90, 200, 200, Hex(0xFFD27A));
        s.Lamp(90, 200, 110, Hex(0xFFE9B0));
    }
    return s.Finish();
}

Canvas Laptop(int hotel, bool night) {
    const HotelStyle& st = kHotels[hotel];
    Scene s(640, 480, Of(night), Mood::Inside, 5000u + static_cast<uint32_t>(hotel));
    Canvas& c = s.C();
    Wall(c, 0, 250, Lighter(st.trim, 0.35f), false);
    c.FillRect(0, 250, 640, 230, pal::kWood);
    c.Grain(0, 250, 640, 230, 8, 9);
    // The laptop: lid with screen, keyboard below.
    c.RoundRect(130, 90, 380, 290, 14, Hex(0x3A3F48));
    c.VGradient(148, 106, 344, 256, Hex(0x1E6FB8), Hex(0x4FB3E8));
    c.FillRect(148, 106, 344, 20, Hex(0x0E3E6E));
    c.Text(156, 112, "RAVEZ OS", 1, Hex(0xFFFFFF));
    c.Text(400, 112, night ? "22:00" : "12:00", 1, Hex(0xFFFFFF));
    for (int k = 0; k < 3; ++k)
        Palm(c, 460.0f - static_cast<float>(k * 30), 362, 60.0f + static_cast<float>(k * 10), -0.2f,
             50u + static_cast<uint32_t>(k));
    c.Polygon({{110, 380}, {530, 380}, {600, 460}, {40, 460}}, Hex(0xB8BEC8));
    for (int r = 0; r < 4; ++r)
        for (int k = 0; k < 13; ++k) {
            const float y = 390.0f + static_cast<float>(r * 15),
                        x0 = 120.0f - static_cast<float>(r * 12) +
                             static_cast<float>(k) * (30.0f + static_cast<float>(r) * 1.8f);
            c.RoundRect(x0, y, 24.0f + static_cast<float>(r), 11, 2, Hex(0x4A4F58));
        }
    c.Text(36, 30, kHotelNames[hotel], 1, pal::kInk);
    return s.Finish();
}

Canvas Reception(int hotel) {
    const HotelStyle& st = kHotels[hotel];
    Scene s(640, 480, Time::Day, Mood::Inside, 6000u + static_cast<uint32_t>(hotel));
    Canvas& c = s.C();
    Wall(c, 0, 330, st.wall, true);
    // Key board with hooks and numbered keys.
    c.RoundRect(60, 50, 360, 160, 10, pal::kWoodDark);
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 8; ++k) {
            const float x = 90.0f + static_cast<float>(k * 42),
                        y = 80.0f + static_cast<float>(r * 44);
            c.Ellipse(x, y, 4, 4, pal::kGold);
            if ((r * 8 + k) % 3) {
                c.Line(x, y, x, y + 18, 2, pal::kGold);
                c.RoundRect(x - 7, y + 16, 14, 18, 3, st.accent);
            }
        }
    c.Text(120, 60, Say("ZIMMER / ROOMS", "ROOMS"), 1, Hex(0xFFFFFF));
    Desk(c, 0, 330, 640, 150, st.accent, Lighter(st.accent, 0.15f));
    // Bell and a guest book; the right side stays calm for the desk texts.
    c.Ellipse(120, 322, 22, 14, pal::kGold);
    c.Ellipse(120, 330, 30, 5, Hex(0x8A8A8A));
    c.RoundRect(170, 312, 90, 20, 3, Hex(0x7A1F1F));
    c.RoundRect(300, 220, 330, 130, 12, Lighter(st.trim, 0.5f), 220);
    Sign(c, 440, 60, 170, 40, "RECEPTION", 2, st.trim, pal::kInk);
    c.Text(440, 110, kHotelNames[hotel], 1, pal::kInk);
    Plant(c, 560, 330, 1.0f);
    return s.Finish();
}

Canvas Island() {
    Canvas c(640, 480);
    // Sea with ripples.
    c.VGradient(0, 0, 640, 480, Hex(0x1B8FD1), Hex(0x0E67A8));
    for (int j = 0; j < 480; ++j)
        for (int i = 0; i < 640; ++i)
            if (Hash(i / 3, j, 77) % 97u == 0) c.FillRect(i, j, 7, 1, Hex(0x63C3F0), 160);
    // The island: a blob through every place on the map, its edge roughened by noise.
    struct P {
        float x, y;
    };
    const P places[] = {{500, 22},  {302, 65},  {221, 113}, {551, 99},  {108, 241}, {191, 219},
                        {501, 204}, {108, 306}, {448, 291}, {182, 383}, {426, 148}, {297, 217},
                        {300, 385}, {274, 278}, {186, 319}, {318, 338}, {380, 250}, {300, 150}};
    auto land = [&](float x, float y) {
        float best = 0;
        for (const P& p : places) {
            const float d = std::hypot((x - p.x) / 95.0f, (y - p.y) / 85.0f);
            best = std::max(best, 1.0f - d);
        }
        return best + (Fractal(x, y, 60, 3, 3) - 0.5f) * 0.35f;
    };
    for (int j = 0; j < 480; ++j)
        for (int i = 0; i < 640; ++i) {
            const float v = land(static_cast<float>(i), static_cast<float>(j));
            if (v > 0.02f) {
                Rgb col = v < 0.1f
                              ? pal::kSand
                              : Mix(pal::kGrass, Hex(0x4F9F3A), std::min(1.0f, (v - 0.1f) * 1.2f));
                const float peak = Fractal(static_cast<float>(i), static_cast<float>(j), 90, 17, 3);
                if (v > 0.3f && peak > 0.62f)
                    col = Mix(Hex(0x8C8C6A), Hex(0xB8A888), std::min(1.0f, (peak - 0.62f) * 6));
                const float shade = Fractal(static_cast<float>(i), static_cast<float>(j), 30, 9, 2);
                c.Put(i, j, Scale(col, 0.9f + shade * 0.2f));
            } else if (v > -0.04f) {
                c.Put(i, j, Hex(0x6FD6EC));
            }
        }
    // Roads between the town and the hotels.
    const Rgb road = Hex(0xC9A66B);
    c.Line(274, 278, 297, 217, 4, road);
    c.Line(297, 217, 426, 148, 4, road);
    c.Line(274, 278, 300, 385, 4, road);
    c.Line(274, 278, 186, 319, 4, road);
    c.Line(274, 278, 318, 338, 4, road);
    c.Line(297, 217, 221, 113, 3, road);
    // Little palms and a compass rose.
    Rng rng(5);
    for (int k = 0; k < 40; ++k) {
        const float x = rng.Real(60, 580), y = rng.Real(20, 460);
        if (land(x, y) > 0.2f && land(x, y) < 0.6f) {
            c.Line(x, y, x + 1, y - 8, 2, pal::kTrunk);
            c.Ellipse(x + 1, y - 9, 5, 3, pal::kLeaf);
        }
    }
    c.Ring(600, 40, 22, 3, Hex(0xFFFFFF));
    c.Polygon({{600, 12}, {606, 40}, {600, 68}, {594, 40}}, Hex(0xFFFFFF));
    c.Text(597, 4, "N", 1, Hex(0xFFFFFF));
    // Bottom middle: clear of the date and money panels (left), the menu, save and load buttons
    // (right) and the places on the island.
    c.TextOutlinedCentered(330, 452, "ISLA RAVEZ", 2, Hex(0xFFF4D6), Hex(0x0B4F80));
    return c;
}

Canvas Menu() {
    Scene s(640, 480, Time::Evening, Mood::Outside, 7000);
    Canvas& c = s.C();
    s.Sky(0, 0, 640, 250);
    Hills(c, 0, 640, 250, 50, Hex(0x6E8FA0), 4);
    Sea(c, 0, 250, 640, 120, 70);
    SandGround(c, 0, 360, 640, 120, 71);
    Palm(c, 60, 470, 330, 0.22f, 1);
    Palm(c, 150, 480, 250, 0.1f, 2);
    Canvas out = s.Finish();
    // Title in the game font, scaled up.
    out.TextOutlinedCentered(240, 40, "RAVEZ", 8, Hex(0xFFD23A), Hex(0x5A1A08));
    out.TextOutlinedCentered(240, 120, "LENSQUEST", 5, Hex(0xFFFFFF), Hex(0x5A1A08));
    out.TextOutlinedCentered(240, 172, Say("Paparazzi auf der Insel", "Paparazzi on the Island"), 2,
                             Hex(0xFFF4D6), Hex(0x3A1A08));
    // A big camera on the sand.
    out.RoundRect(170, 300, 190, 120, 18, Hex(0x2B2B2B));
    out.RoundRect(190, 280, 60, 30, 6, Hex(0x2B2B2B));
    out.Ellipse(265, 360, 50, 50, Hex(0x9A9A9A));
    out.Ellipse(265, 360, 38, 38, Hex(0x1A1A1A));
    out.Ellipse(265, 360, 26, 26, Hex(0x2F6FD0));
    out.Ellipse(254, 348, 9, 9, Hex(0xE6F4FF));
    out.RoundRect(320, 310, 26, 16, 3, Hex(0xFFF4B0));
    return out;
}

Canvas Album() {
    Canvas c(640, 480);
    c.VGradient(0, 0, 640, 480, Hex(0x6B2E1A), Hex(0x3E190D));
    c.Grain(0, 0, 640, 480, 6, 3);
    c.RoundRect(8, 50, 624, 222, 12, Hex(0xF4EBD8));
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 10; ++k)
            c.FrameRect(18 + 60 * k, 68 + 60 * r, 59, 37, 2, Hex(0xC9B48A));
    for (int r = 0; r < 3; ++r)
        c.Text(24, 108 + 60 * r,
               r == 0   ? "DozuveDor I99"
               : r == 1 ? "VirivEra"
                        : "DerozIri",
               1, Hex(0x8A6A3A));
    c.RoundRect(130, 300, 330, 110, 10, Hex(0xF4EBD8), 235);
    c.TextOutlined(20, 12, Say("FOTOALBUM", "PHOTO ALBUM"), 3, Hex(0xFFD23A), Hex(0x2A0E04));
    return c;
}

Canvas SaveLoad(bool save) {
    Canvas c(640, 480);
    c.VGradient(0, 0, 640, 480, Hex(0x1E6FB8), Hex(0x0B3E6E));
    for (int k = 0; k < 12; ++k)
        Cloud(c, 40.0f + static_cast<float>(k * 60), 440.0f + static_cast<float>((k % 3) * 10),
              0.6f);
    c.RoundRect(30, 62, 580, 312, 14, Hex(0x0A2A4A), 200);
    for (int k = 0; k < 10; ++k)
        c.RoundRect(40, 71.0f + static_cast<float>(30 * k), 550, 24, 6, Hex(0x1E4F80), 200);
    c.TextOutlined(30, 14,
                   save ? Say("SPIEL SPEICHERN", "SAVE GAME") : Say("SPIEL LADEN", "LOAD GAME"), 3,
                   Hex(0xFFE0A0), Hex(0x06203A));
    // The English title says it already.
    c.Text(440, 390, save ? Say("save game", "") : Say("load game", ""), 2, Hex(0x9FC9EE));
    return c;
}

Canvas ComputerScreen() {
    Canvas c(640, 480);
    c.VGradient(0, 0, 640, 480, Hex(0x3A3F48), Hex(0x22252B));
    c.RoundRect(20, 20, 600, 440, 18, Hex(0x111318));
    c.VGradient(36, 36, 568, 408, Hex(0x0F5F9F), Hex(0x2C9AD6));
    c.FillRect(36, 36, 568, 28, Hex(0x083A66));
    c.Text(48, 46, "PAPARAZZI PRESS AGENCY - Online", 1, Hex(0xFFFFFF));
    c.RoundRect(60, 90, 520, 110, 8, Hex(0xFFFFFF), 230);
    c.Text(80, 106, Say("Postausgang / Outbox", "Outbox"), 2, Hex(0x0B3E6E));
    c.Text(80, 140, Say("Verbindung: 56k Modem ...  OK", "Connection: 56k modem ...  OK"), 1,
           Hex(0x30404F));
    c.Text(80, 158,
           Say("Agentur: Ravez Press, Neuigkeiten abrufbar", "Agency: Ravez Press, news to fetch"),
           1, Hex(0x30404F));
    c.RoundRect(196, 220, 248, 118, 8, Hex(0x0A2A4A), 200);
    return c;
}

Canvas Enquiry() {
    Scene s(640, 480, Time::Day, Mood::Inside, 8000);
    Canvas& c = s.C();
    Wall(c, 0, 300, Hex(0xE9DCC0), true);
    Desk(c, 0, 300, 640, 180, pal::kWoodDark, pal::kWood);
    c.RoundRect(120, 30, 400, 100, 12, Hex(0x2A1A12), 230);
    c.TextOutlinedCentered(320, 48, Say("PORTIER", "PORTER"), 3, Hex(0xFFD23A), Hex(0x000000));
    c.TextCentered(320, 90, Say("Tipps gegen Trinkgeld", "Hints for a tip"), 2, Hex(0xFFF4D6));
    c.Ellipse(80, 290, 30, 10, pal::kGold);
    c.RoundRect(470, 250, 90, 50, 4, Hex(0xFFFFFF));
    c.Text(480, 266, "INFO", 2, Hex(0x2F6DB5));
    return s.Finish();
}

Canvas Shop() {
    Scene s(640, 480, Time::Day, Mood::Inside, 9000);
    Canvas& c = s.C();
    Wall(c, 0, 330, Hex(0xDFF3EA), false);
    Floor(c, 330, Hex(0xE9E2D0), Hex(0xC9BFA8), true);
    for (int r = 0; r < 3; ++r) {
        Shelf(c, 20, 100 + r * 70, 200, pal::kWood);
        for (int k = 0; k < 5; ++k) {
            const float x = 40.0f + static_cast<float>(k * 38),
                        y = 84.0f + static_cast<float>(r * 70);
            c.RoundRect(x - 14, y - 8, 28, 18, 3, Hex(0x2B2B2B));
            c.Ellipse(x, y + 1, 6, 6, Hex(0x8A8A8A));
        }
    }
    Sign(c, 220, 20, 240, 46, "RAVEZ SHOP", 3, Hex(0x1FA37A), Hex(0xFFFFFF));
    c.Text(250, 74, Say("Kameras - Tarnung - Blitze", "Cameras - Camouflage - Flashes"), 1,
           Hex(0x1F5A4A));
    Desk(c, 180, 330, 280, 110, Hex(0x1FA37A), Hex(0x46C097));
    c.RoundRect(470, 110, 150, 170, 10, Hex(0xFFFFFF));
    Palm(c, 545, 260, 120, 0.05f, 4);
    c.Text(485, 124, "Camouflage", 1, pal::kInk);
    Plant(c, 620, 330, 1.0f);
    return s.Finish();
}

void CellItem(Canvas& c, int kind, int x, int y, int w, int h) {
    const float cx = static_cast<float>(x + w / 2), cy = static_cast<float>(y + h / 2);
    const int tier = kind % 3;
    const Rgb metal = tier == 0 ? Hex(0x2B2B2B) : tier == 1 ? Hex(0xA0A4AC) : Hex(0xC9A33A);
    switch (kind / 3) {
        case 0:  // camera
            c.RoundRect(cx - 32, cy - 16, 64, 36, 6, metal);
            c.RoundRect(cx - 24, cy - 24, 18, 10, 3, metal);
            c.Ellipse(cx + 4, cy + 2, 14, 14, Hex(0x555555));
            c.Ellipse(cx + 4, cy + 2, 9, 9, Hex(0x2F6FD0));
            break;
        case 1:  // lens
            c.RoundRect(cx - 30 - static_cast<float>(tier * 4), cy - 12,
                        60.0f + static_cast<float>(tier * 8), 26, 5, metal);
            c.Ellipse(cx + 30 + static_cast<float>(tier * 4), cy + 1, 8, 14, Hex(0x2F6FD0));
            break;
        default:  // flash
            c.RoundRect(cx - 14, cy - 22, 28, 44, 4, metal);
            c.RoundRect(cx - 18, cy - 24, 36, 16, 3, Hex(0xFFF4B0));
            break;
    }
}

Canvas CameraCounter() {
    Canvas c(640, 480);
    c.VGradient(0, 0, 640, 480, Hex(0xDFF3EA), Hex(0xA8D5C2));
    c.RoundRect(214, 86, 400, 300, 14, Hex(0x1F5A4A));
    c.RoundRect(220, 92, 388, 288, 10, Hex(0xE8F6FF));
    const char* heads[] = {Say("KAMERAS", "CAMERAS"), Say("OBJEKTIVE", "LENSES"),
                           Say("BLITZE", "FLASHES")};
    const int xs[] = {234, 360, 485}, ys[] = {122, 216, 308};
    for (int col = 0; col < 3; ++col) {
        c.TextCentered(xs[col] + 50, 100, heads[col], 1, Hex(0x1F5A4A));
        for (int row = 0; row < 3; ++row) {
            c.RoundRect(static_cast<float>(xs[col]), static_cast<float>(ys[row]), 101, 57, 4,
                        Hex(0xFFFFFF));
            CellItem(c, col * 3 + row, xs[col], ys[row], 101, 57);
        }
    }
    c.TextOutlined(20, 20, Say("KAMERA-THEKE", "CAMERA COUNTER"), 3, Hex(0xFFFFFF), Hex(0x1F5A4A));
    Palm(c, 90, 470, 250, 0.1f, 8);
    return c;
}

void CamouflageItem(Canvas& c, int item, int x, int y) {
    const float cx = static_cast<float>(x + 82), cy = static_cast<float>(y + 54);
    switch (item) {
        case 0:
            c.Ring(cx, cy, 26, 16, Hex(0xFF5A36));
            c.Ring(cx, cy, 26, 4, Hex(0xFFFFFF));
            break;
        case 1:
            c.RoundRect(cx - 60, cy - 20, 120, 40, 14, Hex(0x2F9FD0));
            for (int k = 0; k < 5; ++k)
                c.Line(cx - 48 + static_cast<float>(k * 24), cy - 16,
                       cx - 48 + static_cast<float>(k * 24), cy + 16, 2, Hex(0x1E6FB8));
            break;
        case 2:
            c.Polygon({{cx - 50, cy + 34}, {cx + 50, cy + 34}, {cx + 40, cy}, {cx - 40, cy}},
                      pal::kSandDark);
            c.FillRect(static_cast<int>(cx) - 34, static_cast<int>(cy) - 30, 20, 32,
                       pal::kSandDark);
            c.FillRect(static_cast<int>(cx) + 14, static_cast<int>(cy) - 30, 20, 32,
                       pal::kSandDark);
            c.Polygon({{cx - 24, cy - 46}, {cx - 8, cy - 40}, {cx - 24, cy - 34}}, Hex(0xE8413C));
            break;
        case 3:
            c.Polygon(
                {{cx - 64, cy - 6}, {cx + 64, cy - 6}, {cx + 50, cy + 24}, {cx - 50, cy + 24}},
                Hex(0xF29A1D));
            c.RoundRect(cx - 66, cy - 14, 132, 16, 8, Hex(0x3A3A3A));
            break;
        case 4:
            c.RoundRect(cx - 22, cy - 40, 44, 80, 10, Hex(0xE8413C));
            c.Text(static_cast<int>(cx) - 16, static_cast<int>(cy) - 6, "SOS", 1, Hex(0xFFFFFF));
            c.Ellipse(cx, cy - 46, 12, 12, Hex(0xE8B48A));
            break;
        default:
            c.Polygon(
                {{cx - 70, cy + 10}, {cx + 70, cy + 10}, {cx + 50, cy + 34}, {cx - 60, cy + 34}},
                Hex(0xFFFFFF));
            c.FillRect(static_cast<int>(cx) - 30, static_cast<int>(cy) - 10, 60, 20, Hex(0xFFFFFF));
            c.FillRect(static_cast<int>(cx) - 24, static_cast<int>(cy) - 6, 48, 8, Hex(0x2F6FD0));
            c.Line(cx, cy - 10, cx, cy - 44, 3, Hex(0x8A8A8A));
            c.Polygon({{cx, cy - 44}, {cx + 26, cy - 20}, {cx, cy - 20}}, Hex(0xF4F4F4));
            break;
    }
}

Canvas CamouflageCounter() {
    Canvas c(640, 480);
    c.VGradient(0, 0, 640, 480, Hex(0xFFF0C8), Hex(0xF3D99B));
    c.RoundRect(232, 38, 372, 340, 14, Hex(0x8A5A2B));
    c.RoundRect(238, 44, 360, 328, 10, Hex(0xFFF8E6));
    const int xs[] = {245, 427}, ys[] = {51, 157, 263};
    for (int k = 0; k < 6; ++k) {
        const int x = xs[k / 3], y = ys[k % 3];
        c.RoundRect(static_cast<float>(x), static_cast<float>(y), 165, 101, 6, Hex(0xD8F1FF));
        CamouflageItem(c, k, x, y);
    }
    c.TextOutlined(20, 20, Say("TARNUNG", "DISGUISE"), 3, Hex(0xFFFFFF), Hex(0x8A5A2B));
    c.Text(20, 56, Say("zu mieten / to rent", "to rent"), 1, Hex(0x8A5A2B));
    Palm(c, 110, 470, 260, 0.1f, 9);
    return c;
}

Canvas Apartment() {
    Scene s(640, 480, Time::Night, Mood::Inside, 10000);
    Canvas& c = s.C();
    Wall(c, 0, 320, Hex(0xF7D6E0), true);
    Floor(c, 320, Hex(0xC99A6B), Hex(0xB8895C), false);
    c.FillRect(36, 36, 208, 148, Hex(0xFFFFFF));
    s.Sky(40, 40, 200, 140);
    c.RoundRect(150, 230, 300, 90, 16, Hex(0xC2304A));
    c.RoundRect(140, 200, 320, 50, 16, Hex(0xE04A64));
    Frame(c, 300, 60, 110, 80, 12);
    c.RoundRect(10, 322, 470, 150, 10, Hex(0x7A4E27), 230);  // the secrets shelf
    c.Text(20, 326 - 14, "SECRETS", 1, Hex(0x7A1F3A));
    s.Lamp(560, 80, 160, Hex(0xFFC0D0));
    Plant(c, 600, 330, 1.1f);
    return s.Finish();
}

Canvas HospitalOutside(bool night) {
    Scene s(640, 480, Of(night), Mood::Outside, 11000);
    Outdoors(s, 240, 290, Hex(0xDADADA));
    Canvas& c = s.C();
    Facade(s, 120, 80, 400, 350, Hex(0xFFFFFF), Hex(0x7FB2D9), 2, 5, 265, 110, true, Hex(0x7FB2D9));
    c.FillRect(300, 20, 40, 110, Hex(0xE8302C));
    c.FillRect(265, 55, 110, 40, Hex(0xE8302C));
    Door(c, 265, 290, 110, 140, Hex(0x7FB2D9), true);
    Sign(c, 170, 240, 300, 34, Say("KRANKENHAUS", "HOSPITAL"), 2, Hex(0xFFFFFF), Hex(0xC0302C));
    Palms(c, 70, 450);
    StreetLamp(s, 240, 440, 110);
    s.Lamp(320, 75, 60, Hex(0xFF6060));
    return s.Finish();
}

Canvas PoliceOutside(bool night) {
    Scene s(640, 480, Of(night), Mood::Outside, 12000);
    Outdoors(s, 240, 290, Hex(0xCFC8B8));
    Canvas& c = s.C();
    Facade(s, 130, 110, 380, 320, Hex(0xE6EEF8), Hex(0x1F3F8F), 1, 5, 265, 110, true,
           Hex(0x1F3F8F));
    Door(c, 265, 290, 110, 140, Hex(0x1F3F8F), false);
    Sign(c, 180, 236, 280, 40, Say("POLIZEI", "POLICE"), 3, Hex(0x1F3F8F), Hex(0xFFFFFF));
    c.FillRect(500, 60, 4, 60, Hex(0x888888));
    c.FillRect(504, 60, 40, 26, Hex(0x1F3F8F));
    Palms(c, 80, 450);
    StreetLamp(s, 400, 440, 110);
    s.Lamp(320, 236, 40, Hex(0x6AA0FF));
    return s.Finish();
}

Canvas Inside(Rgb wall, Rgb floor, const char* title, uint32_t seed, bool police) {
    Scene s(640, 480, Time::Day, Mood::Inside, seed);
    Canvas& c = s.C();
    Wall(c, 0, 320, wall, false);
    Floor(c, 320, floor, Darker(floor, 0.12f), true);
    c.FillRect(36, 56, 168, 118, Hex(0xFFFFFF));
    s.Sky(40, 60, 160, 110, false);
    Palm(c, 150, 172, 90, -0.1f, seed);
    Sign(c, 220, 20, 240, 40, title, 2, Hex(0xFFFFFF), Darker(wall, 0.6f));
    // A row of waiting chairs and a counter at the back.
    for (int k = 0; k < 4; ++k) {
        c.RoundRect(60.0f + static_cast<float>(k) * 60, 340, 50, 36, 6, Darker(wall, 0.35f));
        c.RoundRect(60.0f + static_cast<float>(k) * 60, 310, 50, 34, 6, Darker(wall, 0.25f));
        c.FillRect(66 + k * 60, 376, 4, 20, Hex(0x555555));
        c.FillRect(100 + k * 60, 376, 4, 20, Hex(0x555555));
    }
    c.FillRect(300, 200, 150, 110, Darker(wall, 0.3f));
    c.FillRect(296, 196, 158, 10, Darker(wall, 0.5f));
    if (police) {
        c.FillRect(250, 90, 8, 120, Hex(0x777777));
        c.FillRect(258, 90, 50, 12, Hex(0x000000));
        c.FillRect(258, 102, 50, 12, Hex(0xDD0000));
        c.FillRect(258, 114, 50, 12, Hex(0xFFCC00));
        for (int k = 0; k < 3; ++k) {
            c.FillRect(340 + k * 60, 90, 48, 60, Hex(0xF4EBD8));
            c.Text(344 + k * 60, 94, "WANTED", 1, Hex(0xB8002E));
            c.Ellipse(364.0f + static_cast<float>(k) * 60, 124, 12, 14, Hex(0x8A6A4A));
        }
    } else {
        c.FillRect(350, 80, 60, 60, Hex(0xFFFFFF));
        c.FillRect(372, 88, 16, 44, Hex(0xE8302C));
        c.FillRect(358, 102, 44, 16, Hex(0xE8302C));
        c.RoundRect(470, 330, 150, 40, 8, Hex(0xFFFFFF));  // a bed on wheels
        c.RoundRect(470, 320, 40, 16, 6, Hex(0xDDEEFF));
        c.FillRect(480, 370, 4, 24, Hex(0x888888));
        c.FillRect(606, 370, 4, 24, Hex(0x888888));
    }
    Plant(c, 600, 330, 1.1f);
    return s.Finish();
}

Canvas Gate(int gate) {
    const int beaches[] = {2, 4, 7, 8};
    Scene s(640, 480, Time::Day, Mood::Outside, 13000u + static_cast<uint32_t>(gate));
    Canvas& c = s.C();
    s.Sky(0, 0, 640, 220);
    Sea(c, 0, 220, 640, 60, 90u + static_cast<uint32_t>(gate));
    SandGround(c, 0, 280, 640, 200, 91);
    const Rgb colours[] = {Hex(0xE35D9A), Hex(0x1FA37A), Hex(0x8E44AD), Hex(0xC89B2C)};
    const Rgb col = colours[gate];
    // Wall with the gate arch over the entrance (245..395, 220..400).
    c.FillRect(0, 200, 240, 210, Lighter(col, 0.55f));
    c.FillRect(400, 200, 240, 210, Lighter(col, 0.55f));
    c.FillRect(230, 160, 180, 40, col);
    c.FillRect(230, 160, 15, 250, col);
    c.FillRect(395, 160, 15, 250, col);
    c.TextOutlinedCentered(320, 110, "VIP", 5, Hex(0xFFD23A), Hex(0x3A0A1A));
    c.TextOutlinedCentered(320, 170, kBeachNames[beaches[gate] - 1], 2, Hex(0xFFFFFF),
                           Darker(col, 0.5f));
    // Ticket window (450..570, 240..340).
    c.RoundRect(440, 230, 140, 120, 8, Darker(col, 0.3f));
    c.FillRect(450, 240, 120, 80, Hex(0x9ED9F5));
    // Centred on the window (the German word starts at x 470).
    c.TextCentered(510, 326, Say("KASSE", "TICKETS"), 2, Hex(0xFFFFFF));
    // Velvet rope.
    for (int k = 0; k < 2; ++k) {
        c.FillRect(200 + k * 230, 350, 8, 60, pal::kGold);
        c.Ellipse(204.0f + static_cast<float>(k * 230), 350, 7, 7, pal::kGold);
    }
    c.Line(208, 360, 245, 380, 5, Hex(0xB8002E));
    Palm(c, 70, 450, 230, 0.15f, 60u + static_cast<uint32_t>(gate));
    Palm(c, 610, 440, 200, -0.2f, 70u + static_cast<uint32_t>(gate));
    return s.Finish();
}

}  // namespace

Canvas LocationBackground(int number) {
    for (int h = 0; h < 3; ++h) {
        if (number == assets::kPicLobbyDay[h]) return Lobby(h, false);
        if (number == assets::kPicLobbyNight[h]) return Lobby(h, true);
        if (number == assets::kPicRoomDay[h]) return Room(h, Time::Day, false);
        if (number == assets::kPicRoomNight[h]) return Room(h, Time::Night, false);
        if (number == assets::kPicRoomLamp[h]) return Room(h, Time::Night, true);
        if (number == assets::kPicHotelDay[h]) return HotelOutside(h, false);
        if (number == assets::kPicHotelNight[h]) return HotelOutside(h, true);
        if (number == assets::kPicLaptopDay[h]) return Laptop(h, false);
        if (number == assets::kPicLaptopNight[h]) return Laptop(h, true);
        if (number == assets::kPicReception[h]) return Reception(h);
    }
    for (int g = 0; g < 4; ++g)
        if (number == assets::kPicGate[g]) return Gate(g);
    switch (number) {
        case assets::kPicMenuBackground:
            return Menu();
        case assets::kPicMap:
            return Island();
        case assets::kPicTownDay:
            return TownStreet(Time::Day);
        case assets::kPicTownEvening:
            return TownStreet(Time::Evening);
        case assets::kPicTownNight:
            return TownStreet(Time::Night);
        case assets::kPicEnquiry:
            return Enquiry();
        case assets::kPicComputer:
            return ComputerScreen();
        case assets::kPicHospitalDay:
            return HospitalOutside(false);
        case assets::kPicHospitalNight:
            return HospitalOutside(true);
        case assets::kPicPoliceDay:
            return PoliceOutside(false);
        case assets::kPicPoliceNight:
            return PoliceOutside(true);
        case assets::kPicShop:
            return Shop();
        case assets::kPicCameraCounter:
            return CameraCounter();
        case assets::kPicCamouflageCounter:
            return CamouflageCounter();
        case assets::kPicSaveScreen:
            return SaveLoad(true);
        case assets::kPicLoadScreen:
            return SaveLoad(false);
        case assets::kPicAlbum:
            return Album();
        case assets::kPicApartment:
            return Apartment();
        case assets::kPicHospitalInside:
            return Inside(Hex(0xDDEFF7), Hex(0xE6E6E6), "HOSPITAL", 14000, false);
        case assets::kPicHospitalCashier: {
            Canvas c = Inside(Hex(0xDDEFF7), Hex(0xE6E6E6), Say("KASSE", "CASHIER"), 14001, false);
            c.RoundRect(296, 50, 330, 170, 10, Hex(0x0A2A4A), 190);
            return c;
        }
        case assets::kPicPoliceInside:
            return Inside(Hex(0xC8D4E8), Hex(0xB8B8B8), Say("POLIZEI", "POLICE"), 15000, true);
        case assets::kPicPoliceOffice: {
            Canvas c =
                Inside(Hex(0xC8D4E8), Hex(0xB8B8B8), Say("KOMMISSARIAT", "INSPECTOR"), 15001, true);
            Desk(c, 120, 330, 400, 150, Hex(0x5A3A1A), Hex(0x7A4E27));
            return c;
        }
        default:
            break;
    }
    return Canvas(640, 480, Hex(0x808080), 255);
}

}  // namespace gen
