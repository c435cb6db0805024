#include "game/scenes/scenes.h"

namespace {

struct SceneEntry {
    int id;
    SceneFrame frame;
};

// One line per scene; the beaches 201..210 share one frame function.
constexpr SceneEntry kScenes[] = {
    // clang-format off
    {0, &runMenuScene},
    {1, &runMapScene},
    {201, &runBeachScene},
    {202, &runBeachScene},
    {203, &runBeachScene},
    {204, &runBeachScene},
    {205, &runBeachScene},
    {206, &runBeachScene},
    {207, &runBeachScene},
    {208, &runBeachScene},
    {209, &runBeachScene},
    {210, &runBeachScene},
    // clang-format on
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
