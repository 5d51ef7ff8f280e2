// shipped_maps_test.cpp -- the maps in data/Maps are whole, playable and within the wall budget
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/world.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"
#include "support.h"

const int MAX_SHIPPED_WALL_RECTS = 300;
// Broken walls are the point of a field of ruins; every other map closes its buildings.
const char *const RUINS_MAPS[] = {"Field.map"};

static std::vector<std::string> shipped_map_names()
{
    std::vector<std::string> names;
    if (DIR *dir = opendir(SHIPPED_MAPS_DIR)) {
        while (dirent *e = readdir(dir)) {
            std::string n = e->d_name;
            if (n.size() > 4 && n.substr(n.size() - 4) == ".map")
                names.push_back(n);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

static std::string read_file(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Wall edges on the tile grid: each wall piece is the unit segment of the grid line it stands on.
static bool has_edge(int kind, char edge)
{
    static_assert(TILE_DOOR_TOP == 21, "wall kinds");
    const char *EDGES[12] = {"LB", "RB", "RT", "LT", "L", "B", "R", "T", "L", "B", "R", "T"};
    return kind >= FIRST_WALL_KIND && std::strchr(EDGES[kind - FIRST_WALL_KIND], edge) != nullptr;
}

static bool solid_edge(int kind, char edge)
{
    return kind < TILE_DOOR_LEFT && has_edge(kind, edge);
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
            if (nx < 0 || ny < 0 || nx >= MAP_SIZE || ny >= MAP_SIZE || seen[nx * MAP_SIZE + ny])
                continue;
            if (solid_edge(map_tiles[x][y], m.out) || solid_edge(map_tiles[nx][ny], m.in))
                continue;
            seen[nx * MAP_SIZE + ny] = 1;
            reached++;
            todo.push_back(nx * MAP_SIZE + ny);
        }
    }
    return MAP_SIZE * MAP_SIZE - reached;
}

// Grid corners where exactly one wall piece ends: a wall left hanging, a building not closed.
static int loose_wall_ends()
{
    std::set<std::pair<std::pair<int, int>, std::pair<int, int>>> segments;
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++) {
            int k = map_tiles[x][y];
            if (has_edge(k, 'L')) segments.insert({{x, y}, {x, y + 1}});
            if (has_edge(k, 'R')) segments.insert({{x + 1, y}, {x + 1, y + 1}});
            if (has_edge(k, 'T')) segments.insert({{x, y}, {x + 1, y}});
            if (has_edge(k, 'B')) segments.insert({{x, y + 1}, {x + 1, y + 1}});
        }
    std::map<std::pair<int, int>, int> degree;
    for (const auto &s : segments) {
        degree[s.first]++;
        degree[s.second]++;
    }
    int loose = 0;
    for (const auto &d : degree)
        loose += d.second == 1;
    return loose;
}

class ShippedMaps : public ScratchFolderTest {};

TEST_F(ShippedMaps, EveryMapIsWholeValidDifferentAndPlayable)
{
    std::vector<std::string> names = shipped_map_names();
    ASSERT_GE(names.size(), 5u);
    ASSERT_EQ(mkdir("Maps", 0755), 0);
    std::vector<std::vector<int>> grids;
    for (const std::string &name : names) {
        SCOPED_TRACE(name);
        std::string text = read_file(std::string(SHIPPED_MAPS_DIR) + "/" + name);
        // 50 lines of 50 characters, each a kind from 0 to 21.
        std::istringstream lines(text);
        std::string line;
        int rows = 0;
        while (std::getline(lines, line)) {
            ASSERT_EQ(line.size(), 50u) << "row " << rows;
            for (char c : line)
                ASSERT_TRUE(c >= 33 && c <= 54) << "row " << rows << ": " << c;
            rows++;
        }
        EXPECT_EQ(rows, 50);
        // Through the game's own loader and wall builder.
        write_text_file(("Maps/" + name).c_str(), text);
        std::snprintf(map_path, MAP_PATH_SIZE, "Maps/%s", name.c_str());
        load_map();
        for (int x = 24; x <= 25; x++)
            for (int y = 24; y <= 25; y++)
                EXPECT_LT(map_tiles[x][y], FIRST_WALL_KIND) << "the players start on " << x << "," << y;
        clear_wall_rects();
        prepare_map();
        EXPECT_GT(wall_rect_count, 10);
        EXPECT_LE(wall_rect_count, MAX_SHIPPED_WALL_RECTS);
        clear_wall_rects();
        // Every tile can be reached: nothing can spawn inside a sealed room.
        EXPECT_EQ(sealed_tiles(), 0);
        bool ruins = std::find(std::begin(RUINS_MAPS), std::end(RUINS_MAPS), name) != std::end(RUINS_MAPS);
        if (!ruins) {
            EXPECT_EQ(loose_wall_ends(), 0) << "a building is left open where its walls should close";
        }
        std::vector<int> grid;
        for (int x = 0; x < MAP_SIZE; x++)
            grid.insert(grid.end(), map_tiles[x], map_tiles[x] + MAP_SIZE);
        grids.push_back(grid);
    }
    // Each different in character, not a copy of another.
    for (size_t a = 0; a < grids.size(); a++)
        for (size_t b = a + 1; b < grids.size(); b++) {
            int same = 0;
            for (size_t i = 0; i < grids[a].size(); i++)
                same += grids[a][i] == grids[b][i];
            EXPECT_LT(same, MAP_SIZE * MAP_SIZE * 6 / 10) << names[a] << " and " << names[b];
        }
}

TEST(ShippedMapChecks, LooseEndsAndSealedRoomsAreFound)
{
    // The checks above must be able to fail: a closed box without a door seals its inside,
    // and the same box with one wall piece missing leaves two loose ends.
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            map_tiles[x][y] = 0;
    map_tiles[10][10] = TILE_WALL_LEFT_TOP;
    map_tiles[11][10] = TILE_WALL_RIGHT_TOP;
    map_tiles[10][11] = TILE_WALL_LEFT_BOTTOM;
    map_tiles[11][11] = TILE_WALL_RIGHT_BOTTOM;
    EXPECT_EQ(sealed_tiles(), 4);
    EXPECT_EQ(loose_wall_ends(), 0);
    map_tiles[11][11] = TILE_DOOR_BOTTOM;   // a doorway opens it; the right wall piece is gone
    EXPECT_EQ(sealed_tiles(), 0);
    EXPECT_EQ(loose_wall_ends(), 2);
}
