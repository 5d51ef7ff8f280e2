// collision_test.cpp -- pushing points out of wall rectangles and persons apart
#include <cmath>

#include "game/collision.h"
#include "game/world.h"
#include "support.h"

class PushOutOfWalls : public ::testing::Test {
protected:
    void SetUp() override { clear_wall_rects(); }
    void TearDown() override { clear_wall_rects(); }

    // Pushes (x, y) and checks where it lands.
    static void expect_pushed(float x, float y, float want_x, float want_y, float tolerance)
    {
        push_out_of_walls(x, y);
        EXPECT_NEAR(x, want_x, tolerance);
        EXPECT_NEAR(y, want_y, tolerance);
    }
};

TEST_F(PushOutOfWalls, PointsNearAnEdgeOrCornerEndSeventeenFromTheNearestPoint)
{
    add_wall_rect(100, 100, 200, 12);  // right 300, bottom 112, middle (200, 106)
    expect_pushed(200, 90, 200, 83, 0);      // above the top edge: straight up
    expect_pushed(95, 106, 83, 106, 1e-4f);  // left of the left edge
    expect_pushed(305, 106, 317, 106, 1e-4f);  // right of the right edge
    expect_pushed(200, 120, 200, 129, 1e-4f);  // below the bottom edge

    // 10 pixels diagonally off the top-left and bottom-right corners
    const float off10 = 10.0f / std::sqrt(2.0f), off17 = 17.0f / std::sqrt(2.0f);
    expect_pushed(100 - off10, 100 - off10, 100 - off17, 100 - off17, 1e-3f);
    expect_pushed(300 + off10, 112 + off10, 300 + off17, 112 + off17, 1e-3f);
    // top-right and bottom-left corners
    expect_pushed(300 + off10, 100 - off10, 300 + off17, 100 - off17, 1e-3f);
    expect_pushed(100 - off10, 112 + off10, 100 - off17, 112 + off17, 1e-3f);
}

TEST_F(PushOutOfWalls, ExactlySeventeenAwayStaysAndJustInsideIsMovedOutToSeventeen)
{
    add_wall_rect(100, 100, 200, 12);
    // (8, 15, 17) off the top-left corner: exactly 17, and past the quick rejection
    expect_pushed(92, 85, 92, 85, 0);
    const float shrink = 16.9f / 17.0f;
    expect_pushed(100 - 8 * shrink, 100 - 15 * shrink, 92, 85, 1e-3f);
    expect_pushed(200, 83.1f, 200, 83, 1e-4f);
    expect_pushed(200, 83, 200, 83, 0);  // rejected before any measuring
}

TEST_F(PushOutOfWalls, PointsInsideAWallAreMeasuredAgainstItsBottomOrRightEdge)
{
    add_wall_rect(100, 100, 200, 12);  // thin horizontal wall, bottom 112
    expect_pushed(150, 104, 150, 95, 1e-4f);  // b - 17: 5 above the top edge
    clear_wall_rects();

    add_wall_rect(100, 100, 12, 300);  // thin vertical wall, bottom 400
    expect_pushed(106, 200, 106, 200, 0);      // the bottom edge is 200 away: left inside
    expect_pushed(106, 390, 106, 383, 1e-4f);  // near the bottom end: pushed up, still inside
    // On the left edge's line at the wall's middle height: no rule but the
    // last matches, and the point is pushed away from the centre (106, 250).
    expect_pushed(100, 250, 89, 250, 1e-4f);
}

TEST_F(PushOutOfWalls, WallsPushOneAfterTheOtherInListOrderWithoutASecondPass)
{
    // A 20-pixel gap between two vertical walls: no place in it is 17 from both.
    add_wall_rect(100, 0, 12, 400);
    add_wall_rect(132, 0, 12, 400);
    expect_pushed(120, 200, 115, 200, 1e-4f);  // out of the first, then back in by the second

    clear_wall_rects();
    add_wall_rect(132, 0, 12, 400);
    add_wall_rect(100, 0, 12, 400);
    expect_pushed(120, 200, 129, 200, 1e-4f);
}

TEST(SeparatePersons, OverlappingPersonsEachMoveAQuarterOfTheOverlap)
{
    float ax = 100, ay = 50, bx = 130, by = 50;
    separate_persons(ax, ay, bx, by);
    EXPECT_FLOAT_EQ(ax, 99);
    EXPECT_FLOAT_EQ(bx, 131);
    EXPECT_FLOAT_EQ(ay, 50);
    EXPECT_FLOAT_EQ(by, 50);

    float cx = 0, cy = 30, dx = 0, dy = 0;  // A below B
    separate_persons(cx, cy, dx, dy);
    EXPECT_NEAR(cx, 0, 1e-6);
    EXPECT_FLOAT_EQ(cy, 31);
    EXPECT_FLOAT_EQ(dy, -1);

    float ex = 100, ey = 50, fx = 134, fy = 50;  // touching: nothing happens
    separate_persons(ex, ey, fx, fy);
    EXPECT_EQ(ex, 100);
    EXPECT_EQ(fx, 134);

    float gx = 100, gy = 50, hx = 100, hy = 50;  // one point: apart along x
    separate_persons(gx, gy, hx, hy);
    EXPECT_FLOAT_EQ(gx, 108.5f);
    EXPECT_FLOAT_EQ(hx, 91.5f);
    EXPECT_EQ(gy, 50);
    EXPECT_EQ(hy, 50);

    float ix = 0, iy = 0, jx = 21, jy = 28;  // 35 apart along a slope: untouched
    separate_persons(ix, iy, jx, jy);
    EXPECT_EQ(ix, 0);
    EXPECT_EQ(jy, 28);
    float kx = 0, ky = 0, lx = 18, ly = 24;  // 30 apart along a (3, 4) slope
    separate_persons(kx, ky, lx, ly);
    EXPECT_NEAR(kx, -0.6, 1e-5);
    EXPECT_NEAR(ky, -0.8, 1e-5);
    EXPECT_NEAR(lx, 18.6, 1e-5);
    EXPECT_NEAR(ly, 24.8, 1e-5);
}
