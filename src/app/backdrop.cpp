// backdrop.cpp -- open/closed state and fade level of the system overlay
#include "app/backdrop.h"

bool overlay_open = false;
float overlay_level = 0.0f;
