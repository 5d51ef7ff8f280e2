// world_test.cpp -- the owned lists and blood splats
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
    EXPECT_TRUE(zombie_count == 0 && zombies[0] == nullptr);
    for (int i = 0; i <= MAX_WALL_RECTS; i++)  // walls beyond the capacity are dropped
        add_wall_rect((float)i, 1.0f, 12.0f, 100.0f);
    ASSERT_EQ(wall_rect_count, MAX_WALL_RECTS);
    const WallRect &last = *wall_rects[MAX_WALL_RECTS - 1];
    EXPECT_EQ((std::vector<float>{last.x, last.y, last.w, last.h}), (std::vector<float>{MAX_WALL_RECTS - 1, 1, 12, 100}));
    clear_wall_rects();
    EXPECT_TRUE(wall_rect_count == 0 && wall_rects[0] == nullptr);
}

class BloodSplat : public WorldPicture {};
INSTANTIATE_AT_ONE_DEPTH(BloodSplat);

// Frame, then y, then x are drawn; the centre truncates toward zero, so
// (-0.5, -0.75) lands on (0, 0).
TEST_P(BloodSplat, DrawsFrameThenYThenXAndTruncatesTheCentreTowardZero)
{
    auto frame_color = [](int frame) { return display_rgb(16 * frame + 8, 100, 48); };
    blood_image = display_like_surface(BLOOD_SPLAT_COUNT * BLOOD_SPLAT_SIZE, BLOOD_SPLAT_SIZE);
    for (int i = 0; i < BLOOD_SPLAT_COUNT; i++)
        SDL_FillRect(blood_image, &blood_frames[i], frame_color(i));
    world_surface = display_like_surface(200, 200);
    for (int spread : {SPLAT_SPREAD_KILL, SPLAT_SPREAD_HIT}) {
        srand(3);
        int frame = rand() % BLOOD_SPLAT_COUNT, y_offset = rand() % (2 * spread + 1), x_offset = rand() % (2 * spread + 1);
        ASSERT_TRUE(frame != 0 && x_offset != y_offset);  // a swapped draw would show
        bool far = spread == SPLAT_SPREAD_KILL;
        float x = far ? 100.75f : (float)(spread - x_offset) - 0.5f, y = far ? 90.25f : (float)(spread - y_offset) - 0.75f;
        int left = far ? 100 + x_offset - spread - SPLAT_OFFSET : -SPLAT_OFFSET;
        int top = far ? 90 + y_offset - spread - SPLAT_OFFSET : -SPLAT_OFFSET;
        SDL_FillRect(world_surface, nullptr, 0);
        srand(3);
        paint_blood_splat(x, y, spread);
        EXPECT_EQ(count_pixels(world_surface, [&](int px, int py, Uint32 p) {
                      bool inside = px >= left && px < left + BLOOD_SPLAT_SIZE && py >= top && py < top + BLOOD_SPLAT_SIZE;
                      return p != (inside ? frame_color(frame) : 0);
                  }), 0) << spread;
    }
}
