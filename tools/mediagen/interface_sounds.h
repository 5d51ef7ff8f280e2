// interface_sounds.h -- the interface's sounds: a button's click and the chime of a saved game
#pragma once

#include <vector>

// Raw samples, before make_effect finishes them; each takes the recipe's variant, as
// make_effect's table calls every sound alike, and has only the one.
std::vector<float> make_click(int variant);
std::vector<float> make_saved(int variant);
