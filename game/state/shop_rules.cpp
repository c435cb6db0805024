#include "game/state/shop_rules.h"

int32_t& gearOwned(GameState& s, Gear kind, int row) {
    switch (kind) {
        case Gear::Camera:
            return s.camera[row];
        case Gear::Lens:
            return s.lens[row];
        case Gear::Flash:
        default:
            return s.flash[row];
    }
}

bool buyGear(GameState& s, Gear kind, int row) {
    if (row < 0 || row >= kGearRows) return false;
    int32_t& owned = gearOwned(s, kind, row);
    const int price = gearPrice(kind, row);
    if (owned || s.money < price) return false;
    owned = 1;
    s.money -= price;
    return true;
}

bool rentCamouflage(GameState& s, int item) {
    if (item < 0 || item >= kCamouflageItems) return false;
    const int price = kCamouflagePrice[item];
    if (s.camouflage[item] || s.money < price) return false;
    s.camouflage[item] = 1;
    s.money -= price;
    return true;
}
