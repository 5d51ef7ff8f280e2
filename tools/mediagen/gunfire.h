// gunfire.h -- the gun's sounds: three gunshots and a bullet striking flesh
#pragma once

#include <vector>

// Raw samples, before make_effect finishes them; both take the recipe's variant, as
// make_effect's table calls every sound alike.
std::vector<float> make_shot(int variant);  // 0..2, one per shot file
std::vector<float> make_hit(int variant);   // one hit: the variant is unused
