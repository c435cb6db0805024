#include "engine/platform/sdl/sdl_pad.h"

#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {

// While the pad moves something the display reads it this often; otherwise the controller's
// own events wake the wait, and a slice this long is how soon a new controller is noticed.
constexpr int kMovingSliceMs = 10;
constexpr int kIdleSliceMs = 250;

// Of two stick positions, the one farther from the centre: two controllers act as one.
int Farther(int a, int b) {
    return std::abs(b) > std::abs(a) ? b : a;
}

}  // namespace

SdlPad::~SdlPad() {
    stop();
}

bool SdlPad::start() {
    if (started_) return true;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
    started_ = true;
    lastRead_ = 0;
    return true;
}

void SdlPad::stop() {
    if (!started_) return;
    for (const Controller& c : controllers_) SDL_GameControllerClose(c.handle);
    controllers_.clear();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started_ = false;
}

void SdlPad::configure(PadTarget target, PadSettings settings) {
    mapping_ = PadMapping(target, settings);
}

void SdlPad::open(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) return;
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    for (const Controller& c : controllers_) {
        if (c.id == id) return;
    }
    SDL_GameController* handle = SDL_GameControllerOpen(deviceIndex);
    if (handle) controllers_.push_back({handle, id});
}

void SdlPad::close(SDL_JoystickID id) {
    for (auto it = controllers_.begin(); it != controllers_.end(); ++it) {
        if (it->id != id) continue;
        SDL_GameControllerClose(it->handle);
        controllers_.erase(it);
        return;
    }
}

bool SdlPad::handle(const SDL_Event& event) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            if (started_) open(event.cdevice.which);
            return true;
        case SDL_CONTROLLERDEVICEREMOVED:
            close(event.cdevice.which);
            return true;
        case SDL_CONTROLLERAXISMOTION:
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
        case SDL_CONTROLLERDEVICEREMAPPED:
            return true;
        default:
            return false;
    }
}

PadState SdlPad::combinedState() const {
    PadState s;
    for (const Controller& c : controllers_) {
        SDL_GameController* g = c.handle;
        const auto axis = [g](SDL_GameControllerAxis a) { return SDL_GameControllerGetAxis(g, a); };
        const auto button = [g](SDL_GameControllerButton b) {
            return SDL_GameControllerGetButton(g, b) != 0;
        };
        s.leftX = Farther(s.leftX, axis(SDL_CONTROLLER_AXIS_LEFTX));
        s.leftY = Farther(s.leftY, axis(SDL_CONTROLLER_AXIS_LEFTY));
        s.rightX = Farther(s.rightX, axis(SDL_CONTROLLER_AXIS_RIGHTX));
        s.rightY = Farther(s.rightY, axis(SDL_CONTROLLER_AXIS_RIGHTY));
        s.leftTrigger = std::max<int>(s.leftTrigger, axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT));
        s.rightTrigger = std::max<int>(s.rightTrigger, axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
        s.a = s.a || button(SDL_CONTROLLER_BUTTON_A);
        s.b = s.b || button(SDL_CONTROLLER_BUTTON_B);
        s.back = s.back || button(SDL_CONTROLLER_BUTTON_BACK);
        s.start = s.start || button(SDL_CONTROLLER_BUTTON_START);
        s.leftShoulder = s.leftShoulder || button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
        s.rightShoulder = s.rightShoulder || button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
        s.up = s.up || button(SDL_CONTROLLER_BUTTON_DPAD_UP);
        s.down = s.down || button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        s.left = s.left || button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
        s.right = s.right || button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    }
    return s;
}

PadOutput SdlPad::read() {
    if (!started_) return {};
    const Uint64 now = SDL_GetPerformanceCounter();
    const double elapsed = lastRead_ == 0 ? 0.0
                                          : static_cast<double>(now - lastRead_) /
                                                static_cast<double>(SDL_GetPerformanceFrequency());
    lastRead_ = now;
    // With every controller gone the reading is all at rest, which lets go of what was held.
    return mapping_.step(combinedState(), elapsed);
}

int SdlPad::waitSliceMs() const {
    if (!started_) return -1;
    return mapping_.wantsSteps() ? kMovingSliceMs : kIdleSliceMs;
}

}  // namespace platform
