#pragma once
// The game's "config.cfg": fixed 32-byte records ("scrmode=2", "detailmode=1", ";comment",
// "end"), each padded with blanks up to its line break.

constexpr int kConfigRecordBytes = 32;
constexpr int kResolutionModeNotGiven = -1;

// Sets resolutionMode to -1, then reads the file (a missing file keeps the defaults).
// detailMode keeps its value unless the file sets it. Digits are taken as they stand.
void ReadConfiguration(int& resolutionMode, int& detailMode, const char* path = "config.cfg");
