// The scene names against the dispatch table: every scene that has a frame has a name of its
// own, and the beach test and the hotel and gate tables agree with what the table runs.

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <vector>

#include "game/scenes/scenes.h"
#include "game/state/scene_ids.h"

namespace {

constexpr SceneNumber kNamed[] = {
    kSceneMenu,
    kSceneMap,
    kSceneShop,
    kSceneHotel1Lobby,
    kSceneHotel2Lobby,
    kSceneHotel3Lobby,
    kSceneHotel1Reception,
    kSceneHotel1Room,
    kScenePorter,
    kSceneHotel2Room,
    kSceneHotel3Room,
    kSceneAlbum,
    kSceneComputer,
    kSceneNews,
    kSceneHotel1Outside,
    kSceneLaptop,
    kSceneHospitalOutside,
    kScenePoliceOutside,
    kSceneHospitalInside,
    kSceneTownStreet,
    kSceneLoadGame,
    kSceneSaveGame,
    kScenePoliceInside,
    kScenePoliceOfficer,
    kSceneApartment,
    kSceneCameraCounter,
    kSceneCamouflageCounter,
    kSceneHospitalCashier,
    kSceneGateBeach2,
    kSceneGateBeach4,
    kSceneGateBeach7,
    kSceneGateBeach8,
    kSceneHotel2Outside,
    kSceneHotel3Outside,
    kSceneHotel2Reception,
    kSceneHotel3Reception,
    kSceneBeach1,
    kSceneBeach2,
    kSceneBeach3,
    kSceneBeach4,
    kSceneBeach5,
    kSceneBeach6,
    kSceneBeach7,
    kSceneBeach8,
    kSceneBeach9,
    kSceneBeach10,
};

TEST(SceneIds, EveryNameIsOneSceneOfTheTableAndEverySceneHasAName) {
    const std::set<int> named(std::begin(kNamed), std::end(kNamed));
    EXPECT_EQ(named.size(), std::size(kNamed)) << "two names share a number";
    const std::vector<int> table = sceneNumbers();
    EXPECT_EQ(std::set<int>(table.begin(), table.end()), named);
    EXPECT_EQ(table.size(), named.size()) << "a scene is in the table twice";
    EXPECT_FALSE(sceneAvailable(kSceneQuit));
}

TEST(SceneIds, TheBeachTestIsExactlyTheScenesThatRunTheBeach) {
    for (int scene = kSceneQuit - 1; scene <= kSceneBeach10 + 1; ++scene) {
        EXPECT_EQ(isBeachScene(scene), sceneFrame(scene) == &runBeachScene) << scene;
    }
    for (int beach = 1; beach <= 10; ++beach) {
        EXPECT_TRUE(isBeachScene(beachScene(beach))) << beach;
        EXPECT_EQ(beachOfScene(beachScene(beach)), beach);
    }
}

TEST(SceneIds, TheHotelAndGateTablesNameScenesOfTheirKind) {
    std::set<int> places;
    for (int h = 0; h < 3; ++h) {
        places.insert({kHotelOutsideScene[h], kHotelLobbyScene[h], kHotelReceptionScene[h],
                       kHotelRoomScene[h]});
        EXPECT_EQ(sceneFrame(kHotelLobbyScene[h]), &runLobbyScene) << h;
        EXPECT_EQ(sceneFrame(kHotelRoomScene[h]), &runRoomScene) << h;
        EXPECT_TRUE(sceneAvailable(kHotelReceptionScene[h])) << h;
        EXPECT_TRUE(sceneAvailable(kHotelOutsideScene[h])) << h;
    }
    for (int g = 0; g < 4; ++g) {
        EXPECT_TRUE(sceneAvailable(kGateScene[g])) << g;
        EXPECT_TRUE(isBeachScene(kGateBeachScene[g])) << g;
        places.insert(kGateScene[g]);
    }
    EXPECT_EQ(places.size(), 3u * 4 + 4) << "one scene stands for two places";
}

}  // namespace
