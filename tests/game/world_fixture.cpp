// world_fixture.cpp -- set-up shared by the game and map tests
#include "game/world_fixture.h"

#include <signal.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "app/input.h"
#include "app/main_loop.h"
#include "maps/map_file.h"

void clean_world()
{
    clear_zombies();
    clear_wall_rects();
    player_count = 1;
    reset_world_for_new_game();
    fill_grid(0);
    memset(key_state, 0, sizeof key_state);
    memset(mouse_button_state, 0, sizeof mouse_button_state);
    memset(mouse_x, 0, sizeof mouse_x);
    memset(mouse_y, 0, sizeof mouse_y);
    mouse_x[0] = 320, mouse_y[0] = 240, screen_number = SCREEN_MAIN_MENU;
    srand(1);
}

void free_artwork()
{
    for (SDL_Surface **s :
         {&view_surface, &world_surface, &people_image, &blood_image, &tile_image})
        SDL_FreeSurface(*s), *s = nullptr;
}

Zombie &place_zombie(float x, float y, float health, int target)
{
    int players = player_count;
    player_count = 1;
    Zombie &zombie = *zombies[spawn_zombie(x, y) - 1];
    player_count = players, zombie.health = health, zombie.target_player = target;
    return zombie;
}

void fill_grid(int kind)
{
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            map_tiles[x][y] = kind;
}

std::string read_file(const char *path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

std::string folder_listing(const char *folder)
{
    FILE *listing = popen((std::string("ls -A ") + folder).c_str(), "r");
    std::string names;
    for (int c; (c = fgetc(listing)) != EOF;)
        names += (char)c;
    pclose(listing);
    return names;
}

void with_file_size_limit(long bytes, const std::function<void()> &step)
{
    struct rlimit before, small;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    small = before, small.rlim_cur = (rlim_t)bytes;
    void (*old_handler)(int) = signal(SIGXFSZ, SIG_IGN);  // fail the write, not the process
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    step();
    setrlimit(RLIMIT_FSIZE, &before);
    signal(SIGXFSZ, old_handler);
}

int count_pixels(SDL_Surface *surface, const std::function<bool(int x, int y, Uint32 pixel)> &test)
{
    int count = 0;
    for (int y = 0; y < surface->h; y++)
        for (int x = 0; x < surface->w; x++)
            count += test(x, y, read_pixel(surface, x, y));
    return count;
}

void WorldPicture::SetUp()
{
    DisplayTest::SetUp();
    enter_scratch_folder(folder, previous_folder);
    fill_sprite_tables();
    clean_world();
}

void WorldPicture::TearDown()
{
    clean_world();
    free_artwork();
    DisplayTest::TearDown();
    leave_scratch_folder(folder, previous_folder);
}

Uint32 WorldPicture::cell_color(SDL_Surface *s, int cell)
{
    return SDL_MapRGB(s->format, (Uint8)(8 * (cell % 32)), (Uint8)(4 * (cell / 32) + 100), 200);
}

void WorldPicture::make_floor()
{
    tile_image = display_like_surface(TILE_CELL_COLUMNS * TILE_PIXELS,
                                      TILE_CELL_COUNT / TILE_CELL_COLUMNS * TILE_PIXELS);
    for (int cell = 0; cell < TILE_CELL_COUNT; cell++) {
        SDL_Rect hole = {(Sint16)(tile_rects[cell].x + CELL_HOLE),
                         (Sint16)(tile_rects[cell].y + CELL_HOLE), CELL_HOLE_SIZE, CELL_HOLE_SIZE};
        SDL_FillRect(tile_image, &tile_rects[cell], cell_color(tile_image, cell));
        SDL_FillRect(tile_image, &hole, key_color(tile_image));
    }
    SDL_SetColorKey(tile_image, SDL_SRCCOLORKEY, key_color(tile_image));
    world_surface = display_like_surface(WORLD_PIXELS, WORLD_PIXELS);
    SDL_FillRect(world_surface, nullptr, display_rgb(248, 0, 0));
}
