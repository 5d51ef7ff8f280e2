// editor_view_test.cpp -- the editor's world view at its edges: odd widths, padded rows, far zooms
#include "game/world_fixture.h"
#include "maps/editor_view.h"

class WorldViewEdges : public WorldPicture {};

// A world 901 pixels wide (its 16-bit rows end in padding) whose right edge
// and last row fall inside the view, at zooms whose eight neighbouring
// samples span one to more than four 16-byte loads, one of them with eight
// samples that end just short of the edge: still the plain definition, and
// the background wherever the samples leave the world.
TEST_P(WorldViewEdges, TheRightEdgeAndFarApartSamplesFollowThePlainDefinition)
{
    const int W = 901, H = 300;
    world_surface = display_like_surface(W, H);
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++)
            write_pixel(world_surface, x, y, display_rgb(x * 5 + y, x * 3, y * 7 + x));
    const Uint32 background = display_rgb(1, 2, 3);
    const struct {
        float camera_x, camera_y, scale;
    } views[] = {{700, -200, 0.6f}, {500, -99, 2},     {300, -298, 2.5f},
                 {400, -119, 3.3f}, {-100, 300, 4.4f}, {20, 0, 4.7f}};
    for (const auto &v : views) {
        SDL_FillRect(display_surface, nullptr, background);
        camera_x = v.camera_x;
        camera_y = v.camera_y;
        view_scale = v.scale;
        draw_world_view();
        float sx[VIEW_W], sy[VIEW_H];
        sx[0] = v.camera_x + 320 - 320 * v.scale + v.scale;
        sy[0] = v.camera_y + 240 - 240 * v.scale + v.scale;
        for (int i = 1; i < VIEW_W; i++)
            sx[i] = sx[i - 1] + v.scale;
        for (int i = 1; i < VIEW_H; i++)
            sy[i] = sy[i - 1] + v.scale;
        int mismatches = count_pixels(display_surface, [&](int x, int y, Uint32 p) {
            bool inside = sx[x] > 0 && sx[x] < W && sy[y] > 0 && sy[y] < H;
            return p != (inside ? read_pixel(world_surface, (int)sx[x], (int)sy[y]) : background);
        });
        EXPECT_EQ(mismatches, 0) << v.camera_x << "," << v.camera_y << " scale " << v.scale;
        EXPECT_TRUE(sx[0] < W && sx[VIEW_W - 1] > W) << "the right edge is in view";
    }
}

INSTANTIATE_AT_BOTH_DEPTHS(WorldViewEdges);
