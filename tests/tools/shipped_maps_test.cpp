// shipped_maps_test.cpp -- the maps in data/Maps are whole, playable and within the wall budget
#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/world.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"
#include "support.h"

const int MAX_SHIPPED_WALL_RECTS = 300;

// Whether a wall kind closes the tile edge it names (Left, Right, Top,
// Bottom); doors (the last four kinds) leave theirs open.
static bool closes_edge(int kind, char edge)
{
    const char *EDGES[12] = {"LB", "RB", "RT", "LT", "L", "B", "R", "T", "", "", "", ""};
    return kind >= FIRST_WALL_KIND && std::strchr(EDGES[kind - FIRST_WALL_KIND], edge) != nullptr;
}

// Tiles that cannot be reached from the start without walking through a wall.
static int sealed_tiles()
{
    std::vector<char> seen(MAP_SIZE * MAP_SIZE, 0);
    std::vector<int> todo = {24 * MAP_SIZE + 24};
    seen[todo[0]] = 1;
    int reached = 1;
    const struct { int dx, dy; char out, in; } MOVES[] = {{1, 0, 'R', 'L'}, {-1, 0, 'L', 'R'}, {0, 1, 'B', 'T'}, {0, -1, 'T', 'B'}};
    while (!todo.empty()) {
        int x = todo.back() / MAP_SIZE, y = todo.back() % MAP_SIZE;
        todo.pop_back();
        for (const auto &m : MOVES) {
            int nx = x + m.dx, ny = y + m.dy;
            if (nx < 0 || ny < 0 || nx >= MAP_SIZE || ny >= MAP_SIZE || seen[nx * MAP_SIZE + ny] ||
                closes_edge(map_tiles[x][y], m.out) || closes_edge(map_tiles[nx][ny], m.in))
                continue;
            seen[nx * MAP_SIZE + ny] = 1;
            reached++;
            todo.push_back(nx * MAP_SIZE + ny);
        }
    }
    return MAP_SIZE * MAP_SIZE - reached;
}

using ShippedMaps = ScratchFolderTest;

// Each map is 50 lines of 50 kinds from 0 to 21, loads through the game's
// loader with the start tiles free, stays within the wall budget and leaves
// no tile sealed off from the players.
TEST_F(ShippedMaps, EveryMapIsWholeValidAndPlayable)
{
    std::vector<std::string> names;
    if (DIR *dir = opendir(SHIPPED_MAPS_DIR)) {
        while (dirent *e = readdir(dir))
            if (strstr(e->d_name, ".map"))
                names.push_back(e->d_name);
        closedir(dir);
    }
    ASSERT_GE(names.size(), 5u);
    ASSERT_EQ(mkdir("Maps", 0755), 0);
    for (const std::string &name : names) {
        SCOPED_TRACE(name);
        std::ifstream in(std::string(SHIPPED_MAPS_DIR) + "/" + name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        std::string line;
        int rows = 0;
        for (std::istringstream lines(text.str()); std::getline(lines, line); rows++) {
            ASSERT_EQ(line.size(), 50u) << "row " << rows;
            for (char c : line)
                ASSERT_TRUE(c >= 33 && c <= 54) << "row " << rows << ": " << c;
        }
        EXPECT_EQ(rows, 50);
        write_text_file(("Maps/" + name).c_str(), text.str());
        std::snprintf(map_path, MAP_PATH_SIZE, "Maps/%s", name.c_str());
        load_map();
        for (int i = 0; i < 4; i++)
            EXPECT_LT(map_tiles[24 + i % 2][24 + i / 2], FIRST_WALL_KIND) << "a player starts on a wall";
        clear_wall_rects();
        prepare_map();
        EXPECT_TRUE(wall_rect_count > 10 && wall_rect_count <= MAX_SHIPPED_WALL_RECTS) << wall_rect_count;
        clear_wall_rects();
        EXPECT_EQ(sealed_tiles(), 0);
    }
}

// The check above can fail: a closed box seals its inside, a doorway opens it.
TEST(ShippedMapChecks, SealedRoomsAreFound)
{
    memset(map_tiles, 0, sizeof map_tiles);
    const int box[4] = {TILE_WALL_LEFT_TOP, TILE_WALL_RIGHT_TOP, TILE_WALL_LEFT_BOTTOM, TILE_WALL_RIGHT_BOTTOM};
    for (int i = 0; i < 4; i++)
        map_tiles[10 + i % 2][10 + i / 2] = box[i];
    EXPECT_EQ(sealed_tiles(), 4);
    map_tiles[11][11] = TILE_DOOR_BOTTOM;
    EXPECT_EQ(sealed_tiles(), 0);
}
