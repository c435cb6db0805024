// The three incidents of a beach visit. The lifeguard and the bodyguard end in hospital after a
// scuffle that may cost equipment; the police take the player to their officer.

#include "game/scenes/beach/incidents.h"

#include "game/asset_table.h"
#include "game/scenes/beach/beach.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/ui/modal_box.h"
#include "game/ui/movie.h"
#include "texts/texts.h"

namespace {

void equipmentLoss() {
    if (rollEquipmentLoss(gameState()) < 0) return;
    messageBox(210, 150, txt::kEquipmentLost[0], txt::kEquipmentLost[1], txt::kEquipmentLost[2], "",
               "", "");
}

void hospital(const char* movie) {
    GameState& s = gameState();
    playMovie(movie, nullptr);
    equipmentLoss();
    playMovie(assets::kMovieHospitalBed, nullptr);
    s.hospitalBill = hospitalBillFor(s.money);
    const int hours = rollRecoveryHours();
    s.recoveryHoursTotal = hours;
    s.recoveryHoursLeft = hours;
    s.sceneId = kSceneHospitalCashier;
    leaveBeach(kSceneHospitalCashier, assets::kMusicHospital);
}

}  // namespace

void playIncident(Incident incident) {
    switch (incident) {
        case Incident::Lifeguard:
            hospital(assets::kMovieLifeguard);
            break;
        case Incident::Bodyguard:
            hospital(assets::kMovieBodyguard);
            break;
        case Incident::Police:
            playMovie(assets::kMovieBeachPolice, nullptr);
            leaveBeach(kScenePoliceOfficer, assets::kMusicPolice);
            break;
        case Incident::None:
            break;
    }
}
