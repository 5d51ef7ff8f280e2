// map_file.h -- the 50 by 50 tile grid, its text file and its pictures: the floor and the tops of the walls
#pragma once

#include <iosfwd>

#include "game/world.h"

const int TILE_KIND_COUNT = 22;      // kinds 0 to 21
const int FIRST_WALL_KIND = 10;      // 0 to 9 are floors, 10 to 21 wall pieces
const int WALL_OVERLAY_OFFSET = 12;  // a wall kind's overlay lies in cell kind + 12
const int TILE_CHAR_OFFSET = 33;     // a kind is written as the character kind + 33
const int MAP_PATH_SIZE = 100;       // at most 99 characters and the terminator
const int MAP_WORD_SIZE = 100;       // a row word keeps at most 99 characters

// Wall kinds: the edges of its tile that each one walls
enum {
    TILE_WALL_LEFT_BOTTOM = 10,
    TILE_WALL_RIGHT_BOTTOM = 11,
    TILE_WALL_RIGHT_TOP = 12,
    TILE_WALL_LEFT_TOP = 13,
    TILE_WALL_LEFT = 14,
    TILE_WALL_BOTTOM = 15,
    TILE_WALL_RIGHT = 16,
    TILE_WALL_TOP = 17,
    TILE_DOOR_LEFT = 18,  // a doorway in the wall's middle
    TILE_DOOR_BOTTOM = 19,
    TILE_DOOR_RIGHT = 20,
    TILE_DOOR_TOP = 21
};

// Overwritten by every map or save load
extern int map_tiles[MAP_SIZE][MAP_SIZE];  // [x][y]: a kind 0 to 21 per tile
extern char map_path[MAP_PATH_SIZE];       // "Maps/" and the file name of the current map

const char NEW_MAP_NAME_FORMAT[] = "Map %d";  // new maps are offered the first free number from 1

int load_map();  // 0, or the errno of a file that could not be read: the grid is then floor 0
int save_map();  // 0, or the errno of the failure; the old file then stays
// "Maps/<name>.map"; false when it does not fit map_path.
bool map_file_path(const char *name, char path[MAP_PATH_SIZE]);
// Any entry of Maps/ has that file name, even a broken link.
bool map_name_taken(const char *name);
void first_free_map_name(char *name, int size);
// Writes `tiles` to Maps/<name>.map, lists it and makes it map_path; `path`
// gets the file's path either way. Returns 0 or the errno of the failure:
// EEXIST when the name is taken, ENAMETOOLONG when the path would not fit.
int create_map_file(const char *name, const int tiles[MAP_SIZE][MAP_SIZE],
                    char path[MAP_PATH_SIZE]);
void render_world_surface();
void draw_tile(int x, int y);
// Wall kinds' overlays onto the game view over the people, so they walk
// under the tops of the walls.
void draw_wall_overlays();

// The grid as text, shared by map files and the save file: one word per row.
// Reading fills every tile; what is missing or invalid becomes kind 0, and the
// result says whether all 50 rows were whole and valid.
bool read_map_rows(std::istream &in, int tiles[MAP_SIZE][MAP_SIZE]);
void write_map_rows(std::ostream &out, const int tiles[MAP_SIZE][MAP_SIZE]);
