// lighting.h -- the border darkness: white over the lit middle of the view, black at its edges
#pragma once

#include "picture.h"

const int VIEW_WIDTH = 640, VIEW_HEIGHT = 480;

Picture make_border_darkness();
