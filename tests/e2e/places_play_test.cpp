// The island's places played by caption through whole scripts, in the build's own language:
// a first day (shop, hotel, porter, room, television, laptop, the night's rent) and the night
// after it (the secrets in hotels and town, Laura at home, a secret watched and cashed in),
// with the record dumped after each step.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "game/state/game_state.h"
#include "tests/e2e/game_run.h"
#include "texts/texts.h"

namespace {

class PlacesPlay : public GameRun {
  protected:
    // A new game at fast speed, through the shop and the porter of hotel 1 before 9:00, the
    // reception and the room after it, and back to the map where the day is ended.
    std::string firstDay() {
        return "frames 1\n" + click(txt::kNewGame) + until(1) + click(txt::kSpeedFast) +
               "frames 1\n" +
               // Shop: a camera and the cheapest camouflage, Laura's movie.
               click(txt::kRavezShop) + until(19) + click(txt::kIntoShop) + until(2) +
               click(txt::kBuyCameras) + until(25) + click(txt::kEquipmentCaptions[0][0]) +
               "frames 1\n" + click("ok") + "frames 1\n" + dumpTo("camera") + click(txt::kToShop) +
               until(2) + click(txt::kLaura) + "frames 1\n" + click(txt::kBuyCamouflage) +
               until(26) + click(txt::kCamouflageCaptions[0]) + "frames 1\n" + click("ok") +
               "frames 1\n" + dumpTo("camouflage") + click(txt::kToShop) + until(2) +
               click(txt::kLeaveShop) + until(19) + click(txt::kToMap) + until(1) +
               // Hotel 1 before 9:00: the porter of a new record is there and bored.
               click(txt::kHotelNames[0]) + until(14) + click(txt::kToHotel) + until(3) +
               click(txt::kBoredPorter) + until(8) + dumpTo("porter") + click(txt::kLessTip) +
               "frames 1\n" + click(txt::kLessTip) + "frames 1\n" + click(txt::kMoreTip) +
               "frames 1\n" + click(txt::kAsk) + "frames 1\n" + click("ok") + "frames 1\n" +
               dumpTo("asked") + click(txt::kToLobby) + until(3) +
               // Past 9:00 the receptionist is at her desk.
               "frames 480\n" + dumpTo("nine") + click(txt::kToReception) + until(6) +
               click(txt::kRentRoom) + "frames 1\n" + dumpTo("rented") + click(txt::kToHotel) +
               until(3) + click(txt::kToRoom) + until(7) + click(txt::kTv) + "frames 1\n" +
               click(txt::kLamp) + "frames 1\n" +
               // Secret 1: the hidden spot of the room, by day.
               clickAt(89, 80) + "frames 1\n" + dumpTo("room") + click(txt::kToLaptop) + until(15) +
               click(txt::kToRoom) + until(7) + click(txt::kToLobby) + until(3) +
               click(txt::kLeaveHotel) + until(14) + click(txt::kToMap) + until(1) +
               click(txt::kEndDay) + "frames 2\n" + dumpTo("night");
    }

    // The night after the first day: the six night secrets, the closed shop, Laura at home.
    std::string night() {
        const std::string back = click(txt::kToMap) + until(1);
        return click(txt::kHotelNames[1]) + until(32) + click(txt::kToHotel) + until(4) +
               clickAt(50, 145) + "frames 1\n" + click(txt::kLeaveHotel) + until(32) + back +
               click(txt::kHotelNames[2]) + until(33) + clickAt(60, 175) + "frames 1\n" + back +
               click(txt::kPoliceMap) + until(17) + clickAt(570, 225) + "frames 1\n" + back +
               click(txt::kHospitalMap) + until(16) + clickAt(570, 225) + "frames 1\n" + back +
               click(txt::kBeachNames[3]) + until(29) + clickAt(70, 275) + "frames 1\n" + back +
               click(txt::kBeachNames[7]) + until(31) + clickAt(70, 275) + "frames 1\n" + back +
               dumpTo("secrets") + click(txt::kRavezShop) + until(19) + click(txt::kShopClosed) +
               "frames 1\nexpect-scene 19\n" + click(txt::kToApartment) + until(24) +
               click(txt::kLaura) + "frames 1\n" +
               // Secret 2's column: watch it, then cash it in.
               clickAt(115, 411) + "frames 1\n" + clickAt(115, 437) + "frames 1\n" +
               dumpTo("apartment") + click(txt::kToOutside) + until(19) + back;
    }
};

TEST_F(PlacesPlay, AFirstDayAndItsNight) {
    ASSERT_EQ(play(firstDay() + night()), 0);

    std::unique_ptr<GameState> s = step("camera");
    EXPECT_EQ(s->sceneId, 25);
    EXPECT_EQ(s->money, 2200);
    EXPECT_EQ(s->camera[0], 1);
    EXPECT_EQ(s->camera[1] + s->lens[0] + s->flash[0], 0);
    EXPECT_EQ(s->location, 2);

    s = step("camouflage");
    EXPECT_EQ(s->money, 2150);
    EXPECT_EQ(s->camouflage[0], 1);
    EXPECT_EQ(s->shopVisits, 3);

    s = step("porter");
    EXPECT_EQ(s->sceneId, 8);
    EXPECT_EQ(s->tip, 30);
    EXPECT_EQ(s->hour, 8);
    EXPECT_EQ(s->currentHotel, 0);

    s = step("asked");  // 30 - 10 - 10 + 10 = 20 Euro in hotel 1
    EXPECT_EQ(s->tip, 20);
    EXPECT_EQ(s->money, 2130);

    s = step("nine");
    EXPECT_EQ(s->sceneId, 3);
    EXPECT_EQ(s->hour, 9);

    s = step("rented");
    EXPECT_EQ(s->roomRented[0], 1);
    EXPECT_EQ(s->roomRented[1] + s->roomRented[2], 0);
    EXPECT_EQ(s->nightsPaid[0], 0);
    EXPECT_EQ(s->money, 2130 - 150);

    s = step("room");
    EXPECT_EQ(s->sceneId, 7);
    EXPECT_EQ(s->currentRoom, 0);
    EXPECT_EQ(s->tvVisits, 3);
    EXPECT_EQ(s->lampOn[0], 1);
    EXPECT_EQ(s->secretFound[0], 1);

    s = step("night");
    EXPECT_EQ(s->sceneId, 1);
    EXPECT_EQ(s->day, 2);
    EXPECT_EQ(s->hour, 0);
    EXPECT_EQ(s->money, 2130 - 150 - 150);
    EXPECT_EQ(s->nightsPaid[0], 1);
    EXPECT_EQ(s->camouflage[0], 0);
    EXPECT_EQ(s->location, 3);

    s = step("secrets");
    for (int i = 0; i < kSecrets; ++i) EXPECT_EQ(s->secretFound[i], 1) << "secret " << i + 1;
    for (int i = 0; i < kSecrets; ++i) EXPECT_EQ(s->secretRedeemed[i], 0);

    s = step("apartment");
    EXPECT_EQ(s->sceneId, 24);
    EXPECT_EQ(s->apartmentVisits, 3);
    EXPECT_EQ(s->secretRedeemed[1], 1);
    EXPECT_EQ(s->secretRedeemed[0] + s->secretRedeemed[2], 0);
    EXPECT_EQ(s->money, 2130 - 150 - 150);

    EXPECT_EQ(dumped().sceneId, 1);
    EXPECT_EQ(dumped().location, 2);
}

// The members-only gate of beach 2: the counter opens and closes, the fee is refused while
// short of it and paid with exactly its amount.
TEST_F(PlacesPlay, GateCounterAndMembership) {
    ASSERT_EQ(play("frames 1\n" + click(txt::kNewGame) + until(1) + click(txt::kBeachNames[3]) +
                   until(29) + click(txt::kToReception) + "frames 1\n" + click(txt::kPayFee) +
                   "frames 1\n" + dumpTo("short") + click(txt::kBack) + "frames 1\n" +
                   click(txt::kToMap) + until(1) + click(txt::kBeachNames[1]) + until(28) +
                   click(txt::kToReception) + "frames 1\n" + click(txt::kPayFee) + "frames 1\n" +
                   dumpTo("member") + click(txt::kToVipBeach) + "frames 1\n"),
              0);
    std::unique_ptr<GameState> s = step("short");  // 5000 Euro at beach 4: 3000 do not reach
    EXPECT_EQ(s->sceneId, 29);
    EXPECT_EQ(s->money, 3000);
    EXPECT_EQ(s->vipMember[1], 0);
    EXPECT_EQ(s->location, 204);
    s = step("member");
    EXPECT_EQ(s->money, 0);
    EXPECT_EQ(s->vipMember[0], 1);
    EXPECT_EQ(s->location, 202);
}

// A guest of ten nights is arrested in the lobby and leaves a fifth of his money with the
// officer; the hospital's cashier lets the recovery hours pass once and takes the bill.
TEST_F(PlacesPlay, ArrestDonationAndHospitalBill) {
    ASSERT_EQ(play("frames 1\n" + click(txt::kNewGame) + until(1) + dumpTo("fresh")), 0);
    std::unique_ptr<GameState> s = step("fresh");
    s->roomRented[0] = 1;
    s->nightsPaid[0] = 10;
    s->money = 1009;
    writeFile("arrest.bin",
              std::vector<uint8_t>(reinterpret_cast<uint8_t*>(s.get()),
                                   reinterpret_cast<uint8_t*>(s.get()) + sizeof(GameState)));
    ASSERT_EQ(play("frames 1\nload-state " + (dir / "arrest.bin").string() + "\nframes 1\n" +
                   click(txt::kHotelNames[0]) + until(14) + click(txt::kToHotel) + until(23) +
                   "frames 1\n" + click(txt::kPoliceman) + "frames 1\n" + click("ok") + until(22) +
                   dumpTo("donated")),
              0);
    std::unique_ptr<GameState> d = step("donated");
    EXPECT_EQ(d->money, 1009 - 201);
    EXPECT_EQ(d->roomRented[0], 1);  // the room is kept; the next visit ends the same way

    s->roomRented[0] = 0;
    s->sceneId = 27;
    s->money = 1000;
    s->hour = 21;
    s->hospitalBill = 400;
    s->recoveryHoursTotal = 5;
    s->recoveryHoursLeft = 5;
    writeFile("hospital.bin",
              std::vector<uint8_t>(reinterpret_cast<uint8_t*>(s.get()),
                                   reinterpret_cast<uint8_t*>(s.get()) + sizeof(GameState)));
    ASSERT_EQ(play("frames 1\nload-state " + (dir / "hospital.bin").string() + "\nframes 2\n" +
                   dumpTo("recovered") + click(txt::kPayBill) + until(18) + dumpTo("paid")),
              0);
    d = step("recovered");
    EXPECT_EQ(d->sceneId, 27);
    EXPECT_EQ(d->day, 2);
    EXPECT_EQ(d->hour, 2);
    EXPECT_EQ(d->recoveryHoursLeft, 0);
    EXPECT_EQ(d->money, 1000);
    d = step("paid");
    EXPECT_EQ(d->money, 600);
    EXPECT_EQ(d->day, 2);
    EXPECT_EQ(d->hour, 2);
}

// The porter and the laptop take their hotel from the record: an index no lobby or room
// writes (a damaged save) shows hotel 1's scene instead of reading past the tables.
TEST_F(PlacesPlay, HotelIndexOutsideTheTablesFallsBackToHotel1) {
    ASSERT_EQ(play("frames 1\n" + click(txt::kNewGame) + until(1) + dumpTo("fresh")), 0);
    std::unique_ptr<GameState> s = step("fresh");
    s->sceneId = 8;
    s->currentHotel = 1000000;
    s->currentRoom = -5;
    s->tip = 30;
    writeFile("odd.bin",
              std::vector<uint8_t>(reinterpret_cast<uint8_t*>(s.get()),
                                   reinterpret_cast<uint8_t*>(s.get()) + sizeof(GameState)));
    ASSERT_EQ(play("frames 1\nload-state " + (dir / "odd.bin").string() + "\nframes 1\n" +
                   click(txt::kAsk) + "frames 1\n" + click("ok") + "frames 1\n" + dumpTo("asked") +
                   click(txt::kToLobby) + until(3)),
              0);
    EXPECT_EQ(step("asked")->money, 3000 - 30);  // hotel 1's price
    EXPECT_EQ(dumped().currentHotel, 0);
}

}  // namespace
