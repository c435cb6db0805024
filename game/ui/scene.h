#pragma once
// What every scene shares: pictures by number, hotspots with their captions, the click sound,
// the scene change with its background loop, and the day/night background.

#include <cstdint>

#include "engine/display/page.h"
#include "game/ui/scene_draw.h"

// The page scenes draw into (the current draw page).
PageView scenePage();
// Location picture n through the cache; empty when it is missing.
PicView locationPicture(int n);

// Faded while the cursor is outside, keyed with its caption (if any) while inside. Returns
// whether the cursor is inside; a missing picture is never inside.
bool drawHotspot(PicView picture, int x, int y, const char* caption);
bool drawHotspot(int pictureNumber, int x, int y, const char* caption);
// A hotspot is acted on only in the frame in which the button went down over it.
bool hotspotClicked(bool inside);
// Whether the cursor is in the rectangle.
bool cursorIn(int x, int y, int width, int height);

// Where drawCaption puts an n-character caption asked for at (x, y).
struct CaptionPlace {
    int left;
    int y;
};
CaptionPlace captionPlace(int characters, int x, int y);
void drawCaption(const char* text, int x, int y, uint16_t boxColour, uint16_t textColour,
                 uint16_t frameColour);
// The caption at the cursor in the scenes' colours.
void drawCursorCaption(const char* text);

// Text with a black shadow one pixel down and to the right.
void drawShadowText(int x, int y, uint16_t colour, const char* text);

// Plays sound-pool entry `entry` once on the channel, after stopping what plays there. The
// sample is loaded on first use into `sample`, which is -1 until then (and stays -1 when the
// entry cannot be read, so that each play tries again).
void playPoolSample(int channel, int entry, int& sample);
void playClick();
// Stops the background loop and, when music is given, starts that file looping.
void startMusic(const char* music);
void changeScene(int scene, const char* music);

// Copies the background of an exterior or room scene: by `detailMode` the day or night
// picture (day from 9:00 to 19:59), or both blended by the time of day.
void drawDayNightBackground(int dayPicture, int nightPicture);

// The loaded click sample, -1 until the first click (reset at the end of the loop).
int& clickSample();
