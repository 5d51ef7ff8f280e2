// game_scene.cpp -- the contact sheet's game panel: the view of a house, the horde and the HUD
#include "game_scene.h"

#include <cmath>

#include "blood.h"
#include "game/world.h"
#include "lighting.h"
#include "people.h"
#include "sheet_drawing.h"
#include "tiles.h"
#include "ui/buttons.h"
#include "ui/hud.h"

// Draws the sprite of people.png at row `row_y` turned to face `angle`, centred at (x, y),
// nearest neighbour.
static void draw_person(Picture &dst, const Picture &people, int row_y, float x, float y,
                        float angle)
{
    const float pixel_centre = (SPRITE_SIZE - 1) / 2.0f;  // the middle of the sprite's pixels
    float cs = std::cos(angle), sn = std::sin(angle);
    for (int v = 0; v < SPRITE_SIZE; v++)
        for (int u = 0; u < SPRITE_SIZE; u++) {
            float dx = u - pixel_centre, dy = v - pixel_centre;
            int sx = (int)std::floor(SPRITE_HALF + cs * dx + sn * dy),
                sy = (int)std::floor(SPRITE_HALF - sn * dx + cs * dy);
            // The first column and the last row never show in the game's facings.
            if (sx <= 0 || sy < 0 || sx >= SPRITE_SIZE || sy >= SPRITE_SIZE - 1)
                continue;
            Color c = get(people, sx, row_y + sy);
            if (c.a >= 0.5f)
                blend(dst, (int)x - SPRITE_HALF + u, (int)y - SPRITE_HALF + v, c, 1);
        }
}

// The scene's own set: where the dead lie, the camera, the player, the horde and the aim.
const float CORPSES[][3] = {{400, 340, 2.1f}, {620, 230, 4.0f}, {300, 120, 0.6f}};  // x, y, angle
const int SPLATS_PER_CORPSE = 6;
const int CAM_X = 60, CAM_Y = 10;
const float PLAYER_X = 450, PLAYER_Y = 260;
const float ZOMBIES[][2] = {{560, 150}, {590, 330}, {350, 400}, {230, 250}, {480, 420}, {250, 140}};
const float AIM_X = 640, AIM_Y = 120;

// Blood and the dead are painted into the floor, each splat scattered as a kill scatters it.
static void paint_the_dead(Picture &world, const Picture &people, const Picture &blood)
{
    const int scatter_range = 2 * SPLAT_SPREAD_KILL + 1;
    int splat = 0;
    for (const float *c : CORPSES) {
        draw_person(world, people, CORPSE_ROW_Y, c[0], c[1], c[2]);
        for (int i = 0; i < SPLATS_PER_CORPSE; i++, splat++) {
            int f = splat % BLOOD_SPLAT_COUNT;
            Picture one = make_picture(BLOOD_SPLAT_SIZE, BLOOD_SPLAT_SIZE, TRANSPARENT);
            copy_into(one, blood, f * BLOOD_SPLAT_SIZE, 0, BLOOD_SPLAT_SIZE, BLOOD_SPLAT_SIZE, 0,
                      0);
            int scatter_x = i * 37 % scatter_range, scatter_y = i * 23 % scatter_range;
            draw_over(world, one, (int)c[0] - SPLAT_OFFSET + scatter_x - SPLAT_SPREAD_KILL,
                      (int)c[1] - SPLAT_OFFSET + scatter_y - SPLAT_SPREAD_KILL, 1);
        }
    }
}

// The heads-up display as draw_hud lays it out, then the corner button.
static void draw_sample_hud(Picture &view, const MediaSet &m)
{
    text(view, m.font, KILLS_TEXT_X, KILLS_TEXT_Y, "Zombies Killed = 12", TEXT_LEFT);
    gauge(view, m, ENERGY_BAR_Y, ENERGY_BAR_W, 0.62f);
    text(view, m.font, GAUGE_TEXT_X, ENERGY_TEXT_Y, "Energy 62", TEXT_LEFT);
    gauge(view, m, HEALTH_BAR_Y, HEALTH_BAR_W, 0.88f);
    text(view, m.font, GAUGE_TEXT_X, HEALTH_TEXT_Y, "Health 88", TEXT_LEFT);
    corner_button(view, m, "Pause", false);
}

Picture game_scene(const MediaSet &m)
{
    // A house with two doorways on the edge of a road, and the horde closing in: kinds as a
    // map file numbers them.
    const int W = 8, H = 6;
    const int GRID[H][W] = {
        {13, 17, 17, 12, 3, 4, 0, 0}, {14, 9, 9, 20, 3, 4, 0, 7}, {14, 5, 5, 16, 3, 4, 1, 7},
        {10, 19, 15, 11, 3, 4, 1, 2}, {0, 0, 1, 1, 3, 4, 2, 2},   {0, 8, 8, 1, 3, 4, 0, 0},
    };
    Picture world = make_picture(W * TILE_SIZE, H * TILE_SIZE, BLACK);
    for (int ty = 0; ty < H; ty++)
        for (int tx = 0; tx < W; tx++) {
            int k = GRID[ty][tx];
            for (int v = 0; v < TILE_SIZE; v++)
                for (int u = 0; u < TILE_SIZE; u++) {
                    Color c = get(m.tiles, tile_cell_x(k) + u, tile_cell_y(k) + v);
                    if (c.a >= 0.5f)
                        at(world, tx * TILE_SIZE + u, ty * TILE_SIZE + v) = c;
                }
        }
    Picture people = keyed(m.people);
    paint_the_dead(world, people, m.blood);
    Picture view = make_picture(VIEW_W, VIEW_H, BLACK);
    copy_into(view, world, CAM_X, CAM_Y, VIEW_W, VIEW_H, 0, 0);
    for (const float *z : ZOMBIES)
        draw_person(view, people, ZOMBIE_ROW_Y, z[0] - CAM_X, z[1] - CAM_Y,
                    std::atan2(PLAYER_Y - z[1], PLAYER_X - z[0]));
    draw_person(view, people, PLAYER_ROW_Y, PLAYER_X - CAM_X, PLAYER_Y - CAM_Y,
                std::atan2(AIM_Y - PLAYER_Y, AIM_X - PLAYER_X));
    // The wall overlays over anyone walking beneath them.
    for (int ty = 0; ty < H; ty++)
        for (int tx = 0; tx < W; tx++) {
            int k = GRID[ty][tx];
            if (k < FIRST_WALL_KIND)
                continue;
            int o = k + WALL_OVERLAY_OFFSET;
            for (int v = 0; v < TILE_SIZE; v++)
                for (int u = 0; u < TILE_SIZE; u++) {
                    Color c = get(m.tiles, tile_cell_x(o) + u, tile_cell_y(o) + v);
                    if (c.a >= 0.5f)
                        blend(view, tx * TILE_SIZE + u - CAM_X, ty * TILE_SIZE + v - CAM_Y, c, 1);
                }
        }
    // The lighting subtracts the darkness of the border.
    for (int y = 0; y < VIEW_H; y++)
        for (int x = 0; x < VIEW_W; x++) {
            float a = get(m.border_darkness, x, y).r - 1;
            Color &c = at(view, x, y);
            c = {clamp01(c.r + a), clamp01(c.g + a), clamp01(c.b + a), 1};
        }
    draw_sample_hud(view, m);
    return view;
}
