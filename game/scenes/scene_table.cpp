#include "game/scenes/scenes.h"

#include <iterator>

namespace {

struct SceneEntry {
    int id;
    SceneFrame frame;
};

// One line per scene; the beaches 201..210 share one frame function.
constexpr SceneEntry kScenes[] = {
    // clang-format off
    {0, &runMenuScene},
    {1, &runMapScene},
    {2, &runShopScene},
    {3, &runLobbyScene},
    {4, &runLobbyScene},
    {5, &runLobbyScene},
    {6, [] { runReceptionScene(0); }},
    {7, &runRoomScene},
    {8, &runPorterScene},
    {9, &runRoomScene},
    {10, &runRoomScene},
    {14, [] { runHotelOutsideScene(0); }},
    {15, &runLaptopScene},
    {16, &runHospitalOutsideScene},
    {17, &runPoliceOutsideScene},
    {18, &runHospitalInsideScene},
    {19, &runTownStreetScene},
    {22, &runPoliceInsideScene},
    {23, &runPoliceOfficerScene},
    {24, &runApartmentScene},
    {25, &runCameraCounterScene},
    {26, &runCamouflageCounterScene},
    {27, &runHospitalCashierScene},
    {28, [] { runGateScene(0); }},
    {29, [] { runGateScene(1); }},
    {30, [] { runGateScene(2); }},
    {31, [] { runGateScene(3); }},
    {32, [] { runHotelOutsideScene(1); }},
    {33, [] { runHotelOutsideScene(2); }},
    {34, [] { runReceptionScene(1); }},
    {35, [] { runReceptionScene(2); }},
    {201, &runBeachScene},
    {202, &runBeachScene},
    {203, &runBeachScene},
    {204, &runBeachScene},
    {205, &runBeachScene},
    {206, &runBeachScene},
    {207, &runBeachScene},
    {208, &runBeachScene},
    {209, &runBeachScene},
    {210, &runBeachScene},
    // clang-format on
    {11, &runAlbumFrame},
    {12, &runComputerFrame},
    {13, &runNewsFrame},
    {20, &runLoadScreenFrame},
    {21, &runSaveScreenFrame},
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
