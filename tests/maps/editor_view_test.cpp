// editor_view_test.cpp -- the editor's world view: nearest-neighbour samples of the world, and the background beside it
#include "game/world_fixture.h"
#include "maps/editor_view.h"

class WorldView : public WorldPicture {};

// Screen point i samples world start + (i + 1) z, summed in floats; the
// background shows wherever that leaves the world. The world is 901 wide, so
// its 16-bit rows end in padding; some views hold its right edge, at zooms
// whose eight neighbouring samples span one to more than four 16-byte loads.
TEST_P(WorldView, MatchesThePlainDefinitionAndLeavesTheBackgroundOutsideTheWorld)
{
    world_surface = display_like_surface(901, 700);
    for (int y = 0; y < 700; y++)
        for (int x = 0; x < 901; x++)
            write_pixel(world_surface, x, y,
                        (Uint32)(x * 7 + y * 13 + 1) & (GetParam() == 16 ? 0xFFFF : 0xFFFFFF));
    const Uint32 background = 0xABCD;
    const struct {
        float camera_x, camera_y, scale;
    } views[] = {{0, 0, 1},         {100.5f, 50.25f, 1}, {-200, -100, 1},   {0, 0, 4},
                 {300, 200, 0.25f}, {400, 300, 1.37f},   {-300, 400, 0.6f}, {5, 5, 0.05f},
                 {700, -200, 0.6f}, {500, -99, 2},       {300, -298, 2.5f}, {400, -119, 3.3f},
                 {-100, 300, 4.4f}, {20, 0, 4.7f}};
    for (const auto &v : views) {
        SDL_FillRect(display_surface, nullptr, background);
        camera_x = v.camera_x;
        camera_y = v.camera_y;
        view_scale = v.scale;
        draw_world_view();
        float sx[VIEW_W] = {v.camera_x + 320 - 320 * v.scale + v.scale},
              sy[VIEW_H] = {v.camera_y + 240 - 240 * v.scale + v.scale};
        for (int i = 1; i < VIEW_W; i++)
            sx[i] = sx[i - 1] + v.scale;
        for (int i = 1; i < VIEW_H; i++)
            sy[i] = sy[i - 1] + v.scale;
        int world_pixels = 0;
        int mismatches = count_pixels(display_surface, [&](int x, int y, Uint32 p) {
            bool inside = sx[x] > 0 && sx[x] < 901 && sy[y] > 0 && sy[y] < 700;
            world_pixels += inside;
            return p != (inside ? read_pixel(world_surface, (int)sx[x], (int)sy[y]) : background);
        });
        EXPECT_EQ(mismatches, 0) << v.camera_x << "," << v.camera_y << " scale " << v.scale;
        EXPECT_GT(world_pixels, 0);
    }
}

INSTANTIATE_AT_BOTH_DEPTHS(WorldView);
