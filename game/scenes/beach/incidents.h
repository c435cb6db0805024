#pragma once
// What happens when the danger check catches the player: the movies, the equipment lost, the
// hospital bill and stay, and the scene the player ends up in.

#include "game/scenes/beach/danger.h"

void playIncident(Incident incident);
