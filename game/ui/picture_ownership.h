#pragma once
// Which cached location pictures belong to which scenes: those are freed while none of their
// scenes is current; every other picture is common and kept for the whole run.

// Whether a picture belongs to some scene (and is therefore not common).
bool sceneOwnedPicture(int picture);
// Pictures cached for scenes that are not current are freed.
void releaseForeignPictures(int sceneId);
// Fetches every common picture that is not cached (the preload at the start of the loop, and
// again after a beach let the large ones go).
void preloadCommonPictures();
// Frees every cached picture of at least width × height pixels (a beach makes room).
void releaseLargePictures(int width, int height);
