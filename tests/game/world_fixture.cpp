// world_fixture.cpp -- set-up shared by the game and map tests
#include "game/world_fixture.h"

#include "app/pads.h"
#include "ui/focus.h"

#include <signal.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <fstream>
#include <sstream>

#include "app/frame_clock.h"
#include "app/input.h"
#include "app/platform.h"
#include "game/camera.h"
#include "game/game_clock.h"
#include "game/gauges.h"
#include "game/players.h"
#include "game/zombies.h"
#include "main_loop.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"

void clean_world()
{
    clear_zombies();
    clear_wall_rects();
    player_count = 1;
    game_mode = MODE_CLASSIC;
    reset_world_for_new_game("");
    fill_grid(0);
    memset(key_state, 0, sizeof key_state);
    memset(mouse_button_state, 0, sizeof mouse_button_state);
    memset(mouse_x, 0, sizeof mouse_x);
    memset(mouse_y, 0, sizeof mouse_y);
    mouse_wheel = 0;
    focus_enabled = false;
    focus_index = NO_FOCUS;
    mouse_x[0] = 320;
    mouse_y[0] = 240;
    screen_number = SCREEN_MAIN_MENU;
    close_pads();  // no pad, the keyboard playing
    active_device = DEVICE_KEYBOARD;
    pad_pointer = PadPointer{};
    seed_random(1);
}

void run_game_update(float speed_factor)
{
    set_frame_scale(speed_factor);
    count_game_time(frame_ms);
    update_horde_sounds(frame_ms);
    update_players(speed_factor);
    update_zombies(speed_factor);
    update_energy();
    update_health();
    update_camera();
}

// The view, world, tile, people and blood surfaces.
static void free_artwork()
{
    for (SDL_Surface **s :
         {&view_surface, &world_surface, &people_image, &blood_image, &tile_image}) {
        SDL_FreeSurface(*s);
        *s = nullptr;
    }
}

Zombie &place_zombie(float x, float y, float health, int target)
{
    int players = player_count;
    player_count = 1;
    Zombie &zombie = *zombies[spawn_zombie(x, y) - 1];
    player_count = players;
    zombie.health = health;
    zombie.target_player = target;
    return zombie;
}

void fill_grid(int kind)
{
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            map_tiles[x][y] = kind;
}

Rect wall_at(int i)
{
    return {wall_rects[i]->x, wall_rects[i]->y, wall_rects[i]->w, wall_rects[i]->h};
}

std::vector<Rect> prepared_walls(std::initializer_list<Tile> tiles)
{
    clean_world();
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            map_tiles[x][y] = (x + y) % FIRST_WALL_KIND;
    for (const Tile &t : tiles)
        map_tiles[t.x][t.y] = t.kind;
    prepare_map();
    std::vector<Rect> walls;
    for (int i = 0; i < wall_rect_count; i++)
        walls.push_back(wall_at(i));
    return walls;
}

std::string read_file(const char *path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// As ls -A lists it: sorted by bytes, without "." and "..".
std::string folder_listing(const char *folder)
{
    std::vector<std::string> names;
    list_folder(folder, names);
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const std::string &name : names)
        if (name != "." && name != "..")
            listing += name + "\n";
    return listing;
}

#ifndef _WIN32
void with_file_size_limit(long bytes, const std::function<void()> &step)
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
#endif

int count_pixels(SDL_Surface *surface, const std::function<bool(int x, int y, Uint32 pixel)> &test)
{
    int count = 0;
    for (int y = 0; y < surface->h; y++)
        for (int x = 0; x < surface->w; x++)
            count += test(x, y, read_pixel(surface, x, y));
    return count;
}

void CleanWorld::SetUp()
{
    ScratchFolderTest::SetUp();
    clean_world();
}

void CleanWorld::TearDown()
{
    clean_world();
    free_artwork();
    ScratchFolderTest::TearDown();
}

void WorldPicture::SetUp()
{
    DisplayTest::SetUp();
    enter_scratch_folder(folder, previous_folder);
    fill_sprite_tables();
    clean_world();
    view_surface = display_like_surface(VIEW_W, VIEW_H);
    people_image = display_like_surface(FACING_COUNT * SPRITE_SIZE, 3 * SPRITE_SIZE);
    blood_image = display_like_surface(BLOOD_SPLAT_COUNT * BLOOD_SPLAT_SIZE, BLOOD_SPLAT_SIZE);
}

void WorldPicture::TearDown()
{
    clean_world();
    free_artwork();
    DisplayTest::TearDown();
    leave_scratch_folder(folder, previous_folder);
}
