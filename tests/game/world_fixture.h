// world_fixture.h -- set-up shared by the game and map tests: a clean world, surfaces, files
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/assets.h"
#include "app/display.h"
#include "game/world.h"
#include "support.h"

const int CELL_HOLE = 40, CELL_HOLE_SIZE = 20;  // every cell of the test tile sheet is keyed there

// Both lists empty, one player with a new game's values, a grid of floor 0,
// keys and buttons up, the pointer at the view's centre, rand() seeded with 1.
void clean_world();
void free_artwork();  // the view, world, tile, people and blood surfaces
// A zombie put straight into the list: no random number is drawn.
Zombie &place_zombie(float x, float y, float health = 100.0f, int target = 0);
void fill_grid(int kind);
std::string read_file(const char *path);
std::string folder_listing(const char *folder);  // "ls -A" output
void with_file_size_limit(
    long bytes, const std::function<void()> &step);  // writes beyond it fail, as on a full disk
// The pixels (x, y) of the surface for which `test` holds.
int count_pixels(SDL_Surface *surface, const std::function<bool(int x, int y, Uint32 pixel)> &test);

class CleanWorld : public ::testing::Test {
protected:
    void SetUp() override { clean_world(); }
    void TearDown() override { clean_world(), free_artwork(); }
};

// The display at the test's depth, a fresh scratch folder and a clean world.
class WorldPicture : public DisplayTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // tile_image: every cell one colour around a keyed hole; world_surface:
    // 5000 by 5000 of an earlier paint.
    static void make_floor();
    static Uint32 cell_color(SDL_Surface *s, int cell);
    std::string folder, previous_folder;
};
