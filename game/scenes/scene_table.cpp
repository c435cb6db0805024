#include "game/scenes/scenes.h"

namespace {

struct SceneEntry {
    int id;
    SceneFrame frame;
};

// One line per scene; the beaches 201..210 share one frame function.
constexpr SceneEntry kScenes[] = {
    {0, &runMenuScene},
    {1, &runMapScene},
    {11, &runAlbumFrame},
    {12, &runComputerFrame},
    {13, &runNewsFrame},
    {20, &runLoadScreenFrame},
    {21, &runSaveScreenFrame},
};

}  // namespace

SceneFrame sceneFrame(int sceneId) {
    for (const SceneEntry& entry : kScenes) {
        if (entry.id == sceneId) return entry.frame;
    }
    return nullptr;
}

bool sceneAvailable(int sceneId) {
    return sceneFrame(sceneId) != nullptr;
}
