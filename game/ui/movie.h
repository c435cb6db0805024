#pragma once
// The movie routine every scene uses: the background loop stops, the movie plays full screen
// until its end or until Esc, Space or Enter, and then `music` starts looping. The key that
// stopped the movie stays in the key code, so an Esc also ends the game after the frame.

void playMovie(const char* movie, const char* music);
