#pragma once
// Screenshots: F12 (or Ctrl+P, since desktops often take Print Screen for themselves) writes the
// frame as the scenes made it — without the signs drawn on the way to the screen — as a
// numbered PNG into the screenshots folder (ScreenshotFolder, engine/resources/
// screenshot_folder.h), then a short note over the frames tells where it went. The keys are
// taken before any scene sees them, in every loop (main loop, boxes, movies), so the record,
// the clock and the random draws never learn of them.

#include <cstdint>
#include <vector>

// Takes the keys; installed after the input handlers and before the away handlers, so those
// still see every key (a key means the player is back).
void installScreenshotHandlers();
void removeScreenshotHandlers();

// The present steps (game/ui/runtime): a requested screenshot is taken of the page that is
// about to be shown, before anything is drawn over it.
void takeRequestedScreenshot();
// Draws the note over the page while it is up; liftScreenNote puts back what it covered, so
// the page the scenes read never holds it.
void drawScreenNote();
void liftScreenNote();
// The frame just shown was shown by someone else (a movie), without the note.
void screenNoteNotShown();

// The shown frame (width × height, rows packed) with the note of its present taken out again:
// the script's `screenshot` shows the game's frame alone.
void removeScreenNote(std::vector<uint16_t>* shown, int width, int height);
