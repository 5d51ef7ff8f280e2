// world_test.cpp -- the owned lists, spawning one zombie, the starting values, blood splats
#include <cstdlib>
#include <vector>

#include "app/assets.h"
#include "app/display.h"
#include "game/world.h"
#include "support.h"

class WorldLists : public ::testing::Test {
protected:
    void TearDown() override
    {
        clear_zombies();
        clear_wall_rects();
        player_count = 1;
    }
};

static void expect_zombie_xs(const std::vector<float> &xs)
{
    ASSERT_EQ(zombie_count, (int)xs.size());
    for (int i = 0; i < zombie_count; i++)
        EXPECT_EQ(zombies[i]->x, xs[i]) << "entry " << i;
    EXPECT_EQ(zombies[zombie_count], nullptr);
}

TEST_F(WorldLists, RemovingKeepsTheOrderAndClearingEmpties)
{
    player_count = 1;
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(spawn_zombie((float)i, 10.0f * i), i + 1);
    remove_zombie(2);
    expect_zombie_xs({0, 1, 3, 4, 5});
    remove_zombie(0);
    expect_zombie_xs({1, 3, 4, 5});
    remove_zombie(3);
    expect_zombie_xs({1, 3, 4});
    remove_zombie(-1);  // no such entries: nothing changes
    remove_zombie(3);
    expect_zombie_xs({1, 3, 4});
    clear_zombies();
    EXPECT_EQ(zombie_count, 0);
    EXPECT_EQ(zombies[0], nullptr);

    // Both lists stop at their capacity.
    for (int i = 0; i < MAX_ZOMBIES; i++)
        spawn_zombie(0.0f, 0.0f);
    EXPECT_EQ(spawn_zombie(1.0f, 1.0f), MAX_ZOMBIES);
    EXPECT_EQ(zombies[MAX_ZOMBIES - 1]->x, 0.0f);
    for (int i = 0; i <= MAX_WALL_RECTS; i++)
        add_wall_rect((float)i, 0.0f, 12.0f, 100.0f);
    ASSERT_EQ(wall_rect_count, MAX_WALL_RECTS);
    EXPECT_EQ(wall_rects[MAX_WALL_RECTS - 1]->x, (float)(MAX_WALL_RECTS - 1));
    EXPECT_EQ(wall_rects[3]->h, 100.0f);
    clear_wall_rects();
    EXPECT_EQ(wall_rect_count, 0);
    EXPECT_EQ(wall_rects[0], nullptr);
}

TEST_F(WorldLists, ANewZombieDrawsATargetOnlyWhenSeveralPlay)
{
    srand(5);
    int first = rand();
    int second = rand();

    player_count = 1;
    srand(5);
    spawn_zombie(12.5f, -40.0f);
    EXPECT_EQ(rand(), first);  // nothing drawn
    EXPECT_EQ(zombies[0]->x, 12.5f);
    EXPECT_EQ(zombies[0]->y, -40.0f);
    EXPECT_EQ(zombies[0]->angle, 0.0f);
    EXPECT_EQ(zombies[0]->health, 100.0f);
    EXPECT_EQ(zombies[0]->target_player, 0);

    player_count = 3;
    srand(5);
    spawn_zombie(0.0f, 0.0f);
    EXPECT_EQ(zombies[1]->target_player, first % 3);
    EXPECT_EQ(rand(), second);  // exactly one drawn
}

TEST(WorldStart, ResetSetsTheStartingValuesButNotTheNumberOfPlayers)
{
    for (int i = 0; i < MAX_PLAYERS; i++) {
        player_x[i] = player_y[i] = -1.0f;
        player_health[i] = player_energy[i] = 3.0f;
        fire_cooldown[i] = 1;
        player_angle[i] = 0.75f;
    }
    player_count = 2;
    kill_count = hurt_flash = 9;
    pending_damage = aim_x = aim_y = camera_x = camera_y = view_scale = 0.25f;
    reset_world_for_new_game();

    const float xs[MAX_PLAYERS] = {2500, 2550, 2450, 2500};
    const float ys[MAX_PLAYERS] = {2450, 2500, 2500, 2550};
    for (int i = 0; i < MAX_PLAYERS; i++) {
        EXPECT_EQ(player_x[i], xs[i]) << i;
        EXPECT_EQ(player_y[i], ys[i]) << i;
        EXPECT_EQ(fire_cooldown[i], 0) << i;
        EXPECT_EQ(player_angle[i], 0.75f) << i;  // the first frame aims
    }
    EXPECT_EQ(player_health[0] + player_energy[0], 200.0f);
    EXPECT_EQ(player_health[1], 3.0f);  // only slot 0's gauges are played
    EXPECT_EQ(player_count, 2);
    EXPECT_EQ(kill_count + hurt_flash, 0);
    EXPECT_EQ(pending_damage, 0.0f);  // no damage carried over from the last game
    EXPECT_EQ(aim_x, 2500.0f);
    EXPECT_EQ(aim_y, 2450.0f);
    EXPECT_EQ(camera_x, 2180.0f);
    EXPECT_EQ(camera_y, 2210.0f);
    EXPECT_EQ(view_scale, 1.0f);
    player_count = 1;
}

// A blood sheet of 16 opaque splats, each one solid colour.
class BloodSplat : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        const SDL_PixelFormat *f = display_surface->format;
        blood_image = SDL_CreateRGBSurface(SDL_SWSURFACE, BLOOD_SPLAT_SIZE * BLOOD_SPLAT_COUNT,
                                           BLOOD_SPLAT_SIZE, f->BitsPerPixel, f->Rmask,
                                           f->Gmask, f->Bmask, f->Amask);
        for (int i = 0; i < BLOOD_SPLAT_COUNT; i++) {
            SDL_Rect frame = {(Sint16)(BLOOD_SPLAT_SIZE * i), 0, BLOOD_SPLAT_SIZE,
                              BLOOD_SPLAT_SIZE};
            SDL_FillRect(blood_image, &frame, frame_color(i));
        }
        world_surface = SDL_CreateRGBSurface(SDL_SWSURFACE, 200, 200, f->BitsPerPixel,
                                             f->Rmask, f->Gmask, f->Bmask, f->Amask);
        fill_sprite_tables();
    }
    void TearDown() override
    {
        SDL_FreeSurface(blood_image);
        SDL_FreeSurface(world_surface);
        blood_image = world_surface = nullptr;
        DisplayTest::TearDown();
    }
    Uint32 frame_color(int frame)
    {
        return SDL_MapRGB(display_surface->format, (Uint8)(16 * frame + 8), 100, 48);
    }
    // The splat of `frame` covers exactly the 46 by 46 square at (left, top),
    // as far as it lies on the surface.
    void expect_splat(int frame, int left, int top)
    {
        for (int y = 0; y < world_surface->h; y++)
            for (int x = 0; x < world_surface->w; x++) {
                bool inside = x >= left && x < left + BLOOD_SPLAT_SIZE && y >= top &&
                              y < top + BLOOD_SPLAT_SIZE;
                Uint32 pixel = read_pixel(world_surface, x, y);
                if (inside)
                    ASSERT_EQ(pixel, frame_color(frame)) << x << "," << y;
                else
                    ASSERT_EQ(pixel, 0u) << x << "," << y;
            }
    }
};

// The three numbers are drawn as frame, then y offset, then x offset.
TEST_P(BloodSplat, DrawsFrameThenYThenXAndLandsAroundTheCentre)
{
    // A seed whose two offsets differ, so swapping them would move the splat.
    unsigned seed = 1;
    int frame, y_offset, x_offset;
    for (;; seed++) {
        srand(seed);
        frame = rand() % BLOOD_SPLAT_COUNT;
        y_offset = rand() % (2 * SPLAT_SPREAD_KILL + 1);
        x_offset = rand() % (2 * SPLAT_SPREAD_KILL + 1);
        if (y_offset != x_offset && frame != 0)
            break;
    }
    SDL_FillRect(world_surface, nullptr, 0);
    srand(seed);
    paint_blood_splat(100.75f, 90.25f, SPLAT_SPREAD_KILL);
    int centre_x = (int)(100.75f + x_offset - SPLAT_SPREAD_KILL);
    int centre_y = (int)(90.25f + y_offset - SPLAT_SPREAD_KILL);
    expect_splat(frame, centre_x - SPLAT_OFFSET, centre_y - SPLAT_OFFSET);
    EXPECT_LE(abs(centre_x - 100), SPLAT_SPREAD_KILL);
    EXPECT_LE(abs(centre_y - 90), SPLAT_SPREAD_KILL);

    // A centre just left of and above 0 truncates toward zero, to 0.
    srand(seed);
    frame = rand() % BLOOD_SPLAT_COUNT;
    y_offset = rand() % (2 * SPLAT_SPREAD_HIT + 1);
    x_offset = rand() % (2 * SPLAT_SPREAD_HIT + 1);
    float x = (float)(SPLAT_SPREAD_HIT - x_offset) - 0.5f;
    float y = (float)(SPLAT_SPREAD_HIT - y_offset) - 0.75f;
    SDL_FillRect(world_surface, nullptr, 0);
    srand(seed);
    paint_blood_splat(x, y, SPLAT_SPREAD_HIT);
    expect_splat(frame, -SPLAT_OFFSET, -SPLAT_OFFSET);  // columns and rows 0 to 22
}

INSTANTIATE_AT_BOTH_DEPTHS(BloodSplat);
