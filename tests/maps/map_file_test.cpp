// map_file_test.cpp -- map files in and out, damaged map files, painting the floor
#include <sys/stat.h>

#include <cstdio>
#include <sstream>

#include "game/world_fixture.h"
#include "maps/map_file.h"
#include "ui/notice.h"

class MapFile : public ScratchFolderTest {
protected:
    void TearDown() override
    {
        clean_world();
        ScratchFolderTest::TearDown();
    }
    // The grid as map text: one row of 50 kinds per line, kind 0 as '!'.
    static std::string grid_text()
    {
        std::ostringstream text;
        write_map_rows(text, map_tiles);
        return text.str();
    }
    static std::string floor_rows(int count)
    {
        std::string rows;
        for (int y = 0; y < count; y++)
            rows += std::string(50, '!') + "\n";
        return rows;
    }
};

TEST_F(MapFile, EveryKindSurvivesARoundTripAsFiftyLinesOfFiftyAndAFailedSaveKeepsTheOldFile)
{
    mkdir("Maps", 0777);
    snprintf(map_path, sizeof map_path, "Maps/all.map");
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            map_tiles[x][y] = (x + 3 * y) % TILE_KIND_COUNT;
    const std::string text = grid_text();
    save_map();
    ASSERT_EQ(read_file(map_path), text);
    ASSERT_EQ(text.size(), 50u * 51u);
    EXPECT_EQ(text.substr(0, 23), "!\"#$%&'()*+,-./0123456!");  // kinds 0 to 21, then 0
    EXPECT_EQ(text.substr(50, 4), "\n$%&");                     // row 1 starts at kind 3
    fill_grid(7);
    load_map();
    EXPECT_EQ(grid_text(), text);
    EXPECT_STREQ(notice_text, "Map saved");
    fill_grid(TILE_WALL_LEFT);
    bool saved = true;
    with_file_size_limit(1000, [&] { saved = save_map(); });
    EXPECT_FALSE(saved);
    EXPECT_STREQ(notice_text, "Could not save Maps/all.map: File too large");
    EXPECT_EQ(read_file(map_path), text);
    EXPECT_EQ(folder_listing("Maps"), "all.map\n");
}

TEST_F(MapFile, RowsAreTheFirstFiftyCharactersOfEachWordWhateverTheLineEnds)
{
    snprintf(map_path, sizeof map_path, "corner.map");
    // Row 0: '+' then 49 '!'. Row 1 has 60 characters: its first 50 count and
    // row 2 is still the next line.
    const std::string head = "+" + std::string(49, '!') + "\n" + std::string(49, '#') + "6";
    const std::string tail = "\n%" + std::string(49, '!') + "\n" + floor_rows(47);
    std::string lf = head + std::string(10, '+') + tail, crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string &file : {lf, crlf}) {
        write_text_file(map_path, file);
        fill_grid(9);
        load_map();
        EXPECT_EQ(grid_text(), head + tail) << (file == lf ? "LF" : "CR LF");
    }
}

TEST_F(MapFile, DamagedFilesLeaveOnlyValidKindsAndNothingOfTheLastMap)
{
    snprintf(map_path, sizeof map_path, "bad.map");
    fill_grid(TILE_WALL_TOP);
    load_map();  // missing
    EXPECT_EQ(grid_text(), floor_rows(50));
    mkdir(map_path, 0777);  // a folder is no map: all floor, never a crash
    fill_grid(TILE_WALL_TOP);
    load_map();
    EXPECT_EQ(grid_text(), floor_rows(50));
    rmdir(map_path);

    // A short row; '7' (55), a control character and a UTF-8 letter out of
    // range; three rows in all, the last ending the file; blanks and tabs separate rows.
    write_text_file(map_path, std::string(10, '6') + " \t7" + std::string(48, '"') + "\x1f\n\xc3\xa9" + std::string(48, '-'));
    fill_grid(TILE_WALL_TOP);
    load_map();
    EXPECT_EQ(grid_text(), std::string(10, '6') + std::string(40, '!') + "\n!" + std::string(48, '"') + "!\n!!" +
                               std::string(48, '-') + "\n" + floor_rows(47));

    // A word of 5000 characters is one row; the next word is the next row.
    write_text_file(map_path, std::string(50, '+') + std::string(4950, ',') + "\n" + std::string(50, '.'));
    load_map();
    EXPECT_EQ(grid_text(), std::string(50, '+') + "\n" + std::string(50, '.') + "\n" + floor_rows(48));
}

class WorldFloor : public WorldPicture {};

TEST_P(WorldFloor, EachTileCoversItsOwnSquareAndKeyedPixelsKeepWhatWasPaintedBefore)
{
    make_floor();
    map_tiles[0][0] = TILE_WALL_LEFT, map_tiles[49][49] = TILE_DOOR_TOP, map_tiles[48][49] = 9;
    map_tiles[49][48] = FIRST_WALL_KIND;
    render_world_surface();
    const struct { int x, y, cell; } pixels[] = {  // cell -1: the earlier paint
        {0, 0, TILE_WALL_LEFT}, {99, 99, TILE_WALL_LEFT}, {100, 0, 0}, {4900, 4900, TILE_DOOR_TOP},
        {4999, 4999, TILE_DOOR_TOP}, {4899, 4999, 9}, {4999, 4899, FIRST_WALL_KIND}, {4900 + CELL_HOLE, 4940, -1},
        {4900 + CELL_HOLE + CELL_HOLE_SIZE - 1, 4940, -1}, {4900 + CELL_HOLE + CELL_HOLE_SIZE, 4940, TILE_DOOR_TOP}};
    for (const auto &p : pixels)
        EXPECT_EQ(read_pixel(world_surface, p.x, p.y), p.cell < 0 ? paint_color() : cell_color(world_surface, p.cell))
            << p.x << "," << p.y;

    // draw_tile repaints its own square only; off the grid or with no kind it draws nothing.
    map_tiles[20][30] = map_tiles[21][30] = TILE_WALL_TOP, map_tiles[0][1] = -5;
    draw_tile(20, 30);
    draw_tile(0, 1);
    draw_tile(50, 0);
    draw_tile(-1, 3);
    EXPECT_EQ((std::vector<Uint32>{read_pixel(world_surface, 2000, 3000), read_pixel(world_surface, 2099, 3099),
                                   read_pixel(world_surface, 2100, 3000), read_pixel(world_surface, 0, 100)}),
              (std::vector<Uint32>{cell_color(world_surface, TILE_WALL_TOP), cell_color(world_surface, TILE_WALL_TOP),
                                   cell_color(world_surface, 0), cell_color(world_surface, 0)}));
}

INSTANTIATE_AT_BOTH_DEPTHS(WorldFloor);
