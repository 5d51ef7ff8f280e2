// waves.h -- the Waves mode: waves that grow, breathers between them, zombies spawned in the open
#pragma once

#include "game/world.h"

// Every count of the Waves mode is in reference frames: 1/30 s each.
const float REFERENCE_FRAMES_PER_SECOND = 30.0f;
const float FIRST_BREATHER_FRAMES = 90.0f;  // "Wave 1" shows 3 s before the first zombie
const float BREATHER_FRAMES = 150.0f;       // 5 s between two waves
// Wave n brings WAVE_BASE_SIZE + WAVE_SIZE_STEP (n - 1) + (n - 1)^2 / WAVE_SIZE_CURVE zombies.
const int WAVE_BASE_SIZE = 10;
const int WAVE_SIZE_STEP = 7;
const int WAVE_SIZE_CURVE = 2;
// Spawns come every WAVE_FIRST_INTERVAL frames in wave 1, WAVE_INTERVAL_STEP
// fewer each wave, never faster than WAVE_MIN_INTERVAL.
const float WAVE_FIRST_INTERVAL = 20.0f;
const float WAVE_INTERVAL_STEP = 3.0f;
const float WAVE_MIN_INTERVAL = 3.0f;
const double WAVE_SPEED_STEP = 0.05;      // zombies walk 5 % faster each wave
const double WAVE_SPEED_MAX = 2.0;        // at most twice the first wave's speed (wave 21)
const float SHOT_INTERVAL_FRAMES = 2.0f;  // a held button fires every 1/15 s
const double CAMERA_KEEP_SHARE = 0.9;     // per reference frame, as the design's 9 parts of 10
const float WAVES_MIN_VIEW_SCALE = 0.5f;  // low health magnifies at most 2 times
const float RING_STEP = 0.05f;            // radians along the ring when a spawn point is blocked

// Reset when a game starts or a save is loaded
extern int wave_number;      // the wave being fought, or announced in a breather, from 1
extern int wave_spawned;     // zombies of this wave spawned so far
extern float spawn_clock;    // reference frames until the next spawn
extern float breather_left;  // reference frames left before wave_number starts; 0 in a wave
extern float fire_clock[MAX_PLAYERS];  // reference frames until each player may fire again
extern float hurt_flash_carry;         // the part of a flash step not yet taken

void reset_waves();
int wave_size(int wave);
int wave_zombies_left();  // to spawn and alive
float wave_speed(int wave);
// The wave's spawns, its end when its last zombie died, the breather and the next wave.
void spawn_wave_zombies();
// A point on the ring around player 0 a person can stand on inside the world:
// the design's ring point, moved along the ring to the nearest open one.
void open_ring_point(float &x, float &y);
bool spot_is_open(float x, float y);
