#pragma once
// The rows of the options box, top to bottom as their names stand in the texts: how each shows
// its setting and how a step (+1 forwards, -1 backwards) changes it. Lists wrap round, levels
// stop at their ends.

#include <string>

#include "game/ui/game_settings.h"

struct OptionRow {
    void (*step)(GameSettings& s, int direction);
    std::string (*value)(const GameSettings& s);
    int level;  // a bar of 0..10 after the value: 1 music, 2 effects; 0 none
};

constexpr int kOptionRowCount = 12;
extern const OptionRow kOptionRows[kOptionRowCount];
