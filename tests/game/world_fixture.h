// world_fixture.h -- set-up shared by the game and map tests: a clean world, surfaces, files
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/artwork.h"
#include "app/display.h"
#include "game/world.h"
#include "support.h"

// Both lists empty, one player with a new game's values, a grid of floor 0,
// keys and buttons up, the pointer at the view's centre, rand() seeded with 1.
void clean_world();
// A zombie put straight into the list: no random number is drawn.
Zombie &place_zombie(float x, float y, float health = 100.0f, int target = 0);
void fill_grid(int kind);
// The moving part of a game frame, without its shots and drawing: the clock,
// the players, the zombies, the gauges and the camera.
void run_game_update(float speed_factor);
typedef std::array<float, 4> Rect;  // a wall rectangle: x, y, w, h
struct Tile {
    int x, y, kind;
};
Rect wall_at(int i);  // entry i of the wall list
// A clean world on a grid of every floor kind with `tiles` on it, and the
// walls prepare_map builds from it, in list order.
std::vector<Rect> prepared_walls(std::initializer_list<Tile> tiles);
std::string read_file(const char *path);
std::string folder_listing(const char *folder);  // "ls -A" output
// Runs `step` with files limited to `bytes`: writes beyond fail, as on a full disk.
#ifndef _WIN32
// Windows has no limit on a process's file size to stand for a full disk.
void with_file_size_limit(long bytes, const std::function<void()> &step);
#endif
// The pixels (x, y) of the surface for which `test` holds.
int count_pixels(SDL_Surface *surface, const std::function<bool(int x, int y, Uint32 pixel)> &test);

// A clean world before and after the test, which runs in a fresh scratch folder.
class CleanWorld : public ScratchFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;
};

// The display at the test's depth, a fresh scratch folder, a clean world, and
// a view and blank people and blood sheets in the display's format.
class WorldPicture : public DisplayTest {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string folder, previous_folder;
};
