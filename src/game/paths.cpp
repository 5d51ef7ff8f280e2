// paths.cpp -- the way around walls: a passability grid, a distance field per player, route angles
#include "game/paths.h"

#include <algorithm>
#include <cmath>

#include "game/world.h"

unsigned char path_blocked[PATH_CELLS];
unsigned char path_open_steps[PATH_CELLS];
PathBox path_wall_boxes[MAX_WALL_RECTS];
int path_wall_box_count;
uint64_t path_region_walls[PATH_REGIONS][PATH_REGIONS][PATH_WALL_WORDS];
unsigned short path_field[MAX_PLAYERS][PATH_CELLS];
int path_field_cell[MAX_PLAYERS];
int path_field_builds[MAX_PLAYERS];
unsigned short path_bucket[PATH_BUCKETS][PATH_CELLS];

// One step to a neighbouring cell.
struct PathStep {
    int dx, dy;  // cells
    int cost;    // field units
};

// Side steps first, so that a tie on the way down keeps to the grid's lines.
static const PathStep PATH_STEPS[] = {
    {1, 0, PATH_STRAIGHT_COST},  {-1, 0, PATH_STRAIGHT_COST},  {0, 1, PATH_STRAIGHT_COST},
    {0, -1, PATH_STRAIGHT_COST}, {1, 1, PATH_DIAGONAL_COST},   {-1, 1, PATH_DIAGONAL_COST},
    {1, -1, PATH_DIAGONAL_COST}, {-1, -1, PATH_DIAGONAL_COST},
};
const int PATH_STEP_COUNT = sizeof PATH_STEPS / sizeof PATH_STEPS[0];

int path_cell_at(float x, float y)
{
    // Written so that a NaN falls off the grid too.
    if (!(x >= 0.0f && x < (float)WORLD_PIXELS && y >= 0.0f && y < (float)WORLD_PIXELS))
        return PATH_NO_CELL;
    int cx = (int)(x / (float)PATH_CELL);
    int cy = (int)(y / (float)PATH_CELL);
    return (cy + 1) * PATH_STRIDE + cx + 1;
}

static float cell_centre_x(int cell)
{
    return (float)((cell % PATH_STRIDE - 1) * PATH_CELL) + PATH_CELL / 2.0f;
}

static float cell_centre_y(int cell)
{
    return (float)((cell / PATH_STRIDE - 1) * PATH_CELL) + PATH_CELL / 2.0f;
}

// A person centred at (px, py) overlaps the wall when the wall's nearest
// point lies closer than the radius, the test push_out_of_walls makes; one
// exactly at the radius is left alone there, so it passes here too.
static bool person_overlaps(const WallRect &wall, float px, float py)
{
    float dx = std::max(std::max(wall.x - px, px - (wall.x + wall.w)), 0.0f);
    float dy = std::max(std::max(wall.y - py, py - (wall.y + wall.h)), 0.0f);
    return dx * dx + dy * dy < PERSON_RADIUS * PERSON_RADIUS;
}

// Only the cells whose centres lie within a radius of the wall's box are tested.
static void block_cells_near(const WallRect &wall)
{
    int first_x = std::max((int)std::floor((wall.x - PERSON_RADIUS) / PATH_CELL), 0);
    int first_y = std::max((int)std::floor((wall.y - PERSON_RADIUS) / PATH_CELL), 0);
    int last_x = std::min((int)((wall.x + wall.w + PERSON_RADIUS) / PATH_CELL), PATH_GRID - 1);
    int last_y = std::min((int)((wall.y + wall.h + PERSON_RADIUS) / PATH_CELL), PATH_GRID - 1);
    for (int cy = first_y; cy <= last_y; cy++)
        for (int cx = first_x; cx <= last_x; cx++) {
            int cell = (cy + 1) * PATH_STRIDE + cx + 1;
            if (person_overlaps(wall, cell_centre_x(cell), cell_centre_y(cell)))
                path_blocked[cell] = 1;
        }
}

static void block_border()
{
    for (int i = 0; i < PATH_STRIDE; i++) {
        path_blocked[i] = 1;
        path_blocked[(PATH_STRIDE - 1) * PATH_STRIDE + i] = 1;
        path_blocked[i * PATH_STRIDE] = 1;
        path_blocked[i * PATH_STRIDE + PATH_STRIDE - 1] = 1;
    }
}

// The square holding a coordinate, the edge squares taking what lies beyond
// (and a NaN, which then crosses no wall).
static int region_of(float v)
{
    if (!(v >= 0.0f))
        return 0;
    return std::min((int)(v / (float)PATH_REGION), PATH_REGIONS - 1);
}

// A walk that only touches a wall is clear: push_out_of_walls takes back
// the slack's worth of overlap that rounding leaves.
static void grow_wall_boxes()
{
    float grow = PERSON_RADIUS - CLEAR_LINE_SLACK;
    path_wall_box_count = wall_rect_count;
    std::fill(&path_region_walls[0][0][0],
              &path_region_walls[0][0][0] + sizeof path_region_walls / sizeof(uint64_t), 0);
    for (int i = 0; i < wall_rect_count; i++) {
        const WallRect &wall = *wall_rects[i];
        PathBox box = {wall.x - grow, wall.y - grow, wall.x + wall.w + grow,
                       wall.y + wall.h + grow};
        path_wall_boxes[i] = box;
        for (int ry = region_of(box.top); ry <= region_of(box.bottom); ry++)
            for (int rx = region_of(box.left); rx <= region_of(box.right); rx++)
                path_region_walls[ry][rx][i / 64] |= (uint64_t)1 << (i % 64);
    }
}

// A diagonal step needs both side cells open, so no way cuts a wall's corner.
static bool step_open(int cell, const PathStep &step)
{
    if (path_blocked[cell + step.dy * PATH_STRIDE + step.dx])
        return false;
    return step.cost == PATH_STRAIGHT_COST ||
           (!path_blocked[cell + step.dx] && !path_blocked[cell + step.dy * PATH_STRIDE]);
}

// Border cells keep no step: nothing is ever spread from them.
static void find_open_steps()
{
    std::fill(path_open_steps, path_open_steps + PATH_CELLS, 0);
    for (int cy = 1; cy <= PATH_GRID; cy++)
        for (int cx = 1; cx <= PATH_GRID; cx++) {
            int cell = cy * PATH_STRIDE + cx;
            unsigned open = 0;
            for (int k = 0; k < PATH_STEP_COUNT; k++)
                open |= (unsigned)step_open(cell, PATH_STEPS[k]) << k;
            path_open_steps[cell] = (unsigned char)open;
        }
}

void build_path_grid()
{
    std::fill(path_blocked, path_blocked + PATH_CELLS, 0);
    block_border();
    for (int i = 0; i < wall_rect_count; i++)
        block_cells_near(*wall_rects[i]);
    find_open_steps();
    grow_wall_boxes();
    for (int slot = 0; slot < MAX_PLAYERS; slot++) {
        std::fill(path_field[slot], path_field[slot] + PATH_CELLS, PATH_UNREACHED);
        path_field_cell[slot] = PATH_NO_CELL;
        path_field_builds[slot] = 0;
    }
}

// Dijkstra over a ring of buckets: every queued cost lies within the dearest
// step of the cheapest, so the ring's buckets never mix two live costs. A
// cell improved after it was queued is left in its old bucket and skipped
// there. The player's own cell starts the field even when a wall blocks it.
static void spread_field(unsigned short *field, int start)
{
    const int RING = PATH_BUCKETS - 1;  // a cost's bucket is its low three bits
    int sizes[PATH_BUCKETS] = {1};
    field[start] = 0;
    path_bucket[0][0] = (unsigned short)start;
    int queued = 1;
    for (int cost = 0; queued > 0; cost++) {
        const unsigned short *bucket = path_bucket[cost & RING];
        int size = sizes[cost & RING];
        for (int i = 0; i < size; i++) {
            int cell = bucket[i];
            if (field[cell] != cost)
                continue;
            unsigned open = path_open_steps[cell];
            for (int k = 0; k < PATH_STEP_COUNT; k++) {
                int next = cell + PATH_STEPS[k].dy * PATH_STRIDE + PATH_STEPS[k].dx;
                int next_cost = cost + PATH_STEPS[k].cost;
                if (!(open >> k & 1) || next_cost >= field[next])
                    continue;
                field[next] = (unsigned short)next_cost;
                path_bucket[next_cost & RING][sizes[next_cost & RING]++] = (unsigned short)next;
                queued++;
            }
        }
        queued -= size;
        sizes[cost & RING] = 0;
    }
}

static void build_path_field(int slot, int start)
{
    std::fill(path_field[slot], path_field[slot] + PATH_CELLS, PATH_UNREACHED);
    path_field_cell[slot] = start;
    path_field_builds[slot]++;
    if (start != PATH_NO_CELL)
        spread_field(path_field[slot], start);
}

// Before any grid was built its border is open and a field would leave it:
// no field is built then, and zombies walk straight.
void update_path_fields()
{
    if (!path_blocked[0])
        return;
    int players = std::min(player_count, MAX_PLAYERS);
    for (int slot = 0; slot < players; slot++) {
        int cell = path_cell_at(player_x[slot], player_y[slot]);
        if (cell != path_field_cell[slot])
            build_path_field(slot, cell);
    }
}

// One axis of the segment-box test: narrows [t0, t1], the part of the
// segment between the box's two edges on this axis; false once it is empty.
static bool clip_axis(float start, float delta, float low, float high, float &t0, float &t1)
{
    if (delta == 0.0f)
        return low < start && start < high;
    float ta = (low - start) / delta;
    float tb = (high - start) / delta;
    if (ta > tb)
        std::swap(ta, tb);
    t0 = std::max(t0, ta);
    t1 = std::min(t1, tb);
    return t0 < t1;
}

// A segment that only runs along a box's edge or touches its corner does not cross it.
static bool segment_crosses(const PathBox &box, float ax, float ay, float bx, float by)
{
    float t0 = 0.0f, t1 = 1.0f;
    return clip_axis(ax, bx - ax, box.left, box.right, t0, t1) &&
           clip_axis(ay, by - ay, box.top, box.bottom, t0, t1);
}

// The boxes are square-cornered, so a line that would just round a wall's
// corner counts as blocked: the field then takes the zombie round it.
bool clear_line(float ax, float ay, float bx, float by)
{
    uint64_t near[PATH_WALL_WORDS] = {};
    int words = (path_wall_box_count + 63) / 64;
    int last_x = region_of(std::max(ax, bx)), last_y = region_of(std::max(ay, by));
    for (int ry = region_of(std::min(ay, by)); ry <= last_y; ry++)
        for (int rx = region_of(std::min(ax, bx)); rx <= last_x; rx++)
            for (int w = 0; w < words; w++)
                near[w] |= path_region_walls[ry][rx][w];
    for (int w = 0; w < words; w++)
        for (uint64_t bits = near[w]; bits != 0; bits &= bits - 1) {
            int i = w * 64 + __builtin_ctzll(bits);
            if (segment_crosses(path_wall_boxes[i], ax, ay, bx, by))
                return false;
        }
    return true;
}

// The neighbour with the lowest cost below the cell's own, or PATH_NO_CELL.
// A cell a wall blocks has no cost of its own, so any reached neighbour leads on.
static int downhill_cell(const unsigned short *field, int cell)
{
    int best = PATH_NO_CELL;
    int best_cost = field[cell];
    for (int k = 0; k < PATH_STEP_COUNT; k++) {
        int next = cell + PATH_STEPS[k].dy * PATH_STRIDE + PATH_STEPS[k].dx;
        if (field[next] < best_cost && (path_open_steps[cell] >> k & 1)) {
            best = next;
            best_cost = field[next];
        }
    }
    return best;
}

static float angle_towards(float x, float y, float tx, float ty)
{
    return (float)std::atan2((double)(ty - y), (double)(tx - x));
}

// Aiming at the farthest of the next few cells that is in clear sight cuts
// the grid's zigzag and rounds a doorway's stubs instead of scraping them.
static int aim_cell(const unsigned short *field, float x, float y, int first)
{
    int aim = first;
    for (int k = 1; k < PATH_AIM_LOOKAHEAD; k++) {
        int further = downhill_cell(field, aim);
        if (further == PATH_NO_CELL ||
            !clear_line(x, y, cell_centre_x(further), cell_centre_y(further)))
            break;
        aim = further;
    }
    return aim;
}

// A target outside the player slots (a damaged save) is taken as slot 0,
// as the chase does.
float route_angle(float x, float y, int target)
{
    int slot = target < 0 || target >= MAX_PLAYERS ? 0 : target;
    float tx = player_x[slot], ty = player_y[slot];
    if (clear_line(x, y, tx, ty))
        return angle_towards(x, y, tx, ty);
    int cell = path_cell_at(x, y);
    int first = cell == PATH_NO_CELL ? PATH_NO_CELL : downhill_cell(path_field[slot], cell);
    if (first == PATH_NO_CELL)
        return angle_towards(x, y, tx, ty);
    int aim = aim_cell(path_field[slot], x, y, first);
    return angle_towards(x, y, cell_centre_x(aim), cell_centre_y(aim));
}
