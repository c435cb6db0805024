// The rules of the island's places without drawing: buying and renting in the shop, rooms,
// the arrest and the porter in the hotels, the gate fee, the donation, the hospital's stay,
// the secrets and the two animations that draw random numbers.

#include <gtest/gtest.h>

#include <vector>

#include "game/state/clock.h"
#include "game/state/game_state.h"
#include "game/state/hotel_rules.h"
#include "game/state/random.h"
#include "game/state/shop_rules.h"
#include "game/state/town_rules.h"
#include "game/ui/panels.h"
#include "tests/game/game_fixture.h"
#include "tests/game/random_peek.h"

namespace {

class PlacesRules : public FreshGameTest {
  protected:
    void SetUp() override {
        FreshGameTest::SetUp();
        savedRandom = randomState();
    }
    void TearDown() override {
        setRandomState(savedRandom);
        FreshGameTest::TearDown();
    }
    void setClock(int hour, int minute, int second) {
        s.hour = hour;
        s.minute = minute;
        s.second = second;
    }

    GameState& s = gameState();
    uint32_t savedRandom = 0;
};

// --- Shop ------------------------------------------------------------------------------------

TEST_F(PlacesRules, GearIsBoughtWithExactlyItsPriceAndNeverTwice) {
    s.money = 800;
    EXPECT_TRUE(buyGear(s, Gear::Camera, 0));
    EXPECT_EQ(s.camera[0], 1);
    EXPECT_EQ(s.money, 0);

    s.money = 1999;  // one Euro short of the DerozIri
    EXPECT_FALSE(buyGear(s, Gear::Camera, 2));
    EXPECT_EQ(s.camera[2], 0);
    EXPECT_EQ(s.money, 1999);

    s.money = 5000;  // already owned: nothing is taken
    EXPECT_FALSE(buyGear(s, Gear::Camera, 0));
    EXPECT_EQ(s.money, 5000);

    // A lens or flash needs no camera; each kind sets its own column.
    EXPECT_TRUE(buyGear(s, Gear::Lens, 2));
    EXPECT_TRUE(buyGear(s, Gear::Flash, 1));
    EXPECT_EQ(s.lens[2], 1);
    EXPECT_EQ(s.flash[1], 1);
    EXPECT_EQ(s.lens[1], 0);
    EXPECT_EQ(s.money, 5000 - 1000 - 800);
    EXPECT_FALSE(buyGear(s, Gear::Lens, 3));
    EXPECT_FALSE(buyGear(s, Gear::Lens, -1));
}

TEST_F(PlacesRules, CamouflagePricesAndRentingOncePerDay) {
    const int prices[kCamouflageItems] = {50, 100, 200, 500, 800, 1000};
    s.money = 2650;
    for (int i = 0; i < kCamouflageItems; ++i) {
        EXPECT_TRUE(rentCamouflage(s, i)) << i;
        EXPECT_FALSE(rentCamouflage(s, i)) << i;
    }
    int total = 0;
    for (int p : prices) total += p;
    EXPECT_EQ(s.money, 2650 - total);
    EXPECT_EQ(s.money, 0);
    EXPECT_FALSE(rentCamouflage(s, 6));
}

TEST_F(PlacesRules, CamouflageRentedAt2359IsGoneOneMinuteLater) {
    setClock(23, 59, 0);
    s.money = 1000;
    ASSERT_TRUE(rentCamouflage(s, 5));
    advanceClock(59);
    EXPECT_EQ(s.camouflage[5], 1);  // still 23:59:59
    advanceClock(1);
    EXPECT_EQ(s.hour, 0);
    EXPECT_EQ(s.day, 2);
    EXPECT_EQ(s.camouflage[5], 0);
    EXPECT_EQ(s.money, 0);  // no refund
}

// --- Hotels ----------------------------------------------------------------------------------

TEST_F(PlacesRules, RentingInHotel2GivesUpTheRoomInHotel1) {
    ASSERT_TRUE(rentRoom(s, 0));
    EXPECT_EQ(s.money, 3000 - 150);
    EXPECT_FALSE(canRentRoom(s, 0));
    EXPECT_FALSE(rentRoom(s, 0));  // already have one here
    ASSERT_TRUE(rentRoom(s, 1));
    EXPECT_EQ(s.roomRented[0], 0);
    EXPECT_EQ(s.roomRented[1], 1);
    EXPECT_EQ(s.money, 3000 - 150 - 250);  // no refund for hotel 1

    advanceClock(16 * 3600);  // 8:00 to midnight: only hotel 2 is charged
    EXPECT_EQ(s.day, 2);
    EXPECT_EQ(s.money, 3000 - 150 - 250 - 250);
    EXPECT_EQ(s.nightsPaid[0], 0);
    EXPECT_EQ(s.nightsPaid[1], 1);

    s.money = 399;  // the reception of hotel 3 offers nothing
    EXPECT_FALSE(canRentRoom(s, 2));
    EXPECT_FALSE(rentRoom(s, 2));
    EXPECT_EQ(s.roomRented[1], 1);
}

TEST_F(PlacesRules, TheTenthNightArrestsAndRentingAgainResets) {
    ASSERT_TRUE(rentRoom(s, 2));
    s.money = 100000;
    advanceClock(16 * 3600);  // first night charged at midnight
    for (int night = 1; night < 9; ++night) advanceClock(24 * 3600);
    EXPECT_EQ(s.nightsPaid[2], 9);
    EXPECT_FALSE(arrestDue(s, 2));
    advanceClock(24 * 3600);
    EXPECT_EQ(s.nightsPaid[2], 10);
    EXPECT_TRUE(arrestDue(s, 2));
    EXPECT_FALSE(arrestDue(s, 0));

    // Leaving for another hotel and coming back starts the count again.
    ASSERT_TRUE(rentRoom(s, 0));
    EXPECT_FALSE(arrestDue(s, 2));
    ASSERT_TRUE(rentRoom(s, 2));
    EXPECT_EQ(s.nightsPaid[2], 0);
    EXPECT_FALSE(arrestDue(s, 2));
}

TEST_F(PlacesRules, PorterTipWalksInTensAndFitsTheMoney) {
    s.tip = kTipOffered;
    for (int i = 0; i < 4; ++i) raiseTip(s);
    EXPECT_EQ(s.tip, 50);
    for (int i = 0; i < 6; ++i) lowerTip(s);
    EXPECT_EQ(s.tip, 10);

    // With 15 Euro a tip of 30 drops to 10: 10 Euro in hotel 1, 100 Euro in hotel 3.
    s.money = 15;
    s.tip = 30;
    fitTipToMoney(s);
    EXPECT_EQ(s.tip, 10);
    EXPECT_EQ(porterPrice(s, 0), 10);
    EXPECT_EQ(porterPrice(s, 1), 50);
    EXPECT_EQ(porterPrice(s, 2), 100);
    raiseTip(s);
    fitTipToMoney(s);
    EXPECT_EQ(s.tip, 10);

    // Only the tip is compared with the money: hotel 3's price takes it below 0.
    s.crowdedBeach = 4;
    askPorter(s, 2);
    EXPECT_EQ(s.money, 15 - 100);

    // A record whose lobby has not offered a tip yet (0) starts from the lowest.
    s.money = 1000;
    s.tip = 0;
    fitTipToMoney(s);
    EXPECT_EQ(s.tip, 10);
}

TEST_F(PlacesRules, PorterAnswersForTheHighestAndLowestTipDrawNothing) {
    s.money = 10000;
    for (int crowded = 0; crowded < kBeaches; ++crowded) {
        s.crowdedBeach = crowded;
        const uint32_t before = randomState();
        s.tip = 50;
        EXPECT_EQ(askPorter(s, 0), crowded);
        s.tip = 10;
        const int named = askPorter(s, 0);
        EXPECT_EQ(named, 9 - crowded);
        EXPECT_NE(named, crowded);
        EXPECT_EQ(randomState(), before);
    }
    EXPECT_EQ(s.money, 10000 - kBeaches * (50 + 10));
}

TEST_F(PlacesRules, PorterMiddleTipsDrawOnceAndAlwaysNameABeachOfTheList) {
    s.money = 10000;
    s.tip = 30;
    s.crowdedBeach = 5;
    const int next = peekRand(1)[0];
    EXPECT_EQ(askPorter(s, 1), 5 + next % 5 - 2);
    EXPECT_EQ(s.money, 10000 - 150);
    EXPECT_NE(randomState(), savedRandom);

    // Places beyond either end of the list count on from the other end.
    EXPECT_EQ(porterBeach(20, 0, 0), 8);
    EXPECT_EQ(porterBeach(20, 0, 1), 9);
    EXPECT_EQ(porterBeach(40, 9, 3), 0);
    EXPECT_EQ(porterBeach(40, 9, 4), 1);
    EXPECT_EQ(porterBeach(30, 4, 2), 4);
    for (int crowded = 0; crowded < kBeaches; ++crowded) {
        for (int draw = 0; draw < 5; ++draw) {
            for (int tip = 10; tip <= 50; tip += 10) {
                const int named = porterBeach(tip, crowded, draw);
                EXPECT_GE(named, 0);
                EXPECT_LT(named, kBeaches);
            }
        }
    }
}

// --- Town ------------------------------------------------------------------------------------

TEST_F(PlacesRules, GateFeePaidExactlyMakesAMemberOnce) {
    s.money = 3000;
    EXPECT_TRUE(payGateFee(s, 0));
    EXPECT_EQ(s.money, 0);
    EXPECT_EQ(s.vipMember[0], 1);
    s.money = 9999;
    EXPECT_FALSE(payGateFee(s, 3));
    EXPECT_EQ(s.vipMember[3], 0);
    EXPECT_EQ(s.money, 9999);
    s.money = 20000;
    EXPECT_FALSE(payGateFee(s, 0));  // already a member
    EXPECT_EQ(s.money, 20000);
    EXPECT_TRUE(payGateFee(s, 3));
    EXPECT_EQ(s.money, 10000);

    // A membership outlives a new game.
    startNewGame();
    EXPECT_EQ(s.vipMember[0], 1);
    EXPECT_EQ(s.vipMember[3], 1);
}

TEST_F(PlacesRules, DonationIsAFifthOfThePositiveMoney) {
    s.money = 9;
    EXPECT_EQ(payDonation(s), 1);
    EXPECT_EQ(s.money, 8);
    s.money = 4;
    EXPECT_EQ(payDonation(s), 0);
    EXPECT_EQ(s.money, 4);
    s.money = 3000;
    EXPECT_EQ(payDonation(s), 600);
    EXPECT_EQ(s.money, 2400);
    // A debt gives nothing (and takes nothing back).
    s.money = -500;
    EXPECT_EQ(payDonation(s), 0);
    EXPECT_EQ(s.money, -500);
    // Large balances do not overflow.
    EXPECT_EQ(donationFor(2000000000), 400000000);
}

TEST_F(PlacesRules, HospitalStayAdvancesTheClockOnceThroughADayEnd) {
    ASSERT_TRUE(rentRoom(s, 0));
    setClock(20, 30, 0);
    s.hospitalBill = 700;
    s.recoveryHoursTotal = 6;
    s.recoveryHoursLeft = 6;
    const int money = s.money;
    recoverInHospital(s);
    EXPECT_EQ(s.day, 2);
    EXPECT_EQ(s.hour, 2);
    EXPECT_EQ(s.minute, 30);
    EXPECT_EQ(s.recoveryHoursLeft, 0);
    EXPECT_EQ(s.recoveryHoursTotal, 6);
    EXPECT_EQ(s.money, money - 150);  // the night's rent on the way
    EXPECT_EQ(s.nightsPaid[0], 1);
    recoverInHospital(s);  // nothing left: the clock stays
    EXPECT_EQ(s.hour, 2);
    payHospitalBill(s);
    EXPECT_EQ(s.money, money - 150 - 700);
}

TEST_F(PlacesRules, SecretsAreRedeemedOnlyOnceFound) {
    const int money = s.money;
    EXPECT_FALSE(redeemSecret(s, 3));
    EXPECT_EQ(s.secretRedeemed[2], 0);
    findSecret(s, 3);
    findSecret(s, 3);  // found again: stays set
    EXPECT_EQ(s.secretFound[2], 1);
    EXPECT_TRUE(redeemSecret(s, 3));
    EXPECT_EQ(s.secretRedeemed[2], 1);
    EXPECT_EQ(s.money, money);  // redeeming pays nothing
    findSecret(s, 0);
    findSecret(s, 8);
    EXPECT_FALSE(redeemSecret(s, 8));
    for (int i = 0; i < kSecrets; ++i) EXPECT_EQ(s.secretFound[i], i == 2 ? 1 : 0);
}

TEST_F(PlacesRules, HoursOfTheDayScenesAndTheShop) {
    EXPECT_FALSE(isDayHour(8));
    EXPECT_TRUE(isDayHour(9));
    EXPECT_TRUE(isDayHour(19));
    EXPECT_FALSE(isDayHour(20));
    EXPECT_FALSE(isShopHour(6));
    EXPECT_TRUE(isShopHour(7));
    EXPECT_TRUE(isShopHour(21));
    EXPECT_FALSE(isShopHour(22));
}

TEST_F(PlacesRules, GateFlyerComesBackWithThreeDrawsInOrder) {
    GateFlyer flyer;
    int frames = 0;
    while (flyer.x >= -200 + 2) {
        stepGateFlyer(flyer);
        ++frames;
    }
    EXPECT_EQ(randomState(), savedRandom);  // no draw while it flies
    EXPECT_EQ(flyer.frame, frames % 25);
    const std::vector<int> next = peekRand(3);
    stepGateFlyer(flyer);
    EXPECT_EQ(flyer.x, 840 + (next[0] & 511));
    EXPECT_EQ(flyer.y, next[1] & 63);
    EXPECT_EQ(flyer.speed, 1 + (next[2] & 1));
}

TEST_F(PlacesRules, OfficerDrawsHisLookOncePerHour) {
    OfficerLook look;
    const std::vector<int> next = peekRand(2);
    updateOfficerLook(look, 10);
    EXPECT_EQ(look.variant, next[0] % 3);
    updateOfficerLook(look, 10);
    updateOfficerLook(look, 10);
    updateOfficerLook(look, 11);
    EXPECT_EQ(look.variant, next[1] % 3);
    // Exactly two draws were taken.
    setRandomState(savedRandom);
    gameRand();
    const uint32_t afterTwo = (gameRand(), randomState());
    updateOfficerLook(look, 11);
    EXPECT_EQ(randomState(), afterTwo);
}

}  // namespace
