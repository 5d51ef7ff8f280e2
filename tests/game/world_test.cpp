// world_test.cpp -- the owned lists, spawning one zombie, blood splats
#include <cstdlib>

#include "game/world_fixture.h"

using WorldLists = CleanWorld;

TEST_F(WorldLists, RemovalKeepsTheOrderClearingEmptiesAndWallsStopAtCapacity)
{
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(spawn_zombie((float)i, 0.0f), i + 1);
    for (int index : {2, 0, 3, -1, 3})  // the last two name no entry
        remove_zombie(index);
    EXPECT_EQ(zombie_xs(), (std::vector<float>{1, 3, 4}));
    EXPECT_EQ(zombies[3], nullptr);
    clear_zombies();
    EXPECT_EQ(zombie_count, 0);
    EXPECT_EQ(zombies[0], nullptr);
    for (int i = 0; i <= MAX_WALL_RECTS; i++)  // walls beyond the capacity are dropped
        add_wall_rect((float)i, 1.0f, 12.0f, 100.0f);
    ASSERT_EQ(wall_rect_count, MAX_WALL_RECTS);
    const WallRect &last = *wall_rects[MAX_WALL_RECTS - 1];
    EXPECT_EQ((std::vector<float>{last.x, last.y, last.w, last.h}), (std::vector<float>{MAX_WALL_RECTS - 1, 1, 12, 100}));
    clear_wall_rects();
    EXPECT_EQ(wall_rect_count, 0);
    EXPECT_EQ(wall_rects[0], nullptr);
}

TEST_F(WorldLists, ANewZombieDrawsItsTargetOnlyWhenSeveralPlay)
{
    srand(5);
    int first = rand(), second = rand();
    srand(5);
    const Zombie &lone = *zombies[spawn_zombie(12.5f, -40.0f) - 1];
    EXPECT_EQ(rand(), first);  // one player: nothing drawn
    EXPECT_EQ((std::vector<float>{lone.x, lone.y, lone.angle, lone.health, (float)lone.target_player}),
              (std::vector<float>{12.5f, -40, 0, 100, 0}));
    player_count = 3;
    srand(5);
    EXPECT_EQ(zombies[spawn_zombie(0, 0) - 1]->target_player, first % 3);
    EXPECT_EQ(rand(), second);  // exactly one drawn
}

class BloodSplat : public WorldPicture {
protected:
    static Uint32 frame_color(int frame) { return display_rgb(16 * frame + 8, 100, 48); }
    // Pixels of the floor unlike the splat of `frame` on the 46 by 46 square at (left, top).
    static int wrong_pixels(int frame, int left, int top)
    {
        return count_pixels(world_surface, [&](int x, int y, Uint32 p) {
            bool inside = x >= left && x < left + BLOOD_SPLAT_SIZE && y >= top && y < top + BLOOD_SPLAT_SIZE;
            return p != (inside ? frame_color(frame) : 0);
        });
    }
};

TEST_P(BloodSplat, DrawsFrameThenYThenXAndTruncatesTheCentreTowardZero)
{
    blood_image = display_like_surface(BLOOD_SPLAT_COUNT * BLOOD_SPLAT_SIZE, BLOOD_SPLAT_SIZE);
    for (int i = 0; i < BLOOD_SPLAT_COUNT; i++)
        SDL_FillRect(blood_image, &blood_frames[i], frame_color(i));
    world_surface = display_like_surface(200, 200);
    const int kill_span = 2 * SPLAT_SPREAD_KILL + 1, hit_span = 2 * SPLAT_SPREAD_HIT + 1;
    srand(3);
    int frame = rand() % BLOOD_SPLAT_COUNT, y_offset = rand() % kill_span, x_offset = rand() % kill_span;
    ASSERT_TRUE(frame != 0 && x_offset != y_offset);  // a swapped draw would show
    srand(3);
    paint_blood_splat(100.75f, 90.25f, SPLAT_SPREAD_KILL);
    EXPECT_EQ(wrong_pixels(frame, 100 + x_offset - SPLAT_SPREAD_KILL - SPLAT_OFFSET,
                           90 + y_offset - SPLAT_SPREAD_KILL - SPLAT_OFFSET), 0);

    // A centre of (-0.5, -0.75) truncates toward zero, to (0, 0).
    srand(3);
    frame = rand() % BLOOD_SPLAT_COUNT, y_offset = rand() % hit_span, x_offset = rand() % hit_span;
    SDL_FillRect(world_surface, nullptr, 0);
    srand(3);
    paint_blood_splat((float)(SPLAT_SPREAD_HIT - x_offset) - 0.5f, (float)(SPLAT_SPREAD_HIT - y_offset) - 0.75f,
                      SPLAT_SPREAD_HIT);
    EXPECT_EQ(wrong_pixels(frame, -SPLAT_OFFSET, -SPLAT_OFFSET), 0);
}

INSTANTIATE_AT_BOTH_DEPTHS(BloodSplat);
