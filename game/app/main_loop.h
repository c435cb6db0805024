#pragma once
// Start-up, the frame loop and the release at the end.

// One frame of the loop, from the pump to the end checks. False when the loop is to end.
bool runFrame();
// Everything before the first frame: blend table, mode, font, the two pools, the preload,
// the intro movie and its music.
void startMainLoop();
// Frees what the loop cached.
void endMainLoop();
// startMainLoop, frames until Esc, endMainLoop.
void runMainLoop();

// The end-of-game checks of the map: lost (money < 150 without a room, or below 0) plays the
// game-over movie, won (money ≥ 150000) the winner's movie; either leads to the main menu.
// 1 lost, 2 won, 0 neither.
int checkGameEnd();
// Where the player stands after a scene's frame (unchanged for scenes not listed).
int locationAfterScene(int sceneId, int location);
