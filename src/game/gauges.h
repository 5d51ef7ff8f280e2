// gauges.h -- the shared energy and health of a game: regeneration, overspending, damage and the hurt flash
#pragma once

const double ENERGY_REGEN = 0.75;      // per frame
const double OVERSPENT_DAMAGE = 0.2;   // pending damage per unit of energy below 0
const double HEALTH_REGEN_FULL = 0.2;  // per frame while energy is exactly 100
const double HEALTH_REGEN = 0.1;       // per frame otherwise
const int HURT_FLASH_STEP = 4;

void update_energy();
void update_health();
// Overspent energy (below 0) turns into pending damage and is floored at 0.
void charge_overspent_energy();
