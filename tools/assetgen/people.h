#pragma once
// Cartoon people: a jointed figure dressed by a Look, drawn in one of eight poses that read as
// a motion sequence (standing, hands on hips, waving, waving higher, stretching, sitting,
// leaning back, lying).

#include "tools/assetgen/canvas.h"

namespace gen {

enum class Clothes { Trunks, Bikini, Swimsuit, ShirtShorts, Uniform, Dress, Suit };
enum class Hair { Short, Long, Ponytail, Bald, Curly, Bun, Cap, SunHat };

struct Look {
    bool female = false;
    Rgb skin = Hex(0xE8B48A);
    Rgb hair = Hex(0x4A2C17);
    Hair hairStyle = Hair::Short;
    Clothes clothes = Clothes::Trunks;
    Rgb main = Hex(0x2F6FD0);    // swimwear, shirt, dress
    Rgb second = Hex(0xFFFFFF);  // trousers, trim, pattern
    bool sunglasses = false;
    bool glamour = false;  // gold jewellery and sparkles
    float size = 1.0f;     // 1 = an ordinary adult
    float build = 1.0f;    // shoulder and hip width
};

constexpr int kPoseCount = 8;
// The figure trimmed to its pixels with a dark outline, colour 0 (alpha 0) around it.
Canvas DrawPerson(const Look& look, int pose);
// Only from the hips up, for people behind a desk.
Canvas DrawBust(const Look& look, int pose, int width, int height);

}  // namespace gen
