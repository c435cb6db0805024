#pragma once
// Pausing while the player is away. When the window loses the keyboard focus, is minimised or
// is hidden, the game stops where it stands: no game seconds, no sound, no frames, with a small
// "paused" sign over the last frame, until the player is back. The time away is never counted:
// the engine's counter is held, so the clock, the movies and a recording never see it.

// Follows the window's focus and visibility; installed once the input handlers are.
void installAwayHandlers();
void removeAwayHandlers();

// Whether the game pauses while away (the default); off, it plays on as the window did before.
void setPauseWhenAway(bool on);

// Whether the window is away now (focus lost, minimised or hidden).
bool windowAway();
// How many times the game has paused since the handlers were installed.
int awayPauses();

// Called after every pump of messages: while the window is away (and pausing is on), waits
// until it is back. False when the window was closed or the program asked to quit meanwhile.
bool waitWhileAway();
