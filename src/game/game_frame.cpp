// game_frame.cpp -- one step of a game: simulation, energy and health, camera, firing, drawing, HUD
#include "game/game_frame.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/assets.h"
#include "app/display.h"
#include "app/frame_clock.h"
#include "app/input.h"
#include "app/main_loop.h"
#include "app/sound.h"
#include "game/players.h"
#include "game/shots.h"
#include "game/view.h"
#include "game/world.h"
#include "game/zombies.h"
#include "maps/map_file.h"
#include "ui/buttons.h"
#include "ui/game_over.h"
#include "ui/text.h"

// Overspent energy (below 0) turns into pending damage and is floored at 0.
static void charge_overspent_energy()
{
    if (player_energy[0] < 0.0f) {
        pending_damage = (float)(pending_damage + OVERSPENT_DAMAGE * -player_energy[0]);
        player_energy[0] = 0.0f;
    }
}

void update_energy()
{
    player_energy[0] = (float)(player_energy[0] + ENERGY_REGEN);
    if (player_energy[0] > GAUGE_MAX)
        player_energy[0] = GAUGE_MAX;
    else
        charge_overspent_energy();
}

// Damage gathered this frame bleeds and flashes the border red; an unhurt
// frame fades the flash and regenerates, faster on full energy.
void update_health()
{
    if (pending_damage != 0.0f) {
        sound_player_hurt();
        paint_blood_splat(player_x[0], player_y[0], SPLAT_SPREAD_HIT);
        player_health[0] = player_health[0] - pending_damage;
        if (hurt_flash < HURT_FLASH_MAX)
            hurt_flash += HURT_FLASH_STEP;
        pending_damage = 0.0f;
    } else {
        if (hurt_flash != 0)
            hurt_flash -= HURT_FLASH_STEP;
        double regen = player_energy[0] == GAUGE_MAX ? HEALTH_REGEN_FULL : HEALTH_REGEN;
        player_health[0] = (float)(player_health[0] + regen);
    }
    // A loaded flash need not be a multiple of 4: keep it within its range.
    if (hurt_flash < 0)
        hurt_flash = 0;
    if (hurt_flash > HURT_FLASH_MAX)
        hurt_flash = HURT_FLASH_MAX;
    if (player_health[0] < 0.0f)
        player_health[0] = 0.0f;
    if (player_health[0] > GAUGE_MAX)
        player_health[0] = GAUGE_MAX;
}

// One player: the view leads 30 percent towards the aim point. Several: it
// follows their mean position. Either way it eases a tenth of the way.
void update_camera()
{
    float target_x, target_y;
    if (player_count == 1) {
        target_x = (3 * aim_x + 7 * player_x[0]) / 10 - VIEW_CENTER_X;
        target_y = (3 * aim_y + 7 * player_y[0]) / 10 - VIEW_CENTER_Y;
    } else {
        float sum_x = 0.0f, sum_y = 0.0f;
        for (int i = 0; i < player_count; i++) {
            sum_x += player_x[i];
            sum_y += player_y[i];
        }
        target_x = sum_x / player_count - VIEW_CENTER_X;
        target_y = sum_y / player_count - VIEW_CENTER_Y;
    }
    camera_x = clamp_float((9 * camera_x + target_x) / 10, 0.0f, CAMERA_MAX_X);
    camera_y = clamp_float((9 * camera_y + target_y) / 10, 0.0f, CAMERA_MAX_Y);
}

// A held button fires every second frame; every player fires from it.
void fire_weapons()
{
    for (int i = 0; i < player_count; i++) {
        if (fire_cooldown[i] > 0) {
            fire_cooldown[i]--;
            continue;
        }
        if (mouse_button_state[SDL_BUTTON_LEFT] == KEY_UP)
            continue;
        int spread = rand() % FIRE_SPREAD - FIRE_SPREAD_HALF;
        float angle = (float)(player_angle[i] + spread * FIRE_SPREAD_UNIT);
        sound_shot();
        fire_shot((int)(player_x[i] - camera_x), (int)(player_y[i] - camera_y), angle);
        player_energy[0] = (float)(player_energy[0] - SHOT_ENERGY);
        fire_cooldown[i] = 1;
        charge_overspent_energy();
    }
}

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

// Only tiles that meet the view are drawn; the others would be clipped away.
static void draw_wall_overlays()
{
    int left = (int)camera_x, top = (int)camera_y;
    int first_x = left / TILE_SIZE, last_x = (left + VIEW_W - 1) / TILE_SIZE;
    int first_y = top / TILE_SIZE, last_y = (top + VIEW_H - 1) / TILE_SIZE;
    for (int x = first_x < 0 ? 0 : first_x; x <= last_x && x < MAP_SIZE; x++)
        for (int y = first_y < 0 ? 0 : first_y; y <= last_y && y < MAP_SIZE; y++) {
            int kind = map_tiles[x][y];
            if (kind >= FIRST_WALL_KIND && kind < TILE_KIND_COUNT)
                blit_at((Sint16)(x * TILE_SIZE - left), (Sint16)(y * TILE_SIZE - top), tile_image,
                        view_surface, &tile_rects[kind + WALL_OVERLAY_OFFSET]);
        }
}

// Zombies, then players with their labels, then the tops of the walls over
// them: the scene both the game and its pause menu show.
void draw_scene_sprites()
{
    for (int i = 0; i < zombie_count; i++)
        draw_person(zombie_frames, zombies[i]->x, zombies[i]->y, zombies[i]->angle);
    for (int i = 0; i < player_count; i++) {
        draw_person(player_frames, player_x[i], player_y[i], player_angle[i]);
        if (player_count >= 2) {
            char label[16];
            snprintf(label, sizeof label, "P%d", i + 1);
            draw_label_on_view((int)(player_x[i] - camera_x),
                               (int)(player_y[i] - camera_y - LABEL_RISE), label);
        }
    }
    draw_wall_overlays();
}

// Each text is drawn after its bar, over it.
void draw_hud()
{
    char text[64];
    snprintf(text, sizeof text, "Zombies Killed = %d", kill_count);
    draw_text(KILLS_TEXT_X, KILLS_TEXT_Y, text, TEXT_LEFT);
    draw_bar(ENERGY_BAR_Y, ENERGY_BAR_W, (float)(player_energy[0] * 0.01));
    snprintf(text, sizeof text, "Energy %d", (int)player_energy[0]);
    draw_text(GAUGE_TEXT_X, ENERGY_TEXT_Y, text, TEXT_LEFT);
    draw_bar(HEALTH_BAR_Y, HEALTH_BAR_W, (float)(player_health[0] * 0.01));
    snprintf(text, sizeof text, "Health %d", (int)player_health[0]);
    draw_text(GAUGE_TEXT_X, HEALTH_TEXT_Y, text, TEXT_LEFT);
}

void end_game()
{
    clear_zombies();
    clear_wall_rects();
    screen_number = SCREEN_MAIN_MENU;
}

// The simulation's part of a frame: the time played, people, gauges and the camera.
void update_game(float speed_factor)
{
    count_game_time(frame_ms);
    update_game_sounds(frame_ms);
    update_players(speed_factor);
    update_zombies(speed_factor);
    update_energy();
    update_health();
    update_camera();
}

// Shots are fired while the view is drawn: their tracers lie on the floor
// just copied in and under the people, and their splats show next frame.
static void draw_game_view()
{
    blit_at((Sint16) - (int)camera_x, (Sint16) - (int)camera_y, world_surface, view_surface,
            nullptr);
    fire_weapons();
    draw_scene_sprites();
    view_scale = player_health[0] / GAUGE_MAX;
    composite_view();
}

void game_frame(float speed_factor)
{
    update_game(speed_factor);
    draw_game_view();
    draw_hud();
    if (player_health[0] != 0.0f) {
        if (draw_button(PAUSE_X, PAUSE_Y, PAUSE_W, PAUSE_H, "Pause"))
            screen_number = SCREEN_GAME_MENU;
    } else {
        finish_game();  // the summary shows over the last picture, composited at scale 0
    }
}
