// game_screen.h -- the game's screen: one step of the world, its picture and the heads-up display
#pragma once

void game_frame(float speed_factor);
// One step of the world and its picture; a watched step has no "Pause".
void run_game_step(float speed_factor, bool watched);
