#pragma once
// What the island's places share beyond the common scene helpers: pictures at the place the
// asset table gives them, the back button, areas that act like hotspots, hidden spots, the
// animated figures and the way to a scene that may not be built yet.

#include "game/ui/scene.h"

// Where the asset table puts a picture (its x, y) and how large it is.
struct PlacedPicture {
    int number;
    int x;
    int y;
    int width;
    int height;
};
PlacedPicture placed(int number);

// A hotspot drawn with its picture at the asset table's place; true when clicked.
bool placedHotspot(int number, const char* caption);
// The small back button at (590, 10); true when clicked.
bool backButton(const char* caption);
// An area without a picture of its own: the caption shows while the cursor is in it; true
// when clicked.
bool areaHotspot(int x, int y, int width, int height, const char* caption);
// A hidden spot (no caption, barely visible); true when clicked.
bool hiddenSpot(int number);

// The click sound and the change, to a scene that exists (a place not built yet does
// nothing, as the map's missing places do).
void goTo(int scene, const char* music);

// A figure's step: `frames` frames per step through `steps` pictures.
int animationStep(unsigned counter, int framesPerStep, int steps);

// The television of the rooms and the hospital: the channel's logo, then the programme, then
// the place's music.
void playTelevision(const char* music);

// Text lines drawn on a place: white with the black shadow one pixel down and right.
void placeText(int x, int y, const char* text);
