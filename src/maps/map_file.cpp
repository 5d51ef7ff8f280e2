// map_file.cpp -- the tile grid: reading and writing map files, painting the floor and the tops of the walls
#include "maps/map_file.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

#include "app/artwork.h"
#include "app/display.h"
#include "app/folders.h"
#include "app/safe_write.h"
#include "app/sprite_tables.h"
#include "maps/map_list.h"

int map_tiles[MAP_SIZE][MAP_SIZE];
char map_path[MAP_PATH_SIZE];

static bool is_blank(int c)
{
    return c != std::char_traits<char>::eof() && std::isspace(c);
}

// The next word of the stream: whitespace of any line-end convention is
// skipped, then characters are taken up to the next whitespace or the end.
// The whole word is consumed but only its first MAP_WORD_SIZE - 1 characters
// are kept. Returns the number kept; 0 at the end of the stream.
static int read_word(std::istream &in, char word[MAP_WORD_SIZE])
{
    const int end = std::char_traits<char>::eof();
    std::streambuf *source = in.rdbuf();
    int length = 0;
    int c = source->sgetc();
    while (is_blank(c))
        c = source->snextc();
    while (c != end && !is_blank(c)) {
        if (length < MAP_WORD_SIZE - 1)
            word[length++] = (char)c;
        c = source->snextc();
    }
    word[length] = '\0';
    return length;
}

// Characters are read as signed 8-bit values, so bytes above 127 fall below
// the valid range like the control characters do.
bool read_map_rows(std::istream &in, int tiles[MAP_SIZE][MAP_SIZE])
{
    bool whole = true;
    char word[MAP_WORD_SIZE];
    for (int y = 0; y < MAP_SIZE; y++) {
        int length = read_word(in, word);
        for (int x = 0; x < MAP_SIZE; x++) {
            int kind = x < length ? (signed char)word[x] - TILE_CHAR_OFFSET : -1;
            if (kind < 0 || kind >= TILE_KIND_COUNT) {
                kind = 0;
                whole = false;
            }
            tiles[x][y] = kind;
        }
    }
    return whole;
}

void write_map_rows(std::ostream &out, const int tiles[MAP_SIZE][MAP_SIZE])
{
    for (int y = 0; y < MAP_SIZE; y++) {
        for (int x = 0; x < MAP_SIZE; x++)
            out.put((char)(tiles[x][y] + TILE_CHAR_OFFSET));
        out.put('\n');
    }
}

// A missing or damaged file still leaves a playable grid: every tile it does
// not give properly becomes floor kind 0.
// Anything that is not a readable regular file (a folder, a pipe) counts as
// missing, never as a crash.
int load_map()
{
    std::string contents;
    int error = read_regular_file(map_path, contents);
    std::istringstream text(contents);
    read_map_rows(text, map_tiles);
    return error;
}

int save_map()
{
    std::ostringstream text;
    write_map_rows(text, map_tiles);
    return replace_file(map_path, text.str());
}

bool map_file_path(const char *name, char path[MAP_PATH_SIZE])
{
    int length = snprintf(path, MAP_PATH_SIZE, "%s/%s.map", MAP_FOLDER, name);
    return length < MAP_PATH_SIZE;
}

bool map_name_taken(const char *name)
{
    char path[MAP_PATH_SIZE];
    return map_file_path(name, path) && path_exists(path);
}

void first_free_map_name(char *name, int size)
{
    for (int number = 1;; number++) {
        snprintf(name, (size_t)size, NEW_MAP_NAME_FORMAT, number);
        if (!map_name_taken(name))
            return;
    }
}

// Taken names are refused, not replaced: a new map or a copy never costs
// the player another map.
int create_map_file(const char *name, const int tiles[MAP_SIZE][MAP_SIZE], char path[MAP_PATH_SIZE])
{
    if (!map_file_path(name, path))
        return ENAMETOOLONG;
    if (map_name_taken(name))
        return EEXIST;
    std::ostringstream rows;
    write_map_rows(rows, tiles);
    make_folder(MAP_FOLDER);
    int error = replace_file(path, rows.str());
    if (error)
        return error;
    add_map_name(path + sizeof MAP_FOLDER);  // past "Maps/"
    snprintf(map_path, sizeof map_path, "%s", path);
    return 0;
}

void draw_tile(int x, int y)
{
    if (x < 0 || x >= MAP_SIZE || y < 0 || y >= MAP_SIZE)
        return;
    int kind = map_tiles[x][y];
    if (kind < 0 || kind >= TILE_KIND_COUNT)
        return;
    blit_at((Sint16)(x * TILE_SIZE), (Sint16)(y * TILE_SIZE), tile_image, world_surface,
            &tile_rects[kind]);
}

// The world surface is not cleared first: where a tile's picture is keyed,
// what was painted there before stays.
void render_world_surface()
{
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            draw_tile(x, y);
}

// Only tiles that meet the view are drawn; the others would be clipped away.
void draw_wall_overlays()
{
    int left = (int)camera_x, top = (int)camera_y;
    int first_x = left / TILE_SIZE, last_x = (left + VIEW_W - 1) / TILE_SIZE;
    int first_y = top / TILE_SIZE, last_y = (top + VIEW_H - 1) / TILE_SIZE;
    for (int x = first_x < 0 ? 0 : first_x; x <= last_x && x < MAP_SIZE; x++)
        for (int y = first_y < 0 ? 0 : first_y; y <= last_y && y < MAP_SIZE; y++) {
            int kind = map_tiles[x][y];
            if (kind >= FIRST_WALL_KIND && kind < TILE_KIND_COUNT)
                blit_at((Sint16)(x * TILE_SIZE - left), (Sint16)(y * TILE_SIZE - top), tile_image,
                        view_surface, &tile_rects[kind + WALL_OVERLAY_OFFSET]);
        }
}
