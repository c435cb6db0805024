#pragma once
// The modal boxes: a nested frame loop over a grey copy of the screen with a box picture, up
// to six text lines and its buttons, until a button is clicked, Esc or Backspace is pressed.
// Esc leaves the key code at 27, so the main loop ends the game at the end of its frame;
// Backspace answers as the box's last button does (ok, no, close) and the game goes on.

#include <string>
#include <vector>

// Message box (picture 34, one OK button); callers place it at (210, 150).
void messageBox(int x, int y, const char* line1, const char* line2, const char* line3,
                const char* line4, const char* line5, const char* line6);
// Yes/no box (picture 36); 1 for yes, 0 for no, Esc or Backspace. Callers place it at (210, 250).
int confirmBox(int x, int y, const char* line1, const char* line2);
// The porter's enquiry box (picture 43, one close button); placed at (160, 140).
void enquiryBox(int x, int y, const char* line1, const char* line2, const char* line3,
                const char* line4);

// The first lines of the boxes opened so far in this run, for tests and scripted checks.
const std::vector<std::string>& openedBoxes();
