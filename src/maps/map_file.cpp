// map_file.cpp -- the tile grid: reading and writing map files, painting the floor
#include "maps/map_file.h"

#include <cctype>
#include <cstring>
#include <sstream>
#include <string>

#include "app/assets.h"
#include "app/display.h"
#include "maps/safe_write.h"
#include "ui/notice.h"

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
void load_map()
{
    std::string contents;
    read_regular_file(map_path, contents);
    std::istringstream text(contents);
    read_map_rows(text, map_tiles);
}

bool save_map()
{
    std::ostringstream text;
    write_map_rows(text, map_tiles);
    int error = replace_file(map_path, text.str());
    if (error) {
        report_failure("Could not save %s: %s", map_path, strerror(error));
        return false;
    }
    report_saved("Map saved");
    return true;
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
