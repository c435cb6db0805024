#pragma once
// Where the player's screenshots go, and the name the next one takes there.

#include <string>

// The player's pictures folder, as the desktop names it: $XDG_PICTURES_DIR; else the
// XDG_PICTURES_DIR line of $XDG_CONFIG_HOME/user-dirs.dirs (default ~/.config/user-dirs.dirs),
// with $HOME expanded; else ~/Pictures. Empty when not even a home folder is known.
std::string PicturesFolder();

// The folder the game writes its screenshots into: "Ravez Lensquest" in the pictures folder.
// It is made when a screenshot is written, not here.
std::string ScreenshotFolder();

// "ravez-lensquest-NNNN.png" for number n (at least four digits).
std::string ScreenshotFileName(int n);

// Writes `bytes` to a new file "ravez-lensquest-NNNN.png" in `folder` (made when missing),
// numbered one past the highest screenshot there; a file already there is never replaced, not
// even by one written at the same moment by another program. The path written, or empty with
// the reason in `why`.
std::string WriteNewScreenshotFile(const std::string& folder, const std::string& bytes,
                                   std::string* why);
