// game_scene.cpp -- the contact sheet's game panel: the view of a house, the horde and the HUD
#include "game_scene.h"

#include <cmath>

#include "blood.h"
#include "lighting.h"
#include "people.h"
#include "sheet_drawing.h"
#include "tiles.h"

// Draws sprite `row` of people.png turned to face `angle`, centred at (x, y), nearest neighbour.
static void draw_person(Picture &dst, const Picture &people, int row, float x, float y, float angle)
{
    float cs = std::cos(angle), sn = std::sin(angle);
    for (int v = 0; v < PERSON; v++)
        for (int u = 0; u < PERSON; u++) {
            float dx = u - 17.5f, dy = v - 17.5f;
            int sx = (int)std::floor(18 + cs * dx + sn * dy),
                sy = (int)std::floor(18 - sn * dx + cs * dy);
            if (sx <= 0 || sy < 0 || sx >= PERSON || sy >= PERSON - 1)
                continue;
            Color c = get(people, sx, row * PERSON + sy);
            if (c.a >= 0.5f)
                blend(dst, (int)x - 18 + u, (int)y - 18 + v, c, 1);
        }
}

Picture game_scene(const MediaSet &m)
{
    // A house with two doorways on the edge of a road, and the horde closing in.
    const int W = 8, H = 6;
    const int GRID[H][W] = {
        {13, 17, 17, 12, 3, 4, 0, 0}, {14, 9, 9, 20, 3, 4, 0, 7}, {14, 5, 5, 16, 3, 4, 1, 7},
        {10, 19, 15, 11, 3, 4, 1, 2}, {0, 0, 1, 1, 3, 4, 2, 2},   {0, 8, 8, 1, 3, 4, 0, 0},
    };
    Picture world = make_picture(W * TILE, H * TILE, BLACK);
    for (int ty = 0; ty < H; ty++)
        for (int tx = 0; tx < W; tx++) {
            int k = GRID[ty][tx];
            for (int v = 0; v < TILE; v++)
                for (int u = 0; u < TILE; u++) {
                    Color c = get(m.tiles, TILE * (k % 4) + u, TILE * (k / 4) + v);
                    if (c.a >= 0.5f)
                        at(world, tx * TILE + u, ty * TILE + v) = c;
                }
        }
    // Blood and the dead are painted into the floor.
    const float CORPSES[][3] = {{400, 340, 2.1f}, {620, 230, 4.0f}, {300, 120, 0.6f}};
    int splat = 0;
    Picture people = keyed(m.people);
    for (const float *c : CORPSES) {
        draw_person(world, people, 2, c[0], c[1], c[2]);
        for (int i = 0; i < 6; i++, splat++) {
            int f = splat % SPLAT_COUNT;
            Picture one = make_picture(SPLAT, SPLAT, TRANSPARENT);
            copy_into(one, m.blood, f * SPLAT, 0, SPLAT, SPLAT, 0, 0);
            draw_over(world, one, (int)c[0] - 23 + (i * 37 % 41) - 20,
                      (int)c[1] - 23 + (i * 23 % 41) - 20, 1);
        }
    }
    const int CAM_X = 60, CAM_Y = 10;
    Picture view = make_picture(VIEW_WIDTH, VIEW_HEIGHT, BLACK);
    copy_into(view, world, CAM_X, CAM_Y, VIEW_WIDTH, VIEW_HEIGHT, 0, 0);
    const float PLAYER_X = 450, PLAYER_Y = 260;
    const float ZOMBIES[][2] = {{560, 150}, {590, 330}, {350, 400},
                                {230, 250}, {480, 420}, {250, 140}};
    for (const float *z : ZOMBIES)
        draw_person(view, people, 1, z[0] - CAM_X, z[1] - CAM_Y,
                    std::atan2(PLAYER_Y - z[1], PLAYER_X - z[0]));
    draw_person(view, people, 0, PLAYER_X - CAM_X, PLAYER_Y - CAM_Y,
                std::atan2(120 - PLAYER_Y, 640 - PLAYER_X));
    for (int ty = 0; ty < H; ty++)
        for (int tx = 0; tx < W; tx++) {
            int k = GRID[ty][tx];
            if (k < FIRST_WALL)
                continue;
            int o = k + OVERLAY_OFFSET;
            for (int v = 0; v < TILE; v++)
                for (int u = 0; u < TILE; u++) {
                    Color c = get(m.tiles, TILE * (o % 4) + u, TILE * (o / 4) + v);
                    if (c.a >= 0.5f)
                        blend(view, tx * TILE + u - CAM_X, ty * TILE + v - CAM_Y, c, 1);
                }
        }
    // The lighting subtracts the darkness of the border.
    for (int y = 0; y < VIEW_HEIGHT; y++)
        for (int x = 0; x < VIEW_WIDTH; x++) {
            float a = get(m.border_darkness, x, y).r - 1;
            Color &c = at(view, x, y);
            c = {clamp01(c.r + a), clamp01(c.g + a), clamp01(c.b + a), 1};
        }
    text(view, m.font, 20, 50, "Zombies Killed = 12", false);
    gauge(view, m, 405, 450, 0.62f);
    text(view, m.font, 15, 400, "Energy 62", false);
    gauge(view, m, 430, 600, 0.88f);
    text(view, m.font, 15, 425, "Health 88", false);
    button(view, m, 500, 400, 100, 20, "Pause", false);
    return view;
}
