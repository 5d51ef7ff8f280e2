// people.h -- the survivor, the zombie and the dead zombie seen from above, facing +x
#pragma once

#include "app/artwork_layout.h"
#include "picture.h"

// One sprite of SPRITE_SIZE square per row, centred on (SPRITE_HALF, SPRITE_HALF);
// the game turns each row into its FACING_COUNT facings when it loads the sheet.
const int PEOPLE_W = SPRITE_SIZE, PEOPLE_H = PEOPLE_ROWS * SPRITE_SIZE;

// Player, zombie, dead zombie stacked downwards at PLAYER_ROW_Y, ZOMBIE_ROW_Y and
// CORPSE_ROW_Y; transparent where the game keys cyan.
Picture make_people();
