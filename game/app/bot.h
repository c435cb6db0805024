#pragma once
// A player that never tires: on the headless face it picks, turn by turn, among the hotspots of
// the last frame (the registry scripted play clicks), answers boxes, skips or watches movies,
// scrolls the beaches and takes photos, and now and then does nothing for a while. Its choices
// come from its own generator (never the game's), so a seed gives the same run every time.
// Every turn it checks what must always hold and stops the game on the first broken rule.

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "game/ui/runtime.h"

namespace platform {
class HeadlessDisplay;
}

class Bot : public TurnInput {
  public:
    Bot(int days, uint64_t seed);
    void setInput(platform::HeadlessDisplay* input) { input_ = input; }

    void feed() override;

    bool failed() const { return failed_; }
    // days, frames, scenes visited (of how many), photos, money.
    std::string summary() const;

  private:
    uint64_t next();
    int below(int n);
    bool chance(int percent) { return below(100) < percent; }

    // The first broken rule of the state record, or empty.
    std::string brokenRule();
    void act();
    void clickAt(int x, int y);
    void stop();

    platform::HeadlessDisplay* input_ = nullptr;
    int daysWanted_;
    uint64_t rng_;
    uint64_t turns_ = 0;
    int daysPassed_ = 0;
    int waitTurns_ = 0;
    int holdX_ = -1;  // a scroll in progress: where the pointer is held
    bool idleTurn_ = false;
    bool failed_ = false;
    bool stopping_ = false;
    long photos_ = 0;
    std::set<int> scenesSeen_;
    std::map<std::pair<int, std::string>, int> clicks_;  // per scene and caption

    // What the previous turn saw, for the rules that compare two turns.
    bool havePrevious_ = false;
    int prevDay_ = 0;
    int prevMonth_ = 0;
    int prevMoney_ = 0;
    int prevScene_ = 0;
    int prevShots_ = 0;
};
