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

#include "game/app/bot_errands.h"
#include "game/ui/hotspots.h"
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
    void updateErrand(const GameState& s);
    // On a beach: the camera ready, a visitor in the viewfinder, a photo at each new pose.
    bool leavingBeach(const GameState& s) const;
    void actOnBeach(const GameState& s, const std::vector<DrawnHotspot>& spots);
    // Clicks the spot with this caption; false when the last frame had none.
    bool clickCaption(const std::vector<DrawnHotspot>& spots, const char* caption);
    // The visitor the camera follows, kept while it stays on the beach; -1 for none.
    int chooseTarget(const GameState& s);
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
    Errand errand_;
    bool wasOnBeach_ = false;
    int lookAt_ = -1;  // a place on the way to be seen
    uint64_t lookUntil_ = 0;
    bool carefulVisit_ = true;  // this visit ends before the beach turns dangerous
    int tripBeach_ = -1;        // the beach of the photo trip under way
    int target_ = -1;           // visitor slot the camera follows
    int targetType_ = 0;        // and its type, to notice the slot taken by someone else
    int lastShotPose_ = -1;     // the target's pose in the last photo of it
    std::set<int> doneSlots_;   // still visitors already photographed on this visit

    // What the previous turn saw, for the rules that compare two turns.
    bool havePrevious_ = false;
    int prevDay_ = 0;
    int prevMonth_ = 0;
    int prevMoney_ = 0;
    int prevScene_ = 0;
    int prevShots_ = 0;
};
