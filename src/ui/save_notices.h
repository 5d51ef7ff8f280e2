// save_notices.h -- saving and resuming as the player sees them: the file work below, the notice here
#pragma once

// Each tells the player how it went and returns whether it worked; a failed
// save keeps the old file.
bool save_game_with_notice();
bool save_map_with_notice();  // the editor's map, to map_path
// A resumed game is played from the next frame; without a readable save the
// main menu stays, and a damaged one leaves the screen as it is.
bool load_game_with_notice();
