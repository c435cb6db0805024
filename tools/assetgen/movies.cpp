// The movies: short animated title cards with a jingle, MPEG-4 pictures and PCM sound in AVI.

#include <cmath>
#include <future>
#include <string>
#include <vector>

#include "engine/video/movie_writer.h"
#include "game/asset_table.h"
#include "tools/assetgen/location.h"
#include "tools/assetgen/movies.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/parts.h"
#include "tools/assetgen/scene.h"
#include "tools/assetgen/synth.h"
#include "tools/assetgen/words.h"

namespace gen {

namespace {

constexpr int kWidth = 320, kHeight = 240, kFps = 10;

enum class Effect { Zoom, Slide, Flash, Progress, Siren, Hearts, Confetti, Sparkle };

// A text of a card in both languages.
struct Words {
    const char* german;
    const char* english;
    const char* Said() const { return Say(german, english); }
};

struct Card {
    const char* file;
    int background;  // location picture, 0 for a plain gradient
    Words title;
    Words line;
    Rgb colour;
    Effect effect;
    double seconds;
    int root;  // key of the jingle
    bool minor;
};

// One card a line: movie, background, title, line (German, English), colour, effect, length,
// key of the jingle, minor key.
// clang-format off
const Card kCards[] = {
    {assets::kMovieIntro, 0, {"RAVEZ", "RAVEZ"}, {"LENSQUEST", "LENSQUEST"},
     Hex(0xFFD23A), Effect::Zoom, 5, 60, false},
    {assets::kMovieNewGame, assets::kPicMap, {"SOMMER 2000", "SUMMER 2000"},
     {"Auf nach Ravez!", "Off to Ravez!"}, Hex(0xFFFFFF), Effect::Slide, 4, 62, false},
    {assets::kMovieGameOver, 0, {"GAME OVER", "GAME OVER"}, {"Pleite / Broke", "You are broke"},
     Hex(0xE8302C), Effect::Slide, 4, 57, true},
    {assets::kMovieWon, assets::kPicGate[2], {"GEWONNEN!", "YOU WON!"},
     {"150000 Euro", "150000 Euro"}, Hex(0xFFD23A), Effect::Confetti, 5, 64, false},
    {assets::kMovieShopLaura, assets::kPicShop, {"LAURA", "LAURA"}, {"Hallo!", "Hello!"},
     Hex(0xF25C9A), Effect::Hearts, 3, 65, false},
    {assets::kMovieHomeLaura, assets::kPicApartment, {"LAURA", "LAURA"}, {"zu Hause", "at home"},
     Hex(0xF25C9A), Effect::Hearts, 3, 63, false},
    {assets::kMovieTvLogo, 0, {"RAVEZ TV", "RAVEZ TV"}, {"", ""},
     Hex(0x9ED9F5), Effect::Zoom, 2, 67, false},
    {assets::kMovieTv, 0, {"NEWS", "NEWS"}, {"Hitze auf Ravez", "Heatwave on Ravez"},
     Hex(0xFFFFFF), Effect::Slide, 3, 62, false},
    {assets::kMovieScan, assets::kPicAlbum, {"SCANNE...", "SCANNING..."}, {"", ""},
     Hex(0x40FF80), Effect::Progress, 3, 69, false},
    {assets::kMovieSend, assets::kPicComputer, {"SENDE...", "SENDING..."}, {"", ""},
     Hex(0x40FF80), Effect::Progress, 3, 72, false},
    {assets::kMovieLifeguard, 0, {"BADEMEISTER!", "LIFEGUARD!"}, {"Pfiff!", "Whistle!"},
     Hex(0xE8302C), Effect::Siren, 3, 60, true},
    {assets::kMovieHospitalBed, assets::kPicHospitalInside, {"KRANKENHAUS", "HOSPITAL"},
     {"Gute Besserung", "Get well soon"}, Hex(0xFFFFFF), Effect::Slide, 3, 55, true},
    {assets::kMovieBodyguard, 0, {"BODYGUARD!", "BODYGUARD!"}, {"Keine Fotos!", "No photos!"},
     Hex(0xFFD23A), Effect::Flash, 3, 52, true},
    {assets::kMovieBeachPolice, 0, {"POLIZEI!", "POLICE!"}, {"Mitkommen!", "Come with us!"},
     Hex(0x6AA0FF), Effect::Siren, 3, 53, true},
    {assets::kMovieHotelArrest, assets::kPicHotelNight[0], {"VERHAFTET!", "ARRESTED!"},
     {"Zu lange im Hotel", "Stayed too long"}, Hex(0x6AA0FF), Effect::Siren, 3, 54, true},
    {assets::kMovieDonation, assets::kPicPoliceOffice, {"SPENDE", "DONATION"},
     {"Danke sehr", "Thank you"}, Hex(0xFFD23A), Effect::Confetti, 3, 62, false},
};
// clang-format on

std::string PathOf(const char* gameName) {
    std::string s = gameName;
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

// What every frame of a card starts from: its background scaled to the movie once (a card
// without one starts black and draws its rays per frame).
Canvas Backdrop(const Card& card) {
    Canvas base(kWidth, kHeight, Hex(0), 255);
    if (card.background)
        base.DrawScaled(LocationBackground(card.background), 0, 0, kWidth, kHeight);
    return base;
}

// Frame at t seconds; `frame` holds the card's backdrop.
void DrawCard(Canvas& frame, const Card& card, double t, double seconds, int secret) {
    const double p = t / seconds;
    if (!card.background) {
        frame.VGradient(0, 0, kWidth, kHeight, Darker(card.colour, 0.75f),
                        Darker(card.colour, 0.9f));
        for (int k = 0; k < 12; ++k) {
            const float a = static_cast<float>(k) * 0.5236f + static_cast<float>(t) * 0.4f;
            frame.Polygon({{160, 120},
                           {160 + 400 * std::cos(a), 120 + 400 * std::sin(a)},
                           {160 + 400 * std::cos(a + 0.2f), 120 + 400 * std::sin(a + 0.2f)}},
                          Darker(card.colour, 0.6f), 120);
        }
    }
    frame.FillRect(0, 0, kWidth, 26, Hex(0x000000));
    frame.FillRect(0, kHeight - 26, kWidth, 26, Hex(0x000000));
    const float ft = static_cast<float>(t);
    switch (card.effect) {
        case Effect::Siren:
            frame.Glow(40, 40, 90, (static_cast<int>(t * 6) % 2) ? Hex(0xFF2020) : Hex(0x2040FF),
                       200);
            frame.Glow(280, 40, 90, (static_cast<int>(t * 6) % 2) ? Hex(0x2040FF) : Hex(0xFF2020),
                       200);
            break;
        case Effect::Hearts:
            for (int k = 0; k < 8; ++k) {
                const float x = 20.0f + static_cast<float>(k * 40),
                            y = 240 - std::fmod(ft * 50 + static_cast<float>(k * 37), 260.0f);
                frame.Ellipse(x - 5, y, 7, 7, Hex(0xF25C9A));
                frame.Ellipse(x + 5, y, 7, 7, Hex(0xF25C9A));
                frame.Polygon({{x - 12, y + 2}, {x + 12, y + 2}, {x, y + 16}}, Hex(0xF25C9A));
            }
            break;
        case Effect::Confetti:
            for (int k = 0; k < 60; ++k) {
                const float x = static_cast<float>(Hash(k, 1, 3) % 320u);
                const float y =
                    std::fmod(static_cast<float>(Hash(k, 2, 3) % 240u) + ft * 70, 240.0f);
                const Rgb cols[] = {Hex(0xFFD23A), Hex(0xE8302C), Hex(0x2F7FD0), Hex(0x2FA35A)};
                frame.FillRect(static_cast<int>(x), static_cast<int>(y), 4, 3, cols[k % 4]);
            }
            break;
        case Effect::Sparkle:
            for (int k = 0; k < 12; ++k) {
                const float x = static_cast<float>(Hash(k, 5, 7) % 300u) + 10,
                            y = static_cast<float>(Hash(k, 6, 7) % 200u) + 20;
                const float s = 6 * std::fabs(std::sin(ft * 3 + static_cast<float>(k)));
                frame.Line(x - s, y, x + s, y, 1.5f, Hex(0xFFF2A0));
                frame.Line(x, y - s, x, y + s, 1.5f, Hex(0xFFF2A0));
            }
            break;
        case Effect::Progress:
            frame.RoundRect(60, 170, 200, 16, 4, Hex(0x202020));
            frame.RoundRect(62, 172, static_cast<float>(196 * std::min(1.0, p * 1.2)), 12, 3,
                            card.colour);
            break;
        default:
            break;
    }
    // Title: zooms or slides in, in the game font scaled up.
    int scale = 4;
    std::string title = card.title.Said();
    if (secret) title = "SECRET #" + std::to_string(secret);
    while (Canvas::TextWidth(title, scale) > 300 && scale > 2) --scale;
    int y = 70;
    int x = 160;
    if (card.effect == Effect::Zoom)
        scale = std::max(1, std::min(scale + 1, static_cast<int>(1 + p * 8)));
    while (Canvas::TextWidth(title, scale) > 310 && scale > 1) --scale;
    if (card.effect == Effect::Slide) x = 160 + static_cast<int>(std::max(0.0, 1 - p * 3) * 320);
    if (card.effect == Effect::Flash && static_cast<int>(t * 8) % 4 == 0)
        frame.FillRect(0, 0, kWidth, kHeight, Hex(0xFFFFFF), 200);
    frame.TextOutlinedCentered(x, y, title, scale, card.colour, Hex(0x000000));
    std::string line = card.line.Said();
    if (!line.empty() && p > 0.3)
        frame.TextOutlinedCentered(160, 130, line, 2, Hex(0xFFFFFF), Hex(0x000000));
    if (card.effect == Effect::Zoom && p > 0.85)
        frame.FillRect(0, 0, kWidth, kHeight, Hex(0xFFFFFF),
                       static_cast<int>((p - 0.85) / 0.15 * 255));
}

Samples Jingle(const Card& card, uint32_t seed) {
    Samples s(static_cast<size_t>(card.seconds * kSampleRate));
    Rng rng(seed);
    const int major[] = {0, 4, 7, 12, 7, 4}, minor[] = {0, 3, 7, 12, 10, 7};
    const int* steps = card.minor ? minor : major;
    const double beat = 0.2;
    const int notes = static_cast<int>(card.seconds / beat) - 3;
    for (int k = 0; k < notes; ++k)
        AddNote(s, card.minor ? Voice::Organ : Voice::Marimba,
                card.root + 12 + steps[(k + rng.Int(0, 1)) % 6], k * beat, beat, 0.25f, false);
    for (int k = 0; k < notes; k += 4)
        AddNote(s, Voice::Bass, card.root - 12, k * beat, 4 * beat, 0.3f, false);
    AddNote(s, Voice::Pad, card.root, notes * beat, 3 * beat, 0.3f, false);
    AddNote(s, Voice::Pad, card.root + (card.minor ? 3 : 4), notes * beat, 3 * beat, 0.25f, false);
    for (float& v : s) v *= 0.8f;
    return s;
}

using Frames = std::vector<std::vector<uint16_t>>;

// Every frame of a card, as RGB565 pictures.
Frames DrawFrames(const Card& card, int secret, const Canvas& backdrop) {
    const int count = static_cast<int>(card.seconds * kFps);
    Frames frames;
    frames.reserve(static_cast<size_t>(count));
    for (int f = 0; f < count; ++f) {
        Canvas frame = backdrop;
        DrawCard(frame, card, static_cast<double>(f) / kFps, card.seconds, secret);
        frames.push_back(frame.To565());
    }
    return frames;
}

// A movie's frames in German and, when they asked for words that differ, in English (empty
// otherwise).
struct DrawnMovie {
    Frames german, english;
};

DrawnMovie DrawMovie(const Card& card, int secret) {
    DrawnMovie movie;
    bool translated = false, backdropTranslated = false;
    Canvas backdrop;
    {
        const LanguagePass german(Language::German);
        const WordWatch watch;
        backdrop = Backdrop(card);
        backdropTranslated = watch.SawTranslatedWords();
        movie.german = DrawFrames(card, secret, backdrop);
        translated = watch.SawTranslatedWords();
    }
    if (translated) {
        const LanguagePass english(Language::English);
        if (backdropTranslated) backdrop = Backdrop(card);
        movie.english = DrawFrames(card, secret, backdrop);
    }
    return movie;
}

// The movie `file` written to `target` (the file itself or its English counterpart); the
// jingle depends on the movie's name only.
bool EncodeMovie(const Output& out, const std::string& file, const std::string& target,
                 const Card& card, int secret, const Frames& frames) {
    std::string path = out.Path(target).string();
    MovieWriter writer;
    MovieLayout layout;
    layout.width = kWidth;
    layout.height = kHeight;
    layout.framesPerSecond = kFps;
    layout.audioRate = kSampleRate;
    layout.audioChannels = 2;
    if (!writer.Open(path.c_str(), layout)) return false;
    const std::vector<int16_t> pcm = ToPcm(
        Jingle(card, static_cast<uint32_t>(file.size() * 31 + static_cast<size_t>(secret))), 2);
    const int perFrame = kSampleRate / kFps;
    bool ok = true;
    for (size_t f = 0; f < frames.size() && ok; ++f) {
        ok = writer.AddFrame565(frames[f].data(), kWidth) == 1;
        ok = ok && writer.AddAudio(pcm.data() + f * perFrame * 2, perFrame) == 1;
    }
    return writer.Close() == 1 && ok;
}

Card SecretCard(int k, bool redeem) {
    static const int kSecretScenes[7] = {assets::kPicRoomDay[0],    assets::kPicLobbyNight[1],
                                         assets::kPicHotelNight[2], assets::kPicGate[1],
                                         assets::kPicGate[3],       assets::kPicPoliceNight,
                                         assets::kPicHospitalNight};
    if (redeem)
        return Card{assets::kMovieSecretRedeem[k],
                    0,
                    {"", ""},
                    {"Eingeloest!", "Redeemed!"},
                    Hex(0xFFD23A),
                    Effect::Confetti,
                    2,
                    64 + k,
                    false};
    return Card{assets::kMovieSecret[k],
                kSecretScenes[k],
                {"", ""},
                {"Gefunden!", "Found!"},
                Hex(0xFFF2A0),
                Effect::Sparkle,
                3,
                64 + k,
                false};
}

}  // namespace

int MovieCount() {
    return static_cast<int>(std::size(kCards)) + 14;
}

std::string MovieName(int k) {
    const int n = static_cast<int>(std::size(kCards));
    return PathOf(k < n ? kCards[k].file : SecretCard((k - n) / 2, (k - n) % 2).file);
}

Canvas MovieStill(int k, double t) {
    const int n = static_cast<int>(std::size(kCards));
    const Card card = k < n ? kCards[k] : SecretCard((k - n) / 2, (k - n) % 2);
    Canvas frame = Backdrop(card);
    DrawCard(frame, card, t, card.seconds, k < n ? 0 : (k - n) / 2 + 1);
    return frame;
}

bool WriteMovies(const Output& out) {
    out.MakeFolder("movies");
    out.MakeFolder(EnglishPath("movies"));
    struct Job {
        std::string file;
        Card card;
        int secret;
    };
    std::vector<Job> jobs;
    for (const Card& card : kCards) jobs.push_back({PathOf(card.file), card, 0});
    for (int k = 0; k < 7; ++k) {
        jobs.push_back({PathOf(assets::kMovieSecret[k]), SecretCard(k, false), k + 1});
        jobs.push_back({PathOf(assets::kMovieSecretRedeem[k]), SecretCard(k, true), k + 1});
    }
    // The frames of the next movie are drawn on a thread of their own while this one (which
    // owns the file manager the movie writer uses) encodes the last.
    auto draw = [&jobs](size_t k) {
        return std::async(std::launch::async,
                          [&jobs, k] { return DrawMovie(jobs[k].card, jobs[k].secret); });
    };
    bool ok = true;
    std::future<DrawnMovie> next = draw(0);
    for (size_t k = 0; k < jobs.size(); ++k) {
        const DrawnMovie movie = next.get();
        if (k + 1 < jobs.size()) next = draw(k + 1);
        const Job& job = jobs[k];
        ok = EncodeMovie(out, job.file, job.file, job.card, job.secret, movie.german) && ok;
        if (movie.english.empty()) {
            out.DropEnglish(job.file);
        } else {
            ok = EncodeMovie(out, job.file, EnglishPath(job.file), job.card, job.secret,
                             movie.english) &&
                 out.KeepEnglishIfDifferent(job.file) && ok;
        }
    }
    return ok;
}

}  // namespace gen
