// sprites_test.cpp -- the sprites' facings
#include "game/sprites.h"
#include "game/world_fixture.h"

// Angles in quarter turns; those far outside a half turn are reduced first.
TEST(FacingFrame, OneFrameInSixtyFourFallingAsTheAngleGrowsForAnyAngle)
{
    const struct {
        int quarters, frame;
    } facings[] = {{0, 63}, {1, 47}, {2, 31}, {-2, 31}, {-1, 15}, {41, 47}, {-17, 15}};
    for (const auto &f : facings)
        EXPECT_EQ(facing_frame((float)(f.quarters * M_PI / 2)), f.frame) << f.quarters;
    for (float angle : {1e30f, -1e30f, INFINITY, -INFINITY, NAN})
        EXPECT_TRUE(facing_frame(angle) >= 0 && facing_frame(angle) <= 63) << angle;
    for (int k = 1; k < 64; k++)  // one frame less per 64th of a turn; 63 follows 0
        EXPECT_EQ(facing_frame((float)(-M_PI + 0.01 + k * M_PI / 32)), (31 - k + 64) % 64) << k;
}
