// game_frame.h -- one step of a game: simulation, energy and health, camera, firing, drawing, HUD
#pragma once

const int LABEL_RISE = 10;             // player labels stand 10 px above the centre
const double ENERGY_REGEN = 0.75;      // per frame
const double OVERSPENT_DAMAGE = 0.2;   // pending damage per unit of energy below 0
const double HEALTH_REGEN_FULL = 0.2;  // per frame while energy is exactly 100
const double HEALTH_REGEN = 0.1;       // per frame otherwise
const int HURT_FLASH_STEP = 4;
const int FIRE_SPREAD = 151;  // rand() % 151 - 75 thousandths of a radian
const int FIRE_SPREAD_HALF = 75;
const double FIRE_SPREAD_UNIT = 0.001;
const double SHOT_ENERGY = 1.5;
const int PAUSE_X = 500, PAUSE_Y = 400, PAUSE_W = 100, PAUSE_H = 20;
const int ENERGY_BAR_Y = 405, ENERGY_BAR_W = 450;
const int HEALTH_BAR_Y = 430, HEALTH_BAR_W = 600;
const int KILLS_TEXT_X = 20, KILLS_TEXT_Y = 50;  // the kill count, top left
const int GAUGE_TEXT_X = 15;  // the gauges' texts stand over their bars' left ends
const int ENERGY_TEXT_Y = 400, HEALTH_TEXT_Y = 425;
const double RADIANS_TO_DEGREES = 57.29578;

void game_frame(float speed_factor);
void update_game(float speed_factor);  // the frame's simulation, without drawing or shots
void update_energy();
void update_health();
void update_camera();
void fire_weapons();
int facing_frame(float angle);
void draw_scene_sprites();
void draw_hud();
void end_game();
