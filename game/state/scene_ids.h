#pragma once
// The scene numbers, by place. `sceneId` holds one, and so does every savegame: the numbers
// themselves never change. The beaches are beach n = scene 200 + n (n = 1..10).

#include <cstdint>

enum SceneNumber : int32_t {
    kSceneQuit = -1,  // the main loop ends
    kSceneMenu = 0,
    kSceneMap = 1,
    kSceneShop = 2,
    kSceneHotel1Lobby = 3,
    kSceneHotel2Lobby = 4,
    kSceneHotel3Lobby = 5,
    kSceneHotel1Reception = 6,
    kSceneHotel1Room = 7,
    kScenePorter = 8,  // the enquiry of the porter of `currentHotel`
    kSceneHotel2Room = 9,
    kSceneHotel3Room = 10,
    kSceneAlbum = 11,
    kSceneComputer = 12,
    kSceneNews = 13,
    kSceneHotel1Outside = 14,
    kSceneLaptop = 15,  // in the room of `currentRoom`
    kSceneHospitalOutside = 16,
    kScenePoliceOutside = 17,
    kSceneHospitalInside = 18,
    kSceneTownStreet = 19,
    kSceneLoadGame = 20,
    kSceneSaveGame = 21,
    kScenePoliceInside = 22,
    kScenePoliceOfficer = 23,
    kSceneApartment = 24,
    kSceneCameraCounter = 25,
    kSceneCamouflageCounter = 26,
    kSceneHospitalCashier = 27,
    // The gates of the members-only beaches 2, 4, 7 and 8.
    kSceneGateBeach2 = 28,
    kSceneGateBeach4 = 29,
    kSceneGateBeach7 = 30,
    kSceneGateBeach8 = 31,
    kSceneHotel2Outside = 32,
    kSceneHotel3Outside = 33,
    kSceneHotel2Reception = 34,
    kSceneHotel3Reception = 35,
    kSceneBeach1 = 201,
    kSceneBeach2 = 202,
    kSceneBeach3 = 203,
    kSceneBeach4 = 204,
    kSceneBeach5 = 205,
    kSceneBeach6 = 206,
    kSceneBeach7 = 207,
    kSceneBeach8 = 208,
    kSceneBeach9 = 209,
    kSceneBeach10 = 210,
};

constexpr bool isBeachScene(int scene) {
    return scene >= kSceneBeach1 && scene <= kSceneBeach10;
}
// Beach 1..10 and its scene.
constexpr SceneNumber beachScene(int beach) {
    return static_cast<SceneNumber>(kSceneBeach1 - 1 + beach);
}
constexpr int beachOfScene(int scene) {
    return scene - (kSceneBeach1 - 1);
}

// The hotels' scenes, by hotel index 0..2.
constexpr SceneNumber kHotelOutsideScene[3] = {kSceneHotel1Outside, kSceneHotel2Outside,
                                               kSceneHotel3Outside};
constexpr SceneNumber kHotelLobbyScene[3] = {kSceneHotel1Lobby, kSceneHotel2Lobby,
                                             kSceneHotel3Lobby};
constexpr SceneNumber kHotelReceptionScene[3] = {kSceneHotel1Reception, kSceneHotel2Reception,
                                                 kSceneHotel3Reception};
constexpr SceneNumber kHotelRoomScene[3] = {kSceneHotel1Room, kSceneHotel2Room, kSceneHotel3Room};

// The members-only gates 0..3 and the beaches behind them.
constexpr SceneNumber kGateScene[4] = {kSceneGateBeach2, kSceneGateBeach4, kSceneGateBeach7,
                                       kSceneGateBeach8};
constexpr SceneNumber kGateBeachScene[4] = {kSceneBeach2, kSceneBeach4, kSceneBeach7, kSceneBeach8};
