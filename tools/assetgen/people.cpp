// Cartoon people for the beach and the town.

#include "tools/assetgen/people.h"

#include <algorithm>
#include <cmath>

namespace gen {

namespace {

constexpr float kPi = 3.14159265f;

struct Limb {
    float upper, lower;  // degrees from hanging straight down; positive points away from body
};

struct PoseSpec {
    Limb leftArm, rightArm, leftLeg, rightLeg;
    float thighShorten;  // 1 standing, less when the thighs point at the viewer
    float tilt;          // whole figure, degrees (90 lies down, head to the left)
    float headTurn;      // -1..1 face to the side
    bool seated;
};

constexpr PoseSpec kPoses[kPoseCount] = {
    {{8, 4}, {8, 4}, {3, 0}, {3, 0}, 1.0f, 0, 0, false},                    // standing
    {{42, -70}, {42, -70}, {6, 0}, {4, 0}, 1.0f, 0, 0.5f, false},           // hands on hips
    {{10, 5}, {150, 165}, {3, 0}, {5, 2}, 1.0f, 0, 0.2f, false},            // waving
    {{10, 5}, {120, 95}, {3, 0}, {8, 4}, 1.0f, -4, 0.3f, false},            // waving, arm bent
    {{160, 172}, {160, 172}, {4, 0}, {4, 0}, 1.0f, 0, 0, false},            // stretching
    {{28, 8}, {28, 8}, {34, -30}, {34, -30}, 0.45f, 0, 0, true},            // sitting
    {{55, 100}, {55, 100}, {30, -26}, {30, -26}, 0.45f, -14, -0.3f, true},  // leaning back
    {{150, 130}, {150, 130}, {3, 0}, {8, 0}, 1.0f, 90, 0.4f, false},        // lying
};

struct Frame {
    float cx, cy;  // pelvis on the canvas
    float c, s;    // rotation
    Pt At(float x, float y) const { return Pt{cx + x * c - y * s, cy + x * s + y * c}; }
};

Pt Along(Pt from, float angleDeg, float length, float side) {
    // angle measured from straight down, side = -1 left (screen left), +1 right
    const float a = angleDeg * kPi / 180.0f;
    return Pt{from.x + side * std::sin(a) * length, from.y + std::cos(a) * length};
}

class Figure {
  public:
    Figure(const Look& look, const PoseSpec& pose, Canvas& canvas, float cx, float cy)
        : look_(look), pose_(pose), cv_(canvas) {
        u_ = 13.5f * look.size;
        const float t = pose.tilt * kPi / 180.0f;
        frame_ = Frame{cx, cy, std::cos(t), std::sin(t)};
    }

    void Draw(bool legs) {
        const float u = u_, b = look_.build * (look_.female ? 0.88f : 1.0f);
        shoulderL_ = {-0.95f * u * b, -2.75f * u};
        shoulderR_ = {0.95f * u * b, -2.75f * u};
        hipL_ = {-0.48f * u * b, 0.05f * u};
        hipR_ = {0.48f * u * b, 0.05f * u};
        neck_ = {0, -3.05f * u};
        head_ = {pose_.headTurn * 0.12f * u, -3.75f * u};
        ComputeLimbs();
        if (legs) {
            DrawLeg(hipL_, kneeL_, footL_, -1);
            DrawLeg(hipR_, kneeR_, footR_, 1);
        }
        DrawTorso();
        DrawArm(shoulderL_, elbowL_, handL_);
        DrawArm(shoulderR_, elbowR_, handR_);
        DrawHead();
    }

  private:
    void ComputeLimbs() {
        const float u = u_;
        elbowL_ = Along(shoulderL_, pose_.leftArm.upper, 1.35f * u, -1);
        handL_ = Along(elbowL_, pose_.leftArm.upper + pose_.leftArm.lower, 1.25f * u, -1);
        elbowR_ = Along(shoulderR_, pose_.rightArm.upper, 1.35f * u, 1);
        handR_ = Along(elbowR_, pose_.rightArm.upper + pose_.rightArm.lower, 1.25f * u, 1);
        kneeL_ = Along(hipL_, pose_.leftLeg.upper, 1.95f * u * pose_.thighShorten, -1);
        footL_ = Along(kneeL_, pose_.leftLeg.upper + pose_.leftLeg.lower, 1.9f * u, -1);
        kneeR_ = Along(hipR_, pose_.rightLeg.upper, 1.95f * u * pose_.thighShorten, 1);
        footR_ = Along(kneeR_, pose_.rightLeg.upper + pose_.rightLeg.lower, 1.9f * u, 1);
    }

    Pt P(Pt p) const { return frame_.At(p.x, p.y); }
    void Seg(Pt a, Pt b, float thick, Rgb c) {
        const Pt A = P(a), B = P(b);
        cv_.Line(A.x, A.y, B.x, B.y, thick, c);
    }
    void Blob(Pt a, float rx, float ry, Rgb c) {
        const Pt A = P(a);
        cv_.Ellipse(A.x, A.y, rx, ry, c);
    }
    void Poly(std::vector<Pt> pts, Rgb c) {
        for (Pt& p : pts) p = P(p);
        cv_.Polygon(pts, c);
    }

    void DrawLeg(Pt hip, Pt knee, Pt foot, float side) {
        const float u = u_;
        const Rgb skin = look_.skin;
        Seg(hip, knee, 0.78f * u, skin);
        Seg(knee, foot, 0.62f * u, skin);
        Blob({foot.x + side * 0.18f * u, foot.y + 0.1f * u}, 0.42f * u, 0.2f * u,
             Darker(skin, 0.1f));
        switch (look_.clothes) {
            case Clothes::ShirtShorts:
                Seg(hip, Mid(hip, knee, 0.75f), 0.92f * u, look_.second);
                break;
            case Clothes::Uniform:
            case Clothes::Suit:
                Seg(hip, knee, 0.9f * u, look_.second);
                Seg(knee, foot, 0.78f * u, look_.second);
                Blob({foot.x + side * 0.18f * u, foot.y + 0.12f * u}, 0.46f * u, 0.24f * u,
                     Hex(0x1A1A1A));
                break;
            case Clothes::Trunks:
                Seg(hip, Mid(hip, knee, 0.35f), 0.9f * u, look_.main);
                break;
            default:
                break;
        }
    }

    static Pt Mid(Pt a, Pt b, float t) { return Pt{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

    void DrawTorso() {
        const float u = u_;
        const float waist = look_.female ? 0.62f : 0.8f;
        const std::vector<Pt> body = {{shoulderL_.x - 0.2f * u, shoulderL_.y - 0.15f * u},
                                      {shoulderR_.x + 0.2f * u, shoulderR_.y - 0.15f * u},
                                      {waist * u * look_.build, -1.2f * u},
                                      {hipR_.x + 0.35f * u, 0.35f * u},
                                      {hipL_.x - 0.35f * u, 0.35f * u},
                                      {-waist * u * look_.build, -1.2f * u}};
        Poly(body, look_.skin);
        Seg(neck_, {0, -2.6f * u}, 0.6f * u, look_.skin);
        const Rgb shade = Darker(look_.skin, 0.12f);
        Seg({0.15f * u, -2.2f * u}, {0.35f * u, -1.0f * u}, 0.08f * u, shade);  // a hint of form
        const Rgb m = look_.main, s = look_.second;
        switch (look_.clothes) {
            case Clothes::Trunks:
                Poly({{hipL_.x - 0.4f * u, -0.2f * u},
                      {hipR_.x + 0.4f * u, -0.2f * u},
                      {hipR_.x + 0.45f * u, 0.55f * u},
                      {hipL_.x - 0.45f * u, 0.55f * u}},
                     m);
                Seg({hipL_.x - 0.35f * u, -0.12f * u}, {hipR_.x + 0.35f * u, -0.12f * u}, 0.14f * u,
                    s);
                break;
            case Clothes::Bikini:
                Blob({-0.42f * u, -2.0f * u}, 0.42f * u, 0.32f * u, m);
                Blob({0.42f * u, -2.0f * u}, 0.42f * u, 0.32f * u, m);
                Seg({-0.8f * u, -2.05f * u}, {0.8f * u, -2.05f * u}, 0.1f * u, m);
                Poly({{hipL_.x - 0.35f * u, -0.15f * u},
                      {hipR_.x + 0.35f * u, -0.15f * u},
                      {0.12f * u, 0.55f * u},
                      {-0.12f * u, 0.55f * u}},
                     m);
                if (look_.glamour) {
                    Blob({0, -2.0f * u}, 0.12f * u, 0.12f * u, s);
                    Seg({hipL_.x - 0.3f * u, -0.1f * u}, {hipR_.x + 0.3f * u, -0.1f * u}, 0.08f * u,
                        s);
                }
                break;
            case Clothes::Swimsuit:
                Poly({{-0.7f * u, -2.45f * u},
                      {0.7f * u, -2.45f * u},
                      {waist * u, -1.2f * u},
                      {hipR_.x + 0.3f * u, -0.05f * u},
                      {0.15f * u, 0.55f * u},
                      {-0.15f * u, 0.55f * u},
                      {hipL_.x - 0.3f * u, -0.05f * u},
                      {-waist * u, -1.2f * u}},
                     m);
                Seg({-waist * u, -1.0f * u}, {waist * u, -1.0f * u}, 0.18f * u, s);
                break;
            case Clothes::ShirtShorts:
            case Clothes::Uniform:
            case Clothes::Suit:
                Poly(body, m);
                if (look_.clothes != Clothes::ShirtShorts)
                    Poly({{hipL_.x - 0.4f * u, -0.3f * u},
                          {hipR_.x + 0.4f * u, -0.3f * u},
                          {hipR_.x + 0.45f * u, 0.6f * u},
                          {hipL_.x - 0.45f * u, 0.6f * u}},
                         s);
                else
                    Poly({{hipL_.x - 0.4f * u, -0.3f * u},
                          {hipR_.x + 0.4f * u, -0.3f * u},
                          {hipR_.x + 0.45f * u, 0.6f * u},
                          {hipL_.x - 0.45f * u, 0.6f * u}},
                         s);
                Poly({{-0.25f * u, -2.95f * u}, {0.25f * u, -2.95f * u}, {0, -2.45f * u}},
                     look_.clothes == Clothes::ShirtShorts ? look_.skin : Hex(0xF4F4F4));
                if (look_.clothes == Clothes::Uniform) {
                    Seg({-0.05f * u, -2.5f * u}, {-0.05f * u, -0.4f * u}, 0.06f * u,
                        Darker(m, 0.4f));
                    Blob({-0.55f * u, -2.1f * u}, 0.18f * u, 0.2f * u, Hex(0xF2C230));
                }
                if (look_.clothes == Clothes::Suit)
                    Seg({0, -2.7f * u}, {0, -1.4f * u}, 0.16f * u, s);
                break;
            case Clothes::Dress:
                Poly(body, m);
                Poly({{-waist * u, -1.2f * u},
                      {waist * u, -1.2f * u},
                      {1.35f * u * look_.build, 2.0f * u},
                      {-1.35f * u * look_.build, 2.0f * u}},
                     m);
                Seg({-waist * u, -1.15f * u}, {waist * u, -1.15f * u}, 0.18f * u, s);
                break;
        }
        if (look_.glamour) {  // necklace
            const Rgb gold = Hex(0xFFD23A);
            for (int k = -3; k <= 3; ++k)
                Blob({static_cast<float>(k) * 0.13f * u,
                      -2.62f * u + static_cast<float>(std::abs(k)) * -0.04f * u + 0.12f * u},
                     0.07f * u, 0.07f * u, gold);
        }
    }

    void DrawArm(Pt shoulder, Pt elbow, Pt hand) {
        const float u = u_;
        Seg(shoulder, elbow, 0.55f * u, look_.skin);
        Seg(elbow, hand, 0.48f * u, look_.skin);
        Blob(hand, 0.3f * u, 0.3f * u, look_.skin);
        if (look_.clothes == Clothes::Uniform || look_.clothes == Clothes::Suit)
            Seg(shoulder, Mid(shoulder, elbow, 1.0f), 0.68f * u, look_.main);
        else if (look_.clothes == Clothes::ShirtShorts || look_.clothes == Clothes::Dress)
            Seg(shoulder, Mid(shoulder, elbow, 0.45f), 0.7f * u, look_.main);
        if (look_.glamour) Blob(Mid(elbow, hand, 0.8f), 0.3f * u, 0.12f * u, Hex(0xFFD23A));
    }

    void DrawHead() {
        const float u = u_;
        const Pt h = head_;
        const float hx = h.x;
        const Rgb hair = look_.hair;
        // Hair behind the head.
        if (look_.hairStyle == Hair::Long)
            Poly({{hx - 0.72f * u, h.y - 0.3f * u},
                  {hx + 0.72f * u, h.y - 0.3f * u},
                  {hx + 0.85f * u, h.y + 1.4f * u},
                  {hx - 0.85f * u, h.y + 1.4f * u}},
                 hair);
        if (look_.hairStyle == Hair::Curly) Blob({hx, h.y - 0.15f * u}, 0.95f * u, 0.85f * u, hair);
        if (look_.hairStyle == Hair::Ponytail)
            Seg({hx + 0.5f * u, h.y - 0.5f * u}, {hx + 0.95f * u, h.y + 0.7f * u}, 0.38f * u, hair);
        Blob(h, 0.62f * u, 0.72f * u, look_.skin);
        // Hair on top.
        switch (look_.hairStyle) {
            case Hair::Bald:
                Blob({hx - 0.22f * u, h.y - 0.4f * u}, 0.16f * u, 0.1f * u,
                     Lighter(look_.skin, 0.35f));
                break;
            case Hair::Cap:
                Poly({{hx - 0.66f * u, h.y - 0.25f * u},
                      {hx + 0.66f * u, h.y - 0.25f * u},
                      {hx + 0.5f * u, h.y - 0.85f * u},
                      {hx - 0.5f * u, h.y - 0.85f * u}},
                     look_.main);
                Seg({hx - 0.7f * u, h.y - 0.25f * u}, {hx + 0.95f * u, h.y - 0.22f * u}, 0.16f * u,
                    Darker(look_.main, 0.35f));
                break;
            case Hair::SunHat:
                Blob({hx, h.y - 0.45f * u}, 1.35f * u, 0.28f * u, look_.second);
                Blob({hx, h.y - 0.7f * u}, 0.62f * u, 0.42f * u, look_.second);
                Seg({hx - 0.6f * u, h.y - 0.5f * u}, {hx + 0.6f * u, h.y - 0.5f * u}, 0.16f * u,
                    look_.main);
                break;
            case Hair::Bun:
                Blob({hx, h.y - 0.95f * u}, 0.34f * u, 0.3f * u, hair);
                [[fallthrough]];
            default:
                Poly({{hx - 0.66f * u, h.y - 0.05f * u},
                      {hx - 0.55f * u, h.y - 0.6f * u},
                      {hx, h.y - 0.82f * u},
                      {hx + 0.55f * u, h.y - 0.6f * u},
                      {hx + 0.66f * u, h.y - 0.05f * u},
                      {hx + 0.3f * u, h.y - 0.42f * u},
                      {hx - 0.35f * u, h.y - 0.38f * u}},
                     hair);
                break;
        }
        // Face.
        const float fx = hx + pose_.headTurn * 0.2f * u;
        if (look_.sunglasses) {
            const Rgb glass = look_.glamour ? Hex(0x8A1F6B) : Hex(0x151515);
            Blob({fx - 0.24f * u, h.y - 0.02f * u}, 0.22f * u, 0.15f * u, glass);
            Blob({fx + 0.24f * u, h.y - 0.02f * u}, 0.22f * u, 0.15f * u, glass);
            Seg({fx - 0.24f * u, h.y - 0.05f * u}, {fx + 0.24f * u, h.y - 0.05f * u}, 0.06f * u,
                glass);
            if (look_.glamour)
                Blob({fx - 0.3f * u, h.y - 0.07f * u}, 0.06f * u, 0.04f * u, Hex(0xFFFFFF));
        } else {
            Blob({fx - 0.22f * u, h.y - 0.02f * u}, 0.08f * u, 0.1f * u, Hex(0x202020));
            Blob({fx + 0.22f * u, h.y - 0.02f * u}, 0.08f * u, 0.1f * u, Hex(0x202020));
        }
        Seg({fx - 0.18f * u, h.y + 0.35f * u}, {fx + 0.18f * u, h.y + 0.35f * u}, 0.09f * u,
            look_.female ? Hex(0xC2304A) : Darker(look_.skin, 0.45f));
        if (look_.glamour) {
            Blob({hx - 0.62f * u, h.y + 0.2f * u}, 0.1f * u, 0.1f * u, Hex(0xFFD23A));
            Blob({hx + 0.62f * u, h.y + 0.2f * u}, 0.1f * u, 0.1f * u, Hex(0xFFD23A));
        }
    }

    const Look& look_;
    const PoseSpec& pose_;
    Canvas& cv_;
    float u_ = 13;
    Frame frame_{};
    Pt shoulderL_{}, shoulderR_{}, hipL_{}, hipR_{}, neck_{}, head_{};
    Pt elbowL_{}, handL_{}, elbowR_{}, handR_{}, kneeL_{}, footL_{}, kneeR_{}, footR_{};
};

Canvas Trim(const Canvas& c) {
    int x0 = c.Width(), y0 = c.Height(), x1 = -1, y1 = -1;
    for (int j = 0; j < c.Height(); ++j)
        for (int i = 0; i < c.Width(); ++i)
            if (c.AlphaAt(i, j) >= 128) {
                x0 = std::min(x0, i), x1 = std::max(x1, i);
                y0 = std::min(y0, j), y1 = std::max(y1, j);
            }
    if (x1 < 0) return Canvas(1, 1);
    return c.Crop(x0 - 2, y0 - 2, x1 - x0 + 5, y1 - y0 + 5);
}

void Sparkles(Canvas& c, uint32_t seed) {
    // Little four-pointed stars around a celebrity.
    const Rgb gold = Hex(0xFFF2A0);
    for (int k = 0; k < 4; ++k) {
        const float x = 6.0f + static_cast<float>((seed * 37u + static_cast<uint32_t>(k) * 53u) %
                                                  static_cast<uint32_t>(c.Width() - 12));
        const float y = 6.0f + static_cast<float>((seed * 91u + static_cast<uint32_t>(k) * 29u) %
                                                  static_cast<uint32_t>(c.Height() / 2));
        c.Line(x - 5, y, x + 5, y, 1.6f, gold);
        c.Line(x, y - 5, x, y + 5, 1.6f, gold);
    }
}

}  // namespace

Canvas DrawPerson(const Look& look, int pose) {
    const PoseSpec& p = kPoses[std::clamp(pose, 0, kPoseCount - 1)];
    Canvas c(260, 260);
    if (p.seated || p.tilt > 45) {  // a towel to sit or lie on
        const Rgb towel = Lighter(look.second, 0.2f);
        if (p.seated)
            c.RoundRect(70, 134, 120, 34, 4, towel);
        else
            c.RoundRect(66, 122, 128, 40, 4, towel);
    }
    Figure figure(look, p, c, 130, 140);
    figure.Draw(true);
    c.Outline(Hex(0x2A1A12));
    Canvas out = Trim(c);
    if (look.glamour) Sparkles(out, static_cast<uint32_t>(pose) + 7u);
    return out;
}

Canvas DrawBust(const Look& look, int pose, int width, int height) {
    const PoseSpec& p = kPoses[std::clamp(pose, 0, kPoseCount - 1)];
    Look l = look;
    l.size = look.size;
    Canvas c(width, height);
    const float u = 13.5f * l.size;
    Figure figure(l, p, c, static_cast<float>(width) / 2, 5.0f * u + 4);
    figure.Draw(false);
    c.Outline(Hex(0x2A1A12));
    return c;
}

}  // namespace gen
