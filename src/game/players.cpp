// players.cpp -- player control: walking directions, sprint, aim, separation, walls, view clamp
#include "game/players.h"

#include <SDL.h>

#include <cmath>

#include "app/artwork.h"
#include "app/input.h"
#include "game/camera.h"
#include "game/collision.h"
#include "game/controls.h"
#include "game/view.h"
#include "game/world.h"

// Every player that sprints takes its cost from the shared slot 0 energy,
// which may go below 0; the game frame turns that deficit into damage.
static void walk(int slot, float a, bool sprinting, float speed_factor)
{
    float step = sprinting ? SPRINT_STEP : WALK_STEP;
    if (sprinting)
        player_energy[0] = (float)(player_energy[0] - SPRINT_COST * frame_scale);
    player_x[slot] = (float)(player_x[slot] + std::cos((double)a) * step * speed_factor);
    player_y[slot] = (float)(player_y[slot] + std::sin((double)a) * step * speed_factor);
}

// The mouse undoes the zoom of the view about its centre, with the previous
// frame's view_scale and camera, so the aim point is the world point under
// the pointer; there is one mouse, whichever slot its player has. A pad aims
// 200 px out along its right stick; a player without a device keeps facing
// where it faced.
static void aim(int slot, int device)
{
    if (device == DEVICE_NONE)
        return;
    if (device >= 0) {
        stick_aim_point(slot, aim_x, aim_y);
    } else {
        aim_x = ((float)mouse_x[0] - (float)VIEW_CENTER_X) * view_scale + (float)VIEW_CENTER_X +
                camera_x;
        aim_y = ((float)mouse_y[0] - (float)VIEW_CENTER_Y) * view_scale + (float)VIEW_CENTER_Y +
                camera_y;
    }
    player_angle[slot] =
        (float)std::atan2((double)(aim_y - player_y[slot]), (double)(aim_x - player_x[slot]));
}

static void separate_from_other_players(int slot)
{
    for (int j = 0; j < player_count; j++) {
        if (j != slot)
            separate_persons(player_x[slot], player_y[slot], player_x[j], player_y[j]);
    }
}

// The view's limits for a player. A held view takes the visible part of
// the zoomed view, as far inside as the camera keeps players (so players
// who walk apart stop there, clear of the border's darkness), above the
// gauges and inside the world, which the view may show past.
static void view_limits(float &left, float &right, float &top, float &bottom)
{
    if (!view_holds_players()) {
        left = camera_x + VIEW_MARGIN_NEAR;
        right = camera_x + (float)VIEW_W - VIEW_MARGIN_FAR;
        top = camera_y + VIEW_MARGIN_NEAR;
        bottom = camera_y + (float)VIEW_H - VIEW_MARGIN_FAR;
        return;
    }
    float s = view_scale, keep = (float)VIEW_KEEP_MARGIN;
    left = std::fmax(camera_x + VIEW_CENTER_X + (keep - VIEW_CENTER_X) * s, VIEW_MARGIN_NEAR);
    right = std::fmin(camera_x + VIEW_CENTER_X + (VIEW_W - keep - VIEW_CENTER_X) * s,
                      WORLD_PIXELS - VIEW_MARGIN_FAR);
    top = std::fmax(camera_y + VIEW_CENTER_Y + (keep - VIEW_CENTER_Y) * s, VIEW_MARGIN_NEAR);
    bottom = std::fmin(camera_y + VIEW_CENTER_Y + (GAUGES_TOP - keep - VIEW_CENTER_Y) * s,
                       WORLD_PIXELS - VIEW_MARGIN_FAR);
}

// The limits come from the camera of the previous frame, so a player pushed
// out of the view in this frame is brought back only by the next one.
void update_players(float speed_factor)
{
    float left, right, top, bottom;
    view_limits(left, right, top, bottom);

    for (int i = 0; i < player_count; i++) {
        PlayerControls controls;
        read_player_controls(i, controls);
        if (controls.stick_walk)
            walk(i, controls.stick_angle, controls.sprint, speed_factor);
        else if (controls.key_direction != NO_DIRECTION)
            walk(i, (float)(controls.key_direction * DEGREES_TO_RADIANS), controls.sprint,
                 speed_factor);
        aim(i, controls.device);
        if (controls.device < 0)
            stick_aim_angle[i] = player_angle[i];  // a pad picked up goes on facing this way
        separate_from_other_players(i);
        push_out_of_walls(player_x[i], player_y[i]);
        player_x[i] = clamp_float(player_x[i], left, right);
        player_y[i] = clamp_float(player_y[i], top, bottom);
    }
}
