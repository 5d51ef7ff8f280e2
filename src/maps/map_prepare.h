// map_prepare.h -- turning the wall pieces of the grid into merged wall rectangles
#pragma once

const int WALL_THICKNESS = 12;     // world pixels across every wall
const int DOORWAY_WIDTH = 90;      // the gap a doorway kind leaves in its wall
const int DOOR_STUB = 5;           // wall left at each end of a doorway tile
const int LEFT_WALL_INSET = 3;     // a left wall starts 3 px inside its tile
const int RIGHT_WALL_INSET = 88;   // a right wall ends at the tile's right edge
const int TOP_WALL_INSET = 2;      // a top wall starts 2 px below the tile's top
const int BOTTOM_WALL_INSET = 87;  // a bottom wall ends 1 px above the tile's bottom

void prepare_map();
