// people.h -- the survivor, the zombie and the dead zombie seen from above, facing +x
#pragma once

#include "picture.h"

const int PERSON = 36;  // each sprite is 36 by 36, centred on (18, 18)
const int PEOPLE_W = 36, PEOPLE_H = 108;

// Player, zombie, dead zombie stacked downwards; transparent where the game keys cyan.
Picture make_people();
