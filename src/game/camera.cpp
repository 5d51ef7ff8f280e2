// camera.cpp -- the game view following the players: a lead towards the aim, eased and held in the world
#include "game/camera.h"

#include "app/display.h"
#include "game/world.h"

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
    camera_x = clamp_float((CAMERA_KEEP_PARTS * camera_x + target_x) / CAMERA_EASE_PARTS, 0.0f,
                           CAMERA_MAX_X);
    camera_y = clamp_float((CAMERA_KEEP_PARTS * camera_y + target_y) / CAMERA_EASE_PARTS, 0.0f,
                           CAMERA_MAX_Y);
}
