#pragma once
// The scene dispatch: scene number → frame function. A scene that is not in the table has no
// frame yet; nothing leads there.

#include <vector>

using SceneFrame = void (*)();

SceneFrame sceneFrame(int sceneId);
bool sceneAvailable(int sceneId);
// How many scenes the table holds, and their numbers in order.
int sceneCount();
std::vector<int> sceneNumbers();

// Frame functions, one file each.
void runMenuScene();
void runMapScene();

// The island's places: shop, hotels and town.
void runShopScene();
void runCameraCounterScene();
void runCamouflageCounterScene();
void runLobbyScene();  // the hotel is `currentHotel`
void runReceptionScene(int hotel);
void runRoomScene();  // the hotel is `currentRoom`
void runPorterScene();
void runHotelOutsideScene(int hotel);
void runLaptopScene();
void runHospitalOutsideScene();
void runPoliceOutsideScene();
void runHospitalInsideScene();
void runTownStreetScene();
void runPoliceInsideScene();
void runPoliceOfficerScene();
void runApartmentScene();
void runHospitalCashierScene();
void runGateScene(int gate);  // gate 0..3
// Any beach: it is loaded first when it is not.
void runBeachScene();
// The film: album, computer and news, savegames.
void runAlbumFrame();
void runComputerFrame();
void runNewsFrame();
void runLoadScreenFrame();
void runSaveScreenFrame();

// Writes the photo of slot 0..29 as the next "fotos\foto%04d.bmp" and says so in a box.
void exportPhoto(int slot);
// Called at program start: what the album and the savegame screens keep between frames (the
// export counter, the list of slots) back to its start value, and the temporary files a save
// cut short by a crash may have left removed.
void startAlbumRun();
void startSavegameRun();
