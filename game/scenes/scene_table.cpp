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
