#include "game/scenes/beach/spawn_zones.h"

#include <iterator>

#include "game/state/game_state.h"

static_assert(std::size(kSpawnZones) == kBeaches);

const SpawnZone* spawnZones(int beachIndex) {
    if (beachIndex < 0 || beachIndex >= kBeaches) return nullptr;
    return kSpawnZones[beachIndex];
}

bool insideSpawnZone(int beachIndex, int x, int y) {
    const SpawnZone* zones = spawnZones(beachIndex);
    if (!zones) return false;
    for (int i = 0; i < kSpawnZonesPerBeach; ++i) {
        const SpawnZone& z = zones[i];
        // An all-zero entry is unused: (0, 0) itself must not match.
        if (z.x1 == 0 && z.y1 == 0 && z.x2 == 0 && z.y2 == 0) continue;
        if (x >= z.x1 && x <= z.x2 && y >= z.y1 && y <= z.y2) return true;
    }
    return false;
}
