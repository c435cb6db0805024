#pragma once
// The scene dispatch: scene number → frame function. A scene that is not in the table has no
// frame yet; nothing leads there.

using SceneFrame = void (*)();

SceneFrame sceneFrame(int sceneId);
bool sceneAvailable(int sceneId);

// Frame functions, one file each.
void runMenuScene();  // 0
void runMapScene();   // 1
// 201..210: the beach is loaded first when it is not.
void runBeachScene();
