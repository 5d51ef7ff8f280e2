// tile_names.h -- the name of every tile kind, shared by the editor and the media generator that draws the kinds
#pragma once

// Kinds 0 to 9 are floors; 10 to 21 put a brick wall along one or two edges
// of a concrete tile, the doorways with a gap in the middle.
const char *const TILE_NAMES[] = {
    "Grass",                         // 0
    "Dirt",                          // 1
    "Gravel",                        // 2
    "Asphalt",                       // 3
    "Concrete",                      // 4
    "Wooden planks",                 // 5
    "Checkered tiles",               // 6
    "Mud",                           // 7
    "Sand",                          // 8
    "Carpet",                        // 9
    "Brick wall, left and bottom",   // 10
    "Brick wall, right and bottom",  // 11
    "Brick wall, right and top",     // 12
    "Brick wall, left and top",      // 13
    "Brick wall, left edge",         // 14
    "Brick wall, bottom edge",       // 15
    "Brick wall, right edge",        // 16
    "Brick wall, top edge",          // 17
    "Doorway, left edge",            // 18
    "Doorway, bottom edge",          // 19
    "Doorway, right edge",           // 20
    "Doorway, top edge",             // 21
};
const int TILE_NAME_COUNT = sizeof TILE_NAMES / sizeof TILE_NAMES[0];
