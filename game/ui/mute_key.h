#pragma once
// The M key switches the sound off and on again, anywhere in the game (a scene, a box, a
// movie). The key never reaches the scenes: it is taken from the window's messages before the
// input records see it. The change goes through the settings host, so it is kept.

// Installed once the input handlers are, before the away handlers.
void installMuteKey();
void removeMuteKey();
