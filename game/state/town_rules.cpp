#include "game/state/town_rules.h"

#include <cstdint>

#include "game/state/clock.h"
#include "game/state/film.h"
#include "game/state/random.h"

bool isDayHour(int hour) {
    return hour >= 9 && hour <= 19;
}

bool isShopHour(int hour) {
    return hour >= 7 && hour <= 21;
}

void findSecret(GameState& s, int secret) {
    if (secret >= 1 && secret <= kSecrets) s.secretFound[secret - 1] = 1;
}

bool redeemSecret(GameState& s, int secret) {
    if (secret < 1 || secret > kSecrets || !s.secretFound[secret - 1]) return false;
    s.secretRedeemed[secret - 1] = 1;
    return true;
}

void recoverInHospital(GameState& s) {
    if (s.recoveryHoursLeft <= 0) return;
    const int64_t seconds = static_cast<int64_t>(s.recoveryHoursLeft) * 3600;
    s.recoveryHoursLeft = 0;
    advanceClock(seconds);
}

void payHospitalBill(GameState& s) {
    // Money is never mended, whatever a loaded game owes: the payment stops at the end of the
    // range rather than wrapping.
    s.money = addEuro(s.money, -int64_t{s.hospitalBill});
}

int donationFor(int money) {
    if (money <= 0) return 0;
    return static_cast<int>(static_cast<int64_t>(money) * 20 / 100);
}

int payDonation(GameState& s) {
    const int donation = donationFor(s.money);
    s.money -= donation;
    return donation;
}

bool payGateFee(GameState& s, int gate) {
    if (gate < 0 || gate >= kVipGates || s.vipMember[gate] || s.money < kGateFee[gate]) {
        return false;
    }
    s.money -= kGateFee[gate];
    s.vipMember[gate] = 1;
    return true;
}

void stepGateFlyer(GateFlyer& flyer) {
    flyer.frame = (flyer.frame + 1) % 25;
    flyer.x -= flyer.speed;
    if (flyer.x < -200) {
        flyer.x = 840 + (gameRand() & 511);
        flyer.y = gameRand() & 63;
        flyer.speed = 1 + (gameRand() & 1);
    }
}

void updateOfficerLook(OfficerLook& look, int hour) {
    if (look.hour == hour) return;
    look.hour = hour;
    look.variant = gameRand() % 3;
}
