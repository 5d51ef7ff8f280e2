// game_scene.h -- the contact sheet's game panel: the view of a house, the horde and the HUD
#pragma once

#include "media_set.h"
#include "picture.h"

// One frame of play as the game composes it: floors, the dead, the living, wall
// overlays, the border's darkness, then the HUD's text, gauges and button.
Picture game_scene(const MediaSet &m);
