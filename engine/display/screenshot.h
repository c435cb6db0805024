#pragma once
// The screenshot: the game's 640 × 480 area of the current page as a 24-bit BMP.

constexpr int kScreenshotWidth = 640;
constexpr int kScreenshotHeight = 480;

// Writes the top-left 640 × 480 of the DrawTarget (black where the page is smaller) through the
// file manager. 1 on success; 0 with the error code set (8 open, 10 write, 20 no page).
int SaveScreenshot(const char* fileName);
