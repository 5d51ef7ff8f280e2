// map_file_test.cpp -- map files in and out, damaged map files, painting the floor
#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "app/assets.h"
#include "game/world_fixture.h"
#include "maps/map_file.h"

class MapFile : public ScratchFolderTest {
protected:
    void TearDown() override
    {
        clean_world();
        ScratchFolderTest::TearDown();
    }
};

TEST_F(MapFile, EveryKindSurvivesARoundTripAsFiftyLinesOfFiftyAndAFailedSaveKeepsTheOldFile)
{
    mkdir("Maps", 0777);
    snprintf(map_path, sizeof map_path, "Maps/all.map");
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            map_tiles[x][y] = (x + 3 * y) % TILE_KIND_COUNT;
    int saved[MAP_SIZE][MAP_SIZE];
    memcpy(saved, map_tiles, sizeof saved);
    save_map();
    std::string text = read_file(map_path);
    ASSERT_EQ(text.size(), 50u * 51u);
    EXPECT_EQ(text.substr(0, 23), "!\"#$%&'()*+,-./0123456!");  // kinds 0 to 21, then 0
    EXPECT_EQ(text.substr(50, 4), "\n$%&");                     // row 1 starts at kind 3
    fill_grid(7);
    load_map();
    EXPECT_EQ(memcmp(saved, map_tiles, sizeof saved), 0);

    fill_grid(TILE_WALL_LEFT);
    with_file_size_limit(1000, save_map);
    EXPECT_EQ(read_file(map_path), text);
    EXPECT_EQ(folder_listing("Maps"), "all.map\n");
}

TEST_F(MapFile, RowsAreTheFirstFiftyCharactersOfEachWordWhateverTheLineEnds)
{
    snprintf(map_path, sizeof map_path, "corner.map");
    // Row 0: '+' then 49 '!'. Row 1 has 60 characters: its first 50 count and
    // row 2 is still the next line.
    std::string text = "+" + std::string(49, '!') + "\n" + std::string(49, '#') + "6" + std::string(10, '+') +
                       "\n%" + std::string(49, '!') + "\n";
    for (int y = 3; y < MAP_SIZE; y++)
        text += std::string(50, '!') + "\n";
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string &file : {text, crlf}) {
        write_text_file(map_path, file);
        fill_grid(9);
        load_map();
        int kinds[MAP_SIZE][MAP_SIZE] = {};
        kinds[0][0] = TILE_WALL_LEFT_BOTTOM;
        for (int x = 0; x < 49; x++)
            kinds[x][1] = 2;
        kinds[49][1] = TILE_DOOR_TOP;
        kinds[0][2] = 4;
        EXPECT_EQ(memcmp(kinds, map_tiles, sizeof kinds), 0) << (file == text ? "LF" : "CR LF");
    }
}

TEST_F(MapFile, DamagedFilesLeaveOnlyValidKindsAndNothingOfTheLastMap)
{
    snprintf(map_path, sizeof map_path, "bad.map");
    fill_grid(TILE_WALL_TOP);
    load_map();  // missing
    int floor[MAP_SIZE][MAP_SIZE] = {};
    EXPECT_EQ(memcmp(floor, map_tiles, sizeof floor), 0);

    // A short row; '7' (55), a control character and a UTF-8 letter out of
    // range; three rows in all, the last ending with the file; tabs and blanks separate rows.
    write_text_file(map_path, std::string(10, '6') + " \t7" + std::string(48, '"') + "\x1f\n\xc3\xa9" +
                                  std::string(48, '-'));
    fill_grid(TILE_WALL_TOP);
    load_map();
    int kinds[MAP_SIZE][MAP_SIZE] = {};
    for (int x = 0; x < 10; x++)
        kinds[x][0] = TILE_DOOR_TOP;
    for (int x = 1; x < 49; x++)
        kinds[x][1] = 1;
    for (int x = 2; x < 50; x++)
        kinds[x][2] = TILE_WALL_RIGHT_TOP;
    EXPECT_EQ(memcmp(kinds, map_tiles, sizeof kinds), 0);

    // A word of 5000 characters is one row; the next word is the next row.
    write_text_file(map_path, std::string(50, '+') + std::string(4950, ',') + "\n" + std::string(50, '.'));
    load_map();
    EXPECT_EQ(map_tiles[49][0], TILE_WALL_LEFT_BOTTOM);
    EXPECT_EQ(map_tiles[0][1], TILE_WALL_LEFT_TOP);
    EXPECT_EQ(map_tiles[0][2], 0);
}

class WorldFloor : public WorldPicture {};

TEST_P(WorldFloor, EachTileCoversItsOwnSquareAndKeyedPixelsKeepWhatWasPaintedBefore)
{
    make_floor();
    map_tiles[0][0] = TILE_WALL_LEFT;
    map_tiles[49][49] = TILE_DOOR_TOP;
    map_tiles[48][49] = 9;
    map_tiles[49][48] = FIRST_WALL_KIND;
    render_world_surface();
    const struct { int x, y; Uint32 color; } pixels[] = {
        {0, 0, cell_color(world_surface, TILE_WALL_LEFT)}, {99, 99, cell_color(world_surface, TILE_WALL_LEFT)},
        {100, 0, cell_color(world_surface, 0)}, {4900, 4900, cell_color(world_surface, TILE_DOOR_TOP)},
        {4999, 4999, cell_color(world_surface, TILE_DOOR_TOP)}, {4899, 4999, cell_color(world_surface, 9)},
        {4999, 4899, cell_color(world_surface, FIRST_WALL_KIND)},
        {4900 + CELL_HOLE, 4900 + CELL_HOLE, paint_color()},
        {4900 + CELL_HOLE + CELL_HOLE_SIZE - 1, 4900 + CELL_HOLE, paint_color()},
        {4900 + CELL_HOLE + CELL_HOLE_SIZE, 4900 + CELL_HOLE, cell_color(world_surface, TILE_DOOR_TOP)}};
    for (const auto &p : pixels)
        EXPECT_EQ(read_pixel(world_surface, p.x, p.y), p.color) << p.x << "," << p.y;

    // draw_tile repaints its own square only; off the grid or with no kind it draws nothing.
    map_tiles[20][30] = map_tiles[21][30] = TILE_WALL_TOP;
    draw_tile(20, 30);
    map_tiles[0][1] = -5;
    draw_tile(0, 1);
    draw_tile(50, 0);
    draw_tile(-1, 3);
    EXPECT_EQ(read_pixel(world_surface, 2000, 3000), cell_color(world_surface, TILE_WALL_TOP));
    EXPECT_EQ(read_pixel(world_surface, 2099, 3099), cell_color(world_surface, TILE_WALL_TOP));
    EXPECT_EQ(read_pixel(world_surface, 2100, 3000), cell_color(world_surface, 0));
    EXPECT_EQ(read_pixel(world_surface, 0, 100), cell_color(world_surface, 0));
}

INSTANTIATE_AT_BOTH_DEPTHS(WorldFloor);
