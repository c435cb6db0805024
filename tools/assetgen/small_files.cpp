// The font, the launcher's pictures and the default configuration.

#include <algorithm>
#include <cstring>
#include <string>

#include "engine/display/builtin_font.h"
#include "engine/resources/bmp.h"
#include "engine/resources/font_writer.h"
#include "tools/assetgen/parts.h"
#include "tools/assetgen/scene.h"

namespace gen {

// The game font: our own 8 × 8 code-page-437 glyphs (the German letters at their DOS codes),
// every code from 0 to 255.
bool WriteFont(const Output& out) {
    const uint8_t* record = BuiltinFontRecord();
    const std::vector<uint8_t> glyphs(record + 20, record + kBuiltinFontBytes);
    return out.Write("font/font.tff", EncodeTff(0, 255, 8, 8, glyphs));
}

namespace {

Bytes Bmp(const Canvas& c) {
    const std::vector<uint16_t> pixels = c.To565();
    return EncodeBmp24(pixels.data(), c.Width(), c.Height());
}

}  // namespace

bool WriteLauncher(const Output& out) {
    // Title artwork: the three buttons sit at x 42, y 0 / 49 / 98 in a 640-wide window, their
    // labels (part of the artwork) 50 pixels to the right of each, on a panel wide enough for
    // the longest; the title keeps clear of the edge and of the palm.
    Scene s(640, 400, Time::Evening, Mood::Outside, 77);
    Canvas& c = s.C();
    s.Sky(0, 0, 640, 230);
    Hills(c, 0, 640, 230, 40, Hex(0x6E8FA0), 4);
    Sea(c, 0, 230, 640, 80, 70);
    SandGround(c, 0, 310, 640, 90, 71);
    Palm(c, 620, 400, 280, -0.2f, 3);
    Canvas art = s.Finish();
    const char* labels[] = {"Deutsch", "English", "Beenden / Quit"};
    int widest = 0;
    for (const char* label : labels) widest = std::max(widest, Canvas::TextWidth(label, 2));
    art.RoundRect(30, -10, static_cast<float>(92 + widest + 18 - 30), 160, 12, Hex(0x1A0E08), 170);
    for (int k = 0; k < 3; ++k)
        art.TextOutlined(92, 49 * k + 13, labels[k], 2, Hex(0xFFFF00), Hex(0x2A1A08));
    art.TextOutlinedCentered(296, 250, "RAVEZ LENSQUEST", 4, Hex(0xFFD23A), Hex(0x5A1A08));
    Canvas button(40, 46);
    button.Clear(Hex(0x2A1A08), 255);
    button.RoundRect(3, 3, 34, 40, 6, Hex(0xE8852B));
    button.RoundRect(9, 16, 22, 15, 3, Hex(0x2B2B2B));
    button.Ellipse(20, 23, 5, 5, Hex(0x9ED9F5));
    Canvas spare = button;
    spare.Tint(1.2f, 1.2f, 0.8f);
    return out.Write("IMAGES/BACK.BMP", Bmp(art)) && out.Write("IMAGES/B1.BMP", Bmp(button)) &&
           out.Write("IMAGES/B2.BMP", Bmp(spare));
}

bool WriteConfig(const Output& out) {
    // 32-byte records: the line padded with blanks to 30 characters, then CR LF.
    Bytes bytes;
    for (const char* line : {"scrmode=2", "detailmode=1", "end"}) {
        std::string record(line);
        record.resize(30, ' ');
        record += "\r\n";
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return out.Write("config.cfg", bytes);
}

}  // namespace gen
