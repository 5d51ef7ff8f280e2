// camera.cpp -- the game view following the players: a lead towards the aim, eased and held in the world
#include "game/camera.h"

#include <cmath>

#include "app/display.h"
#include "game/waves.h"
#include "game/world.h"

bool view_holds_players()
{
    return game_mode == MODE_WAVES || player_count > 1;
}

float screen_x_of(float world_x)
{
    return (world_x - camera_x - VIEW_CENTER_X) / view_scale + VIEW_CENTER_X;
}

float screen_y_of(float world_y)
{
    return (world_y - camera_y - VIEW_CENTER_Y) / view_scale + VIEW_CENTER_Y;
}

// The camera positions that show `world` between screen positions low and
// high, narrowed to those of every player before.
static void narrow_to(float world, float centre, float low, float high, float &from, float &to)
{
    from = std::fmax(from, world - centre - (high - centre) * view_scale);
    to = std::fmin(to, world - centre - (low - centre) * view_scale);
}

static float clamp_to_range(float value, float from, float to)
{
    return from <= to ? clamp_float(value, from, to) : (from + to) / 2;
}

CameraLimits held_camera_limits(float scale)
{
    float margin = VIEW_KEEP_MARGIN * scale;
    float past_x = VIEW_CENTER_X * (1 - scale) + margin;
    float past_y = VIEW_CENTER_Y * (1 - scale) + margin;
    CameraLimits limits = {-past_x, CAMERA_MAX_X + past_x, -past_y,
                           CAMERA_MAX_Y + past_y + (VIEW_H - GAUGES_TOP) * scale};
    return limits;
}

// The eased camera moved as little as it takes to keep every player clear of
// the view's edges and the gauges, then held where the visible part shows at
// most the margin past the world's edges (and the gauges' height below it),
// so a player at the edge of the world is still clear of the view's.
static void keep_players_in_view()
{
    float left = -1e9f, right = 1e9f, top = -1e9f, bottom = 1e9f;
    for (int i = 0; i < player_count; i++) {
        narrow_to(player_x[i], VIEW_CENTER_X, VIEW_KEEP_MARGIN, VIEW_W - VIEW_KEEP_MARGIN, left,
                  right);
        narrow_to(player_y[i], VIEW_CENTER_Y, VIEW_KEEP_MARGIN, GAUGES_TOP - VIEW_KEEP_MARGIN, top,
                  bottom);
    }
    camera_x = clamp_to_range(camera_x, left, right);
    camera_y = clamp_to_range(camera_y, top, bottom);
    CameraLimits limits = held_camera_limits(view_scale);
    camera_x = clamp_float(camera_x, limits.low_x, limits.high_x);
    camera_y = clamp_float(camera_y, limits.low_y, limits.high_y);
}

// The design's easing, a tenth of the way per reference frame, at any frame rate.
static void ease_and_hold(float target_x, float target_y)
{
    float keep = (float)std::pow(CAMERA_KEEP_SHARE, (double)frame_scale);
    camera_x = camera_x * keep + target_x * (1 - keep);
    camera_y = camera_y * keep + target_y * (1 - keep);
    keep_players_in_view();
}

// One player: the view leads towards the aim point. Several: it follows
// their mean position. Either way it eases a tenth of the way.
void update_camera()
{
    float target_x, target_y;
    if (player_count == 1) {
        target_x =
            (AIM_LEAD_PARTS * aim_x + PLAYER_PARTS * player_x[0]) / TARGET_PARTS - VIEW_CENTER_X;
        target_y =
            (AIM_LEAD_PARTS * aim_y + PLAYER_PARTS * player_y[0]) / TARGET_PARTS - VIEW_CENTER_Y;
    } else {
        float sum_x = 0.0f, sum_y = 0.0f;
        for (int i = 0; i < player_count; i++) {
            sum_x += player_x[i];
            sum_y += player_y[i];
        }
        target_x = sum_x / player_count - VIEW_CENTER_X;
        target_y = sum_y / player_count - VIEW_CENTER_Y;
    }
    if (view_holds_players()) {
        ease_and_hold(target_x, target_y);
        return;
    }
    camera_x = clamp_float((CAMERA_KEEP_PARTS * camera_x + target_x) / CAMERA_EASE_PARTS, 0.0f,
                           CAMERA_MAX_X);
    camera_y = clamp_float((CAMERA_KEEP_PARTS * camera_y + target_y) / CAMERA_EASE_PARTS, 0.0f,
                           CAMERA_MAX_Y);
}
