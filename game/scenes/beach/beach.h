#pragma once
// The beach scenes: entering, one frame, leaving.

// Loads beach 1..10: its pictures and the visitors', the beach loop, a fresh visit (view in the
// middle, no visitors, no hours seen). When a pool is missing or damaged it is named in the error
// box and the map comes back; false then.
bool loadBeach(int beachNumber);
// One frame of the beach being shown.
void runBeachFrame();
// Leaves for a scene: every beach and visitor picture freed, the common location pictures
// fetched again and the scene's loop started.
void leaveBeach(int scene, const char* music);
// The end of the loop: the pictures of a loaded beach are freed and no beach is loaded.
void releaseBeach();
