// icon.h -- the game's icon: a zombie against the moon in a blood-red gun sight, at every size asked for
#pragma once

#include "picture.h"

// The sizes the desktop's icon theme is given, in pixels square.
const int WINDOW_ICON_SIZE = 32;  // Media/icon.png, the icon the game gives its own window
const int ICON_SIZES[] = {WINDOW_ICON_SIZE, 48, 64, 128, 256};  // the window's icon first

// The same picture drawn straight at `size` (not scaled from another size), so
// every size keeps crisp edges; transparent outside its rounded square.
Picture make_icon(int size);
