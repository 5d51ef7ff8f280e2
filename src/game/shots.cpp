// shots.cpp -- instant shots: the line walk, the tracer, walls, hits, knockback, blood and corpses
#include "game/shots.h"

#include <cmath>
#include <cstdlib>

#include "app/artwork.h"
#include "app/display.h"
#include "app/input.h"
#include "app/pixels.h"
#include "app/random.h"
#include "app/sound.h"
#include "app/sprite_tables.h"
#include "game/collision.h"
#include "game/controls.h"
#include "game/gauges.h"
#include "game/waves.h"
#include "game/world.h"

LineStepper line_stepper;

void line_stepper_begin(int x0, int y0, int x1, int y1)
{
    line_stepper.sx = x1 > x0 ? 1 : -1;
    line_stepper.sy = y1 > y0 ? 1 : -1;
    line_stepper.dx2 = 2 * std::abs(x1 - x0);
    line_stepper.dy2 = 2 * std::abs(y1 - y0);
    if (line_stepper.dx2 >= line_stepper.dy2)
        line_stepper.err = line_stepper.dy2 - line_stepper.dx2 / 2;
    else
        line_stepper.err = line_stepper.dx2 - line_stepper.dy2 / 2;
}

// One step along the major axis (a, end a) with the minor axis b. At an
// error of exactly 0 the minor axis moves only when the major direction is
// positive: that tie-break is part of every shot's shape.
static bool step_along(int &a, int &b, int end_a, int step_a, int step_b, Sint32 major2,
                       Sint32 minor2)
{
    if (a == end_a)
        return false;
    if (line_stepper.err > 0 || (line_stepper.err == 0 && step_a > 0)) {
        b += step_b;
        line_stepper.err -= major2;
    }
    a += step_a;
    line_stepper.err += minor2;
    return true;
}

bool line_stepper_step(int &x, int &y, int x1, int y1)
{
    const LineStepper &s = line_stepper;
    if (s.dx2 >= s.dy2)
        return step_along(x, y, x1, s.sx, s.sy, s.dx2, s.dy2);
    return step_along(y, x, y1, s.sy, s.sx, s.dy2, s.dx2);
}

// A white 4 by 4 square with (x, y) right of and below its middle; squares
// too near the view's edge are skipped. The check against the surface's own
// size keeps a smaller view safe.
static void draw_tracer_square(int x, int y)
{
    SDL_Surface *view = view_surface;
    if (!view)
        return;
    if (x < TRACER_MARGIN || x > VIEW_W - TRACER_MARGIN || y < TRACER_MARGIN ||
        y > VIEW_H - TRACER_MARGIN || x + 1 >= view->w || y + 1 >= view->h)
        return;
    Uint32 white = SDL_MapRGB(view->format, 255, 255, 255);
    int bytes = view->format->BytesPerPixel;
    if (SDL_MUSTLOCK(view) && SDL_LockSurface(view) != 0)
        return;
    for (int row = y - 2; row <= y + 1; row++) {
        Uint8 *line = (Uint8 *)view->pixels + row * view->pitch;
        for (int column = x - 2; column <= x + 1; column++)
            write_raw_pixel(line + column * bytes, bytes, white);
    }
    if (SDL_MUSTLOCK(view))
        SDL_UnlockSurface(view);
}

// Within the hit radius on both axes first, then by distance.
static bool person_is_hit(float px, float py, float wx, float wy)
{
    if (!(px + SHOT_HIT_RADIUS > wx && px - SHOT_HIT_RADIUS < wx && py + SHOT_HIT_RADIUS > wy &&
          py - SHOT_HIT_RADIUS < wy))
        return false;
    return person_distance(wx, wy, px, py) < SHOT_HIT_RADIUS;
}

static bool wall_near(float wx, float wy)
{
    for (int i = 0; i < wall_rect_count; i++) {
        const WallRect &wall = *wall_rects[i];
        if (wall.x - SHOT_WALL_MARGIN < wx && wx < wall.x + wall.w + SHOT_WALL_MARGIN &&
            wall.y - SHOT_WALL_MARGIN < wy && wy < wall.y + wall.h + SHOT_WALL_MARGIN)
            return true;
    }
    return false;
}

static void bleed(float x, float y, int count, int spread)
{
    for (int i = 0; i < count; i++)
        paint_blood_splat(x, y, spread);
}

// The corpse frame is drawn before the 25 splats, which then lie over it.
static void kill_zombie(int index)
{
    Zombie &zombie = *zombies[index];
    kill_count++;
    sound_zombie_death();
    int frame = game_random() % FACING_COUNT;
    blit_at((Sint16)((int)zombie.x - CORPSE_OFFSET), (Sint16)((int)zombie.y - CORPSE_OFFSET),
            people_image, world_surface, &corpse_frames[frame]);
    bleed(zombie.x, zombie.y, SPLATS_PER_KILL, SPLAT_SPREAD_KILL);
    remove_zombie(index);
}

// Every zombie is tested, from index 0; after a removal the zombie that moved
// into the freed index is skipped at this point. Returns whether any was hit.
static bool hit_zombies(float wx, float wy, float u, float v)
{
    bool hit = false;
    for (int i = 0; i < zombie_count; i++) {
        Zombie &zombie = *zombies[i];
        if (!person_is_hit(zombie.x, zombie.y, wx, wy))
            continue;
        hit = true;
        zombie.x += SHOT_KNOCKBACK * u;
        zombie.y += SHOT_KNOCKBACK * v;
        bleed(zombie.x, zombie.y, SPLATS_PER_HIT, SPLAT_SPREAD_HIT);
        zombie.health -= SHOT_DAMAGE;
        if (zombie.health <= 0.0f)
            kill_zombie(i);
        else
            sound_zombie_hit();
    }
    return hit;
}

// A player in the line is knocked back and bleeds but keeps its health.
static bool hit_players(float wx, float wy, float u, float v)
{
    bool hit = false;
    for (int k = 0; k < player_count; k++) {
        if (!person_is_hit(player_x[k], player_y[k], wx, wy))
            continue;
        hit = true;
        player_x[k] += SHOT_KNOCKBACK * u;
        player_y[k] += SHOT_KNOCKBACK * v;
        bleed(player_x[k], player_y[k], SPLATS_PER_HIT, SPLAT_SPREAD_HIT);
    }
    return hit;
}

// The line is walked in screen pixels and tested in world pixels at every
// second pixel. The first test lies 22 steps out, beyond the hit radius, so
// a shot never hits its shooter. A wall or a hit makes the current point the
// end, so the next step finishes the shot after everyone here was tested.
void fire_shot(int sx, int sy, float angle)
{
    float u = (float)std::cos((double)angle);
    float v = (float)std::sin((double)angle);
    int ex = sx + (int)((float)SHOT_RANGE * u);
    int ey = sy + (int)((float)SHOT_RANGE * v);
    line_stepper_begin(sx, sy, ex, ey);
    int x = sx, y = sy;

    for (int i = 0; i < SHOT_SILENT_STEPS; i++)
        line_stepper_step(x, y, ex, ey);
    for (int i = 0; i < SHOT_DRAWN_STEPS; i++) {
        line_stepper_step(x, y, ex, ey);
        draw_tracer_square(x, y);
    }
    while (line_stepper_step(x, y, ex, ey)) {
        draw_tracer_square(x, y);
        line_stepper_step(x, y, ex, ey);
        draw_tracer_square(x, y);
        float wx = (float)x + camera_x;
        float wy = (float)y + camera_y;
        bool stopped = wall_near(wx, wy);
        stopped |= hit_zombies(wx, wy, u, v);
        stopped |= hit_players(wx, wy, u, v);
        if (stopped) {
            ex = x;
            ey = y;
        }
    }
}

// A held button fires every second frame; every player fires from it.
// Classic counts the cooldown in frames; Waves in reference frames, carrying
// the part of a frame past the interval so the rate is the same at any
// frame rate. An idle button banks no shots.
static bool cooled_down(int i, bool trigger)
{
    if (game_mode != MODE_WAVES) {
        if (fire_cooldown[i] > 0) {
            fire_cooldown[i]--;
            return false;
        }
        return trigger;
    }
    fire_clock[i] -= frame_scale;
    if (fire_clock[i] >= 0.0f)
        return false;
    if (!trigger)
        fire_clock[i] = 0.0f;
    return trigger;
}

static void start_cooldown(int i)
{
    if (game_mode == MODE_WAVES)
        fire_clock[i] += SHOT_INTERVAL_FRAMES;
    else
        fire_cooldown[i] = 1;
}

void fire_weapons()
{
    for (int i = 0; i < player_count; i++) {
        PlayerControls controls;
        read_player_controls(i, controls);
        if (!cooled_down(i, controls.fire))
            continue;
        int spread = game_random() % FIRE_SPREAD - FIRE_SPREAD_HALF;
        float angle = (float)(player_angle[i] + spread * FIRE_SPREAD_UNIT);
        sound_shot();
        fire_shot((int)(player_x[i] - camera_x), (int)(player_y[i] - camera_y), angle);
        player_energy[0] = (float)(player_energy[0] - SHOT_ENERGY);
        start_cooldown(i);
        charge_overspent_energy();
    }
}
