// Beach visitors and objects.

#include "tools/assetgen/visitors.h"

#include <cmath>

#include "game/asset_table.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/scene.h"

namespace gen {

namespace {

constexpr Rgb kSkins[] = {Hex(0xF6D2B5), Hex(0xE8B48A), Hex(0xC98E5E), Hex(0x9A643A),
                          Hex(0x6B4226)};
constexpr Rgb kHairs[] = {Hex(0x2B1A10), Hex(0x6B3E1E), Hex(0xE8C66A),
                          Hex(0xB0401E), Hex(0x141414), Hex(0xC9C2B8)};
constexpr Rgb kWear[] = {Hex(0xE8413C), Hex(0x2F6FD0), Hex(0x1FA37A), Hex(0xF29A1D), Hex(0x8E44AD),
                         Hex(0x16A6C9), Hex(0xF25C9A), Hex(0x2B2B2B), Hex(0xF2D21D), Hex(0x5C7A1F)};

}  // namespace

Look VisitorLook(int typeId) {
    Rng rng(static_cast<uint32_t>(typeId) * 7919u);
    Look l;
    l.female = typeId % 2 == 1;
    l.skin = kSkins[rng.Int(0, 4)];
    l.hair = kHairs[rng.Int(0, 5)];
    l.main = kWear[rng.Int(0, 9)];
    l.second = kWear[rng.Int(0, 9)];
    l.size = rng.Real(0.88f, 1.05f);
    l.build = rng.Real(0.9f, 1.15f);
    l.sunglasses = rng.Int(0, 3) == 0;
    if (l.female) {
        constexpr Hair styles[] = {Hair::Long,  Hair::Ponytail, Hair::Bun,
                                   Hair::Curly, Hair::Short,    Hair::SunHat};
        l.hairStyle = styles[rng.Int(0, 5)];
        l.clothes = rng.Int(0, 2) ? Clothes::Bikini : Clothes::Swimsuit;
    } else {
        constexpr Hair styles[] = {Hair::Short, Hair::Bald, Hair::Curly, Hair::Cap, Hair::Short};
        l.hairStyle = styles[rng.Int(0, 4)];
        l.clothes = Clothes::Trunks;
    }
    if (typeId == 4) {  // the ice-cream man: worth nothing on film
        l.female = false;
        l.clothes = Clothes::ShirtShorts;
        l.main = Hex(0xFFFFFF);
        l.second = Hex(0x2F6FD0);
        l.hairStyle = Hair::Cap;
    }
    if (assets::IsCelebrity(typeId)) {
        l.glamour = true;
        l.sunglasses = true;
        l.size = 1.04f;
        l.build = l.female ? 0.95f : 1.12f;
        constexpr Rgb glam[] = {Hex(0xFFC629), Hex(0xE0218A), Hex(0xC0C0D8), Hex(0xB8002E)};
        l.main = glam[typeId % 4];
        l.second = Hex(0xFFE680);
        if (l.female) {
            l.hair = typeId % 3 ? Hex(0xF5D77A) : Hex(0x1A0E08);
            l.hairStyle = typeId % 4 == 1 ? Hair::SunHat : Hair::Long;
            l.clothes = Clothes::Bikini;
        } else {
            l.hairStyle = Hair::Short;
            l.hair = Hex(0x1A0E08);
        }
    }
    return l;
}

Canvas BeachObject(int typeId) {
    const int k = typeId - assets::kVisitorFirstObject;  // 0..21
    const int kind = k % 11;
    const bool alt = k >= 11;
    const Rgb a = alt ? Hex(0x2F6FD0) : Hex(0xE8413C), b = Hex(0xFFFFFF);
    Canvas c(120, 120);
    switch (kind) {
        case 0:  // parasol
            c.Line(60, 30, 64, 118, 4, Hex(0xDDDDDD));
            for (int s = 0; s < 6; ++s)
                c.Polygon({{60, 14},
                           {8.0f + static_cast<float>(s) * 17.3f, 44},
                           {25.3f + static_cast<float>(s) * 17.3f, 44}},
                          s % 2 ? a : b);
            c.Ellipse(60, 13, 4, 4, a);
            break;
        case 1:  // towel
            c.Polygon({{10, 80}, {100, 70}, {112, 100}, {20, 112}}, a);
            for (int s = 0; s < 4; ++s)
                c.Line(14.0f + static_cast<float>(s * 6), 86.0f + static_cast<float>(s) * 6.5f,
                       104.0f + static_cast<float>(s * 2), 76.0f + static_cast<float>(s) * 6.5f, 3,
                       b);
            break;
        case 2:  // beach ball
            c.Ellipse(60, 80, 26, 26, b);
            c.Polygon({{60, 54}, {40, 62}, {36, 96}, {60, 106}}, a);
            c.Polygon({{60, 54}, {82, 64}, {86, 96}, {60, 106}}, Hex(0xF2D21D));
            c.Ellipse(52, 72, 5, 4, Hex(0xFFFFFF));
            break;
        case 3:  // cooler
            c.RoundRect(20, 60, 80, 50, 6, a);
            c.RoundRect(16, 52, 88, 16, 5, b);
            c.Line(40, 52, 80, 52, 4, Hex(0x555555));
            break;
        case 4:  // sand castle
            c.Polygon({{14, 112}, {106, 112}, {96, 70}, {24, 70}}, pal::kSandDark);
            c.FillRect(28, 40, 20, 32, pal::kSandDark);
            c.FillRect(72, 40, 20, 32, pal::kSandDark);
            c.FillRect(48, 56, 24, 16, pal::kSandDark);
            c.Line(38, 40, 38, 20, 2, Hex(0x444444));
            c.Polygon({{38, 20}, {54, 26}, {38, 32}}, a);
            break;
        case 5:  // surfboard
            c.Ellipse(60, 64, 15, 54, a);
            c.Line(60, 14, 60, 116, 3, b);
            break;
        case 6:  // deck chair
            c.Line(24, 114, 80, 40, 4, pal::kWood);
            c.Line(96, 114, 40, 60, 4, pal::kWood);
            c.Polygon({{44, 48}, {80, 40}, {94, 92}, {56, 100}}, a);
            for (int s = 0; s < 3; ++s)
                c.Line(50.0f + static_cast<float>(s * 12), 46.0f - static_cast<float>(s) * 2.5f,
                       62.0f + static_cast<float>(s * 12), 98.0f - static_cast<float>(s) * 2.5f, 4,
                       b);
            break;
        case 7:  // bucket and spade
            c.Polygon({{30, 70}, {70, 70}, {64, 110}, {36, 110}}, a);
            c.Ring(50, 70, 18, 2, Hex(0x333333));
            c.Line(80, 50, 92, 108, 4, pal::kWood);
            c.Ellipse(93, 106, 8, 10, Hex(0xF2D21D));
            break;
        case 8:  // crab
            c.Ellipse(60, 90, 24, 15, alt ? Hex(0xF29A1D) : Hex(0xE8413C));
            for (int s = -1; s <= 1; s += 2) {
                c.Line(60.0f + static_cast<float>(s * 20), 90, 60.0f + static_cast<float>(s * 38),
                       72, 4, Hex(0xE8413C));
                c.Ellipse(60.0f + static_cast<float>(s * 40), 68, 8, 6, Hex(0xE8413C));
                for (int l = 0; l < 3; ++l)
                    c.Line(60.0f + static_cast<float>(s * 18), 96.0f + static_cast<float>(l * 4),
                           60.0f + static_cast<float>(s * 34), 104.0f + static_cast<float>(l * 6),
                           2, Hex(0xC0302C));
            }
            c.Ellipse(52, 76, 3, 5, b), c.Ellipse(68, 76, 3, 5, b);
            c.Ellipse(52, 76, 1.5f, 2, Hex(0)), c.Ellipse(68, 76, 1.5f, 2, Hex(0));
            break;
        case 9:  // lifebuoy
            c.Ring(60, 84, 24, 14, Hex(0xFFFFFF));
            for (int s = 0; s < 4; ++s) {
                const float ang = static_cast<float>(s) * 1.5708f + 0.4f;
                c.Ellipse(60 + std::cos(ang) * 24, 84 + std::sin(ang) * 24, 8, 8, a);
            }
            break;
        default:  // inflatable duck or flamingo
            c.Ellipse(56, 94, 36, 18, alt ? Hex(0xF25C9A) : Hex(0xF2D21D));
            c.Line(80, 92, 84, 52, 10, alt ? Hex(0xF25C9A) : Hex(0xF2D21D));
            c.Ellipse(86, 48, 12, 10, alt ? Hex(0xF25C9A) : Hex(0xF2D21D));
            c.Polygon({{96, 46}, {110, 50}, {96, 54}}, Hex(0xF29A1D));
            c.Ellipse(88, 45, 2, 2, Hex(0x111111));
            break;
    }
    c.Outline(pal::kInk);
    return c;
}

Canvas VisitorSprite(int sprite) {
    if (sprite >= 273) return BeachObject(assets::kVisitorFirstObject + sprite - 273);
    const int type = (sprite - 1) / assets::kVisitorPoses + 1;
    const int pose = (sprite - 1) % assets::kVisitorPoses;
    return DrawPerson(VisitorLook(type), pose);
}

std::vector<Bytes> VisitorPoolChunks() {
    std::vector<Bytes> chunks;
    chunks.push_back(PictureChunk(Canvas(1, 1)));
    for (int k = 1; k <= assets::kVisitorSprites; ++k)
        chunks.push_back(PictureChunk(VisitorSprite(k)));
    return chunks;
}

}  // namespace gen
