#pragma once
// Scenery of the island in one flat cartoon style: skies, sea, hills, palms, buildings, rooms
// and furniture, and the pass that turns a day picture into evening or night (dark sky with
// stars and moon, lit windows and lamps).

#include <cstdint>
#include <string>
#include <vector>

#include "tools/assetgen/canvas.h"

namespace gen {

namespace pal {
constexpr Rgb kSkyTop = Hex(0x2E8BE6), kSkyLow = Hex(0xA9E4FF);
constexpr Rgb kSea = Hex(0x16A6C9), kSeaDeep = Hex(0x0B6FA8), kFoam = Hex(0xF2FFFF);
constexpr Rgb kSand = Hex(0xF3D99B), kSandDark = Hex(0xDDB874);
constexpr Rgb kGrass = Hex(0x6DBE45), kLeaf = Hex(0x2E8F3A), kTrunk = Hex(0x8A5A2B);
constexpr Rgb kWhiteWall = Hex(0xF7F2E6), kTerracotta = Hex(0xD9653B), kBlueShutter = Hex(0x2F6DB5);
constexpr Rgb kPink = Hex(0xE35D9A), kInk = Hex(0x2A1A12), kGold = Hex(0xFFD23A);
constexpr Rgb kWood = Hex(0xA8713E), kWoodDark = Hex(0x7A4E27), kCream = Hex(0xFFF4D6);
}  // namespace pal

enum class Time { Day, Evening, Night };
enum class Mood { Outside, Inside };

class Scene {
  public:
    Scene(int width, int height, Time time, Mood mood, uint32_t seed);
    Canvas& C() { return c_; }
    Time When() const { return time_; }
    bool Dark() const { return time_ != Time::Day; }
    uint32_t Seed() const { return seed_; }

    // Sky with clouds in a rectangle; at night it becomes a starry sky (with the moon when
    // moon is set).
    void Sky(int x, int y, int w, int h, bool moon = true);
    // A window: glass shows the sky by day, warm light at night (lit) or the night sky.
    void Window(int x, int y, int w, int h, Rgb frame, bool lit, bool shutters = false,
                Rgb shutterColour = pal::kBlueShutter);
    // A light that shines at night: a glow of radius r.
    void Lamp(float x, float y, float r, Rgb colour = Hex(0xFFD98A));
    // Finishes the picture: evening or night colouring, skies, lights.
    Canvas Finish();

  private:
    struct Rect {
        int x, y, w, h;
        bool moon;
    };
    struct Light {
        int x, y, w, h;  // window (w > 0) or glow (w == 0, h = radius)
        Rgb colour;
    };
    Canvas c_;
    Canvas skyShot_;
    Time time_;
    Mood mood_;
    uint32_t seed_;
    std::vector<Rect> skies_;
    std::vector<Light> lights_;
};

// Scenery pieces (drawn straight onto a canvas).
void Cloud(Canvas& c, float x, float y, float s);
void Sea(Canvas& c, int x, int y, int w, int h, uint32_t seed);
void Hills(Canvas& c, int x, int w, int baseY, float amplitude, Rgb colour, uint32_t seed);
void Palm(Canvas& c, float x, float baseY, float height, float lean, uint32_t seed);
void Bush(Canvas& c, float x, float y, float r, Rgb colour, bool flowers);
void SandGround(Canvas& c, int x, int y, int w, int h, uint32_t seed);
void Paving(Canvas& c, int x, int y, int w, int h, Rgb colour);
void Door(Canvas& c, int x, int y, int w, int h, Rgb colour, bool glass);
void Awning(Canvas& c, int x, int y, int w, int h, Rgb a, Rgb b);
void Sign(Canvas& c, int x, int y, int w, int h, const std::string& text, int scale, Rgb board,
          Rgb ink);
void StreetLamp(Scene& s, int x, int baseY, int height);

// Rooms.
void Wall(Canvas& c, int y0, int y1, Rgb colour, bool stripes);
void Floor(Canvas& c, int y0, Rgb a, Rgb b, bool tiles);
void Plant(Canvas& c, float x, float baseY, float size);
void Frame(Canvas& c, int x, int y, int w, int h, uint32_t seed);  // a framed beach picture
void Desk(Canvas& c, int x, int y, int w, int h, Rgb top, Rgb front);
void Shelf(Canvas& c, int x, int y, int w, Rgb colour);

// A labelled button face: rounded, bevelled, with a dark rim; text fits inside.
Canvas ButtonFace(int w, int h, const std::string& label, Rgb face, int scale = 1,
                  const std::string& icon = "");
// A panel with a wooden or glass look for boxes.
Canvas PanelFace(int w, int h, Rgb face, Rgb rim, int radius = 10);

}  // namespace gen
