// collision.h -- pushing persons out of wall rectangles and apart from each other
#pragma once

const float PERSON_SEPARATION = 34.0f;  // two persons' circles touch at this distance
const double SEPARATION_SHARE = 0.25;   // each of the two moves this part of the overlap

// Distance between two points as the game measures it: the differences and
// the sum of their squares are 32-bit floats before the square root.
float person_distance(float ax, float ay, float bx, float by);

void push_out_of_walls(float &x, float &y);
void separate_persons(float &ax, float &ay, float &bx, float &by);

// The quick rejection of separate_persons, for callers that test many pairs:
// only pairs within 34 on both axes can overlap. The four tests are combined
// without branches, which a crowd would mispredict.
inline bool persons_may_overlap(float ax, float ay, float bx, float by)
{
    return (bx + PERSON_SEPARATION > ax) & (ax > bx - PERSON_SEPARATION) &
           (by + PERSON_SEPARATION > ay) & (ay > by - PERSON_SEPARATION);
}
