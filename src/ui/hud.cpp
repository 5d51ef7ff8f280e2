// hud.cpp -- the heads-up display over the game view: the kill count and the two gauges
#include "ui/hud.h"

#include <cstdio>

#include "app/display.h"
#include "game/game_clock.h"
#include "game/waves.h"
#include "game/world.h"
#include "ui/buttons.h"
#include "ui/game_over.h"
#include "ui/text.h"

static void draw_wave_lines()
{
    char text[64], time_text[DURATION_TEXT_SIZE];
    format_duration(time_text, sizeof time_text, game_time_ms / MS_PER_SECOND);
    snprintf(text, sizeof text, "Wave %d  %s", wave_number, time_text);
    draw_text(WAVE_TEXT_RIGHT, WAVE_TEXT_Y, text, TEXT_RIGHT);
    if (breather_left > 0.0f) {
        snprintf(text, sizeof text, "Wave %d", wave_number);
        draw_large_text_centred(VIEW_CENTER_X, WAVE_BANNER_Y, text);
        return;
    }
    snprintf(text, sizeof text, "Left %d", wave_zombies_left());
    draw_text(WAVE_TEXT_RIGHT, WAVE_LEFT_Y, text, TEXT_RIGHT);
}

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
    if (game_mode == MODE_WAVES)
        draw_wave_lines();
}
