#pragma once
// A game controller in the words the game already understands: its left stick and d-pad move
// the pointer in page pixels, its buttons become the left mouse button and keys, its right
// stick holds the arrow keys. A face reads the controller, hands each reading to a PadMapping
// and turns what comes out into window messages, so the game never learns a pad exists.
// In a window without the game's pointer (the launcher's) the d-pad and left stick become
// arrow keys and A becomes Enter instead.

#include <cstdint>
#include <vector>

#include "engine/platform/window_messages.h"

namespace platform {

// One reading of a standard controller. Stick axes run from -32768 to 32767 (y grows
// downwards), triggers from 0 to 32767.
struct PadState {
    int leftX = 0;
    int leftY = 0;
    int rightX = 0;
    int rightY = 0;
    int leftTrigger = 0;
    int rightTrigger = 0;
    bool a = false;
    bool b = false;
    bool back = false;
    bool start = false;
    bool leftShoulder = false;
    bool rightShoulder = false;
    bool up = false;
    bool down = false;
    bool left = false;
    bool right = false;
};

struct PadSettings {
    int pointerSpeed = 5;  // 1 (slowest) to 10
};

// Where the d-pad, the left stick and A go.
enum class PadTarget {
    Pointer,  // the pointer and the left mouse button (the game)
    Keys,     // arrow keys and Enter (a window that is worked with the keyboard)
};

struct PadTransition {
    uint32_t message = 0;  // kWmLButtonDown, kWmLButtonUp, kWmKeyDown or kWmKeyUp
    int virtualKey = 0;    // for the key messages
    bool operator==(const PadTransition&) const = default;
};

struct PadOutput {
    int pointerDx = 0;  // page pixels
    int pointerDy = 0;
    std::vector<PadTransition> transitions;  // in the order they happened
};

// The keys the pad's buttons stand for. B is "back" and never Esc: Esc ends the game at once.
constexpr int kPadBackKey = kVkBack;
constexpr int kPadSelectKey = kVkSpace;  // skips a movie
constexpr int kPadStartKey = kVkF10;     // the options box's key

// Stick positions closer to the centre than this (of 32767) count as the centre.
constexpr int kPadDeadZone = 8000;
// A held stick direction lets go of its key only below this, so a stick resting near the dead
// zone's edge does not chatter.
constexpr int kPadKeyRelease = 6000;
// A trigger pressed this far (of 32767) holds slow motion.
constexpr int kPadTriggerPressed = 8000;
// Full deflection moves the pointer this many page pixels a second per step of the speed
// setting (400 at the default 5).
constexpr double kPadPixelsPerSecondPerSpeed = 80.0;
// Past the dead zone the speed grows with this power of the deflection: slow for fine aiming,
// fast when pushed all the way.
constexpr double kPadCurvePower = 2.5;
constexpr double kPadSlowFactor = 0.25;
// The d-pad moves the pointer in steps, repeated while it is held.
constexpr int kPadStepPixels = 4;
constexpr int kPadSlowStepPixels = 1;
constexpr double kPadRepeatDelay = 0.3;
constexpr double kPadRepeatInterval = 0.05;
// A longer gap between readings (a stalled frame) counts as this long, so the pointer does
// not leap.
constexpr double kPadLongestStep = 0.1;

class PadMapping {
  public:
    explicit PadMapping(PadTarget target = PadTarget::Pointer, PadSettings settings = {});

    // Takes one reading, `elapsedSeconds` after the previous one, and returns the pointer
    // motion and the presses and releases since then. A reading with nothing held lets go of
    // everything (a controller that was unplugged reads as such).
    PadOutput step(const PadState& state, double elapsedSeconds);

    // What the pad holds down right now, for the face's key-state query.
    bool leftButtonHeld() const { return aHeld_ && target_ == PadTarget::Pointer; }
    bool keyHeld(int virtualKey) const;
    // Whether the pad needs readings though the controller reports nothing new: a stick out
    // of its dead zone or a direction repeating.
    bool wantsSteps() const { return wantsSteps_; }

    PadTarget target() const { return target_; }
    // A new speed from the next reading on; what is held stays held.
    void setSettings(PadSettings settings) { settings_ = settings; }

  private:
    // A held direction: it fires when pressed, then after the repeat delay at every interval.
    struct Repeater {
        bool held = false;
        double heldFor = 0;
        double nextAt = 0;
        int update(bool now, double elapsed);
    };
    enum Direction { kLeft, kRight, kUp, kDown, kDirections };

    void button(bool now, bool* was, int virtualKey, PadOutput* out);
    void stickMotion(const PadState& state, bool slow, double elapsed, PadOutput* out);

    PadTarget target_;
    PadSettings settings_;
    bool aHeld_ = false;
    bool bHeld_ = false;
    bool backHeld_ = false;
    bool startHeld_ = false;
    Repeater directions_[kDirections];   // the d-pad (and in Keys, both sticks)
    bool leftStick_[kDirections] = {};   // the left stick as directions (Keys)
    bool rightStick_[kDirections] = {};  // the right stick as directions
    bool arrowHeld_[kDirections] = {};   // arrow keys down
    double remainderX_ = 0;
    double remainderY_ = 0;
    bool wantsSteps_ = false;
};

}  // namespace platform
