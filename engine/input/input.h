#pragma once
// The mouse and key records the game reads once per frame. The window's messages fill them
// (through handlers in the display object's table); each poll hands out a copy and refreshes
// the buttons from the state they have right now, so a press and release between two polls is
// still seen once.

#include <cstdint>

struct MouseRecord {
    int32_t x = 0;  // page pixels (the game's 640 × 480 area)
    int32_t y = 0;
    int32_t dragStartX = -1;  // -1 while no drag with one button is being tracked
    int32_t dragStartY = -1;
    int32_t dragging = 0;  // 1 once a one-button drag has lasted two movement messages
    int32_t left = 0;      // 1 from a button-down message, 256 / 0 after a poll
    int32_t middle = 0;
    int32_t right = 0;
    int32_t doubleClick = 0;  // 1 after a left double-click, cleared by each poll
};

struct KeyRecord {
    int32_t key = 0;  // virtual-key code of the last key-down, 0 when none
    int32_t alt = 0;
    int32_t shift = 0;
    int32_t ctrl = 0;
    int32_t capsLock = 0;
};

static_assert(sizeof(MouseRecord) == 36 && sizeof(KeyRecord) == 20);

// Registers the mouse-move, left-down, double-click, right-down and key-down handlers with the
// display object and clears the records and the pointer state.
void installInputHandlers();
// Copies the key record out and clears it: each key-down is seen by exactly one poll.
void pollKeys(KeyRecord* out);
// Copies the mouse record out, then refreshes its buttons from their current state and clears
// the double-click.
void pollMouse(MouseRecord* out);

// Whether a key (virtual-key code) is held down right now.
bool keyHeld(int virtualKey);

// The live mouse record (the pointer code moves it).
MouseRecord& mouseRecord();

// Sees every record a poll hands out, after it was made, and may change it: a recorder writes
// it down, a replay puts the recorded one in its place.
class PollTap {
  public:
    virtual ~PollTap() = default;
    virtual void keysPolled(KeyRecord* record) = 0;
    virtual void mousePolled(MouseRecord* record) = 0;
};
// Installs a tap (null removes it). The caller keeps ownership.
void setPollTap(PollTap* tap);
