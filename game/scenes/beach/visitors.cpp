#include "game/scenes/beach/visitors.h"

#include <algorithm>
#include <cstdlib>

#include "game/scenes/beach/spawn_zones.h"
#include "game/scenes/beach/visitor_types.h"
#include "game/state/random.h"

bool membersOnlyBeach(int beachIndex) {
    return beachIndex == 1 || beachIndex == 3 || beachIndex == 6 || beachIndex == 7;
}

int arrivalOdds(int rate, bool crowded, int hour) {
    int n = rate;
    if (crowded) n -= 30;
    if (isDaytime(hour)) n *= 2;
    return std::max(n, 10);
}

int freeVisitorSlot(const BeachVisitors& v) {
    for (int i = 0; i < kVisitorSlots; ++i) {
        if (v.life[i] <= 0) return i;
    }
    return -1;
}

bool arrivalAllowed(const BeachVisitors& v, int typeId, int x, int y, int hour, int beachIndex) {
    for (int i = 0; i < kVisitorSlots; ++i) {
        if (v.typeId[i] == typeId) return false;
        // In 64 bits: a slot read from a file may hold any x.
        const int64_t dx = std::llabs(static_cast<int64_t>(v.x[i]) - x);
        const int64_t dy = std::llabs(static_cast<int64_t>(v.y[i]) - y);
        if (dx < kVisitorDistance && dy < kVisitorDistance) return false;
    }
    const VisitorType& type = visitorType(typeId);
    if (isDaytime(hour)) {
        if (!(type.flags & kVisitorByDay)) return false;
    } else if (!(type.flags & kVisitorAtNight)) {
        return false;
    }
    if ((type.flags & kVisitorMembersOnly) && !membersOnlyBeach(beachIndex)) return false;
    return true;
}

int cutPosesLeft(int pose, int posesLeft, int spriteCount) {
    return pose + posesLeft > spriteCount ? spriteCount - pose : posesLeft;
}

void placeVisitor(BeachVisitors& v, int slot, int typeId, int x, int y) {
    const int count = std::max(visitorType(typeId).spriteCount, 1);
    v.typeId[slot] = typeId;
    v.pose[slot] = gameRand() % count;
    if (count < 4 || gameRand() % 4 != 2) {
        v.animated[slot] = 0;
        v.posesLeft[slot] = 0;
    } else {
        v.animated[slot] = 1;
        v.posesLeft[slot] = cutPosesLeft(v.pose[slot], gameRand() % count, count);
    }
    v.x[slot] = x;
    v.y[slot] = y;
    v.life[slot] = gameRand() % 1000 + 1500;
}

void runArrivals(GameState& s, int frameMs) {
    const int rolls = std::min(frameMs, kMaxArrivalRolls);
    for (int roll = 0; roll < rolls; ++roll) {
        const int n =
            arrivalOdds(s.beachRate[s.currentBeach], s.currentBeach == s.crowdedBeach, s.hour);
        if (gameRand() % n != 1) continue;
        const int slot = freeVisitorSlot(s.visitors);
        if (slot < 0) continue;
        const int typeId = gameRand() % kDrawnVisitorTypes;
        if (visitorType(typeId).available != 1) continue;
        int x = 0;
        int y = 0;
        bool found = false;
        for (int t = 0; t < kSpawnTries && !found; ++t) {
            x = gameRand() % 2360 + 100;
            y = gameRand() % 200 + 170;
            found = insideSpawnZone(s.currentBeach, x, y);
        }
        if (!found) continue;
        if (!arrivalAllowed(s.visitors, typeId, x, y, s.hour, s.currentBeach)) continue;
        placeVisitor(s.visitors, slot, typeId, x, y);
    }
}

void emptyVisitorSlot(BeachVisitors& v, int slot) {
    v.typeId[slot] = 0;
    v.x[slot] = kEmptyVisitorX;
    v.y[slot] = 0;
    v.pose[slot] = 0;
    v.life[slot] = 0;
}

void ageVisitor(BeachVisitors& v, int slot, int frameMs) {
    const int64_t life = static_cast<int64_t>(v.life[slot]) - 2 * static_cast<int64_t>(frameMs);
    v.life[slot] = static_cast<int32_t>(std::max<int64_t>(life, INT32_MIN));
    if (v.life[slot] >= 1) return;
    if (!v.animated[slot]) {
        emptyVisitorSlot(v, slot);
        return;
    }
    v.life[slot] = gameRand() % 1000 + 1500;
    v.pose[slot] += 1;
    v.posesLeft[slot] -= 1;
    if (v.posesLeft[slot] < 1) emptyVisitorSlot(v, slot);
}
