// menu_scenes.h -- the contact sheet's menu panels: the main menu, and the system overlay over it
#pragma once

#include "media_set.h"
#include "picture.h"

// The main menu as the game draws it: a lit row, buttons and a gauge.
Picture menu_scene(const MediaSet &m);
// The dashboard's bars, panels and pointer over the frozen menu.
Picture overlay_scene(const MediaSet &m);
