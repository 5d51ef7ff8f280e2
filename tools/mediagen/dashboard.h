// dashboard.h -- the system overlay's picture: small font, button frames, pointer and the two bars
#pragma once

#include <string>

#include "app/display.h"
#include "picture.h"
#include "ui/overlay.h"

// The small font fills the top rows; the PANEL_SETS sets of nine frame pieces
// stand at (PANEL_SET_WIDTH s + PANEL_PIECE_SIZE i, PANEL_PIECES_Y + PANEL_PIECE_SIZE j),
// the pointer at POINTER_RECT, and the two bars span the screen's width below them.
const int DASHBOARD_W = VIEW_W, DASHBOARD_H = BOTTOM_BAR_SOURCE_Y + OVERLAY_BAR_HEIGHT;

bool make_dashboard(Picture &dashboard, std::string &error);
