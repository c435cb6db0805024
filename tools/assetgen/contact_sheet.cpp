// Review sheets.

#include "tools/assetgen/contact_sheet.h"

#include <algorithm>

namespace gen {

Canvas ContactSheet(const std::string& title, const std::vector<SheetItem>& items, int cellW,
                    int cellH, int columns) {
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    Canvas sheet(columns * cellW, 24 + rows * cellH, Hex(0x303030), 255);
    sheet.Text(4, 4, title, 2, Hex(0xFFFFFF));
    for (size_t k = 0; k < items.size(); ++k) {
        const int x = static_cast<int>(k % static_cast<size_t>(columns)) * cellW;
        const int y = 24 + static_cast<int>(k / static_cast<size_t>(columns)) * cellH;
        const int aw = cellW - 8, ah = cellH - 20;
        for (int j = 0; j < ah; ++j)
            for (int i = 0; i < aw; ++i)
                sheet.Put(x + 4 + i, y + 2 + j,
                          ((i / 8 + j / 8) % 2) ? Hex(0x9A9A9A) : Hex(0xC8C8C8));
        const Canvas& p = items[k].picture;
        const float s = std::min({1.0f, static_cast<float>(aw) / static_cast<float>(p.Width()),
                                  static_cast<float>(ah) / static_cast<float>(p.Height())});
        const int w = std::max(1, static_cast<int>(static_cast<float>(p.Width()) * s));
        const int h = std::max(1, static_cast<int>(static_cast<float>(p.Height()) * s));
        sheet.DrawScaled(p, x + 4 + (aw - w) / 2, y + 2 + (ah - h) / 2, w, h);
        sheet.Text(x + 4, y + cellH - 16,
                   items[k].label.substr(0, static_cast<size_t>(cellW / 8 - 1)), 1, Hex(0xFFFF80));
    }
    return sheet;
}

}  // namespace gen
