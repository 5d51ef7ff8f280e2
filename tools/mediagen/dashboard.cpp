// dashboard.cpp -- the system overlay's picture: small font, button frames, pointer and the two bars
#include "dashboard.h"

#include <algorithm>
#include <cmath>

#include "fonts.h"
#include "noise.h"

// The button frame is cut from a square panel of three by three pieces whose rim
// lies within its outer pieces, so the middle pieces repeat seamlessly in both directions.
const int PANEL_SIZE = PANEL_SET_WIDTH;
static_assert(PANEL_SET_WIDTH == 3 * PANEL_PIECE_SIZE, "a set is three pieces across");
const float PANEL_INSET = 2.5f;   // margin outside the rim, for the glow
const float PANEL_CORNER = 7.0f;  // corner radius
const float PANEL_RIM = 2.2f;     // width of the metal rim

static float rounded_box_distance(float x, float y, float x0, float y0, float x1, float y1,
                                  float radius)
{
    float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

static Color panel_pixel(int x, int y, bool lit)
{
    float px = x + 0.5f, py = y + 0.5f;
    float d = rounded_box_distance(px, py, PANEL_INSET, PANEL_INSET, PANEL_SIZE - PANEL_INSET,
                                   PANEL_SIZE - PANEL_INSET, PANEL_CORNER);
    const Color plate =
        lit ? Color{0.22f, 0.09f, 0.06f, 0.88f} : Color{0.07f, 0.07f, 0.075f, 0.80f};
    const Color rim = lit ? rgb(242, 146, 52) : rgb(118, 112, 102);
    const Color rim_shadow = lit ? rgb(120, 40, 16) : rgb(40, 38, 36);
    if (d > 0) {
        // Outside the rim: a soft glow when highlighted, a faint shadow otherwise.
        float glow = clamp01(1 - d / PANEL_INSET);
        Color c = lit ? rgb(255, 120, 30) : rgb(0, 0, 0);
        c.a = glow * (lit ? 0.55f : 0.35f);
        return c;
    }
    Color c;
    if (d > -PANEL_RIM) {
        // The rim: lit along its upper edge, darker along its lower one.
        c = mix(rim, rim_shadow, clamp01(py / PANEL_SIZE));
        c.a = 1;
    } else {
        c = plate;
        // Brushed metal: fine horizontal streaks, the same in every row of a middle piece.
        float streak = hash_unit(x % PANEL_PIECE_SIZE, 0, lit ? 401 : 402);
        c = scale_rgb(c, 0.9f + 0.2f * streak);
        if (d > -PANEL_RIM - 1)
            c = scale_rgb(c, 0.5f);  // inner bevel
    }
    // Rivets in the corners.
    float rx = px < PANEL_SIZE / 2 ? 8.5f : PANEL_SIZE - 8.5f,
          ry = py < PANEL_SIZE / 2 ? 8.5f : PANEL_SIZE - 8.5f;
    float r = std::hypot(px - rx, py - ry);
    if (r < 1.6f)
        c = mix(rgb(200, 190, 170), rim_shadow, clamp01(r / 1.6f));
    return c;
}

static void draw_panel_sets(Picture &dash)
{
    for (int set = 0; set < PANEL_SETS; set++)
        for (int j = 0; j < 3; j++)
            for (int i = 0; i < 3; i++)
                for (int y = 0; y < PANEL_PIECE_SIZE; y++)
                    for (int x = 0; x < PANEL_PIECE_SIZE; x++) {
                        int vx = i * PANEL_PIECE_SIZE + x, vy = j * PANEL_PIECE_SIZE + y;
                        at(dash, PANEL_SET_WIDTH * set + vx, PANEL_PIECES_Y + vy) =
                            panel_pixel(vx, vy, set == 1);
                    }
}

// The pointer: an arrow whose tip is the hot spot.

const int ARROW_POINTS = 7;
const float ARROW[ARROW_POINTS][2] = {
    {0, 0}, {0, 27}, {6.5f, 21}, {11, 31.5f}, {15, 29.5f}, {10.5f, 19.5f}, {19, 19.5f},
};

static float arrow_distance(float x, float y)
{
    // Signed distance to the polygon: negative inside.
    float best = 1e9f;
    bool inside = false;
    for (int i = 0, j = ARROW_POINTS - 1; i < ARROW_POINTS; j = i++) {
        float xi = ARROW[i][0] + POINTER_HOTSPOT_X, yi = ARROW[i][1] + POINTER_HOTSPOT_Y;
        float xj = ARROW[j][0] + POINTER_HOTSPOT_X, yj = ARROW[j][1] + POINTER_HOTSPOT_Y;
        best = std::min(best, capsule_distance(x, y, xi, yi, xj, yj));
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside ? -best : best;
}

static void draw_pointer_sprite(Picture &dash)
{
    for (int y = 0; y < POINTER_RECT.h; y++)
        for (int x = 0; x < POINTER_RECT.w; x++) {
            float px = x + 0.5f, py = y + 0.5f;
            float d = arrow_distance(px, py);
            float shadow = clamp01(1.5f - arrow_distance(px - 2, py - 3)) * 0.45f;
            Color c = {0, 0, 0, shadow};
            if (d < 1.6f) {
                // Bone-white body, a blood-red tip, a dark rim.
                Color body = mix(rgb(160, 24, 18), rgb(236, 230, 214),
                                 smoothstep(5, 11, py - POINTER_HOTSPOT_Y));
                Color rim = rgb(12, 10, 10);
                float inner = clamp01(-d - 0.3f);
                Color ink = mix(rim, body, inner);
                float a = clamp01(1.6f - d);
                ink.a = std::max(a, shadow);
                c = ink;
            }
            at(dash, POINTER_RECT.x + x, POINTER_RECT.y + y) = c;
        }
}

// The bars: smoked dark metal with a rust-coloured edge towards the screen.

static void draw_bar(Picture &dash, int top, bool edge_at_bottom)
{
    for (int y = 0; y < OVERLAY_BAR_HEIGHT; y++)
        for (int x = 0; x < DASHBOARD_W; x++) {
            float grime = tile_fbm(x, y, 8, 4, DASHBOARD_W, 410 + top);
            float brushed = hash_unit(x / 7, y, 411) * 0.5f + hash_unit(x, y, 412) * 0.5f;
            Color c = mix(rgb(14, 13, 13), rgb(34, 30, 28), grime * 0.8f + brushed * 0.2f);
            int from_edge = edge_at_bottom ? OVERLAY_BAR_HEIGHT - 1 - y : y;
            c.a = 0.74f;
            if (from_edge < 2) {
                c = mix(rgb(168, 78, 30), rgb(110, 40, 20), grime);
                c.a = 0.95f;
            } else if (from_edge == 2) {
                c = rgb(6, 5, 5);
                c.a = 0.9f;
            }
            at(dash, x, top + y) = c;
        }
}

bool make_dashboard(Picture &dashboard, std::string &error)
{
    dashboard = make_picture(DASHBOARD_W, DASHBOARD_H, TRANSPARENT);
    if (!draw_small_font(dashboard, error))
        return false;
    draw_panel_sets(dashboard);
    draw_pointer_sprite(dashboard);
    draw_bar(dashboard, TOP_BAR_SOURCE_Y, true);
    draw_bar(dashboard, BOTTOM_BAR_SOURCE_Y, false);
    return true;
}
