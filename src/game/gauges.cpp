// gauges.cpp -- the shared energy and health of a game: regeneration, overspending, damage and the hurt flash
#include "game/gauges.h"

#include "app/sound.h"
#include "game/waves.h"
#include "game/world.h"

// The flash moves 4 a frame; in Waves 4 a reference frame, the fraction
// carried over to the next frame.
static int flash_step()
{
    if (game_mode != MODE_WAVES)
        return HURT_FLASH_STEP;
    hurt_flash_carry += HURT_FLASH_STEP * frame_scale;
    int step = (int)hurt_flash_carry;
    hurt_flash_carry -= (float)step;
    return step;
}

void charge_overspent_energy()
{
    if (player_energy[0] < 0.0f) {
        pending_damage = (float)(pending_damage + OVERSPENT_DAMAGE * -player_energy[0]);
        player_energy[0] = 0.0f;
    }
}

void update_energy()
{
    player_energy[0] = (float)(player_energy[0] + ENERGY_REGEN * frame_scale);
    if (player_energy[0] > GAUGE_MAX)
        player_energy[0] = GAUGE_MAX;
    else
        charge_overspent_energy();
}

// Classic asks for exactly 100. A frame of another length than 1/30 s
// would seldom land there, so Waves takes energy within one reference
// frame's regeneration of full: a steady fire then earns the faster
// regeneration about as often at any frame rate.
static bool energy_is_full()
{
    if (game_mode == MODE_WAVES)
        return player_energy[0] >= (float)(GAUGE_MAX - ENERGY_REGEN);
    return player_energy[0] == GAUGE_MAX;
}

// Damage gathered this frame bleeds and flashes the border red; an unhurt
// frame fades the flash and regenerates, faster on full energy.
void update_health()
{
    if (pending_damage != 0.0f) {
        sound_player_hurt();
        paint_blood_splat(player_x[0], player_y[0], SPLAT_SPREAD_HIT);
        player_health[0] = player_health[0] - pending_damage;
        if (hurt_flash < HURT_FLASH_MAX)
            hurt_flash += flash_step();
        pending_damage = 0.0f;
    } else {
        if (hurt_flash != 0)
            hurt_flash -= flash_step();
        double regen = energy_is_full() ? HEALTH_REGEN_FULL : HEALTH_REGEN;
        player_health[0] = (float)(player_health[0] + regen * frame_scale);
    }
    // A loaded flash need not be a multiple of 4: keep it within its range.
    if (hurt_flash < 0)
        hurt_flash = 0;
    if (hurt_flash > HURT_FLASH_MAX)
        hurt_flash = HURT_FLASH_MAX;
    if (player_health[0] < 0.0f)
        player_health[0] = 0.0f;
    if (player_health[0] > GAUGE_MAX)
        player_health[0] = GAUGE_MAX;
}
