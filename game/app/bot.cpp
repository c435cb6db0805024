#include "game/app/bot.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/platform/headless_display.h"
#include "engine/platform/terminal.h"
#include "engine/platform/window_messages.h"
#include "game/scenes/beach/spawn_zones.h"
#include "game/scenes/beach/visitor_types.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/state/town_rules.h"
#include "game/ui/hotspots.h"
#include "texts/texts.h"

namespace {

// Scenes whose frame may change the money: buying, renting, tips, bills, fees, donations,
// sending photos, secrets, the beach's incidents, a new or a loaded game.
bool changesMoney(int scene) {
    switch (scene) {
        case kSceneMenu:
        case kSceneHotel1Lobby:
        case kSceneHotel2Lobby:
        case kSceneHotel3Lobby:
        case kSceneHotel1Reception:
        case kScenePorter:
        case kSceneComputer:
        case kSceneNews:
        case kSceneHotel1Outside:
        case kSceneHospitalOutside:
        case kScenePoliceOutside:
        case kSceneHospitalInside:
        case kSceneTownStreet:
        case kSceneLoadGame:
        case kScenePoliceInside:
        case kScenePoliceOfficer:
        case kSceneApartment:
        case kSceneCameraCounter:
        case kSceneCamouflageCounter:
        case kSceneHospitalCashier:
        case kSceneGateBeach2:
        case kSceneGateBeach4:
        case kSceneGateBeach7:
        case kSceneGateBeach8:
        case kSceneHotel2Outside:
        case kSceneHotel3Outside:
        case kSceneHotel2Reception:
        case kSceneHotel3Reception:
            return true;
        default:
            return isBeachScene(scene);
    }
}

// Captions that cost money.
bool spends(const std::string& caption) {
    for (const auto& row : txt::kEquipmentCaptions)
        for (const char* c : row)
            if (caption == c) return true;
    for (const char* c : txt::kCamouflageCaptions)
        if (caption == c) return true;
    return caption == txt::kMoreTip;
}

// Captions a player seldom needs: loading a game throws the day's progress away.
bool seldom(const std::string& caption) {
    return caption == txt::kLoadRow;
}

// Captions the bot leaves alone: they end the game or leave it for the title screen, and a
// bot that is to play whole days would stop there.
bool avoided(const std::string& caption) {
    return caption == txt::kQuitGame || caption == txt::kToStartScreen;
}

}  // namespace

namespace {

// The seed scrambled, so that seeds close together do not give overlapping runs of numbers.
uint64_t scrambled(uint64_t seed) {
    uint64_t z = seed ^ 0x6A09E667F3BCC909ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

Bot::Bot(int days, uint64_t seed) : daysWanted_(days), rng_(scrambled(seed)) {}

uint64_t Bot::next() {
    // splitmix64: the bot's own numbers, apart from the game's generator.
    uint64_t z = (rng_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int Bot::below(int n) {
    return n <= 0 ? 0 : static_cast<int>(next() % static_cast<uint64_t>(n));
}

std::string Bot::brokenRule() {
    const GameState& s = gameState();
    if (s.sceneId != kSceneQuit && !sceneAvailable(s.sceneId))
        return "scene " + std::to_string(s.sceneId) + " does not exist";
    if (s.money == 0 && s.day == 0) return {};  // no game yet: the menu of a fresh start
    if (s.month < 0 || s.month > 11 || s.day < 1 || s.day > 30)
        return "date out of range: day " + std::to_string(s.day) + " month " +
               std::to_string(s.month);
    if (s.hour < 0 || s.hour > 23 || s.minute < 0 || s.minute > 59 || s.second < 0 || s.second > 59)
        return "clock out of range: " + std::to_string(s.hour) + ":" + std::to_string(s.minute) +
               ":" + std::to_string(s.second);
    for (int camera = 0; camera < 3; ++camera) {
        const int shots = s.shotsTaken[camera];
        if (shots < 0 || shots > 10)
            return "camera " + std::to_string(camera) + " has taken " + std::to_string(shots) +
                   " shots";
        for (int i = 0; i < 10; ++i) {
            const int used = s.photoUsed[camera * 10 + i];
            if (used != (i < shots ? 1 : 0))
                return "photo slot " + std::to_string(camera * 10 + i) + " is " +
                       (used ? "used" : "free") + " with " + std::to_string(shots) +
                       " shots on its camera";
        }
    }
    if (isBeachScene(s.sceneId) && s.beachLoaded) {
        for (int i = 0; i < kVisitorSlots; ++i) {
            if (s.visitors.typeId[i] == 0) continue;
            if (!insideSpawnZone(s.currentBeach, s.visitors.x[i], s.visitors.y[i]))
                return "visitor " + std::to_string(i) + " stands at " +
                       std::to_string(s.visitors.x[i]) + "," + std::to_string(s.visitors.y[i]) +
                       " outside the zones of beach " + std::to_string(s.currentBeach + 1);
        }
    }
    const bool dayChanged = s.day != prevDay_ || s.month != prevMonth_;
    if (havePrevious_ && s.money != prevMoney_ && !changesMoney(prevScene_) && !dayChanged)
        return "money changed from " + std::to_string(prevMoney_) + " to " +
               std::to_string(s.money) + " in scene " + std::to_string(prevScene_);
    return {};
}

void Bot::clickAt(int x, int y) {
    input_->moveMouse(x, y);
    input_->pressButton(0);
    input_->releaseButton(0);
    idleTurn_ = true;  // the next turn leaves the button up
}

void Bot::stop() {
    stopping_ = true;
    input_->pressKey(platform::kVkEscape);
    input_->releaseKey(platform::kVkEscape);
}

bool Bot::clickCaption(const std::vector<DrawnHotspot>& spots, const char* caption) {
    for (const DrawnHotspot& h : spots) {
        if (h.caption != caption) continue;
        ++clicks_[{gameState().sceneId, h.caption}];
        clickAt(h.x + h.width / 2, h.y + h.height / 2);
        return true;
    }
    return false;
}

int Bot::chooseTarget(const GameState& s) {
    if (target_ >= 0 && s.visitors.typeId[target_] == targetType_ && s.visitors.life[target_] > 0)
        return target_;
    // Worth most: a high base value, and a visitor still changing poses (a series of its poses
    // multiplies the film's worth); the nearer to the view's centre the better.
    // The viewfinder's centre stays within y 90..270, and a visitor counts within the radius
    // (45 with the zoom, else 90) of it.
    const int reach = s.zoomOn ? 40 : 85;
    int best = -1;
    long bestScore = 0;
    for (int i = 0; i < kVisitorSlots; ++i) {
        const int type = s.visitors.typeId[i];
        if (type == 0 || s.visitors.life[i] <= 0 || doneSlots_.count(i)) continue;
        if (s.visitors.y[i] < 90 - reach || s.visitors.y[i] > 270 + reach) continue;
        const int worth = visitorType(type).baseValue;
        if (worth <= 0) continue;
        const bool posing = s.visitors.animated[i] && s.visitors.posesLeft[i] > 0;
        const int distance = std::abs(s.visitors.x[i] - s.scrollX - 320);
        // The subject of the photo order running is worth the most.
        const bool ordered =
            s.currentOrder >= 0 && s.currentOrder < 50 && type == s.orderSubject[s.currentOrder];
        const long score = (worth + 2L) * (posing ? 6 : 1) * (ordered ? 20 : 1) * 1000 - distance;
        if (best < 0 || score > bestScore) {
            best = i;
            bestScore = score;
        }
    }
    target_ = best;
    targetType_ = best >= 0 ? s.visitors.typeId[best] : 0;
    lastShotPose_ = -1;
    return best;
}

bool Bot::leavingBeach(const GameState& s) const {
    // When the film is full or another errand calls, and on a careful visit before the second
    // hour change, after which the beach's dangers begin (the first may come on arrival).
    const bool done = errand_.kind != Errand::Beach && errand_.kind != Errand::None;
    const int hoursAllowed = carefulVisit_ ? 1 : 4;
    const bool risky = s.hoursOnBeach >= hoursAllowed && s.minute >= 45;
    return isBeachScene(s.sceneId) && (done || risky);
}

void Bot::actOnBeach(const GameState& s, const std::vector<DrawnHotspot>& spots) {
    const int c = s.selectedCamera;
    const bool inHand = c >= 0 && c < 3 && s.camera[c];
    if (!inHand || s.shotsTaken[c] >= 10) {
        for (int other = 0; other < 3; ++other) {
            if (s.camera[other] && s.shotsTaken[other] < 10 &&
                clickCaption(spots, txt::kCameraNames[other]))
                return;
        }
    }
    if (inHand && s.lens[c] && !s.zoomOn && chance(80) && clickCaption(spots, txt::kZoom)) return;
    if (chance(2)) {
        // A look around, or now and then a snapshot of whatever is there.
        if (chance(30)) {
            clickAt(20 + below(600), 20 + below(330));
        } else {
            input_->moveMouse(below(640), below(360));
            waitTurns_ = below(30);
        }
        return;
    }
    const int i = chooseTarget(s);
    if (i < 0) {
        // Nobody worth a photo: look along the beach.
        holdX_ = chance(50) ? 0 : 639;
        waitTurns_ = 5 + below(40);
        input_->moveMouse(holdX_, 100 + below(200));
        return;
    }
    const int x = s.visitors.x[i] - s.scrollX;
    const int y = s.visitors.y[i];
    // The viewfinder (320 × 180) stays inside the view: its centre can be put on the visitor
    // only within these bounds.
    if (x < 160 || x > 480) {
        holdX_ = x < 160 ? 0 : 639;
        waitTurns_ = 1 + below(4);
        input_->moveMouse(holdX_, 100 + below(200));
        return;
    }
    const int aimY = std::clamp(y, 90, 270);
    const int pose = s.visitors.pose[i];
    // A visitor about to leave or change its pose would be gone from the photo.
    const bool fading = s.visitors.life[i] < 400;
    if (pose == lastShotPose_ || s.shutterLock > 0 || fading) {
        input_->moveMouse(x, aimY);
        return;
    }
    clickAt(x, aimY);
    lastShotPose_ = pose;
    if (!s.visitors.animated[i] || s.visitors.posesLeft[i] <= 0) {
        doneSlots_.insert(i);
        target_ = -1;
    }
}

void Bot::updateErrand(const GameState& s) {
    const bool onBeach = isBeachScene(s.sceneId);
    if (onBeach != wasOnBeach_) {
        // A new visit, or its end: the visitors of the last one are gone.
        target_ = -1;
        doneSlots_.clear();
        if (!onBeach) tripBeach_ = -1;
        wasOnBeach_ = onBeach;
    }
    errand_ = nextErrand(s, scenesSeen_);
    // Between photo trips, now and then a look at a place not seen yet (given up after a
    // while: a shop may be closed, a door only open by day).
    if (lookAt_ >= 0 && (scenesSeen_.count(lookAt_) || turns_ > lookUntil_)) lookAt_ = -1;
    if (errand_.kind == Errand::Beach && tripBeach_ < 0 && !onBeach && lookAt_ < 0 && chance(20)) {
        lookAt_ = placeToLook(s, scenesSeen_, below(100));
        lookUntil_ = turns_ + 3000;
    }
    if (lookAt_ >= 0 && (errand_.kind == Errand::Beach || errand_.kind == Errand::None)) {
        errand_ = {Errand::Look, lookAt_, 0};
        return;
    }
    if (errand_.kind == Errand::Beach) {
        if (tripBeach_ < 0) {
            tripBeach_ = tripBeach(s, below(100));
            // The hospital and the police are seen only after an accident or an arrest on a
            // beach: early on, with little money, the bill is small and a risk worth taking.
            const bool incidentsSeen =
                scenesSeen_.count(kSceneHospitalCashier) && scenesSeen_.count(kScenePoliceOfficer);
            carefulVisit_ = incidentsSeen || chance(70);
        }
        errand_.a = tripBeach_;
    }
}

void Bot::act() {
    const GameState& s = gameState();
    const std::vector<DrawnHotspot>& spots = lastFrameHotspots();
    if (leavingBeach(s)) waitTurns_ = 0;
    if (waitTurns_ > 0) {
        --waitTurns_;
        if (holdX_ >= 0) input_->moveMouse(holdX_, 100 + below(200));
        return;
    }
    holdX_ = -1;
    if (leavingBeach(s) && clickCaption(spots, txt::kLeaveBeach)) return;
    // Now and then nothing for a while: the clock runs, visitors come and go.
    if (chance(3)) {
        waitTurns_ = 1 + below(200);
        input_->moveMouse(below(640), below(480));
        return;
    }
    if (spots.empty()) {
        // A movie (or a frame without anything to click): watch, or skip it.
        if (chance(10)) {
            input_->pressKey(chance(50) ? platform::kVkSpace : platform::kVkReturn);
            input_->releaseKey(chance(50) ? platform::kVkSpace : platform::kVkReturn);
        }
        return;
    }
    // A beach is where the game is played: the bot stays for hours (visitors, photos and the
    // beach's dangers come with time) before its buttons get their turn.
    if (isBeachScene(s.sceneId) && chance(97)) {
        actOnBeach(s, spots);
        return;
    }
    // A careful visit starts early in an hour: the beach turns dangerous at the second hour
    // change of a visit, and the first comes at once unless the last visit was in this hour.
    if (s.sceneId == kSceneMap && errand_.kind == Errand::Beach && carefulVisit_ &&
        s.minute >= 40 && s.hour != s.lastBeachHour) {
        waitTurns_ = 5;
        return;
    }
    // Every spot may be chosen; those clicked less often in this scene are chosen more often, so
    // the bot finds its way to every place instead of walking the same paths.
    std::vector<const DrawnHotspot*> choices;
    std::vector<uint64_t> weights;
    uint64_t total = 0;
    // Mostly the errand's way, now and then a look around.
    const std::vector<const char*> wanted =
        chance(85) ? errandCaptions(s, errand_) : std::vector<const char*>();
    for (const DrawnHotspot& h : spots) {
        if (avoided(h.caption)) continue;
        uint64_t weight = 1000 / (1 + clicks_[{s.sceneId, h.caption}]);
        // Ending the day at once would leave little of the day to play.
        if (h.caption == txt::kEndDay) weight /= 4;
        // A thrifty player: buying and tipping are rare unless they are the errand.
        if (spends(h.caption) || seldom(h.caption)) weight = 1;
        // The errand's captions, the first the most wanted.
        for (std::size_t i = 0; i < wanted.size(); ++i)
            if (h.caption == wanted[i]) weight = 1000000 >> i;
        choices.push_back(&h);
        weights.push_back(weight + 1);
        total += weight + 1;
    }
    if (choices.empty()) return;
    uint64_t pick = next() % total;
    std::size_t index = 0;
    while (pick >= weights[index]) pick -= weights[index++];
    const DrawnHotspot* h = choices[index];
    // Look first (the caption shows), then click.
    if (chance(30)) {
        input_->moveMouse(h->x + h->width / 2, h->y + h->height / 2);
        return;
    }
    ++clicks_[{s.sceneId, h->caption}];
    clickAt(h->x + below(h->width > 0 ? h->width : 1), h->y + below(h->height > 0 ? h->height : 1));
}

void Bot::feed() {
    if (!input_) return;
    if (stopping_) {
        stop();
        return;
    }
    ++turns_;
    GameState& s = gameState();
    // A box or movie inside a frame sees the record half way through that frame's rules
    // (the day end's eviction box comes before the clock is set back): the rules are checked
    // between the main loop's frames only.
    const bool betweenFrames = runtime().nestedLoops == 0;
    const std::string broken = betweenFrames ? brokenRule() : std::string();
    if (!broken.empty()) {
        platform::printToStderr("bot: frame %llu: %s\n", static_cast<unsigned long long>(turns_),
                                broken.c_str());
        failed_ = true;
        stop();
        return;
    }
    if (s.sceneId >= 0) scenesSeen_.insert(s.sceneId);
    if (!betweenFrames) {
        if (idleTurn_) {
            idleTurn_ = false;
            return;
        }
        act();
        return;
    }
    if (havePrevious_ && (s.day != prevDay_ || s.month != prevMonth_) && s.day != 0 &&
        prevDay_ != 0) {
        // A day end moves the calendar on by one; a loaded or new game jumps anywhere.
        if (prevScene_ != kSceneMenu && prevScene_ != kSceneLoadGame) ++daysPassed_;
    }
    const int shots = s.shotsTaken[0] + s.shotsTaken[1] + s.shotsTaken[2];
    if (havePrevious_ && shots > prevShots_) photos_ += shots - prevShots_;
    prevShots_ = shots;
    havePrevious_ = true;
    prevDay_ = s.day;
    prevMonth_ = s.month;
    prevMoney_ = s.money;
    prevScene_ = s.sceneId;
    if (daysPassed_ >= daysWanted_) {
        stop();
        return;
    }
    updateErrand(s);
    if (idleTurn_) {
        idleTurn_ = false;
        return;
    }
    act();
}

std::string Bot::summary() const {
    char line[256];
    std::snprintf(line, sizeof line, "days %d, frames %llu, scenes %zu of %d, photos %ld, money %d",
                  daysPassed_, static_cast<unsigned long long>(turns_), scenesSeen_.size(),
                  sceneCount(), photos_, gameState().money);
    std::string text = line;
    std::string missing;
    for (int id : sceneNumbers())
        if (!scenesSeen_.count(id)) missing += (missing.empty() ? "" : " ") + std::to_string(id);
    if (!missing.empty()) text += " (not seen: " + missing + ")";
    return text;
}
