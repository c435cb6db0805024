#pragma once
// The three hotels' scenes and background loops, by array index 0..2.

#include "game/asset_table.h"

struct HotelPlaces {
    int outside;
    int lobby;
    int reception;
    int room;
    const char* lobbyMusic;
    const char* outsideMusic;
};

inline constexpr HotelPlaces kHotelPlaces[3] = {
    {14, 3, 6, 7, assets::kMusicLobby, assets::kMusicHotel},
    {32, 4, 34, 9, assets::kMusicLobby2, assets::kMusicHotel},
    {33, 5, 35, 10, assets::kMusicLobby, assets::kMusicHotel3},
};
