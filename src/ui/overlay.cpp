// overlay.cpp -- the system overlay's dashboard artwork
#include "ui/overlay.h"

SDL_Surface *dashboard_image = nullptr;
SDL_Rect pointer_rect = {440, 60, 40, 60};
