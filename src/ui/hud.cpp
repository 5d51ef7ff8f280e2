// hud.cpp -- the heads-up display over the game view: the kill count and the two gauges
#include "ui/hud.h"

#include <cstdio>

#include "game/world.h"
#include "ui/buttons.h"
#include "ui/text.h"

// Each text is drawn after its bar, over it.
void draw_hud()
{
    char text[64];
    snprintf(text, sizeof text, "Zombies Killed = %d", kill_count);
    draw_text(KILLS_TEXT_X, KILLS_TEXT_Y, text, TEXT_LEFT);
    draw_bar(ENERGY_BAR_Y, ENERGY_BAR_W, (float)(player_energy[0] * 0.01));
    snprintf(text, sizeof text, "Energy %d", (int)player_energy[0]);
    draw_text(GAUGE_TEXT_X, ENERGY_TEXT_Y, text, TEXT_LEFT);
    draw_bar(HEALTH_BAR_Y, HEALTH_BAR_W, (float)(player_health[0] * 0.01));
    snprintf(text, sizeof text, "Health %d", (int)player_health[0]);
    draw_text(GAUGE_TEXT_X, HEALTH_TEXT_Y, text, TEXT_LEFT);
}
