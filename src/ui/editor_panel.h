// editor_panel.h -- the editor's palette of every tile kind and its row of tools
#pragma once

#include <SDL.h>

enum { TOOL_PAINT, TOOL_RECTANGLE, TOOL_ROOM, TOOL_FILL, TOOL_COUNT };

// Ten kinds a row, in kind order: key 1 steps through the first column
// (kinds 0, 10, 20), key 2 the second, and so on to key 0.
const int PALETTE_COLUMNS = 10, PALETTE_ROWS = 3;
const int PALETTE_X = 40, PALETTE_Y = 344;  // the first picture's top left
const int PALETTE_CELL = 26;                // a picture and its gap
const int PALETTE_PICTURE = 22;             // a tile's 100 pixels shown in 22
const int PALETTE_FRAME = 2;                // the selected picture's frame, outside it
const int PALETTE_PANEL_X = 34, PALETTE_PANEL_Y = 338, PALETTE_PANEL_W = 266, PALETTE_PANEL_H = 84;
const int TOOL_BUTTON_X = 500, TOOL_BUTTON_W = 100, TOOL_BUTTON_H = 20;
const int TOOL_BUTTON_TOP = 35, TOOL_BUTTON_STEP = 25;  // Paint, Rect, Room, Fill
const int GRID_BUTTON_Y = 145;

// The editor's screen layout: a rectangle per control.
struct EditorRect {
    int x, y, w, h;
};

const EditorRect LAST_TILE_BUTTON = {40, 35, 110, 20};
const EditorRect PREVIEW_BOX = {40, 65, 110, 110};
const EditorRect NEXT_TILE_BUTTON = {40, 185, 110, 20};
const int PREVIEW_X = 45, PREVIEW_Y = 70;  // the tile inside the preview box
// The selected kind's name under "Next tile", in the small font, wrapped
// to the column's width and centred in it.
const int TILE_NAME_TOP = 212;
const int TILE_NAME_LINE_HEIGHT = 16;
const int TILE_NAME_LINE_CHARS = 11;  // 110 pixels of 10-pixel characters

// Per editing session
extern int editor_tool;  // what the left button does on the map
extern bool grid_shown;  // tile edges drawn over the map
// Made when the editor opens, in the display's format: the palette's panel
// with every kind's picture
extern SDL_Surface *palette_pictures;

// A box button at a layout rectangle.
bool editor_button(const EditorRect &r, const char *label);
void make_palette_pictures();
// "Last tile", the preview, "Next tile" and the kind's name: "Last tile"
// shows in the preview in the same frame, "Next tile" in the next.
void draw_tile_column();
// The palette drawn; a click on a picture selects its kind.
void draw_palette();
bool pointer_over_palette();
// The tool buttons and "Grid", the selected tool lit.
void draw_tool_row();
bool pointer_over_tool_row();
// 1 to 0, Shift with the wheel, P R O B for the tools, F for the grid.
void panel_keys();
