// blood.h -- sixteen blood splats with soft edges and per-pixel alpha
#pragma once

#include "picture.h"

const int SPLAT = 46;        // each splat is 46 by 46
const int SPLAT_COUNT = 16;  // side by side
const int BLOOD_W = SPLAT * SPLAT_COUNT, BLOOD_H = SPLAT;

Picture make_blood();
