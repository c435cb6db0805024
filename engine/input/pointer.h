#pragma once
// The software pointer: a picture drawn by the game over its own page at the mouse position,
// with the page's pixels under it saved and put back. The system pointer is hidden.

#include <cstddef>
#include <cstdint>

struct PointerState {
    bool shown = false;  // the software pointer is on the page
    bool systemPointerVisible = true;
    bool enabled = false;  // a picture is set
    const uint16_t* picture = nullptr;
    std::size_t pictureBytes = 0;
    int16_t firstFrame = 0;
    int16_t lastFrame = 0;
    int16_t frame = 0;
    int frameDelay = 0;  // 0: no animation
    int frameCountdown = 0;
    bool animateBackwards = false;
    int idleCount = 0;
    int idleLimit = 0;  // 0: no idle counting
};

const PointerState& pointerState();
// Clears the pointer state (the picture is forgotten, not freed).
void resetPointer();

// The pointer picture (width and height words, then pixels) of pictureBytes bytes; null
// switches the software pointer off. The picture stays the caller's.
void setPointerPicture(const uint16_t* picture, std::size_t pictureBytes);
// The owner of a picture is about to free it: if the pointer draws it, the pointer is switched
// off (as by a null picture) until it is given a picture again.
void forgetPointerPicture(const void* picture);
void setPointerAnimation(int firstFrame, int lastFrame, int frameDelay, bool backwards);
void setPointerIdleLimit(int limit);

// Saves the page under the pointer and draws it there (once, until hidden).
void showPointer();
// Puts the saved pixels back on the page they came from.
void hidePointer();
// Advances the idle count and the animation, and redraws a shown pointer at the mouse
// position.
void updatePointer();
// Draws the pointer at the mouse position without saving anything.
void drawPointer();
// Moves the mouse record and the system pointer to a page position.
void setPointerPosition(int x, int y);
void hideSystemPointer();
