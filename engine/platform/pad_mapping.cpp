#include "engine/platform/pad_mapping.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr int kAxisMax = 32767;
constexpr int kArrowKeys[] = {kVkLeft, kVkRight, kVkUp, kVkDown};

// Whether a stick axis points one way (sign +1 or -1), with hysteresis.
bool StickPoints(bool was, int value, int sign) {
    const int along = value * sign;
    return was ? along >= kPadKeyRelease : along >= kPadDeadZone;
}

void StickDirections(int x, int y, bool (&held)[4]) {
    held[0] = StickPoints(held[0], x, -1);
    held[1] = StickPoints(held[1], x, 1);
    held[2] = StickPoints(held[2], y, -1);
    held[3] = StickPoints(held[3], y, 1);
}

}  // namespace

int PadMapping::Repeater::update(bool now, double elapsed) {
    if (!now) {
        held = false;
        return 0;
    }
    if (!held) {
        held = true;
        heldFor = 0;
        nextAt = kPadRepeatDelay;
        return 1;
    }
    heldFor += elapsed;
    int fired = 0;
    while (heldFor >= nextAt) {
        ++fired;
        nextAt += kPadRepeatInterval;
    }
    return fired;
}

PadMapping::PadMapping(PadTarget target, PadSettings settings)
    : target_(target), settings_(settings) {
    settings_.pointerSpeed = std::clamp(settings_.pointerSpeed, 1, 10);
}

bool PadMapping::keyHeld(int virtualKey) const {
    if (virtualKey == kVkReturn && target_ == PadTarget::Keys && aHeld_) return true;
    if (virtualKey == kPadBackKey && bHeld_) return true;
    if (virtualKey == kPadSelectKey && backHeld_) return true;
    if (virtualKey == kPadStartKey && startHeld_) return true;
    for (int d = 0; d < kDirections; ++d) {
        if (virtualKey == kArrowKeys[d] && arrowHeld_[d]) return true;
    }
    return false;
}

void PadMapping::button(bool now, bool* was, int virtualKey, PadOutput* out) {
    if (now == *was) return;
    *was = now;
    out->transitions.push_back({now ? kWmKeyDown : kWmKeyUp, virtualKey});
}

void PadMapping::stickMotion(const PadState& state, bool slow, double elapsed, PadOutput* out) {
    const double x = std::max(state.leftX, -kAxisMax);
    const double y = std::max(state.leftY, -kAxisMax);
    const double magnitude = std::hypot(x, y);
    if (magnitude <= kPadDeadZone) {
        // At rest: a part-pixel left over must not push the next motion the old way.
        remainderX_ = remainderY_ = 0;
        return;
    }
    wantsSteps_ = true;
    const double past =
        std::min(1.0, (magnitude - kPadDeadZone) / static_cast<double>(kAxisMax - kPadDeadZone));
    double speed =
        kPadPixelsPerSecondPerSpeed * settings_.pointerSpeed * std::pow(past, kPadCurvePower);
    if (slow) speed *= kPadSlowFactor;
    remainderX_ += speed * x / magnitude * elapsed;
    remainderY_ += speed * y / magnitude * elapsed;
    const double wholeX = std::trunc(remainderX_);
    const double wholeY = std::trunc(remainderY_);
    remainderX_ -= wholeX;
    remainderY_ -= wholeY;
    out->pointerDx += static_cast<int>(wholeX);
    out->pointerDy += static_cast<int>(wholeY);
}

PadOutput PadMapping::step(const PadState& state, double elapsedSeconds) {
    PadOutput out;
    const double elapsed = std::clamp(elapsedSeconds, 0.0, kPadLongestStep);
    const bool slow =
        state.leftShoulder || state.rightShoulder || state.leftTrigger >= kPadTriggerPressed;
    wantsSteps_ = false;

    if (target_ == PadTarget::Pointer) {
        stickMotion(state, slow, elapsed, &out);
        if (state.a != aHeld_) {
            aHeld_ = state.a;
            out.transitions.push_back({aHeld_ ? kWmLButtonDown : kWmLButtonUp, 0});
        }
    } else {
        button(state.a, &aHeld_, kVkReturn, &out);
    }
    button(state.b, &bHeld_, kPadBackKey, &out);
    button(state.back, &backHeld_, kPadSelectKey, &out);
    button(state.start, &startHeld_, kPadStartKey, &out);

    const bool pad[kDirections] = {state.left, state.right, state.up, state.down};
    StickDirections(state.rightX, state.rightY, rightStick_);
    if (target_ == PadTarget::Pointer) {
        // The d-pad steps the pointer; the right stick holds the arrow keys as long as it is
        // pushed, as a held key does (the beach scrolls by the held state).
        const int stepPixels = slow ? kPadSlowStepPixels : kPadStepPixels;
        static constexpr int kStepX[kDirections] = {-1, 1, 0, 0};
        static constexpr int kStepY[kDirections] = {0, 0, -1, 1};
        for (int d = 0; d < kDirections; ++d) {
            const int steps = directions_[d].update(pad[d], elapsed);
            out.pointerDx += kStepX[d] * steps * stepPixels;
            out.pointerDy += kStepY[d] * steps * stepPixels;
            if (directions_[d].held) wantsSteps_ = true;
            if (rightStick_[d] != arrowHeld_[d]) {
                arrowHeld_[d] = rightStick_[d];
                out.transitions.push_back({arrowHeld_[d] ? kWmKeyDown : kWmKeyUp, kArrowKeys[d]});
            }
        }
    } else {
        // Every direction the pad has is an arrow key, repeated while held as a keyboard
        // repeats it (once a reading at most: a stalled frame brings no burst of keys).
        StickDirections(state.leftX, state.leftY, leftStick_);
        for (int d = 0; d < kDirections; ++d) {
            const bool now = pad[d] || leftStick_[d] || rightStick_[d];
            const int fired = directions_[d].update(now, elapsed);
            if (fired > 0) out.transitions.push_back({kWmKeyDown, kArrowKeys[d]});
            if (!now && arrowHeld_[d]) out.transitions.push_back({kWmKeyUp, kArrowKeys[d]});
            arrowHeld_[d] = now;
            if (now) wantsSteps_ = true;
        }
    }
    return out;
}

}  // namespace platform
