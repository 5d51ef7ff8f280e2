// lighting.h -- the border darkness: white over the lit middle of the view, black at its edges
#pragma once

#include "app/display.h"
#include "picture.h"

// VIEW_W by VIEW_H, one value per pixel of the game view.
Picture make_border_darkness();
