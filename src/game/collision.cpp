// collision.cpp -- pushing persons out of wall rectangles and apart from each other
#include "game/collision.h"

#include <cmath>

#include "game/world.h"

float person_distance(float ax, float ay, float bx, float by)
{
    float dx = ax - bx;
    float dy = ay - by;
    float sum = dx * dx + dy * dy;
    return std::sqrt(sum);
}

// The nearest point of a wall to (px, py), by the first rule that matches.
// The bottom and right rules test only the top and left edges, so a point
// inside the wall is measured against its bottom edge (or its right edge):
// a point deep inside a long vertical wall is therefore left where it is.
static void nearest_wall_point(const WallRect &wall, float px, float py, float &qx, float &qy)
{
    float left = wall.x;
    float top = wall.y;
    float right = wall.x + wall.w;
    float bottom = wall.y + wall.h;
    float middle_x = wall.x + wall.w / 2;
    float middle_y = wall.y + wall.h / 2;
    bool in_columns = left < px && px < right;
    bool in_rows = top < py && py < bottom;

    if (py < top && in_columns) {
        qx = px;
        qy = top;
    } else if (py > top && in_columns) {
        qx = px;
        qy = bottom;
    } else if (px < left && in_rows) {
        qx = left;
        qy = py;
    } else if (px > left && in_rows) {
        qx = right;
        qy = py;
    } else if (px > middle_x && py > middle_y) {
        qx = right;
        qy = bottom;
    } else if (px < middle_x && py > middle_y) {
        qx = left;
        qy = bottom;
    } else if (px > middle_x && py < middle_y) {
        qx = right;
        qy = top;
    } else if (px < middle_x && py < middle_y) {
        qx = left;
        qy = top;
    } else {
        qx = middle_x;
        qy = middle_y;
    }
}

// Each wall in list order sees the point as the walls before it left it;
// there is no second pass, so a point squeezed between two walls may stay
// inside the first until the next frame.
void push_out_of_walls(float &x, float &y)
{
    for (int i = 0; i < wall_rect_count; i++) {
        const WallRect &wall = *wall_rects[i];
        // Most walls are far: the four tests are combined without branches.
        bool near = (wall.x - PERSON_RADIUS < x) & (x < wall.x + wall.w + PERSON_RADIUS) &
                    (wall.y - PERSON_RADIUS < y) & (y < wall.y + wall.h + PERSON_RADIUS);
        if (!near)
            continue;
        float qx, qy;
        nearest_wall_point(wall, x, y, qx, qy);
        float distance = person_distance(x, y, qx, qy);
        if (distance < PERSON_RADIUS) {
            double away = std::atan2((double)(y - qy), (double)(x - qx));
            x = (float)(qx + PERSON_RADIUS * std::cos(away));
            y = (float)(qy + PERSON_RADIUS * std::sin(away));
        }
    }
}

// Only half of the overlap is removed per call; the rest is left for later
// frames, which keeps a crowd from jittering.
void separate_persons(float &ax, float &ay, float &bx, float &by)
{
    if (!persons_may_overlap(ax, ay, bx, by))
        return;
    float distance = person_distance(ax, ay, bx, by);
    if (!(distance < PERSON_SEPARATION))
        return;
    double away = std::atan2((double)(ay - by), (double)(ax - bx));  // from B towards A
    double push = (PERSON_SEPARATION - distance) * SEPARATION_SHARE;
    double push_x = push * std::cos(away);
    double push_y = push * std::sin(away);
    ax = (float)(ax + push_x);
    ay = (float)(ay + push_y);
    bx = (float)(bx - push_x);
    by = (float)(by - push_y);
}
