// icon.h -- the game's icon: a zombie against the moon in a blood-red gun sight, at every size asked for
#pragma once

#include "picture.h"

// The sizes the desktop's icon theme is given, in pixels square.
const int ICON_SIZES[] = {32, 48, 64, 128, 256};
const int ICON_SIZE_COUNT = sizeof(ICON_SIZES) / sizeof(ICON_SIZES[0]);
const int WINDOW_ICON_SIZE = 32;  // Media/icon.png, the icon the game gives its own window

// The same picture drawn straight at `size` (not scaled from another size), so
// every size keeps crisp edges; transparent outside its rounded square.
Picture make_icon(int size);
