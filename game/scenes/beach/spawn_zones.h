#pragma once
// Where visitors may stand on each beach: up to ten rectangles per beach, x in panorama
// columns, y in screen rows, both ends inclusive. Unused entries are all zero and never match.

constexpr int kSpawnZonesPerBeach = 10;

struct SpawnZone {
    int x1, y1, x2, y2;
};

// The table itself; the data-set generator draws sand under every rectangle.
inline constexpr SpawnZone kSpawnZones[10][kSpawnZonesPerBeach] = {
    {{177, 189, 901, 315},
     {822, 309, 997, 338},
     {898, 181, 1564, 275},
     {1554, 185, 1769, 346},
     {1759, 228, 2000, 304},
     {1957, 245, 2161, 339},
     {2086, 244, 2452, 297}},
    {{10, 291, 571, 340}, {569, 263, 675, 340}, {675, 254, 1656, 340}, {1653, 270, 2404, 340}},
    {{3, 236, 168, 340},
     {163, 267, 364, 340},
     {361, 238, 533, 340},
     {530, 224, 1052, 340},
     {1048, 241, 2238, 340},
     {2235, 228, 2421, 340}},
    {{240, 186, 405, 340},
     {399, 228, 562, 340},
     {559, 189, 895, 340},
     {892, 181, 1635, 269},
     {1562, 205, 1809, 297},
     {1802, 250, 2212, 316}},
    {{186, 191, 402, 272},
     {400, 228, 568, 279},
     {562, 189, 891, 288},
     {889, 181, 1234, 243},
     {1232, 201, 2203, 259},
     {1562, 254, 2033, 318}},
    {{6, 239, 717, 339},
     {710, 276, 804, 339},
     {789, 234, 1217, 339},
     {1209, 249, 1788, 339},
     {1776, 215, 2185, 339},
     {2166, 229, 2434, 339}},
    {{217, 287, 371, 339},
     {363, 257, 700, 339},
     {697, 260, 1076, 333},
     {1063, 243, 1415, 339},
     {1407, 260, 1910, 339},
     {1902, 265, 2256, 316}},
    {{46, 273, 576, 339}, {566, 236, 1192, 339}, {1185, 284, 2322, 339}},
    {{1733, 208, 2164, 258}, {184, 240, 2426, 339}},
    {{64, 248, 551, 339},
     {542, 154, 768, 339},
     {763, 229, 1228, 339},
     {1221, 260, 1665, 339},
     {1662, 219, 1988, 339}},
};

// The rectangles of beach index 0..9 (beach number minus 1).
const SpawnZone* spawnZones(int beachIndex);
// Whether the point lies in one of the beach's rectangles; false for a beach outside 0..9.
bool insideSpawnZone(int beachIndex, int x, int y);
