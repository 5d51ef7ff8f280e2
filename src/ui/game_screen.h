// game_screen.h -- the game's screen: one step of the world, its picture and the heads-up display
#pragma once

void game_frame(float speed_factor);
