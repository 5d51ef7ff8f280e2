// players.h -- player control: walking directions, sprint, aim, separation, walls, view clamp
#pragma once

const float WALK_STEP = 5.0f;          // world pixels per frame at speed factor 1
const float SPRINT_STEP = 9.0f;        // the same with the sprint key down
const double SPRINT_COST = 1.35;       // slot 0 energy per frame of sprinting movement
const float VIEW_MARGIN_NEAR = 20.0f;  // a player's centre stays this far from the left and top
const float VIEW_MARGIN_FAR = 25.0f;   // and this far from the right and bottom of the view

void update_players(float speed_factor);
