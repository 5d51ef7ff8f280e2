// collision_test.cpp -- pushing points out of wall rectangles and persons apart
#include "game/collision.h"
#include "game/world_fixture.h"

using PushOutOfWalls = CleanWorld;

struct Move {
    float x, y, want_x, want_y;
};

static void expect_pushes(const char *walls, std::initializer_list<Move> moves)
{
    for (const Move &m : moves) {
        float x = m.x, y = m.y;
        push_out_of_walls(x, y);
        EXPECT_LT(std::fabs(x - m.want_x) + std::fabs(y - m.want_y), 1e-3)
            << walls << " from " << m.x << "," << m.y << " to " << x << "," << y;
    }
}

TEST_F(PushOutOfWalls, APointEndsSeventeenFromTheNearestPointOfTheFirstRuleThatMatches)
{
    const float off10 = 10.0f / std::sqrt(2.0f), off17 = 17.0f / std::sqrt(2.0f),
                shrink = 16.9f / 17.0f;
    // A wall with right 300 and bottom 112. From over the top edge straight
    // up; from beside the left edge; off the top-left and bottom-right
    // corners; from (8, 15) off, exactly 17, nowhere, but from 16.9 out to
    // 17; from inside, measured from the bottom: b - 17.
    add_wall_rect(100, 100, 200, 12);
    expect_pushes("thin horizontal wall", {{200, 90, 200, 83},
                                           {95, 106, 83, 106},
                                           {100 - off10, 100 - off10, 100 - off17, 100 - off17},
                                           {300 + off10, 112 + off10, 300 + off17, 112 + off17},
                                           {92, 85, 92, 85},
                                           {100 - 8 * shrink, 100 - 15 * shrink, 92, 85},
                                           {150, 104, 150, 95}});
    // Bottom 400, middle (106, 250). Inside far from the bottom end: left
    // where it is; near it: pushed up, still inside; on the left edge at mid
    // height: away from the middle.
    clear_wall_rects();
    add_wall_rect(100, 100, 12, 300);
    expect_pushes("thin vertical wall",
                  {{106, 200, 106, 200}, {106, 390, 106, 383}, {100, 250, 89, 250}});

    // A 20-pixel gap between two walls: each wall in list order sees the point
    // the previous one left, with no second pass.
    clear_wall_rects();
    add_wall_rect(100, 0, 12, 400);
    add_wall_rect(132, 0, 12, 400);
    expect_pushes("gap, left wall first", {{120, 200, 115, 200}});
    clear_wall_rects();
    add_wall_rect(132, 0, 12, 400);
    add_wall_rect(100, 0, 12, 400);
    expect_pushes("gap, right wall first", {{120, 200, 129, 200}});
}

TEST(SeparatePersons, OverlappingPersonsEachMoveAQuarterOfTheOverlapAlongTheLineBetweenThem)
{
    // 30 apart end 32 apart, beside and below; 30 apart along a (3, 4) slope;
    // on one point, apart along x; touching; 35 apart though near on both axes.
    const struct {
        float ax, ay, bx, by, want_ax, want_ay, want_bx, want_by;
    } pairs[] = {
        {100, 50, 130, 50, 99, 50, 131, 50},        {0, 30, 0, 0, 0, 31, 0, -1},
        {0, 0, 18, 24, -0.6f, -0.8f, 18.6f, 24.8f}, {100, 50, 100, 50, 108.5f, 50, 91.5f, 50},
        {100, 50, 134, 50, 100, 50, 134, 50},       {0, 0, 21, 28, 0, 0, 21, 28}};
    for (const auto &p : pairs) {
        float ax = p.ax, ay = p.ay, bx = p.bx, by = p.by;
        separate_persons(ax, ay, bx, by);
        EXPECT_LT(std::fabs(ax - p.want_ax) + std::fabs(ay - p.want_ay) +
                      std::fabs(bx - p.want_bx) + std::fabs(by - p.want_by),
                  1e-5)
            << p.ax << "," << p.ay << " and " << p.bx << "," << p.by;
    }
}
