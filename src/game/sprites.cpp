// sprites.cpp -- the scene on the game view: the floor, the zombies, the players and their labels
#include "game/sprites.h"

#include <cmath>
#include <cstdio>

#include "app/artwork.h"
#include "app/display.h"
#include "app/glyphs.h"
#include "app/pixels.h"
#include "app/sprite_tables.h"
#include "game/world.h"

// Angles outside -pi..pi (only a save file can hold them) are reduced first,
// so the frame always lies in 0..63.
int facing_frame(float angle)
{
    if (!std::isfinite(angle))
        return FACING_COUNT - 1;
    if (angle < -M_PI || angle > M_PI)
        angle = (float)std::remainder((double)angle, 2 * M_PI);
    float f = (float)(angle * RADIANS_TO_DEGREES / 360 * FACING_COUNT + 0.5);
    if (f < 0.0f)
        f = f + FACING_COUNT;
    float g = FACING_COUNT - f;
    if (g >= (float)FACING_COUNT)
        g = FACING_COUNT - 1;
    int frame = (int)g;
    return frame < 0 ? 0 : (frame > FACING_COUNT - 1 ? FACING_COUNT - 1 : frame);
}

static void draw_person(SDL_Rect *frames, float x, float y, float angle)
{
    blit_at((Sint16)((int)(x - camera_x) - SPRITE_HALF),
            (Sint16)((int)(y - camera_y) - SPRITE_HALF), people_image, view_surface,
            &frames[facing_frame(angle)]);
}

// Waves may show past the world's edge, which stays black.
void draw_floor()
{
    if (camera_x < 0.0f || camera_y < 0.0f || camera_x > CAMERA_MAX_X || camera_y > CAMERA_MAX_Y)
        SDL_FillRect(view_surface, nullptr, SDL_MapRGB(view_surface->format, 0, 0, 0));
    blit_at((Sint16) - (int)camera_x, (Sint16) - (int)camera_y, world_surface, view_surface,
            nullptr);
}

void draw_zombies()
{
    for (int i = 0; i < zombie_count; i++)
        draw_person(zombie_frames, zombies[i]->x, zombies[i]->y, zombies[i]->angle);
}

// Pixels between the two radii, clipped to the surface.
void draw_player_ring(SDL_Surface *surface, int cx, int cy, int slot)
{
    const Uint8 *rgb = PLAYER_COLORS[slot % 4];
    Uint32 color = SDL_MapRGB(surface->format, rgb[0], rgb[1], rgb[2]);
    int reach = (int)RING_OUTER + 1;
    for (int dy = -reach; dy <= reach; dy++) {
        for (int dx = -reach; dx <= reach; dx++) {
            float r2 = (float)(dx * dx + dy * dy);
            int x = cx + dx, y = cy + dy;
            if (r2 >= RING_INNER * RING_INNER && r2 <= RING_OUTER * RING_OUTER && x >= 0 &&
                y >= 0 && x < surface->w && y < surface->h)
                write_surface_pixel(surface, x, y, color);
        }
    }
}

// Each label follows its own player's sprite, so the next player may cover
// it; each ring lies under its own player.
void draw_players()
{
    for (int i = 0; i < player_count; i++) {
        if (player_count >= 2)
            draw_player_ring(view_surface, (int)(player_x[i] - camera_x),
                             (int)(player_y[i] - camera_y), i);
        draw_person(player_frames, player_x[i], player_y[i], player_angle[i]);
        if (player_count >= 2) {
            char label[16];
            snprintf(label, sizeof label, "P%d", i + 1);
            draw_label_on_view((int)(player_x[i] - camera_x),
                               (int)(player_y[i] - camera_y - LABEL_RISE), label);
        }
    }
}
