#pragma once
// What a photo is graded at the moment it is taken: how blurred (by the camera's luck), who is
// on it in which pose, and what it is worth.

#include <cstdint>

#include "game/state/game_state.h"

constexpr int kSubjectRadius = 90;      // without zoom
constexpr int kZoomSubjectRadius = 45;  // with zoom
constexpr int kCentreBonusRadius = 20;
constexpr int kCentreBonus = 20;

// Two rolls with the camera's odds (1 in 2, 3 or 4), each adding 1 when it comes up 1.
int rollBlurCount(int camera);

struct PhotoGrade {
    int32_t blurLevel = 0;
    int32_t withFlash = 0;
    int32_t daytime = 0;
    int32_t withTele = 0;
    int32_t subject = 0;
    int32_t subjectPose = 0;
    int32_t value = 0;
};

// The grade of a photo whose viewfinder centre is (cx, cy) in panorama coordinates.
PhotoGrade gradePhoto(const BeachVisitors& v, int cx, int cy, bool zoom, bool flash, int hour,
                      int blurCount);
// Writes a grade into the slot's columns.
void storeGrade(PhotoRecords& records, int slot, const PhotoGrade& grade);
