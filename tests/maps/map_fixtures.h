// map_fixtures.h -- helpers of the map and save tests: files, grids, a painted floor
#pragma once

#include <SDL.h>

#include <string>

#include "support.h"

const int CELL_HOLE = 40;       // each cell of the test sheet is keyed cyan from 40
const int CELL_HOLE_SIZE = 20;  // to 59 on both axes, elsewhere one solid colour

std::string read_file(const char *path);
std::string folder_listing(const char *folder);  // "ls -A" output
void fill_grid(int kind);
// Runs the step with writes to files limited to `bytes`, as on a full disk.
void with_file_size_limit(long bytes, void (*step)());

// The display at the test's depth inside a fresh scratch folder, with
// tile_image a 4 by 12 sheet of coloured, keyed cells and world_surface
// 5000 by 5000 filled with an earlier paint.
class FloorTest : public DisplayTest {
protected:
    void SetUp() override;
    void TearDown() override;
    ::testing::AssertionResult shows_cell(int x, int y, int cell);  // the cell's solid colour
    ::testing::AssertionResult shows_paint(int x, int y);
    ::testing::AssertionResult shows_cell_on_display(int x, int y, int cell);
    std::string folder;
    std::string previous_folder;
};
