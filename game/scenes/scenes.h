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
void runMenuScene();  // 0
void runMapScene();   // 1

// The island's places: shop, hotels and town.
void runShopScene();                   // 2
void runCameraCounterScene();          // 25
void runCamouflageCounterScene();      // 26
void runLobbyScene();                  // 3, 4, 5 (the hotel is `currentHotel`)
void runReceptionScene(int hotel);     // 6, 34, 35
void runRoomScene();                   // 7, 9, 10 (the hotel is `currentRoom`)
void runPorterScene();                 // 8
void runHotelOutsideScene(int hotel);  // 14, 32, 33
void runLaptopScene();                 // 15
void runHospitalOutsideScene();        // 16
void runPoliceOutsideScene();          // 17
void runHospitalInsideScene();         // 18
void runTownStreetScene();             // 19
void runPoliceInsideScene();           // 22
void runPoliceOfficerScene();          // 23
void runApartmentScene();              // 24
void runHospitalCashierScene();        // 27
void runGateScene(int gate);           // 28..31
// 201..210: the beach is loaded first when it is not.
void runBeachScene();
// The film: album, computer and news, savegames.
void runAlbumFrame();       // 11
void runComputerFrame();    // 12
void runNewsFrame();        // 13
void runLoadScreenFrame();  // 20
void runSaveScreenFrame();  // 21

// Writes the photo of slot 0..29 as the next "fotos\foto%04d.bmp" and says so in a box.
void exportPhoto(int slot);
// Called at program start: what the album and the savegame screens keep between frames (the
// export counter, the list of slots) back to its start value, and the temporary files a save
// cut short by a crash may have left removed.
void startAlbumRun();
void startSavegameRun();
