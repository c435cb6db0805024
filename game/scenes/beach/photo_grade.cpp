#include "game/scenes/beach/photo_grade.h"

#include <algorithm>
#include <cstdlib>

#include "game/scenes/beach/visitor_types.h"
#include "game/scenes/beach/visitors.h"
#include "game/state/random.h"

int rollBlurCount(int camera) {
    const int odds = camera == 0 ? 2 : camera == 1 ? 3 : 4;
    int count = 0;
    for (int roll = 0; roll < 2; ++roll) {
        if (gameRand() % odds == 1) ++count;
    }
    return count;
}

PhotoGrade gradePhoto(const BeachVisitors& v, int cx, int cy, bool zoom, bool flash, int hour,
                      int blurCount) {
    PhotoGrade g;
    g.blurLevel = blurCount;
    g.withFlash = flash ? 1 : 0;
    g.daytime = isDaytime(hour) ? 1 : 0;
    g.withTele = zoom ? 1 : 0;
    const int64_t r = zoom ? kZoomSubjectRadius : kSubjectRadius;
    // In 64 bits: a record from a file may hold any pose.
    int64_t value = 0;
    for (int i = 0; i < kVisitorSlots; ++i) {
        if (v.life[i] <= 0) continue;
        const int64_t dx = std::llabs(static_cast<int64_t>(v.x[i]) - cx);
        const int64_t dy = std::llabs(static_cast<int64_t>(v.y[i]) - cy);
        if (dx >= r || dy >= r) continue;
        g.subject = v.typeId[i];
        g.subjectPose = v.pose[i];
        const int base = visitorType(v.typeId[i]).baseValue;
        if (base > 0) {
            value += ((base + 5) * static_cast<int64_t>(v.pose[i]) + 20) * (g.withTele + 1);
            if (dx < kCentreBonusRadius && dy < kCentreBonusRadius) value += kCentreBonus;
        }
    }
    value /= blurCount + 1;
    g.value = static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
    return g;
}

void storeGrade(PhotoRecords& records, int slot, const PhotoGrade& grade) {
    if (slot < 0 || slot >= kPhotoSlots) return;
    records.blurLevel[slot] = grade.blurLevel;
    records.withFlash[slot] = grade.withFlash;
    records.daytime[slot] = grade.daytime;
    records.withTele[slot] = grade.withTele;
    records.subject[slot] = grade.subject;
    records.subjectPose[slot] = grade.subjectPose;
    records.value[slot] = grade.value;
}
