#include "game/state/film.h"

#include <cstdio>
#include <cstring>

#include "texts/texts.h"

namespace {

void judgeRun(SeriesWalk& walk, int start, int length) {
    if (length < kMinSeriesLength || walk.seriesCount >= kMaxSeries) return;
    walk.seriesStart[walk.seriesCount] = start;
    walk.seriesLength[walk.seriesCount] = length;
    ++walk.seriesCount;
}

}  // namespace

int32_t addEuro(int32_t a, int64_t b) {
    const int64_t sum = static_cast<int64_t>(a) + b;
    if (sum > INT32_MAX) return INT32_MAX;
    if (sum < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(sum);
}

SeriesWalk findSeries(const PhotoRecords& records) {
    SeriesWalk walk;
    for (int& of : walk.seriesOf) of = -1;
    int subject = records.subject[0];
    int start = 0;
    int length = 1;
    for (int i = 1; i < kPhotoSlots; ++i) {
        if (records.subject[i] == subject) {
            // Compared in 64 bits: a pose from a spoilt file must not overflow.
            if (int64_t{records.subjectPose[i]} == int64_t{records.subjectPose[i - 1]} + 1) {
                ++length;
                continue;
            }
        } else {
            subject = records.subject[i];
        }
        judgeRun(walk, start, length);
        start = i;
        length = 1;
    }
    judgeRun(walk, start, length);
    for (int k = 0; k < walk.seriesCount; ++k) {
        for (int i = walk.seriesStart[k]; i < walk.seriesStart[k] + walk.seriesLength[k]; ++i) {
            walk.seriesOf[i] = k;
        }
    }
    return walk;
}

FilmWorth filmWorth(const GameState& s, const SeriesWalk& series) {
    FilmWorth worth;
    int64_t total = 0;
    for (int i = 0; i < kPhotoSlots; ++i) {
        if (!s.photoUsed[i]) continue;
        ++worth.count;
        const int64_t value = s.photoRecords.value[i];
        total += value;
        const int k = series.seriesOf[i];
        if (k >= 0) total += value * series.seriesLength[k];
    }
    worth.total = addEuro(0, total);
    worth.anySeries = series.seriesCount > 0;
    return worth;
}

int openOrder(const GameState& s) {
    return s.currentOrder;
}

bool orderFulfilled(const GameState& s) {
    const int order = openOrder(s);
    if (order < 0) return false;
    int fitting = 0;
    for (int i = 0; i < kPhotoSlots; ++i) {
        if (s.photoUsed[i] && s.photoRecords.subject[i] == s.orderSubject[order]) ++fitting;
    }
    return fitting >= s.orderCount[order];
}

void transferFilm(GameState& s) {
    const FilmWorth worth = filmWorth(s, findSeries(s.photoRecords));
    const bool fulfilled = orderFulfilled(s);
    for (int i = 0; i < kPhotoSlots; ++i) {
        if (!s.photoUsed[i]) continue;
        s.photosToSend = addEuro(s.photosToSend, 1);
        s.photoUsed[i] = 0;
    }
    s.euroToSend = addEuro(s.euroToSend, worth.total);
    for (int32_t& shots : s.shotsTaken) shots = 0;
    if (fulfilled) {
        s.euroToSend = addEuro(s.euroToSend, s.orderBonus[s.currentOrder]);
        s.currentOrder = -1;
        s.orderDaysLeft = 0;
    }
}

void buildReport(GameState& s, int32_t photos, int32_t euro) {
    std::memset(s.reportLines, 0, sizeof s.reportLines);
    std::snprintf(s.reportLines[0], kReportLineBytes, txt::kPhotosSent, photos);
    std::snprintf(s.reportLines[1], kReportLineBytes, txt::kEuroTransferred, euro);
    for (int k = 2; k < kReportLines; ++k) std::strcpy(s.reportLines[k], " ");
}

void sendOutbox(GameState& s) {
    buildReport(s, s.photosToSend, s.euroToSend);
    s.reportPending = 1;
    s.money = addEuro(s.money, s.euroToSend);
    s.photosToSend = 0;
    s.euroToSend = 0;
}

const char* daysLeftFormat(int32_t days) {
    return days == 1 ? txt::kDayLeft : txt::kDaysLeft;
}
