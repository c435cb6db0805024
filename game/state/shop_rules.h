#pragma once
// The shop's catalogue and its one rule: an item is bought (or rented for the day) with
// exactly its price when the money reaches it and the player does not hold it already.

#include "game/state/game_state.h"

// Equipment kinds: the columns of the camera counter.
enum class Gear { Camera = 0, Lens = 1, Flash = 2 };
constexpr int kGearKinds = 3;
constexpr int kGearRows = 3;

// Euro, [kind][row].
constexpr int kGearPrice[kGearKinds][kGearRows] = {
    {800, 1200, 2000}, {400, 800, 1000}, {400, 800, 1000}};
constexpr int kCamouflagePrice[kCamouflageItems] = {50, 100, 200, 500, 800, 1000};

constexpr int gearPrice(Gear kind, int row) {
    return kGearPrice[static_cast<int>(kind)][row];
}

// Camouflage items in the shop's order: the index into `camouflage` and the counter's cells.
enum CamouflageItem : int {
    kCamouflageLifesaver = 0,
    kCamouflageAirMattress = 1,
    kCamouflageSandCastle = 2,
    kCamouflageRubberBoat = 3,
    kCamouflageLifeguardSuit = 4,
    kCamouflageYacht = 5,
};

// The record's flag of an equipment item.
int32_t& gearOwned(GameState& s, Gear kind, int row);

// What a click on a counter cell does: nothing for an item held or unaffordable, else the
// flag is set and the price paid. True when bought.
bool buyGear(GameState& s, Gear kind, int row);
bool rentCamouflage(GameState& s, int item);
