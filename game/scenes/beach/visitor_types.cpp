#include "game/scenes/beach/visitor_types.h"

#include <algorithm>
#include <iterator>

namespace {

VisitorType gTypes[kVisitorTypes];
const VisitorType kNoType{};

void set(int id, int32_t firstSprite, int32_t spriteCount, int32_t flags, int32_t baseValue) {
    gTypes[id] = {1, firstSprite, spriteCount, flags, baseValue};
}

}  // namespace

void rebuildVisitorTypes() {
    std::fill(std::begin(gTypes), std::end(gTypes), VisitorType{});
    constexpr int32_t both = kVisitorByDay | kVisitorAtNight;
    constexpr int32_t vip = both | kVisitorMembersOnly;
    for (int id = 1; id <= 17; ++id) set(id, 1 + 8 * (id - 1), 8, both, id == 4 ? 0 : 1);
    // The celebrities of the members-only beaches.
    const int32_t celebrityValue[4] = {5, 10, 15, 8};
    for (int id = 18; id <= 21; ++id) set(id, 137 + 8 * (id - 18), 8, vip, celebrityValue[id - 18]);
    for (int id = 22; id <= 28; ++id) set(id, 169 + 8 * (id - 22), 8, both, 1);
    set(29, 225, 8, vip, 12);
    set(30, 233, 8, both, 9);
    const int32_t starValue[3] = {11, 10, 13};
    for (int id = 31; id <= 33; ++id) set(id, 241 + 8 * (id - 31), 8, vip, starValue[id - 31]);
    set(34, 265, 8, both, 1);
    // Beach objects: one sprite, worth nothing on their own.
    for (int id = 35; id <= 56; ++id) set(id, 273 + (id - 35), 1, both, 0);
}

const VisitorType& visitorType(int typeId) {
    if (typeId < 0 || typeId >= kVisitorTypes) return kNoType;
    return gTypes[typeId];
}
