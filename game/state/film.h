#pragma once
// The rules of the film after the beach: the series walk over the 30 photo records, the worth
// of the film with its series bonus, the photo order check, the transfer into the outbox, and
// the computer's sending with its report. Nothing here draws.

#include <cstdint>

#include "game/state/game_state.h"

constexpr int kMaxSeries = 16;
constexpr int kMinSeriesLength = 3;

// Album working data, rebuilt every album frame.
struct SeriesWalk {
    int seriesLength[kMaxSeries] = {};
    int seriesStart[kMaxSeries] = {};
    int seriesCount = 0;
    int seriesOf[kPhotoSlots] = {};  // -1: in no series
};

// Runs of one subject in successive poses (each pose one more than the slot before), three or
// more long, over all 30 records whether used or not and across camera rows; at most 16.
SeriesWalk findSeries(const PhotoRecords& records);

struct FilmWorth {
    int32_t count = 0;  // used slots
    int32_t total = 0;  // their values, a photo in a series of length L counted L + 1 times
    bool anySeries = false;
};
FilmWorth filmWorth(const GameState& s, const SeriesWalk& series);

// The open order (0..49), or -1 when none is open.
int openOrder(const GameState& s);
// The open order is fulfilled by the used photos: at least its count show its subject.
bool orderFulfilled(const GameState& s);

// "Fotos transferieren": the used photos and their worth go to the outbox and the film is
// empty again; a fulfilled order pays its bonus into the outbox and closes.
void transferFilm(GameState& s);

// "Fotos versenden": the outbox is credited to the account and reported in the next frame.
void sendOutbox(GameState& s);
// Report lines 1 and 2 from the game's formats, lines 3 to 6 a single blank.
void buildReport(GameState& s, int32_t photos, int32_t euro);

// The days-left format of the news screen: the singular for exactly one day.
const char* daysLeftFormat(int32_t days);

// Sums in Euro that stop at the ends of the 32-bit range instead of wrapping.
int32_t addEuro(int32_t a, int64_t b);
