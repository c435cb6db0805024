#pragma once
// Values of the running frame that are not part of a game: input of this frame, its timing,
// the clock's counting point and the configuration. Not saved.

#include <cstdint>

struct FrameValues {
    int32_t mouseX = 0;  // 640 × 480 coordinates
    int32_t mouseY = 0;
    int32_t buttonDown = 0;
    int32_t buttonWasDown = 0;
    int32_t clicked = 0;  // the button went down in this frame
    int32_t keyCode = 0;  // 27 ends the game
    int32_t frameMs = 0;  // duration of the previous frame
    uint64_t perfFrequency = 0;
    uint64_t frameEndCounter = 0;
    uint64_t lastTickCounter = 0;  // game seconds are counted up to here
    int detailMode = 0;            // 0: day or night picture; else both blended
    int resolutionMode = 2;
};

FrameValues& frameValues();

// The performance counter as it stood at the start of the running turn (of the main loop, a
// box or a movie). Every reading the game takes within one turn is this one value, so a run
// whose turns are replayed with the same times takes the same readings.
uint64_t turnCounter();
// Reads the counter for the turn that starts now.
void latchTurnCounter();

// Milliseconds between two counter readings, truncated; any span without overflow. 0 when the
// frequency is 0 or the counter went backwards.
int32_t elapsedMs(uint64_t from, uint64_t to, uint64_t frequency);
