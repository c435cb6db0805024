#pragma once
// Where visitors may stand on each beach: up to ten rectangles per beach, x in panorama
// columns, y in screen rows, both ends inclusive. Unused entries are all zero and never match.

constexpr int kSpawnZonesPerBeach = 10;

struct SpawnZone {
    int x1, y1, x2, y2;
};

// The rectangles of beach index 0..9 (beach number minus 1).
const SpawnZone* spawnZones(int beachIndex);
// Whether the point lies in one of the beach's rectangles; false for a beach outside 0..9.
bool insideSpawnZone(int beachIndex, int x, int y);
