#pragma once
// The scene dispatch: scene number → frame function. A scene that is not in the table has no
// frame yet; nothing leads there.

using SceneFrame = void (*)();

SceneFrame sceneFrame(int sceneId);
bool sceneAvailable(int sceneId);

// Frame functions, one file each.
void runMenuScene();  // 0
void runMapScene();   // 1

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
