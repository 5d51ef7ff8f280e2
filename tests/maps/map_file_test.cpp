// map_file_test.cpp -- map files in and out, damaged map files, painting the floor
#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "maps/map_file.h"
#include "maps/map_fixtures.h"

using MapFile = ScratchFolderTest;

static std::string lines_of(const std::string &row, int count = MAP_SIZE)
{
    std::string text;
    for (int y = 0; y < count; y++)
        text += row + "\n";
    return text;
}

TEST_F(MapFile, EveryKindSurvivesARoundTripAsFiftyLinesOfFifty)
{
    mkdir("Maps", 0777);
    snprintf(map_path, sizeof map_path, "Maps/all.map");
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            map_tiles[x][y] = (x + 3 * y) % TILE_KIND_COUNT;
    save_map();
    std::string text = read_file(map_path);
    ASSERT_EQ(text.size(), 50u * 51u);
    EXPECT_EQ(text.substr(0, 23), "!\"#$%&'()*+,-./0123456!");  // kinds 0 to 21, then 0
    EXPECT_EQ(text.substr(50, 4), "\n$%&");                     // row 1 starts at kind 3

    int saved[MAP_SIZE][MAP_SIZE];
    memcpy(saved, map_tiles, sizeof saved);
    fill_grid(7);
    load_map();
    EXPECT_EQ(memcmp(saved, map_tiles, sizeof saved), 0);

    // A failed write leaves the old map as it was.
    fill_grid(TILE_WALL_LEFT);
    with_file_size_limit(1000, save_map);
    EXPECT_EQ(read_file(map_path), text);
}

TEST_F(MapFile, RowsAreTheFirstFiftyWordsWhateverTheLineEnds)
{
    snprintf(map_path, sizeof map_path, "corner.map");
    // Row 0: '+' (kind 10) then 49 '!'. Row 1 has 60 characters: its first 50
    // count and row 2 is still the next line.
    std::string text = "+" + std::string(49, '!') + "\n" + std::string(49, '#') + "6" +
                       std::string(10, '+') + "\n%" + std::string(49, '!') + "\n" +
                       lines_of(std::string(50, '!'), 47);
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    int with_lf[MAP_SIZE][MAP_SIZE];
    for (const std::string &file : {text, crlf}) {
        write_text_file(map_path, file);
        fill_grid(9);
        load_map();
        EXPECT_EQ(map_tiles[0][0], TILE_WALL_LEFT_BOTTOM);
        for (int x = 1; x < MAP_SIZE; x++)
            EXPECT_EQ(map_tiles[x][0], 0) << x;
        EXPECT_EQ(map_tiles[0][1], 2);
        EXPECT_EQ(map_tiles[49][1], TILE_DOOR_TOP);
        EXPECT_EQ(map_tiles[0][2], 4);  // not a '+' of row 1's tail
        EXPECT_EQ(map_tiles[49][49], 0);
        if (file == text)
            memcpy(with_lf, map_tiles, sizeof with_lf);
    }
    EXPECT_EQ(memcmp(with_lf, map_tiles, sizeof with_lf), 0);
}

TEST_F(MapFile, DamagedFilesLeaveOnlyValidKindsAndNothingOfTheLastMap)
{
    snprintf(map_path, sizeof map_path, "bad.map");
    fill_grid(TILE_WALL_TOP);
    load_map();  // missing file
    int floor[MAP_SIZE][MAP_SIZE] = {};
    EXPECT_EQ(memcmp(floor, map_tiles, sizeof floor), 0);

    // A short row; '7' (55), a control character and the bytes of a UTF-8
    // letter out of range; only 3 rows in all; tabs and blanks separate rows.
    write_text_file(map_path, std::string(10, '6') + " \t7" + std::string(48, '"') +
                                  "\x1f\n\xc3\xa9" + std::string(48, '-'));
    fill_grid(TILE_WALL_TOP);
    load_map();
    EXPECT_EQ(map_tiles[9][0], TILE_DOOR_TOP);
    EXPECT_EQ(map_tiles[10][0], 0);  // past the end of the word
    EXPECT_EQ(map_tiles[0][1], 0);
    EXPECT_EQ(map_tiles[1][1], 1);
    EXPECT_EQ(map_tiles[49][1], 0);
    EXPECT_EQ(map_tiles[0][2], 0);
    EXPECT_EQ(map_tiles[1][2], 0);
    EXPECT_EQ(map_tiles[2][2], TILE_WALL_RIGHT_TOP);
    EXPECT_EQ(map_tiles[49][2], TILE_WALL_RIGHT_TOP);  // the last word ends at the file's end
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 3; y < MAP_SIZE; y++)
            ASSERT_EQ(map_tiles[x][y], 0) << x << "," << y;

    // A word of 5000 characters is one row; the next word is the next row.
    write_text_file(map_path, std::string(50, '+') + std::string(4950, ',') + "\n" +
                                  std::string(50, '.'));
    load_map();
    EXPECT_EQ(map_tiles[49][0], TILE_WALL_LEFT_BOTTOM);
    EXPECT_EQ(map_tiles[0][1], TILE_WALL_LEFT_TOP);
    EXPECT_EQ(map_tiles[0][2], 0);
}

using WorldFloor = FloorTest;

TEST_P(WorldFloor, EachTileCoversItsSquareAndKeyedPixelsKeepThePaint)
{
    fill_grid(0);
    map_tiles[0][0] = TILE_WALL_LEFT;
    map_tiles[49][49] = TILE_DOOR_TOP;
    map_tiles[48][49] = 9;
    map_tiles[49][48] = FIRST_WALL_KIND;
    render_world_surface();
    EXPECT_TRUE(shows_cell(0, 0, TILE_WALL_LEFT));
    EXPECT_TRUE(shows_cell(99, 99, TILE_WALL_LEFT));
    EXPECT_TRUE(shows_cell(100, 0, 0));
    EXPECT_TRUE(shows_cell(4900, 4900, TILE_DOOR_TOP));
    EXPECT_TRUE(shows_cell(4999, 4999, TILE_DOOR_TOP));
    EXPECT_TRUE(shows_cell(4899, 4999, 9));
    EXPECT_TRUE(shows_cell(4999, 4899, FIRST_WALL_KIND));
    // The world is not cleared: keyed pixels of a tile keep the old paint.
    EXPECT_TRUE(shows_paint(4900 + CELL_HOLE, 4900 + CELL_HOLE));
    EXPECT_TRUE(shows_paint(4900 + CELL_HOLE + CELL_HOLE_SIZE - 1, 4900 + CELL_HOLE));
    EXPECT_TRUE(shows_cell(4900 + CELL_HOLE + CELL_HOLE_SIZE, 4900 + CELL_HOLE, TILE_DOOR_TOP));

    // draw_tile repaints its own square only; off the grid or with a kind
    // that is no tile it draws nothing.
    map_tiles[20][30] = map_tiles[21][30] = TILE_WALL_TOP;
    draw_tile(20, 30);
    EXPECT_TRUE(shows_cell(2000, 3000, TILE_WALL_TOP));
    EXPECT_TRUE(shows_cell(2099, 3099, TILE_WALL_TOP));
    EXPECT_TRUE(shows_cell(2100, 3000, 0));
    map_tiles[0][1] = -5;
    draw_tile(0, 1);
    draw_tile(50, 0);
    draw_tile(-1, 3);
    EXPECT_TRUE(shows_cell(0, 100, 0));
}

INSTANTIATE_AT_BOTH_DEPTHS(WorldFloor);
