// The shop's counters: cameras, lenses and flashes for sale (scene 25) and camouflage for hire
// by the day (scene 26). A cell is grey while its item is held, framed in white otherwise and
// red-stippled while the money does not reach its price.

#include "engine/display/svgahi.h"
#include "game/asset_table.h"
#include "game/scenes/place_kit.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/state/shop_rules.h"
#include "game/ui/hotspots.h"
#include "game/ui/modal_box.h"
#include "texts/texts.h"

namespace {

constexpr uint16_t kHeldStipple = 0xF7DE;
constexpr uint16_t kPoorStipple = 0xF800;
constexpr uint16_t kFrame = 0xFFFF;

struct Cell {
    int x;
    int y;
    int width;
    int height;
};

constexpr int kGearColumnX[kGearKinds] = {234, 360, 485};
constexpr int kGearRowY[kGearRows] = {122, 216, 308};
constexpr int kCamouflageColumnX[2] = {245, 427};
constexpr int kCamouflageRowY[3] = {51, 157, 263};

Cell gearCell(int kind, int row) {
    return {kGearColumnX[kind], kGearRowY[row], 101, 57};
}

Cell camouflageCell(int item) {
    return {kCamouflageColumnX[item / 3], kCamouflageRowY[item % 3], 165, 101};
}

// One cell's frame; true when the player clicked it with the money for it.
bool counterCell(const Cell& c, bool held, int price, const char* caption) {
    const PageView page = scenePage();
    if (held) {
        stippleBox(page, c.x, c.y, c.width, c.height, kHeldStipple);
        return false;
    }
    DrawRect(c.x, c.y, c.x + c.width - 1, c.y + c.height - 1, kFrame);
    const GameState& s = gameState();
    if (s.money < price) stippleBox(page, c.x, c.y, c.width, c.height, kPoorStipple);
    return areaHotspot(c.x, c.y, c.width, c.height, caption) && s.money >= price;
}

const char* const* gearNames(Gear kind) {
    switch (kind) {
        case Gear::Camera:
            return txt::kCameraNames;
        case Gear::Lens:
            return txt::kLensNames;
        case Gear::Flash:
        default:
            return txt::kFlashNames;
    }
}

}  // namespace

void runCameraCounterScene() {
    GameState& s = gameState();
    drawCopy(scenePage(), locationPicture(assets::kPicCameraCounter), 0, 0);
    if (backButton(txt::kToShop)) goTo(kSceneShop, nullptr);
    for (int kind = 0; kind < kGearKinds; ++kind) {
        for (int row = 0; row < kGearRows; ++row) {
            const Gear gear = static_cast<Gear>(kind);
            if (counterCell(gearCell(kind, row), gearOwned(s, gear, row) != 0,
                            kGearPrice[kind][row], txt::kEquipmentCaptions[kind][row]) &&
                buyGear(s, gear, row)) {
                playClick();
                messageBox(210, 150, gearNames(gear)[row], txt::kBought, "", "", "", "");
            }
        }
    }
}

void runCamouflageCounterScene() {
    GameState& s = gameState();
    drawCopy(scenePage(), locationPicture(assets::kPicCamouflageCounter), 0, 0);
    if (backButton(txt::kToShop)) goTo(kSceneShop, nullptr);
    for (int item = 0; item < kCamouflageItems; ++item) {
        if (counterCell(camouflageCell(item), s.camouflage[item] != 0, kCamouflagePrice[item],
                        txt::kCamouflageCaptions[item]) &&
            rentCamouflage(s, item)) {
            playClick();
            messageBox(210, 150, txt::kCamouflageNames[item], txt::kRented, "", "", "", "");
        }
    }
}
