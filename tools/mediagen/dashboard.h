// dashboard.h -- the system overlay's picture: small font, button frames, pointer and the two bars
#pragma once

#include <string>

#include "picture.h"

const int DASHBOARD_W = 640, DASHBOARD_H = 240;
const int PANEL_PIECE = 20;  // nine pieces per set, at (60 s + 20 i, 60 + 20 j)
const int PANEL_TOP = 60;
const int POINTER_X = 440, POINTER_Y = 60, POINTER_W = 40, POINTER_H = 60;
const int POINTER_HOT_X = 12, POINTER_HOT_Y = 10;  // the tip, from the sprite's corner
const int TOP_BAR_Y = 120, BOTTOM_BAR_Y = 180, BAR_H = 60;

bool make_dashboard(Picture &dashboard, std::string &error);
