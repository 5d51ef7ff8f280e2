// backdrop.h -- open/closed state and fade level of the system overlay
#pragma once

// Per frame
extern bool overlay_open;    // the overlay is wanted open (Escape toggles it)
extern float overlay_level;  // 0 fully closed .. 100 fully open; screens run only at 0
