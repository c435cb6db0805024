#include "game/app/bot.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/platform/headless_display.h"
#include "engine/platform/window_messages.h"
#include "game/scenes/beach/spawn_zones.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/town_rules.h"
#include "game/ui/hotspots.h"
#include "texts/texts.h"

namespace {

bool isBeach(int scene) {
    return scene >= 201 && scene <= 210;
}

// Scenes whose frame may change the money: buying, renting, tips, bills, fees, donations,
// sending photos, secrets, the beach's incidents, a new or a loaded game (scene 20).
bool changesMoney(int scene) {
    switch (scene) {
        case 0:
        case 3:
        case 4:
        case 5:
        case 6:
        case 8:
        case 12:
        case 13:
        case 14:
        case 16:
        case 17:
        case 18:
        case 19:
        case 20:
        case 22:
        case 23:
        case 24:
        case 25:
        case 26:
        case 27:
        case 28:
        case 29:
        case 30:
        case 31:
        case 32:
        case 33:
        case 34:
        case 35:
            return true;
        default:
            return isBeach(scene);
    }
}

// What a player with a purpose heads for: a camera when there is none, the beaches with one,
// the album with a film, the computer with an outbox. Spots with these captions are chosen far
// more often while the purpose lasts.
std::vector<const char*> purposes(const GameState& s) {
    std::vector<const char*> wanted;
    const bool camera = s.camera[0] || s.camera[1] || s.camera[2];
    const int shots = s.shotsTaken[0] + s.shotsTaken[1] + s.shotsTaken[2];
    const bool room = s.roomRented[0] || s.roomRented[1] || s.roomRented[2];
    // With the fee of a members-only beach saved up: its gate.
    constexpr int kGateBeach[kVipGates] = {1, 3, 6, 7};
    for (int gate = 0; gate < kVipGates; ++gate) {
        if (s.vipMember[gate] || s.money < kGateFee[gate]) continue;
        for (const char* c : {txt::kBeachNames[kGateBeach[gate]], txt::kPayFee, txt::kToVipBeach,
                              txt::kToMap, txt::kLeaveHotel, txt::kLeaveShop, txt::kLeaveBeach})
            wanted.push_back(c);
        break;
    }
    if (!camera && s.money >= 800) {
        for (const char* c : {txt::kRavezShop, txt::kIntoShop, txt::kBuyCameras, txt::kToShop,
                              txt::kEquipmentCaptions[0][0]})
            wanted.push_back(c);
        if (s.money >= 1200) wanted.push_back(txt::kEquipmentCaptions[0][1]);
        wanted.push_back("ok");
        wanted.push_back("yes");
    }
    if (camera && shots < 10) {
        for (const char* c : txt::kBeachNames) wanted.push_back(c);
        wanted.push_back(txt::kToVipBeach);
        wanted.push_back(txt::kPayFee);
    }
    if (shots >= 5 || s.photosToSend > 0) {
        for (const char* c : txt::kHotelNames) wanted.push_back(c);
        for (const char* c : {txt::kToHotel, txt::kToRoom, txt::kToLaptop, txt::kToMap})
            wanted.push_back(c);
        if (!room) {
            wanted.push_back(txt::kToReception);
            wanted.push_back(txt::kRentRoom);
        }
        if (shots > 0) {
            wanted.push_back(txt::kToCamera);
            wanted.push_back(txt::kTransferPhotos);
        }
        if (s.photosToSend > 0) {
            wanted.push_back(txt::kToHotelRoom);
            wanted.push_back(txt::kToComputer);
            wanted.push_back(txt::kSendPhotos);
        }
    }
    return wanted;
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

// Captions the bot leaves alone: they end the game or leave it for the title screen, and a
// bot that is to play whole days would stop there.
bool avoided(const std::string& caption) {
    return caption == txt::kQuitGame || caption == txt::kToStartScreen;
}

}  // namespace

Bot::Bot(int days, uint64_t seed) : daysWanted_(days), rng_(seed * 0x9E3779B97F4A7C15ull + 1) {}

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
    if (s.sceneId != -1 && !sceneAvailable(s.sceneId))
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
    if (isBeach(s.sceneId) && s.beachLoaded) {
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

void Bot::act() {
    const GameState& s = gameState();
    const std::vector<DrawnHotspot>& spots = lastFrameHotspots();
    if (waitTurns_ > 0) {
        --waitTurns_;
        if (holdX_ >= 0) input_->moveMouse(holdX_, 100 + below(200));
        return;
    }
    holdX_ = -1;
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
    if (isBeach(s.sceneId) && chance(97)) {
        const int what = below(10);
        if (what < 3) {
            // Scroll: hold the pointer at an edge for a while.
            holdX_ = chance(50) ? 0 : 639;
            waitTurns_ = 5 + below(60);
            input_->moveMouse(holdX_, 100 + below(200));
        } else if (what < 8) {
            // A photo: of a visitor in view when there is one (as a player aims), else of the
            // panorama.
            std::vector<int> inView;
            int nearest = -1;
            for (int i = 0; i < kVisitorSlots; ++i) {
                if (s.visitors.typeId[i] == 0) continue;
                const int x = s.visitors.x[i] - s.scrollX;
                // Where the viewfinder can be centred on them (it stays inside the view).
                if (x >= 200 && x < 440 && s.visitors.y[i] >= 130 && s.visitors.y[i] < 300) {
                    inView.push_back(i);
                } else if (nearest < 0 ||
                           std::abs(x - 320) < std::abs(s.visitors.x[nearest] - s.scrollX - 320)) {
                    nearest = i;
                }
            }
            if (!inView.empty()) {
                const int i =
                    inView[static_cast<std::size_t>(below(static_cast<int>(inView.size())))];
                clickAt(s.visitors.x[i] - s.scrollX - 8 + below(16),
                        s.visitors.y[i] - 8 + below(16));
            } else if (nearest >= 0 && chance(70)) {
                // Scroll towards the nearest visitor.
                holdX_ = s.visitors.x[nearest] - s.scrollX < 320 ? 0 : 639;
                waitTurns_ = 5 + below(30);
                input_->moveMouse(holdX_, 100 + below(200));
            } else {
                clickAt(20 + below(600), 20 + below(330));
            }
        } else {
            input_->moveMouse(below(640), below(360));
            waitTurns_ = below(30);
        }
        return;
    }
    // Every spot may be chosen; those clicked less often in this scene are chosen more often, so
    // the bot finds its way to every place instead of walking the same paths.
    std::vector<const DrawnHotspot*> choices;
    std::vector<uint64_t> weights;
    uint64_t total = 0;
    const std::vector<const char*> wanted = chance(80) ? purposes(s) : std::vector<const char*>();
    for (const DrawnHotspot& h : spots) {
        if (avoided(h.caption)) continue;
        uint64_t weight = 1000 / (1 + clicks_[{s.sceneId, h.caption}]);
        for (const char* w : wanted)
            if (h.caption == w) weight = weight * 50 + 20000;
        // Ending the day at once would leave little of the day to play.
        if (h.caption == txt::kEndDay) weight /= 4;
        // A thrifty player: buying and tipping are rare unless they are the purpose.
        if (spends(h.caption)) weight = 1;
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
        std::fprintf(stderr, "bot: frame %llu: %s\n", static_cast<unsigned long long>(turns_),
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
        if (prevScene_ != 0 && prevScene_ != 20) ++daysPassed_;
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
