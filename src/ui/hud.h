// hud.h -- the heads-up display over the game view: the kill count and the two gauges
#pragma once

const int ENERGY_BAR_Y = 405, ENERGY_BAR_W = 450;
const int HEALTH_BAR_Y = 430, HEALTH_BAR_W = 600;
const int KILLS_TEXT_X = 20, KILLS_TEXT_Y = 50;  // the kill count, top left
const int GAUGE_TEXT_X = 15;  // the gauges' texts stand over their bars' left ends
const int ENERGY_TEXT_Y = 400, HEALTH_TEXT_Y = 425;

// Not zoomed and not darkened: drawn on the display after the composite.
void draw_hud();
