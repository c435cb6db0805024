#include "game/scenes/scenes.h"

#include <iterator>

#include "game/state/scene_ids.h"

namespace {

struct SceneEntry {
    SceneNumber id;
    SceneFrame frame;
};

// One line per scene; the beaches share one frame function.
constexpr SceneEntry kScenes[] = {
    // clang-format off
    {kSceneMenu, &runMenuScene},
    {kSceneMap, &runMapScene},
    {kSceneShop, &runShopScene},
    {kSceneHotel1Lobby, &runLobbyScene},
    {kSceneHotel2Lobby, &runLobbyScene},
    {kSceneHotel3Lobby, &runLobbyScene},
    {kSceneHotel1Reception, [] { runReceptionScene(0); }},
    {kSceneHotel1Room, &runRoomScene},
    {kScenePorter, &runPorterScene},
    {kSceneHotel2Room, &runRoomScene},
    {kSceneHotel3Room, &runRoomScene},
    {kSceneHotel1Outside, [] { runHotelOutsideScene(0); }},
    {kSceneLaptop, &runLaptopScene},
    {kSceneHospitalOutside, &runHospitalOutsideScene},
    {kScenePoliceOutside, &runPoliceOutsideScene},
    {kSceneHospitalInside, &runHospitalInsideScene},
    {kSceneTownStreet, &runTownStreetScene},
    {kScenePoliceInside, &runPoliceInsideScene},
    {kScenePoliceOfficer, &runPoliceOfficerScene},
    {kSceneApartment, &runApartmentScene},
    {kSceneCameraCounter, &runCameraCounterScene},
    {kSceneCamouflageCounter, &runCamouflageCounterScene},
    {kSceneHospitalCashier, &runHospitalCashierScene},
    {kSceneGateBeach2, [] { runGateScene(0); }},
    {kSceneGateBeach4, [] { runGateScene(1); }},
    {kSceneGateBeach7, [] { runGateScene(2); }},
    {kSceneGateBeach8, [] { runGateScene(3); }},
    {kSceneHotel2Outside, [] { runHotelOutsideScene(1); }},
    {kSceneHotel3Outside, [] { runHotelOutsideScene(2); }},
    {kSceneHotel2Reception, [] { runReceptionScene(1); }},
    {kSceneHotel3Reception, [] { runReceptionScene(2); }},
    {kSceneBeach1, &runBeachScene},
    {kSceneBeach2, &runBeachScene},
    {kSceneBeach3, &runBeachScene},
    {kSceneBeach4, &runBeachScene},
    {kSceneBeach5, &runBeachScene},
    {kSceneBeach6, &runBeachScene},
    {kSceneBeach7, &runBeachScene},
    {kSceneBeach8, &runBeachScene},
    {kSceneBeach9, &runBeachScene},
    {kSceneBeach10, &runBeachScene},
    // clang-format on
    {kSceneAlbum, &runAlbumFrame},
    {kSceneComputer, &runComputerFrame},
    {kSceneNews, &runNewsFrame},
    {kSceneLoadGame, &runLoadScreenFrame},
    {kSceneSaveGame, &runSaveScreenFrame},
};

}  // namespace

SceneFrame sceneFrame(int sceneId) {
    for (const SceneEntry& entry : kScenes) {
        if (entry.id == sceneId) return entry.frame;
    }
    return nullptr;
}

int sceneCount() {
    return static_cast<int>(std::size(kScenes));
}

std::vector<int> sceneNumbers() {
    std::vector<int> numbers;
    for (const SceneEntry& entry : kScenes) numbers.push_back(entry.id);
    return numbers;
}

bool sceneAvailable(int sceneId) {
    return sceneFrame(sceneId) != nullptr;
}
