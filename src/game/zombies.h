// zombies.h -- the horde: spawning on a ring, chasing, crowding, stragglers, contact, groans
#pragma once

const int SPAWN_DIRECTIONS = 360;         // rand() % 360, used directly as radians
const double SPAWN_RING_RADIUS = 650.0;   // world pixels around player 0
const float STRAGGLER_DISTANCE = 750.0f;  // farther from player 0 than this: back to the ring
const double ZOMBIE_SPEED = 1.1;          // world pixels per frame at speed factor 1
const double CONTACT_PUSH_SHARE = 0.5;    // part of the overlap the zombie gives back on contact
const double CONTACT_PLAYER_SHARE = 0.5;  // part of the zombie's push the player receives
const double CONTACT_DAMAGE = 0.4;        // pending damage per touching zombie per frame
const float GROAN_HEARING = 600.0f;       // world pixels: farther zombies are not heard
const int GROAN_CHANCE_PER_ZOMBIE = 2;    // per thousand, per frame, for each zombie heard
const int GROAN_CHANCE_MAX = 300;         // per thousand

// The design's ring point around player 0: one rand() draw.
void ring_point(float &x, float &y);
void update_zombies(float speed_factor);
// Once per game frame: the sounds' spacing runs down, and the horde may groan.
void update_horde_sounds(int elapsed_ms);
