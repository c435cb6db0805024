#pragma once
// The three hotels' scenes and background loops, by array index 0..2.

#include "game/asset_table.h"
#include "game/state/scene_ids.h"

struct HotelPlaces {
    int outside;
    int lobby;
    int reception;
    int room;
    const char* lobbyMusic;
    const char* outsideMusic;
};

inline constexpr HotelPlaces kHotelPlaces[3] = {
    {kSceneHotel1Outside, kSceneHotel1Lobby, kSceneHotel1Reception, kSceneHotel1Room,
     assets::kMusicLobby, assets::kMusicHotel},
    {kSceneHotel2Outside, kSceneHotel2Lobby, kSceneHotel2Reception, kSceneHotel2Room,
     assets::kMusicLobby2, assets::kMusicHotel},
    {kSceneHotel3Outside, kSceneHotel3Lobby, kSceneHotel3Reception, kSceneHotel3Room,
     assets::kMusicLobby, assets::kMusicHotel3},
};
