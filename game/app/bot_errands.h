#pragma once
// Where the bot is heading: the errand a player with a plan would run next (a camera, a room,
// photos on a beach, the film to the album, the outbox to the computer, a lens, a membership)
// and, for each scene, the captions that lead there. Pure rules over the state record, so the
// bot's plan can be checked without running a frame.

#include <set>
#include <vector>

#include "game/state/game_state.h"

struct Errand {
    enum Kind {
        None,
        BuyGear,   // kind, row: an item at the camera counter
        RentRoom,  // hotel
        SeeRoom,   // hotel: a look at the room just rented
        Beach,     // beach (0..9): take photos there
        Album,     // transfer the film
        Send,      // send the outbox
        JoinGate,  // gate (0..3): pay the fee of a members-only beach
        Look,      // scene: a look at a place not seen yet
    } kind = None;
    int a = 0;  // gear kind, hotel, beach or gate
    int b = 0;  // gear row
};

// Money the bot keeps back when it spends on anything but a room or its first camera.
constexpr int kBotReserve = 1500;

// The errand for this state; `seen` holds the scene numbers visited so far (the rooms of hotels
// not yet seen are rented when the money allows).
Errand nextErrand(const GameState& s, const std::set<int>& seen);

// The captions in the current scene that lead toward the errand, best first; empty when the
// scene has none (the bot then looks around).
std::vector<const char*> errandCaptions(const GameState& s, const Errand& e);

// A place not in `seen` that has a known way from the map, or -1; `pick` (0..99) chooses
// among them.
int placeToLook(const GameState& s, const std::set<int>& seen, int pick);

// The beach a photo trip goes to: a members-only beach when a membership is paid, else one
// chosen by `pick` (0..99).
int tripBeach(const GameState& s, int pick);

// The hotel whose room the player holds, or -1.
int rentedHotel(const GameState& s);
