#include "game/ui/game_settings.h"

namespace {
SettingsHost* gHost = nullptr;
}

void setSettingsHost(SettingsHost* host) {
    gHost = host;
}

SettingsHost* settingsHost() {
    return gHost;
}
