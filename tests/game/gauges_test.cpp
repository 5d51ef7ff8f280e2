// gauges_test.cpp -- energy and health over frames, and the energy firing costs
#include "game/gauges.h"
#include "game/shots.h"
#include "game/world_fixture.h"

using EnergyAndHealth = CleanWorld;

// Each row is a frame's energy then health step, from health, energy and
// damage to health and energy, and from one flash to the next. Health
// regenerates faster only on exactly full energy; overspent energy becomes
// damage, which bleeds once (one splat: three random numbers) and flashes in
// steps of 4 up to 100. Energy at -2 regains 0.75, and the -1.25 left is
// charged as 0.25; a flash of 2 only a save holds.
TEST_F(EnergyAndHealth, EnergyAndHealthStepsWithinTheirRangesAndAHeldButtonFiresEverySecondFrame)
{
    const struct {
        float health, energy, damage, to_health, to_energy;
        int flash, to_flash;
    } frames[] = {{50, 100, 0, 50.2f, 100, 0, 0},     {50, 98.5f, 0, 50.1f, 99.25f, 0, 0},
                  {99.95f, 99.8f, 0, 100, 100, 0, 0}, {80, -2, 0.1f, 79.65f, 0, 96, 100},
                  {80, 100, 1, 79, 100, 100, 100},    {80, 100, 0, 80.2f, 100, 100, 96},
                  {80, 100, 0, 80.2f, 100, 2, 0},     {0.5f, 100, 5, 0, 100, 0, 4}};
    seed_random(5);
    int draws[10];
    for (int &d : draws)
        d = game_random();
    seed_random(5);
    for (const auto &f : frames) {
        player_health[0] = f.health;
        player_energy[0] = f.energy;
        pending_damage = f.damage;
        hurt_flash = f.flash;
        update_energy();
        update_health();
        EXPECT_NEAR(player_health[0], f.to_health, 1e-5) << f.health << " " << f.energy;
        EXPECT_TRUE(player_energy[0] == f.to_energy && hurt_flash == f.to_flash &&
                    pending_damage == 0)
            << f.health;
    }
    EXPECT_EQ(game_random(), draws[9]);  // three frames with damage

    // From 1.0 energy a held button fires in frames 0, 2 and 4, each shot costing
    // 1.5: overspent by 0.5, then 1.5 twice, charged as damage at a fifth.
    mouse_button_state[SDL_BUTTON_LEFT] = KEY_HELD;
    player_energy[0] = 1.0f;
    for (int i = 0; i < 6; i++) {
        fire_weapons();
        EXPECT_NEAR(pending_damage, i < 2 ? 0.1 : i < 4 ? 0.4 : 0.7, 1e-6) << i;
    }
    EXPECT_EQ(player_energy[0], 0.0f);
}
