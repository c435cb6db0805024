#include "game/app/bot_errands.h"

#include <algorithm>

#include "game/state/clock.h"
#include "game/state/scene_ids.h"
#include "game/state/shop_rules.h"
#include "game/state/town_rules.h"
#include "texts/texts.h"

namespace {

constexpr int kGateBeach[kVipGates] = {1, 3, 6, 7};  // beach index of each gate
constexpr int kMoveOutNights = 8;

bool shopOpen(const GameState& s) {
    return s.hour >= 7 && s.hour <= 20;  // an hour to spare before it closes at 22:00
}

int shotsTaken(const GameState& s) {
    return s.shotsTaken[0] + s.shotsTaken[1] + s.shotsTaken[2];
}

// Shots still free on the cameras owned.
int shotsFree(const GameState& s) {
    int free = 0;
    for (int c = 0; c < 3; ++c)
        if (s.camera[c]) free += 10 - s.shotsTaken[c];
    return free;
}

Errand gearErrand(Gear kind, int row) {
    return {Errand::BuyGear, static_cast<int>(kind), row};
}

// The way back to the map from any scene.
const char* towardMap(int scene) {
    switch (scene) {
        case kSceneShop:
            return txt::kLeaveShop;
        case kSceneCameraCounter:
        case kSceneCamouflageCounter:
            return txt::kToShop;
        case kSceneHotel1Lobby:
        case kSceneHotel2Lobby:
        case kSceneHotel3Lobby:
            return txt::kLeaveHotel;
        case kSceneHotel1Reception:
        case kSceneHotel2Reception:
        case kSceneHotel3Reception:
            return txt::kToHotel;
        case kSceneHotel1Room:
        case kScenePorter:
        case kSceneHotel2Room:
        case kSceneHotel3Room:
            return txt::kToLobby;
        case kSceneAlbum:
        case kSceneComputer:
        case kSceneNews:
            return txt::kToHotelRoom;
        case kSceneLaptop:
            return txt::kToRoom;
        case kSceneHospitalInside:
        case kScenePoliceInside:
        case kSceneApartment:
            return txt::kToOutside;
        case kSceneHospitalCashier:
            return txt::kPayBill;
        case kScenePoliceOfficer:
            return txt::kPoliceman;
        case kSceneMenu:
            return txt::kNewGame;
        default:
            return isBeachScene(scene) ? txt::kLeaveBeach : txt::kToMap;
    }
}

// Into the player's own room (hotel h), from the map or any scene of that hotel.
const char* towardRoom(int scene, int h) {
    if (scene == kSceneMap) return txt::kHotelNames[h];
    if (scene == kHotelOutsideScene[h]) return txt::kToHotel;
    if (scene == kHotelLobbyScene[h]) return txt::kToRoom;
    if (scene == kHotelReceptionScene[h]) return txt::kToHotel;
    if (scene == kHotelRoomScene[h]) return txt::kToLaptop;
    return towardMap(scene);
}

// The way to a place from the map, for a look at it.
std::vector<const char*> towardPlace(const GameState& s, int target) {
    const int scene = s.sceneId;
    switch (target) {
        case kSceneShop:
        case kSceneTownStreet:
        case kSceneApartment:
        case kSceneCameraCounter:
        case kSceneCamouflageCounter:
            if (scene == kSceneMap) return {txt::kRavezShop};
            if (scene == kSceneTownStreet) {
                return {target == kSceneApartment ? txt::kToApartment : txt::kIntoShop};
            }
            if (scene == kSceneShop) {
                if (target == kSceneCameraCounter) return {txt::kBuyCameras};
                if (target == kSceneCamouflageCounter) return {txt::kBuyCamouflage};
            }
            return {towardMap(scene)};
        case kSceneLoadGame:
        case kSceneSaveGame:
            if (scene == kSceneMap) {
                return {target == kSceneLoadGame ? txt::kLoadGame : txt::kSaveGame};
            }
            return {towardMap(scene)};
        case kSceneHospitalOutside:
        case kSceneHospitalInside:
            if (scene == kSceneMap) return {txt::kHospitalMap};
            if (scene == kSceneHospitalOutside) return {txt::kIntoHospital};
            return {towardMap(scene)};
        case kScenePoliceOutside:
        case kScenePoliceInside:
            if (scene == kSceneMap) return {txt::kPoliceMap};
            if (scene == kScenePoliceOutside) return {txt::kToPoliceStation};
            return {towardMap(scene)};
        case kSceneNews: {
            const int h = rentedHotel(s);
            if (h < 0) return {};
            if (scene == kSceneLaptop) return {txt::kToComputer};
            if (scene == kSceneComputer) return {txt::kReadNews};
            return {towardRoom(scene, h)};
        }
        default:
            break;
    }
    for (int g = 0; g < kVipGates; ++g) {
        if (target != kGateScene[g]) continue;
        if (scene == kSceneMap) return {txt::kBeachNames[kGateBeach[g]]};
        return {towardMap(scene)};
    }
    // The hotels: outside, lobby, reception and the porter (in any lobby; the player's own
    // hotel if there is one).
    int h = -1;
    for (int i = 0; i < kHotels; ++i) {
        if (target == kHotelOutsideScene[i] || target == kHotelLobbyScene[i] ||
            target == kHotelReceptionScene[i])
            h = i;
    }
    if (target == kScenePorter) h = std::max(rentedHotel(s), 0);
    if (h < 0) return {};
    if (scene == kSceneMap) return {txt::kHotelNames[h]};
    if (scene == kHotelOutsideScene[h]) return {txt::kToHotel};
    if (scene == kHotelLobbyScene[h]) {
        if (target == kScenePorter) return {txt::kBoredPorter, txt::kEatingPorter};
        if (target == kHotelReceptionScene[h]) return {txt::kToReception};
    }
    return {towardMap(scene)};
}

}  // namespace

int placeToLook(const GameState& s, const std::set<int>& seen, int pick) {
    static constexpr int kPlaces[] = {kSceneShop,
                                      kSceneHotel1Lobby,
                                      kSceneHotel2Lobby,
                                      kSceneHotel3Lobby,
                                      kSceneHotel1Reception,
                                      kScenePorter,
                                      kSceneNews,
                                      kSceneHotel1Outside,
                                      kSceneHospitalOutside,
                                      kScenePoliceOutside,
                                      kSceneHospitalInside,
                                      kSceneTownStreet,
                                      kSceneLoadGame,
                                      kSceneSaveGame,
                                      kScenePoliceInside,
                                      kSceneApartment,
                                      kSceneCameraCounter,
                                      kSceneCamouflageCounter,
                                      kSceneGateBeach2,
                                      kSceneGateBeach4,
                                      kSceneGateBeach7,
                                      kSceneGateBeach8,
                                      kSceneHotel2Outside,
                                      kSceneHotel3Outside,
                                      kSceneHotel2Reception,
                                      kSceneHotel3Reception};
    std::vector<int> unseen;
    for (int place : kPlaces) {
        if (seen.count(place)) continue;
        if (place == kSceneNews && rentedHotel(s) < 0) continue;
        unseen.push_back(place);
    }
    if (unseen.empty()) return -1;
    return unseen[static_cast<std::size_t>(pick) % unseen.size()];
}

int rentedHotel(const GameState& s) {
    for (int h = 0; h < kHotels; ++h)
        if (s.roomRented[h]) return h;
    return -1;
}

Errand nextErrand(const GameState& s, const std::set<int>& seen) {
    const bool camera = s.camera[0] || s.camera[1] || s.camera[2];
    const int room = rentedHotel(s);
    if (!camera) {
        if (s.money >= gearPrice(Gear::Camera, 0) && shopOpen(s))
            return gearErrand(Gear::Camera, 0);
        return {};
    }
    if (room < 0 && s.money >= kRoomPrice[0]) return {Errand::RentRoom, 0, 0};
    if (s.photosToSend > 0 && room >= 0) return {Errand::Send, room, 0};
    const int taken = shotsTaken(s);
    // A full film goes to the album; so does the day's film before the night is far gone.
    if (room >= 0 && taken > 0 && (shotsFree(s) == 0 || s.hour >= 22))
        return {Errand::Album, room, 0};
    // Ten nights in one hotel end in an arrest in its lobby: move out before.
    if (room >= 0 && s.nightsPaid[room] >= kMoveOutNights) {
        const int other = room == 0 ? 1 : 0;
        if (s.money >= kRoomPrice[other]) return {Errand::RentRoom, other, 0};
    }
    // The rooms not seen yet, each once, when the money allows.
    if (room >= 0 && !seen.count(kHotelRoomScene[room])) return {Errand::SeeRoom, room, 0};
    for (int h = 0; h < kHotels; ++h) {
        if (h == room || seen.count(kHotelRoomScene[h]) || taken > 0) continue;
        if (s.money >= kRoomPrice[h] + kBotReserve) return {Errand::RentRoom, h, 0};
    }
    if (shopOpen(s)) {
        // The zoom lens doubles a photo's worth; more cameras make a longer film.
        for (int c = 0; c < 3; ++c) {
            if (s.camera[c] && !s.lens[c] && s.money >= gearPrice(Gear::Lens, c) + kBotReserve)
                return gearErrand(Gear::Lens, c);
        }
    }
    bool allGates = true;
    for (int g = 0; g < kVipGates; ++g) {
        if (s.vipMember[g]) continue;
        if (s.money >= kGateFee[g] + kBotReserve) return {Errand::JoinGate, g, 0};
        allGates = false;
        break;  // the gates in order of their fees
    }
    // More cameras once every beach is open: the money goes to the memberships first.
    if (allGates && shopOpen(s)) {
        for (int c = 1; c < 3; ++c) {
            if (!s.camera[c] && s.money >= gearPrice(Gear::Camera, c) + kBotReserve)
                return gearErrand(Gear::Camera, c);
        }
    }
    if (shotsFree(s) > 0) return {Errand::Beach, -1, 0};
    return {};
}

int tripBeach(const GameState& s, int pick) {
    int members[kVipGates];
    int count = 0;
    for (int g = 0; g < kVipGates; ++g)
        if (s.vipMember[g]) members[count++] = kGateBeach[g];
    if (count > 0 && pick < 70) return members[pick % count];
    // An open beach: the members-only ones are reached through their gates.
    static constexpr int kOpen[] = {0, 2, 4, 5, 8, 9};
    return kOpen[pick % 6];
}

std::vector<const char*> errandCaptions(const GameState& s, const Errand& e) {
    const int scene = s.sceneId;
    switch (e.kind) {
        case Errand::None:
            return {};
        case Errand::BuyGear:
            if (scene == kSceneMap) return {txt::kRavezShop};
            if (scene == kSceneTownStreet) return {txt::kIntoShop};
            if (scene == kSceneShop) return {txt::kBuyCameras};
            if (scene == kSceneCameraCounter) return {txt::kEquipmentCaptions[e.a][e.b]};
            return {towardMap(scene)};
        case Errand::RentRoom: {
            const int h = e.a;
            if (scene == kSceneMap) return {txt::kHotelNames[h]};
            if (scene == kHotelOutsideScene[h]) return {txt::kToHotel};
            if (scene == kHotelLobbyScene[h]) return {txt::kToReception};
            if (scene == kHotelReceptionScene[h]) return {txt::kRentRoom};
            return {towardMap(scene)};
        }
        case Errand::SeeRoom:
            return {towardRoom(scene, e.a)};
        case Errand::Album:
        case Errand::Send: {
            const int h = e.a;
            const bool album = e.kind == Errand::Album;
            if (scene == kSceneLaptop) return {album ? txt::kToCamera : txt::kToComputer};
            if (scene == kSceneAlbum) return {album ? txt::kTransferPhotos : txt::kToHotelRoom};
            if (scene == kSceneComputer || scene == kSceneNews)
                return {album ? txt::kToHotelRoom : txt::kSendPhotos};
            return {towardRoom(scene, h)};
        }
        case Errand::JoinGate: {
            const int g = e.a;
            if (scene == kSceneMap) return {txt::kBeachNames[kGateBeach[g]]};
            if (scene == kGateScene[g]) return {txt::kPayFee, txt::kToReception};
            return {towardMap(scene)};
        }
        case Errand::Look:
            return towardPlace(s, e.a);
        case Errand::Beach: {
            if (isBeachScene(scene)) return {};
            const int beach = e.a;
            if (scene == kSceneMap) return {txt::kBeachNames[beach]};
            for (int g = 0; g < kVipGates; ++g) {
                if (scene == kGateScene[g]) return {txt::kToVipBeach, txt::kBack, towardMap(scene)};
            }
            return {towardMap(scene)};
        }
    }
    return {};
}
