// blood.h -- sixteen blood splats with soft edges and per-pixel alpha
#pragma once

#include "app/artwork_layout.h"
#include "picture.h"

// BLOOD_SPLAT_COUNT splats of BLOOD_SPLAT_SIZE square, side by side.
const int BLOOD_W = BLOOD_SPLAT_SIZE * BLOOD_SPLAT_COUNT, BLOOD_H = BLOOD_SPLAT_SIZE;

Picture make_blood();
