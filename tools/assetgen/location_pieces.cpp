// Buttons, markers, panels, boxes and figures of the location pool.

#include <cmath>
#include <string>

#include "game/asset_table.h"
#include "tools/assetgen/location.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/people.h"
#include "tools/assetgen/scene.h"
#include "tools/assetgen/visitors.h"
#include "tools/assetgen/words.h"

namespace gen {

namespace {

constexpr Rgb kButtonBlue = Hex(0x2F7FD0), kButtonGreen = Hex(0x2FA35A), kButtonRed = Hex(0xD0442F),
              kButtonOrange = Hex(0xE8852B), kButtonPurple = Hex(0x8E44AD);

// Fits a picture into exactly w × h (centred, bottom-aligned for figures).
Canvas Fit(const Canvas& src, int w, int h, bool bottom = true) {
    Canvas out(w, h);
    float s = std::min(static_cast<float>(w) / static_cast<float>(src.Width()),
                       static_cast<float>(h) / static_cast<float>(src.Height()));
    s = std::min(s, 1.0f);
    const int sw = std::max(1, static_cast<int>(static_cast<float>(src.Width()) * s));
    const int sh = std::max(1, static_cast<int>(static_cast<float>(src.Height()) * s));
    out.DrawScaled(src, (w - sw) / 2, bottom ? h - sh : (h - sh) / 2, sw, sh);
    return out;
}

// The short English tip buttons take the large letters the long German ones cannot.
int TipScale() {
    return CurrentLanguage() == Language::English ? 2 : 1;
}

Canvas MapMarker(int w, int h, Rgb colour, int kind) {
    Canvas c(w, h);
    const float cx = static_cast<float>(w) / 2;
    c.Ellipse(cx, static_cast<float>(h) - 5, cx - 4, 4, Hex(0x000000), 90);
    c.Ellipse(cx, static_cast<float>(h) / 2 - 2, cx - 3, static_cast<float>(h) / 2 - 4, pal::kInk);
    c.Ellipse(cx, static_cast<float>(h) / 2 - 2, cx - 5, static_cast<float>(h) / 2 - 6, colour);
    const float my = static_cast<float>(h) / 2 - 2;
    switch (kind) {
        case 0:  // beach: parasol
            c.Polygon({{cx - 13, my + 2}, {cx, my - 12}, {cx + 13, my + 2}}, Hex(0xFFFFFF));
            c.Polygon({{cx - 4, my + 2}, {cx, my - 12}, {cx + 4, my + 2}}, Hex(0xE8413C));
            c.Line(cx, my, cx, my + 12, 2, pal::kInk);
            break;
        case 1:  // hotel: bed
            c.FillRect(static_cast<int>(cx) - 12, static_cast<int>(my) - 2, 24, 8, Hex(0xFFFFFF));
            c.FillRect(static_cast<int>(cx) - 13, static_cast<int>(my) - 8, 4, 18, Hex(0xFFFFFF));
            c.Text(static_cast<int>(cx) - 4, static_cast<int>(my) - 14, "H", 1, Hex(0xFFFFFF));
            break;
        case 2:  // shop: camera
            c.RoundRect(cx - 12, my - 6, 24, 15, 3, Hex(0xFFFFFF));
            c.Ellipse(cx, my + 1, 5, 5, colour);
            break;
        case 3:  // hospital: cross
            c.FillRect(static_cast<int>(cx) - 3, static_cast<int>(my) - 11, 7, 22, Hex(0xFFFFFF));
            c.FillRect(static_cast<int>(cx) - 11, static_cast<int>(my) - 3, 22, 7, Hex(0xFFFFFF));
            break;
        default:  // police: star
            for (int k = 0; k < 5; ++k) {
                const float a = -1.5708f + static_cast<float>(k) * 1.2566f;
                c.Polygon({{cx, my},
                           {cx + std::cos(a - 0.3f) * 5, my + std::sin(a - 0.3f) * 5},
                           {cx + std::cos(a) * 13, my + std::sin(a) * 13},
                           {cx + std::cos(a + 0.3f) * 5, my + std::sin(a + 0.3f) * 5}},
                          Hex(0xFFD23A));
            }
            break;
    }
    return c;
}

Canvas Cursor() {
    Canvas c(24, 24);
    c.Polygon({{1, 1}, {1, 19}, {6, 14}, {10, 22}, {13, 21}, {9, 13}, {16, 13}}, pal::kInk);
    c.Polygon({{2.5f, 3.5f},
               {2.5f, 16},
               {6.5f, 12},
               {10.5f, 20},
               {11.5f, 19.5f},
               {7.5f, 11.5f},
               {13, 11.5f}},
              Hex(0xFFE066));
    return c;
}

Canvas Porter(int hotel, bool eating) {
    Look l;
    l.clothes = Clothes::Uniform;
    l.main = hotel == 0 ? Hex(0xB8202E) : hotel == 1 ? Hex(0x1F3F8F) : Hex(0x2F8F4A);
    l.second = Hex(0x222222);
    l.hairStyle = Hair::Cap;
    l.skin = hotel == 2 ? Hex(0x9A643A) : Hex(0xE8B48A);
    l.size = 1.05f;
    l.build = 1.2f;
    Canvas p = DrawPerson(l, eating ? 3 : 1);
    Canvas out = Fit(p, 100, 170);
    if (eating) {  // a sandwich at the mouth
        out.RoundRect(62, 18, 26, 12, 4, Hex(0xF2C46A));
        out.FillRect(62, 22, 26, 3, Hex(0x4FAF3A));
    } else {
        out.Text(62, 8, "z", 1, Hex(0x2F2F8F));
        out.Text(72, 0, "Z", 1, Hex(0x2F2F8F));
    }
    return out;
}

Canvas Receptionist(int hotel, int step) {
    Look l;
    l.female = true;
    l.clothes = Clothes::Suit;
    l.main = hotel == 0 ? Hex(0x2F6DB5) : hotel == 1 ? Hex(0xB5323F) : Hex(0xE8552B);
    l.second = Hex(0xFFFFFF);
    l.hairStyle = hotel == 1 ? Hair::Bun : hotel == 2 ? Hair::Curly : Hair::Ponytail;
    l.hair = hotel == 2 ? Hex(0x2B1A10) : Hex(0xB0401E);
    l.skin = hotel == 2 ? Hex(0xC98E5E) : Hex(0xF6D2B5);
    const int poses[4] = {1, 0, 0, 2};
    l.size = 1.2f;
    Canvas out = DrawBust(l, poses[step], 80, 110);
    if (step == 0) out.Text(56, 4, "!", 1, pal::kInk);
    return out;
}

Canvas Laura(int pose, bool home) {
    Look l;
    l.female = true;
    l.clothes = home ? Clothes::Dress : Clothes::Dress;
    l.main = home ? Hex(0xE35D9A) : Hex(0x1FA37A);
    l.second = Hex(0xFFFFFF);
    l.hair = Hex(0xE8C66A);
    l.hairStyle = Hair::Long;
    l.size = 1.45f;
    Canvas p = DrawPerson(l, pose);
    return Fit(p, 110, 230);
}

Canvas Officer(int pose) {
    Look l;
    l.clothes = Clothes::Uniform;
    l.main = Hex(0x2F5FA8);
    l.second = Hex(0x1F2F4F);
    l.hairStyle = Hair::Cap;
    l.size = 1.55f;
    l.build = 1.25f;
    l.sunglasses = pose == 0;
    Canvas p = DrawPerson(l, pose);
    return Fit(p, 160, 240);
}

Canvas PoliceCar(int hotel) {
    Canvas c(180, 100);
    c.Ellipse(90, 92, 84, 7, Hex(0x000000), 80);
    c.RoundRect(6, 44, 168, 40, 12, Hex(0xFFFFFF));
    c.Polygon({{40, 46}, {60, 18}, {124, 18}, {146, 46}}, Hex(0xFFFFFF));
    c.Polygon({{50, 44}, {66, 24}, {88, 24}, {88, 44}}, Hex(0x9ED9F5));
    c.Polygon({{94, 44}, {94, 24}, {118, 24}, {136, 44}}, Hex(0x9ED9F5));
    c.FillRect(8, 60, 164, 10, hotel == 1 ? Hex(0x1FA37A) : Hex(0x2F5FA8));
    c.TextCentered(88, 61, Say("POLIZEI", "POLICE"), 1, Hex(0xFFFFFF));  // German at x 60
    c.RoundRect(78, 8, 28, 10, 3, Hex(0x2F5FFF));
    c.Ellipse(84, 12, 5, 4, Hex(0xFF3030));
    c.Ellipse(42, 84, 14, 14, Hex(0x222222)), c.Ellipse(42, 84, 6, 6, Hex(0xAAAAAA));
    c.Ellipse(138, 84, 14, 14, Hex(0x222222)), c.Ellipse(138, 84, 6, 6, Hex(0xAAAAAA));
    c.Outline(pal::kInk);
    return c;
}

Canvas FloorLamp(int hotel) {
    Canvas c(60, 130);
    const Rgb shade = hotel == 0 ? Hex(0xFFF0C0) : hotel == 1 ? Hex(0xF2B8C6) : Hex(0xFFC870);
    c.FillRect(28, 40, 4, 80, Hex(0x4A4A4A));
    c.Ellipse(30, 122, 18, 5, Hex(0x4A4A4A));
    c.Polygon({{14, 8}, {46, 8}, {56, 46}, {4, 46}}, shade);
    c.Line(4, 46, 56, 46, 2, Darker(shade, 0.3f));
    c.Outline(pal::kInk);
    return c;
}

Canvas Television(bool hospital) {
    Canvas c(130, 110);
    c.RoundRect(4, 4, 122, 84, 8, hospital ? Hex(0xD0D0D0) : Hex(0x3A3A3A));
    c.VGradient(14, 12, 102, 66, Hex(0x4FB3E8), Hex(0x1E6FB8));
    c.TextCentered(65, 36, "TV", 2, Hex(0xFFFFFF));
    c.FillRect(55, 88, 20, 12, Hex(0x555555));
    c.FillRect(35, 100, 60, 6, Hex(0x555555));
    c.Outline(pal::kInk);
    return c;
}

Canvas LaptopOnDesk() {
    Canvas c(120, 80);
    c.RoundRect(16, 4, 88, 56, 5, Hex(0x3A3F48));
    c.VGradient(22, 10, 76, 44, Hex(0x1E6FB8), Hex(0x4FB3E8));
    c.Text(30, 26, "MAIL", 1, Hex(0xFFFFFF));
    c.Polygon({{10, 60}, {110, 60}, {118, 74}, {2, 74}}, Hex(0xB8BEC8));
    c.Outline(pal::kInk);
    return c;
}

Canvas DoorSprite(int w, int h, Rgb colour, bool glass, const std::string& label) {
    Canvas c(w, h);
    Door(c, 5, 10, w - 10, h - 10, colour, glass);
    c.Glow(static_cast<float>(w) / 2, static_cast<float>(h) / 2, static_cast<float>(w) * 0.6f,
           Hex(0xFFF2B0), 90);
    if (!label.empty()) {
        c.RoundRect(4, 0, static_cast<float>(w - 8), 16, 4, Hex(0xFFF4D6));
        c.TextCentered(w / 2, 4, label, 1, pal::kInk);
    }
    return c;
}

Canvas Box(int w, int h, Rgb face, const std::string& title) {
    Canvas c = PanelFace(w, h, face, Hex(0xFFD23A), 12);
    if (!title.empty())
        c.Text(w - Canvas::TextWidth(title, 1) - 12, h - 16, title, 1, Lighter(face, 0.4f));
    return c;
}

Canvas SecretPicture(int i) {
    Canvas c(60, 60);
    const Rgb colours[] = {Hex(0xE35D9A), Hex(0x8E44AD), Hex(0xE8852B), Hex(0x1FA37A),
                           Hex(0x2F7FD0), Hex(0xB8002E), Hex(0xC89B2C)};
    c.RoundRect(0, 0, 60, 60, 8, pal::kInk);
    c.RoundRect(2, 2, 56, 56, 7, colours[i]);
    c.Ellipse(30, 26, 16, 16, Lighter(colours[i], 0.5f));
    c.Ellipse(30, 26, 9, 9, pal::kInk);
    c.Ellipse(27, 23, 3, 3, Hex(0xFFFFFF));
    c.TextOutlinedCentered(30, 44, "#" + std::to_string(i + 1), 1, Hex(0xFFFFFF), pal::kInk);
    return c;
}

Canvas HiddenSpot(int i, int w, int h) {
    // Barely there: a glint and a pair of eyes in the dark.
    Canvas c(w, h);
    const float cx = static_cast<float>(w) / 2, cy = static_cast<float>(h) / 2;
    c.Glow(cx, cy, static_cast<float>(std::min(w, h)) / 2, Hex(0xFFF2B0), 70);
    if (i % 2) {
        c.Ellipse(cx - 7, cy, 3, 2, Hex(0xE8FF60));
        c.Ellipse(cx + 7, cy, 3, 2, Hex(0xE8FF60));
    } else {
        c.Line(cx - 6, cy, cx + 6, cy, 1.5f, Hex(0xFFFFFF));
        c.Line(cx, cy - 6, cx, cy + 6, 1.5f, Hex(0xFFFFFF));
    }
    return c;
}

Canvas NewsPicture(int order) {
    static constexpr int kSubjects[9] = {18, 19, 20, 21, 29, 30, 31, 32, 33};
    Canvas c(220, 96);
    c.RoundRect(0, 0, 220, 96, 6, pal::kInk);
    c.RoundRect(2, 2, 216, 92, 5, Hex(0xFFF4D6));
    c.VGradient(6, 6, 80, 84, pal::kSkyLow, pal::kSand);
    const Canvas person = DrawPerson(VisitorLook(kSubjects[order]), 0);
    c.Draw(Fit(person, 76, 82), 8, 8);
    c.TextOutlined(94, 10, Say("GESUCHT!", "WANTED!"), 2, Hex(0xE8302C), Hex(0x5A0A0A));
    c.Text(94, 36, Say("WANTED", "REWARD"), 1, Hex(0x5A0A0A));
    c.Text(94, 54, Say("Fotos von", "Photos of"), 1, pal::kInk);
    c.Text(94, 68, Say("Typ Nr. ", "Type no. ") + std::to_string(kSubjects[order]), 1, pal::kInk);
    return c;
}

Canvas Flyer(int frame) {
    Canvas c(assets::kGateFlyerWidth, assets::kGateFlyerHeight);
    // A small plane pulling a banner, its propeller and the banner's wave animated.
    const float ph = static_cast<float>(frame) * 6.2832f / assets::kPicGateFlyerCount;
    c.RoundRect(4, 18, 40, 14, 6, Hex(0xE8413C));
    c.Polygon({{30, 18}, {40, 6}, {44, 6}, {42, 20}}, Hex(0xE8413C));
    c.RoundRect(14, 22, 22, 4, 2, Hex(0xFFFFFF));
    c.Ellipse(12, 20, 5, 3, Hex(0x9ED9F5));
    const float blade = 9 * std::fabs(std::cos(ph * 3));
    c.Line(3, 25 - blade, 3, 25 + blade, 2, Hex(0x555555));
    c.Line(44, 25, 60, 25, 1, Hex(0x555555));
    std::vector<Pt> banner;
    for (int i = 0; i <= 20; ++i)
        banner.push_back({60.0f + static_cast<float>(i) * 5.8f,
                          14 + 3 * std::sin(ph + static_cast<float>(i) * 0.5f)});
    for (int i = 20; i >= 0; --i)
        banner.push_back({60.0f + static_cast<float>(i) * 5.8f,
                          36 + 3 * std::sin(ph + static_cast<float>(i) * 0.5f)});
    c.Polygon(banner, Hex(0xFFF4D6));
    c.Text(70, 21 + static_cast<int>(2 * std::sin(ph + 2)), "VIP BEACH", 1, Hex(0xB8002E));
    c.Outline(pal::kInk);
    return c;
}

Canvas GateEntrance() {
    // A string of lights round the passage and a sign; the view through it stays open.
    Canvas c(150, 180);
    for (int k = 0; k < 14; ++k) {
        const float y = 30.0f + static_cast<float>(k) * 11;
        c.Ellipse(6, y, 4, 4, k % 2 ? Hex(0xFFE060) : Hex(0xFF80B0));
        c.Ellipse(144, y, 4, 4, k % 2 ? Hex(0xFF80B0) : Hex(0xFFE060));
    }
    c.RoundRect(25, 2, 100, 24, 6, pal::kInk);
    c.RoundRect(27, 4, 96, 20, 5, Hex(0xFFD23A));
    c.TextCentered(75, 10, "ENTER", 1, pal::kInk);
    c.Polygon({{60, 140}, {90, 140}, {90, 155}, {105, 155}, {75, 178}, {45, 155}, {60, 155}},
              Hex(0xFFD23A));
    c.Outline(pal::kInk);
    return c;
}

Canvas CounterWindow() {
    Canvas c(120, 100);
    c.RoundRect(0, 0, 120, 80, 6, Hex(0x9ED9F5), 200);
    c.Ellipse(60, 44, 18, 20, Hex(0xE8B48A));
    c.Polygon({{40, 34}, {60, 20}, {80, 34}}, Hex(0x6B3E1E));
    c.Ellipse(54, 44, 2, 2, pal::kInk), c.Ellipse(66, 44, 2, 2, pal::kInk);
    c.RoundRect(20, 82, 80, 18, 4, Hex(0xFFD23A));
    c.TextCentered(60, 87, "TICKETS", 1, pal::kInk);
    c.Outline(pal::kInk);
    return c;
}

Canvas Preview(int number) {
    int source = assets::kPicShop;
    switch (number) {
        case 142:
            source = assets::kPicHotelDay[0];
            break;
        case 143:
            source = assets::kPicHotelDay[1];
            break;
        case 144:
            source = assets::kPicHotelDay[2];
            break;
        case 145:
        case 146:
        case 147:
        case 148:
            source = assets::kPicGate[number - 145];
            break;
        case 149:
            source = assets::kPicHospitalDay;
            break;
        case 150:
            source = assets::kPicPoliceDay;
            break;
        default:
            source = assets::kPicTownDay;
            break;
    }
    Canvas big = LocationBackground(source);
    Canvas c(104, 72);
    c.FillRect(0, 0, 104, 72, pal::kInk);
    c.DrawScaled(big, 3, 3, 98, 66);
    return c;
}

}  // namespace

Canvas LocationPicture(int number) {
    const assets::Size size = assets::LocationPictureSize(number);
    if (size.width == 0) return Canvas(1, 1, Hex(0x000000), 0);
    if (number >= assets::kPicGateFlyerFirst &&
        number < assets::kPicGateFlyerFirst + assets::kPicGateFlyerCount)
        return Flyer(number - assets::kPicGateFlyerFirst);
    const assets::Picture* p = assets::FindLocationPicture(number);
    if (p->art == assets::Art::Background) return LocationBackground(number);
    const int w = p->width, h = p->height;
    for (int k = 0; k < 3; ++k) {
        if (number == assets::kPicPorterBored[k]) return Porter(k, false);
        if (number >= assets::kPicReceptionistBase[k] &&
            number < assets::kPicReceptionistBase[k] + 4)
            return Receptionist(k, number - assets::kPicReceptionistBase[k]);
        if (number == assets::kPicArrestExtra[k]) return PoliceCar(k);
        if (number == assets::kPicLamp[k]) return FloorLamp(k);
        if (number == assets::kPicHotelDoor[k])
            return DoorSprite(w, h,
                              k == 0   ? pal::kBlueShutter
                              : k == 1 ? Hex(0xC89B2C)
                                       : Hex(0xE8552B),
                              true, "HOTEL");
    }
    for (int k = 0; k < 9; ++k)
        if (number == assets::kPicNewsOrder[k]) return NewsPicture(k);
    for (int k = 0; k < 7; ++k) {
        if (number == assets::kPicSecretBase + 1 + k) return SecretPicture(k);
        if (number == assets::kPicSecretSpot[k]) return HiddenSpot(k, w, h);
    }
    if (number >= assets::kPicShopAssistantBase && number <= 204)
        return Laura(number - assets::kPicShopAssistantBase, false);
    if (number >= assets::kPicHomeAssistantBase && number <= 197)
        return Laura(5 + number - assets::kPicHomeAssistantBase, true);
    if (number == assets::kPicOfficerStill) return Officer(0);
    for (int k = 0; k < 4; ++k) {
        if (number == assets::kPicOfficerWave[k]) return Officer(k % 2 ? 3 : 2);
        if (number == assets::kPicOfficerTalk[k]) return Officer(k % 2 ? 1 : 0);
    }
    if (p->art == assets::Art::Preview) return Preview(number);
    switch (number) {
        case assets::kPicMenuNewGame:
            return ButtonFace(w, h, Say("NEUES SPIEL", "NEW GAME"), kButtonGreen, 2);
        case assets::kPicMenuLoad:
            return ButtonFace(w, h, Say("LADEN", "LOAD"), kButtonBlue, 2);
        case assets::kPicMenuIntro:
            return ButtonFace(w, h, "INTRO", kButtonPurple, 2);
        case assets::kPicMenuQuit:
            return ButtonFace(w, h, Say("ENDE", "QUIT"), kButtonRed, 2);
        case assets::kPicMapBeach:
            return MapMarker(w, h, Hex(0xF29A1D), 0);
        case assets::kPicMapHotel:
            return MapMarker(w, h, Hex(0x2F6DB5), 1);
        case assets::kPicMapShop:
            return MapMarker(w, h, Hex(0x1FA37A), 2);
        case assets::kPicMapHospital:
            return MapMarker(w, h, Hex(0xE8302C), 3);
        case assets::kPicMapPolice:
            return MapMarker(w, h, Hex(0x1F3F8F), 4);
        case assets::kPicMapPlayer: {
            Canvas c(w, h);
            c.Ellipse(14, 12, 11, 11, pal::kInk);
            c.Polygon({{5, 16}, {23, 16}, {14, 33}}, pal::kInk);
            c.Ellipse(14, 12, 9, 9, Hex(0xE8302C));
            c.Polygon({{7, 16}, {21, 16}, {14, 30}}, Hex(0xE8302C));
            c.Ellipse(14, 12, 4, 4, Hex(0xFFFFFF));
            return c;
        }
        case assets::kPicMapSave:
            return ButtonFace(w, h, "SAVE", kButtonBlue, 2);
        case assets::kPicMapLoad:
            return ButtonFace(w, h, "LOAD", kButtonBlue, 2);
        case assets::kPicMapMenu:
            return ButtonFace(w, h, "MENU", kButtonPurple, 2);
        case assets::kPicMapEndDay:
            return ButtonFace(w, h, Say("TAG ENDE", "END DAY"), kButtonOrange, 1);
        case 22:
            return ButtonFace(w, h, ">", kButtonGreen, 2);
        case 23:
            return ButtonFace(w, h, ">>", kButtonOrange, 2);
        case 24:
            return ButtonFace(w, h, ">>>", kButtonRed, 2);
        case assets::kPicCursor:
            return Cursor();
        case assets::kPicDatePanel:
            return PanelFace(w, h, Hex(0x2A5F8F), Hex(0xFFD23A), 8);
        case assets::kPicMoneyPanel:
            return PanelFace(w, h, Hex(0x2F7F4A), Hex(0xFFD23A), 6);
        case assets::kPicBack: {
            Canvas c = ButtonFace(w, h, "", kButtonOrange, 1);
            c.Polygon({{10, 22}, {24, 10}, {24, 17}, {34, 17}, {34, 27}, {24, 27}, {24, 34}},
                      Hex(0xFFFFFF));
            return c;
        }
        case assets::kPicMessageBox:
            return Box(w, h, Hex(0x1E4F80), "INFO");
        case assets::kPicMessageOk:
            return ButtonFace(w, h, "OK", kButtonGreen, 2);
        case assets::kPicConfirmBox:
            return Box(w, h, Hex(0x5A2A80), "?");
        case assets::kPicConfirmYes:
            return ButtonFace(w, h, Say("JA", "YES"), kButtonGreen, 2);
        case assets::kPicConfirmNo:
            return ButtonFace(w, h, Say("NEIN", "NO"), kButtonRed, 2);
        case assets::kPicEnquiryBox:
            return Box(w, h, Hex(0x7A4E27), Say("PORTIER", "PORTER"));
        case assets::kPicPorterEating:
            return Porter(0, true);
        case assets::kPicToRoom:
            return ButtonFace(w, h, Say("ZIMMER", "ROOM"), kButtonBlue, 2);
        case assets::kPicRoomTv:
            return Television(false);
        case assets::kPicHospitalTv:
            return Television(true);
        case assets::kPicRoomToLaptop:
            return LaptopOnDesk();
        case assets::kPicLaptopToCamera:
            return ButtonFace(w, h, Say("FOTOALBUM", "PHOTOS"), kButtonOrange, 2);
        case assets::kPicLaptopToComputer:
            return ButtonFace(w, h, "COMPUTER", kButtonBlue, 2);
        case assets::kPicTipMore:
            return ButtonFace(w, h, Say("+ TRINKGELD", "+ TIP"), kButtonGreen, TipScale());
        case assets::kPicTipLess:
            return ButtonFace(w, h, Say("- TRINKGELD", "- TIP"), kButtonRed, TipScale());
        case assets::kPicAsk:
            return ButtonFace(w, h, Say("FRAGEN ?", "ASK ?"), kButtonBlue, 2);
        case assets::kPicRentRoom:
            return ButtonFace(w, h, Say("ZIMMER MIETEN", "RENT A ROOM"), kButtonGreen, 1);
        case assets::kPicTransfer:
            return ButtonFace(w, h, "TRANSFER", kButtonOrange, 2);
        case assets::kPicSend:
            return ButtonFace(w, h, Say("SENDEN", "SEND"), kButtonGreen, 2);
        case assets::kPicNews:
            return ButtonFace(w, h, "NEWS", kButtonOrange, 2);
        case assets::kPicComputerBack:
            return ButtonFace(w, h, Say("ZURUECK", "BACK"), kButtonRed, 2);
        case assets::kPicShopBuyCameras:
            return ButtonFace(w, h, Say("KAMERAS", "CAMERAS"), kButtonBlue, 2);
        case assets::kPicShopBuyCamouflage:
            return ButtonFace(w, h, Say("TARNUNG", "CAMOUFLAGE"), kButtonGreen, 2);
        case assets::kPicTownShopDoor:
            return DoorSprite(w, h, Hex(0x1FA37A), true, "SHOP");
        case assets::kPicTownHomeDoor:
            return DoorSprite(w, h, pal::kBlueShutter, false, "LAURA");
        case assets::kPicHospitalDoor:
            return DoorSprite(w, h, Hex(0x7FB2D9), true, "");
        case assets::kPicPoliceDoor:
            return DoorSprite(w, h, Hex(0x1F3F8F), false, "");
        case assets::kPicSecretRedeem:
            return ButtonFace(w, h, "EUR", kButtonGreen, 1);
        case assets::kPicSecretView:
            return ButtonFace(w, h, "PLAY", kButtonBlue, 1);
        case assets::kPicPayBill:
            return ButtonFace(w, h, Say("BEZAHLEN", "PAY"), kButtonGreen, 2);
        case assets::kPicGateCounter:
            return Box(w, h, Hex(0x8A1F4B), "VIP");
        case assets::kPicGatePay:
            return ButtonFace(w, h, Say("BEZAHLEN", "PAY"), kButtonGreen, 2);
        case assets::kPicGateBack:
            return ButtonFace(w, h, Say("ZURUECK", "BACK"), kButtonRed, 1);
        case assets::kPicGateEntrance:
            return GateEntrance();
        case assets::kPicGateToCounter:
            return CounterWindow();
        default:
            break;
    }
    return ButtonFace(w, h, "?", kButtonBlue, 1);
}

std::vector<Bytes> LocationPoolChunks() {
    std::vector<Bytes> chunks;
    for (int n = 0; n < assets::kLocationPictureCount; ++n)
        chunks.push_back(PictureChunk(LocationPicture(n)));
    return chunks;
}

}  // namespace gen
