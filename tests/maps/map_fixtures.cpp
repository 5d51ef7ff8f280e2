// map_fixtures.cpp -- helpers of the map and save tests
#include "maps/map_fixtures.h"

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/assets.h"
#include "app/display.h"
#include "maps/map_file.h"

const Uint8 PAINT_R = 248, PAINT_G = 0, PAINT_B = 0;

std::string read_file(const char *path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string folder_listing(const char *folder)
{
    FILE *listing = popen((std::string("ls -A ") + folder).c_str(), "r");
    std::string names;
    char buffer[256];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, listing)) > 0)
        names.append(buffer, n);
    pclose(listing);
    return names;
}

void fill_grid(int kind)
{
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            map_tiles[x][y] = kind;
}

void with_file_size_limit(long bytes, void (*step)())
{
    struct rlimit before, small;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    small = before;
    small.rlim_cur = (rlim_t)bytes;
    void (*old_handler)(int) = signal(SIGXFSZ, SIG_IGN);  // fail the write, not the process
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    step();
    setrlimit(RLIMIT_FSIZE, &before);
    signal(SIGXFSZ, old_handler);
}

static Uint32 cell_color(SDL_PixelFormat *format, int cell)
{
    return SDL_MapRGB(format, (Uint8)(8 * (cell % 32)), (Uint8)(4 * (cell / 32) + 100), 200);
}

static SDL_Surface *make_display_like(int w, int h)
{
    const SDL_PixelFormat *f = display_surface->format;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, f->BitsPerPixel, f->Rmask, f->Gmask,
                                f->Bmask, f->Amask);
}

void FloorTest::SetUp()
{
    DisplayTest::SetUp();
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    previous_folder = cwd;
    char pattern[] = "/tmp/rotwalk_floor_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    ASSERT_EQ(chdir(folder.c_str()), 0);
    fill_sprite_tables();
    tile_image = make_display_like(400, 1200);
    world_surface = make_display_like(WORLD_PIXELS, WORLD_PIXELS);
    ASSERT_TRUE(tile_image && world_surface);
    for (int cell = 0; cell < TILE_CELL_COUNT; cell++) {
        SDL_Rect hole = {(Sint16)(tile_rects[cell].x + CELL_HOLE),
                         (Sint16)(tile_rects[cell].y + CELL_HOLE), CELL_HOLE_SIZE, CELL_HOLE_SIZE};
        SDL_FillRect(tile_image, &tile_rects[cell], cell_color(tile_image->format, cell));
        SDL_FillRect(tile_image, &hole, key_color(tile_image));
    }
    SDL_SetColorKey(tile_image, SDL_SRCCOLORKEY, key_color(tile_image));
    SDL_FillRect(world_surface, nullptr,
                 SDL_MapRGB(world_surface->format, PAINT_R, PAINT_G, PAINT_B));
}

void FloorTest::TearDown()
{
    SDL_FreeSurface(tile_image);
    SDL_FreeSurface(world_surface);
    tile_image = world_surface = nullptr;
    ASSERT_EQ(chdir(previous_folder.c_str()), 0);
    ASSERT_EQ(system(("rm -rf '" + folder + "'").c_str()), 0);
    DisplayTest::TearDown();
}

static ::testing::AssertionResult shows(SDL_Surface *surface, int x, int y, Uint32 expected,
                                        const char *what)
{
    Uint32 pixel = read_pixel(surface, x, y);
    if (pixel == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") is " << std::hex
                                         << pixel << ", not " << what << " " << expected;
}

::testing::AssertionResult FloorTest::shows_cell(int x, int y, int cell)
{
    return shows(world_surface, x, y, cell_color(world_surface->format, cell), "the cell's colour");
}

::testing::AssertionResult FloorTest::shows_cell_on_display(int x, int y, int cell)
{
    return shows(display_surface, x, y, cell_color(display_surface->format, cell), "the cell's colour");
}

::testing::AssertionResult FloorTest::shows_paint(int x, int y)
{
    return shows(world_surface, x, y, SDL_MapRGB(world_surface->format, PAINT_R, PAINT_G, PAINT_B),
                 "the earlier paint");
}
