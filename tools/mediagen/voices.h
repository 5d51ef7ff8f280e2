// voices.h -- the throats' sounds: a zombie's death and groan, the player's grunt and death cry
#pragma once

#include <vector>

// Raw samples, before make_effect finishes them; each takes the recipe's variant, as
// make_effect's table calls every sound alike, and has only the one.
std::vector<float> make_zombie_death(int variant);
std::vector<float> make_groan(int variant);  // the ambient moan of the horde
std::vector<float> make_hurt(int variant);
std::vector<float> make_player_death(int variant);
