// The bot's plan: which errand a state calls for, in which order, and the captions that lead
// there from each scene. A bot whose plan goes round in circles (renting a room it never enters,
// paying a fee it cannot afford, walking into an arrest) would never see the whole island.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "game/app/bot_errands.h"
#include "game/state/clock.h"
#include "game/state/game_state.h"
#include "game/state/shop_rules.h"
#include "game/state/town_rules.h"
#include "texts/texts.h"

namespace {

class BotErrands : public ::testing::Test {
  protected:
    void SetUp() override {
        std::memset(static_cast<void*>(s.get()), 0, sizeof(GameState));
        s->money = 3000;
        s->day = 1;
        s->hour = 8;
        s->sceneId = 1;
        s->currentOrder = -1;
    }
    // What the state record of a new game would hold once the first camera and a room in
    // hotel 1 are bought, with the room already seen and too little money for anything more.
    void equipped() {
        s->money = 1000;
        s->camera[0] = 1;
        s->roomRented[0] = 1;
        seen.insert(7);
    }
    std::vector<std::string> captions(const Errand& e, int scene) {
        s->sceneId = scene;
        std::vector<std::string> out;
        for (const char* c : errandCaptions(*s, e)) out.emplace_back(c);
        return out;
    }
    std::unique_ptr<GameState> s = std::make_unique<GameState>();
    std::set<int> seen;
};

TEST_F(BotErrands, ANewGameBuysACameraThenRentsTheCheapestRoom) {
    Errand e = nextErrand(*s, seen);
    EXPECT_EQ(e.kind, Errand::BuyGear);
    EXPECT_EQ(e.a, 0);
    EXPECT_EQ(e.b, 0);
    // The shop is closed at night: no errand rather than a walk to a locked door.
    s->hour = 23;
    EXPECT_EQ(nextErrand(*s, seen).kind, Errand::None);
    // Too poor for a camera: nothing to buy either.
    s->hour = 8;
    s->money = kGearPrice[0][0] - 1;
    EXPECT_EQ(nextErrand(*s, seen).kind, Errand::None);

    s->money = 2200;
    s->camera[0] = 1;
    e = nextErrand(*s, seen);
    EXPECT_EQ(e.kind, Errand::RentRoom);
    EXPECT_EQ(e.a, 0);
    // A room rented and not seen yet is looked at before any other room is rented.
    s->roomRented[1] = 1;
    e = nextErrand(*s, seen);
    EXPECT_EQ(e.kind, Errand::SeeRoom);
    EXPECT_EQ(e.a, 1);
}

TEST_F(BotErrands, TheFilmGoesToTheAlbumAndTheOutboxToTheComputer) {
    equipped();
    EXPECT_EQ(nextErrand(*s, seen).kind, Errand::Beach);
    s->shotsTaken[0] = 10;
    Errand e = nextErrand(*s, seen);
    EXPECT_EQ(e.kind, Errand::Album);
    EXPECT_EQ(e.a, 0);
    // A film only partly used waits for the morning unless the night is late.
    s->shotsTaken[0] = 4;
    EXPECT_EQ(nextErrand(*s, seen).kind, Errand::Beach);
    s->hour = 22;
    EXPECT_EQ(nextErrand(*s, seen).kind, Errand::Album);
    // Sending comes first: the money pays for everything else.
    s->photosToSend = 4;
    EXPECT_EQ(nextErrand(*s, seen).kind, Errand::Send);
    // A second camera with free shots keeps the bot on the beach.
    s->photosToSend = 0;
    s->hour = 10;
    s->shotsTaken[0] = 10;
    s->camera[1] = 1;
    EXPECT_EQ(nextErrand(*s, seen).kind, Errand::Beach);
}

TEST_F(BotErrands, MovesOutBeforeTheTenthNightAndPaysFeesOnlyWithMoneyToSpare) {
    equipped();
    s->money = 3000;
    s->nightsPaid[0] = 8;
    Errand e = nextErrand(*s, seen);
    EXPECT_EQ(e.kind, Errand::RentRoom);
    EXPECT_EQ(e.a, 1);
    s->roomRented[0] = 0;
    s->roomRented[1] = 1;
    s->nightsPaid[1] = 9;
    seen.insert(9);
    e = nextErrand(*s, seen);
    EXPECT_EQ(e.kind, Errand::RentRoom);
    EXPECT_EQ(e.a, 0);

    // The fees in order, each with the reserve left over; the lens (it doubles a photo's
    // worth) before the first fee.
    s->roomRented[1] = 0;
    s->roomRented[0] = 1;
    s->nightsPaid[0] = 0;
    seen.insert(10);
    s->money = kGateFee[0] + kBotReserve - 1;
    e = nextErrand(*s, seen);
    EXPECT_EQ(e.kind, Errand::BuyGear);
    EXPECT_EQ(e.a, 1);
    s->lens[0] = 1;
    EXPECT_EQ(nextErrand(*s, seen).kind, Errand::Beach);
    s->money = kGateFee[0] + kBotReserve;
    e = nextErrand(*s, seen);
    EXPECT_EQ(e.kind, Errand::JoinGate);
    EXPECT_EQ(e.a, 0);
    s->vipMember[0] = 1;
    s->money = kGateFee[1] + kBotReserve - 1;
    EXPECT_EQ(nextErrand(*s, seen).kind, Errand::Beach);
    // A members-only beach is where most trips go once it is open.
    int members = 0;
    for (int pick = 0; pick < 100; ++pick) members += tripBeach(*s, pick) == 1 ? 1 : 0;
    EXPECT_EQ(members, 70);
    for (int pick = 0; pick < 100; ++pick) {
        const int beach = tripBeach(*s, pick);
        EXPECT_TRUE(beach == 1 || beach == 0 || beach == 2 || beach == 4 || beach == 5 ||
                    beach == 8 || beach == 9)
            << beach;
    }
}

TEST_F(BotErrands, EachSceneLeadsTowardTheErrand) {
    const Errand album{Errand::Album, 1, 0};
    s->roomRented[1] = 1;
    EXPECT_EQ(captions(album, 1), std::vector<std::string>{txt::kHotelNames[1]});
    EXPECT_EQ(captions(album, 32), std::vector<std::string>{txt::kToHotel});
    EXPECT_EQ(captions(album, 4), std::vector<std::string>{txt::kToRoom});
    EXPECT_EQ(captions(album, 9), std::vector<std::string>{txt::kToLaptop});
    EXPECT_EQ(captions(album, 15), std::vector<std::string>{txt::kToCamera});
    EXPECT_EQ(captions(album, 11), std::vector<std::string>{txt::kTransferPhotos});
    // The wrong hotel, a beach, the shop: back toward the map first.
    EXPECT_EQ(captions(album, 3), std::vector<std::string>{txt::kLeaveHotel});
    EXPECT_EQ(captions(album, 205), std::vector<std::string>{txt::kLeaveBeach});
    EXPECT_EQ(captions(album, 25), std::vector<std::string>{txt::kToShop});

    const Errand send{Errand::Send, 1, 0};
    EXPECT_EQ(captions(send, 15), std::vector<std::string>{txt::kToComputer});
    EXPECT_EQ(captions(send, 11), std::vector<std::string>{txt::kToHotelRoom});
    EXPECT_EQ(captions(send, 12), std::vector<std::string>{txt::kSendPhotos});

    const Errand lens{Errand::BuyGear, 1, 0};
    EXPECT_EQ(captions(lens, 1), std::vector<std::string>{txt::kRavezShop});
    EXPECT_EQ(captions(lens, 19), std::vector<std::string>{txt::kIntoShop});
    EXPECT_EQ(captions(lens, 2), std::vector<std::string>{txt::kBuyCameras});
    EXPECT_EQ(captions(lens, 25), std::vector<std::string>{txt::kEquipmentCaptions[1][0]});

    const Errand gate{Errand::JoinGate, 2, 0};
    EXPECT_EQ(captions(gate, 1), std::vector<std::string>{txt::kBeachNames[6]});
    EXPECT_EQ(captions(gate, 30), (std::vector<std::string>{txt::kPayFee, txt::kToReception}));

    const Errand trip{Errand::Beach, 3, 0};
    EXPECT_EQ(captions(trip, 1), std::vector<std::string>{txt::kBeachNames[3]});
    EXPECT_EQ(captions(trip, 29),
              (std::vector<std::string>{txt::kToVipBeach, txt::kBack, txt::kToMap}));
    EXPECT_TRUE(captions(trip, 204).empty());
}

TEST_F(BotErrands, PlacesToLookAtAreTheUnseenOnesWithAWay) {
    std::set<int> all;
    for (int pick = 0; pick < 200; ++pick) all.insert(placeToLook(*s, seen, pick));
    // The news need a room; the rooms, the film and the incidents come by other errands.
    EXPECT_EQ(all.count(13), 0u);
    EXPECT_EQ(all.count(7), 0u);
    EXPECT_EQ(all.count(23), 0u);
    EXPECT_EQ(all.count(26), 1u);
    EXPECT_EQ(all.count(8), 1u);
    for (int place : all) seen.insert(place);
    EXPECT_EQ(placeToLook(*s, seen, 5), -1);
    s->roomRented[2] = 1;
    EXPECT_EQ(placeToLook(*s, seen, 5), 13);

    // The porter's enquiry is in the lobby of the player's hotel; the camouflage counter in
    // the shop; the hospital's inside behind its door.
    const Errand porter{Errand::Look, 8, 0};
    EXPECT_EQ(captions(porter, 1), std::vector<std::string>{txt::kHotelNames[2]});
    EXPECT_EQ(captions(porter, 5),
              (std::vector<std::string>{txt::kBoredPorter, txt::kEatingPorter}));
    const Errand camouflage{Errand::Look, 26, 0};
    EXPECT_EQ(captions(camouflage, 2), std::vector<std::string>{txt::kBuyCamouflage});
    EXPECT_EQ(captions(camouflage, 19), std::vector<std::string>{txt::kIntoShop});
    const Errand hospital{Errand::Look, 18, 0};
    EXPECT_EQ(captions(hospital, 16), std::vector<std::string>{txt::kIntoHospital});
    const Errand news{Errand::Look, 13, 0};
    EXPECT_EQ(captions(news, 12), std::vector<std::string>{txt::kReadNews});
}

}  // namespace
