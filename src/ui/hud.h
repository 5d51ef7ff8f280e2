// hud.h -- the heads-up display over the game view: the kill count and the two gauges
#pragma once

#include "game/camera.h"

const int ENERGY_BAR_Y = 405, ENERGY_BAR_W = 450;
const int HEALTH_BAR_Y = 430, HEALTH_BAR_W = 600;
const int KILLS_TEXT_X = 20, KILLS_TEXT_Y = 50;  // the kill count, top left
const int GAUGE_TEXT_X = 15;  // the gauges' texts stand over their bars' left ends
const int ENERGY_TEXT_Y = GAUGES_TOP, HEALTH_TEXT_Y = 425;

// Waves: the wave and the time played at the top right, the zombies left
// below them, and "Wave n" large while a breather announces it.
const int WAVE_TEXT_RIGHT = 620;
const int WAVE_TEXT_Y = KILLS_TEXT_Y, WAVE_LEFT_Y = KILLS_TEXT_Y + 25;
const int WAVE_BANNER_Y = 150;

// Not zoomed and not darkened: drawn on the display after the composite.
void draw_hud();
