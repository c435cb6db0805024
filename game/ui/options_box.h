#pragma once
// The options box: F10 (a game controller's Start) opens it over whatever is on the screen. The
// game stands still under it as under a box (no game seconds, nothing drawn by the scene), every
// setting of the SettingsHost is shown with its value and changed with the mouse, the arrow
// keys or the controller, applied at once and kept when the box closes (F10, Esc, Backspace or
// its OK button). It is drawn on the way to the screen: the page the scenes read is put back as
// it was, and no key or click meant for the box reaches a scene.

// Takes F10 and, while the box is open, the keys and buttons; installed after the input and the
// away handlers, so that it sees them first.
void installOptionsHandlers();
void removeOptionsHandlers();

// Called after every pump of messages: when F10 was pressed, runs the box until it closes.
// False when the window was closed or the program asked to quit meanwhile.
bool runOptionsIfAsked();

// How many times the box has been opened since the handlers were installed.
int optionsOpened();
