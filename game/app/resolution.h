#pragma once
// The seven display modes of the configuration (0..6).

struct Resolution {
    int width;
    int height;
};

// A mode outside 0..6 (or none given) opens the game's own 640 × 480.
Resolution resolutionFor(int mode);
