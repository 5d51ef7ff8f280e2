// tiles.cpp -- the map tile sheet: ten floors, twelve wall kinds and their overlays
#include "tiles.h"

#include <algorithm>
#include <cmath>

#include "maps/map_prepare.h"
#include "noise.h"

enum Edge { EDGE_LEFT, EDGE_RIGHT, EDGE_TOP, EDGE_BOTTOM };

// One row per wall kind, from FIRST_WALL_KIND on: its edges and whether they hold a doorway.
struct WallKind {
    int edge_count;
    Edge edges[2];
    bool doorway;
};
const WallKind WALL_KINDS[] = {
    {2, {EDGE_LEFT, EDGE_BOTTOM}, false},   // TILE_WALL_LEFT_BOTTOM
    {2, {EDGE_RIGHT, EDGE_BOTTOM}, false},  // TILE_WALL_RIGHT_BOTTOM
    {2, {EDGE_RIGHT, EDGE_TOP}, false},     // TILE_WALL_RIGHT_TOP
    {2, {EDGE_LEFT, EDGE_TOP}, false},      // TILE_WALL_LEFT_TOP
    {1, {EDGE_LEFT}, false},                // TILE_WALL_LEFT
    {1, {EDGE_BOTTOM}, false},              // TILE_WALL_BOTTOM
    {1, {EDGE_RIGHT}, false},               // TILE_WALL_RIGHT
    {1, {EDGE_TOP}, false},                 // TILE_WALL_TOP
    {1, {EDGE_LEFT}, true},                 // TILE_DOOR_LEFT
    {1, {EDGE_BOTTOM}, true},               // TILE_DOOR_BOTTOM
    {1, {EDGE_RIGHT}, true},                // TILE_DOOR_RIGHT
    {1, {EDGE_TOP}, true},                  // TILE_DOOR_TOP
};
static_assert(sizeof WALL_KINDS / sizeof WALL_KINDS[0] == TILE_KIND_COUNT - FIRST_WALL_KIND,
              "one row per wall kind");
static_assert(TILE_WALL_LEFT_BOTTOM == FIRST_WALL_KIND && TILE_DOOR_TOP == LAST_WALL_KIND,
              "the rows run from the first wall kind to the last");
static_assert(LAST_WALL_KIND + WALL_OVERLAY_OFFSET < TILE_CELL_COUNT, "every overlay has a cell");
// A doorway's wall stops DOOR_STUB pixels into the edge and starts again past the gap.
const int DOORWAY_END = DOOR_STUB + DOORWAY_WIDTH;

static bool vertical(Edge e)
{
    return e == EDGE_LEFT || e == EDGE_RIGHT;
}

static TileRect edge_rect(Edge e, int from, int to)
{
    switch (e) {
    case EDGE_LEFT: return {LEFT_WALL_INSET, from, WALL_THICKNESS, to - from};
    case EDGE_RIGHT: return {RIGHT_WALL_INSET, from, WALL_THICKNESS, to - from};
    case EDGE_TOP: return {from, TOP_WALL_INSET, to - from, WALL_THICKNESS};
    default: return {from, BOTTOM_WALL_INSET, to - from, WALL_THICKNESS};
    }
}

int wall_rects_of_kind(int kind, TileRect rects[MAX_RECTS_PER_KIND])
{
    const WallKind &k = WALL_KINDS[kind - FIRST_WALL_KIND];
    int n = 0;
    for (int i = 0; i < k.edge_count; i++) {
        if (k.doorway) {
            rects[n++] = edge_rect(k.edges[i], 0, DOOR_STUB);
            rects[n++] = edge_rect(k.edges[i], DOORWAY_END, TILE_SIZE);
        } else {
            rects[n++] = edge_rect(k.edges[i], 0, TILE_SIZE);
        }
    }
    return n;
}

// Floors: every one tiles seamlessly, as the noise wraps at TILE_SIZE pixels.

static Color shade(Color c, float f)
{
    return scale_rgb(c, f);
}

static Color grass(int x, int y)
{
    float patches = tile_fbm(x, y, 4, 3, TILE_SIZE, 11);
    float blades = tile_noise(x * 1.0f, y * 1.0f, 50, TILE_SIZE, 12);
    float fine = hash_unit(x, y, 13);
    Color live = rgb(50, 64, 34), dead = rgb(78, 70, 44);
    Color c = mix(live, dead, smoothstep(0.45f, 0.7f, patches));
    c = shade(c, 0.7f + 0.45f * blades + 0.15f * fine);
    if (fine > 0.93f)
        c = mix(c, rgb(110, 118, 70), 0.5f);  // lit blade tips
    if (tile_noise(x, y, 20, TILE_SIZE, 14) < 0.18f)
        c = shade(c, 0.7f);  // dark clumps
    return c;
}

static Color dirt(int x, int y)
{
    float n = tile_fbm(x, y, 5, 4, TILE_SIZE, 21);
    float fine = hash_unit(x, y, 22);
    Color c = mix(rgb(58, 42, 30), rgb(92, 72, 52), n);
    c = shade(c, 0.88f + 0.2f * fine);
    CellHit stones = tile_cells(x, y, 10, TILE_SIZE, 23);
    if (stones.nearest < 1.6f && (stones.id & 3) == 0)
        c = mix(c, rgb(120, 108, 92), 0.6f);
    return c;
}

static Color gravel(int x, int y)
{
    CellHit stone = tile_cells(x, y, 14, TILE_SIZE, 31);
    float edge = stone.second - stone.nearest;  // small near the gaps
    float tone = ((stone.id >> 4) & 255) / 255.0f;
    Color c = mix(rgb(70, 68, 64), rgb(118, 112, 100), tone);
    if (stone.id & 1)
        c = mix(c, rgb(104, 88, 70), 0.4f);       // some brown pebbles
    c = shade(c, 1.05f - 0.04f * stone.nearest);  // rounded: lighter in the middle
    if (edge < 1.2f)
        c = rgb(34, 32, 30);  // dark gaps between stones
    return shade(c, 0.92f + 0.12f * hash_unit(x, y, 32));
}

static Color asphalt(int x, int y)
{
    float stain = tile_fbm(x, y, 3, 3, TILE_SIZE, 41);
    float grain = hash_unit(x, y, 42);
    Color c = mix(rgb(38, 38, 40), rgb(56, 55, 55), stain);
    c = shade(c, 0.85f + 0.3f * grain);
    if (grain > 0.96f)
        c = rgb(90, 88, 84);  // aggregate specks
    // A tar-sealed crack wandering across the tile.
    float crack_y = 50 + 18 * std::sin(x * 2 * 3.14159265f / TILE_SIZE) +
                    8 * (tile_noise(x, 0, 10, TILE_SIZE, 43) - 0.5f);
    if (std::fabs(y - crack_y) < 1.0f)
        c = rgb(22, 22, 24);
    return c;
}

static Color concrete(int x, int y)
{
    float stain = tile_fbm(x, y, 4, 4, TILE_SIZE, 51);
    float grain = hash_unit(x, y, 52);
    Color c = mix(rgb(70, 68, 63), rgb(98, 95, 88), stain);
    c = shade(c, 0.9f + 0.15f * grain);
    // Slabs of 50 pixels with worn seams.
    int sx = x % 50, sy = y % 50;
    if (sx == 0 || sy == 0)
        c = shade(c, 0.55f);
    else if (sx == 1 || sy == 1)
        c = shade(c, 1.12f);
    if (tile_noise(x, y, 10, TILE_SIZE, 53) > 0.8f)
        c = mix(c, rgb(52, 50, 40), 0.35f);  // oil and grime
    return c;
}

static Color planks(int x, int y)
{
    const int board_h = 20;
    int board = y / board_h, by = y % board_h;
    float tone = hash_unit(board, 0, 61);
    Color c = mix(rgb(98, 64, 34), rgb(134, 92, 52), tone);
    float grain = tile_noise(x, y * 1.0f, 4, TILE_SIZE, 62) * 0.5f +
                  tile_noise(x, y, 10, TILE_SIZE, 63) * 0.5f;
    float streak = std::sin((y + 7 * grain) * 1.9f + board) * 0.5f + 0.5f;
    c = shade(c, 0.82f + 0.22f * streak + 0.1f * hash_unit(x, y, 64));
    int joint = (int)(hash_unit(board, 1, 65) * TILE_SIZE);
    int dx = (x - joint + TILE_SIZE) % TILE_SIZE;
    if (by == 0 || dx == 0)
        c = rgb(26, 18, 12);  // gaps between boards
    else if (by == 1)
        c = shade(c, 1.15f);
    if ((dx == 3 || dx == TILE_SIZE - 3) && (by == 5 || by == 15))
        c = rgb(40, 38, 36);  // nails
    return c;
}

static Color ceramic(int x, int y)
{
    const int square = 25;
    int cx = x / square, cy = y / square, sx = x % square, sy = y % square;
    bool light = (cx + cy) % 2 == 0;
    Color c = light ? rgb(112, 120, 112) : rgb(40, 72, 76);
    float dirt = tile_fbm(x, y, 5, 3, TILE_SIZE, 71);
    c = mix(c, rgb(58, 50, 38), 0.45f * smoothstep(0.35f, 0.8f, dirt));
    c = shade(c, 0.93f + 0.1f * hash_unit(x, y, 72));
    if (sx < 2 || sy < 2)
        c = rgb(40, 38, 34);  // grout
    // A cracked square.
    if (cx == 2 && cy == 1 && std::abs((sx - 2) - (sy - 2) * 3 / 4) < 1)
        c = rgb(40, 38, 34);
    return c;
}

static Color mud(int x, int y)
{
    float n = tile_fbm(x, y, 4, 4, TILE_SIZE, 81);
    Color c = mix(rgb(40, 30, 22), rgb(66, 50, 34), tile_fbm(x, y, 8, 3, TILE_SIZE, 82));
    c = shade(c, 0.9f + 0.15f * hash_unit(x, y, 83));
    if (n > 0.6f) {
        c = mix(rgb(30, 30, 32), rgb(52, 54, 58),
                smoothstep(0.6f, 0.75f, n) * 0.3f);  // standing water
        if (n < 0.615f)
            c = rgb(76, 64, 50);  // wet rim
    }
    return c;
}

static Color sand(int x, int y)
{
    float n = tile_fbm(x, y, 4, 3, TILE_SIZE, 91);
    float ripple =
        std::sin((y + 10 * tile_noise(x, y, 5, TILE_SIZE, 92)) * 2 * 3.14159265f * 8 / TILE_SIZE);
    Color c = mix(rgb(106, 90, 64), rgb(134, 116, 84), n);
    c = shade(c, 0.94f + 0.06f * ripple + 0.08f * hash_unit(x, y, 93));
    return c;
}

static Color carpet(int x, int y)
{
    Color c = rgb(78, 26, 30);
    // A worn diamond motif repeating every 50 pixels.
    int px = x % 50, py = y % 50;
    int d = std::abs(px - 25) + std::abs(py - 25);
    if (d == 18 || d == 19)
        c = rgb(110, 82, 48);
    else if (d < 6)
        c = rgb(52, 20, 24);
    float wear = tile_fbm(x, y, 4, 3, TILE_SIZE, 101);
    c = mix(c, rgb(72, 60, 56), 0.5f * smoothstep(0.55f, 0.8f, wear));
    return shade(c, 0.88f + 0.2f * hash_unit(x, y, 102));
}

Picture make_floor(int kind)
{
    typedef Color (*FloorFunction)(int, int);
    const FloorFunction FLOORS[FIRST_WALL_KIND] = {grass,  dirt,    gravel, asphalt, concrete,
                                                   planks, ceramic, mud,    sand,    carpet};
    Picture p = make_picture(TILE_SIZE, TILE_SIZE, BLACK);
    for (int y = 0; y < TILE_SIZE; y++)
        for (int x = 0; x < TILE_SIZE; x++) {
            Color c = FLOORS[kind](x, y);
            c.a = 1;
            at(p, x, y) = c;
        }
    return p;
}

// Walls: brick tops seen from above, exactly on their collision rectangles.

// Colour of a wall top at `along` pixels along its length and `across` pixels
// (0 to WALL_THICKNESS - 1) across it: two courses of bricks, split by mortar.
static Color brick_top(int along, int across)
{
    const int course_joint = WALL_THICKNESS / 2;
    int course = across < course_joint ? 0 : 1;
    int shifted = along + course * 12;
    int brick = shifted / 25;
    Color c = mix(rgb(92, 48, 38), rgb(124, 70, 50), hash_unit(brick, course, 111));
    c = shade(c, 0.9f + 0.15f * hash_unit(along, across, 112));
    if (shifted % 25 == 0 || across == course_joint)
        c = rgb(76, 70, 62);  // mortar
    if (across == 0 || across == WALL_THICKNESS - 1)
        c = rgb(24, 18, 16);  // the wall's outline
    else if (across == 1)
        c = mix(c, rgb(190, 160, 130), 0.35f);  // lit edge
    else if (across == WALL_THICKNESS - 2)
        c = shade(c, 0.6f);  // shaded edge
    return c;
}

static void draw_wall_rect(Picture &cell, const TileRect &r, bool along_y, bool cap_start,
                           bool cap_end)
{
    for (int y = r.y; y < r.y + r.h; y++)
        for (int x = r.x; x < r.x + r.w; x++) {
            int along = along_y ? y : x;
            int across = along_y ? x - r.x : y - r.y;
            int from_start = along - (along_y ? r.y : r.x);
            int to_end = (along_y ? r.y + r.h : r.x + r.w) - 1 - along;
            Color c = brick_top(along, across);
            // Where a doorway cuts the wall, its broken ends get a dark rim.
            if ((cap_start && from_start == 0) || (cap_end && to_end == 0))
                c = rgb(24, 18, 16);
            at(cell, x, y) = c;
        }
}

// Draws the walls of `kind` onto `cell` (a floor picture or a transparent one).
static void draw_walls(Picture &cell, int kind)
{
    const WallKind &k = WALL_KINDS[kind - FIRST_WALL_KIND];
    TileRect rects[MAX_RECTS_PER_KIND];
    int n = wall_rects_of_kind(kind, rects);
    for (int i = 0; i < n; i++) {
        Edge e = k.edges[k.doorway ? 0 : i];
        bool first_stub = k.doorway && i == 0, second_stub = k.doorway && i == 1;
        draw_wall_rect(cell, rects[i], vertical(e), second_stub, first_stub);
    }
    if (n == 2 && !k.doorway) {
        // A corner: the overlap of the two walls is a square pillar cap.
        TileRect a = rects[0], b = rects[1];
        int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
        int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
        for (int y = y0; y < y1; y++)
            for (int x = x0; x < x1; x++) {
                bool rim = x == x0 || y == y0 || x == x1 - 1 || y == y1 - 1;
                Color c = rim ? rgb(24, 18, 16)
                              : mix(rgb(96, 90, 82), rgb(120, 114, 104), hash_unit(x, y, 113));
                if (!rim && (x == x0 + 1 || y == y0 + 1))
                    c = rgb(150, 142, 128);
                at(cell, x, y) = c;
            }
    }
}

Picture make_tile_sheet()
{
    Picture sheet =
        make_picture(TILE_SIZE * TILE_CELL_COLUMNS, TILE_SIZE * TILE_SHEET_ROWS, TRANSPARENT);
    Picture wall_floor = make_floor(WALL_FLOOR);
    for (int kind = 0; kind < TILE_KIND_COUNT; kind++) {
        Picture cell = kind < FIRST_WALL_KIND ? make_floor(kind) : wall_floor;
        if (kind >= FIRST_WALL_KIND)
            draw_walls(cell, kind);
        copy_into(sheet, cell, 0, 0, TILE_SIZE, TILE_SIZE, tile_cell_x(kind), tile_cell_y(kind));
        if (kind >= FIRST_WALL_KIND) {
            // The overlay: the same wall, nothing else, drawn over the people.
            Picture overlay = make_picture(TILE_SIZE, TILE_SIZE, TRANSPARENT);
            draw_walls(overlay, kind);
            int o = kind + WALL_OVERLAY_OFFSET;
            copy_into(sheet, overlay, 0, 0, TILE_SIZE, TILE_SIZE, tile_cell_x(o), tile_cell_y(o));
        }
    }
    return sheet;
}
