// music_track.cpp -- the section fades and the state-variable filter the music's parts share
#include "music_track.h"

#include <algorithm>
#include <cmath>

static double smoothstep_d(double edge0, double edge1, double v)
{
    double t = std::min(1.0, std::max(0.0, (v - edge0) / (edge1 - edge0)));
    return t * t * (3 - 2 * t);
}

float section_level(double bar, double from, double full, double fade, double to)
{
    if (bar < from || bar >= to)
        return 0;
    if (bar < full)
        return (float)smoothstep_d(from, full, bar);
    if (bar > fade)
        return (float)(1 - smoothstep_d(fade, to, bar));
    return 1;
}

void filter_step(Filter &f, double x, double cutoff, double q, double *low, double *band)
{
    if (cutoff != f.cutoff) {
        f.cutoff = cutoff;
        f.g = std::tan(M_PI * std::min(cutoff, MUSIC_RATE * 0.45) / MUSIC_RATE);
    }
    double g = f.g;
    double k = 1.0 / q;
    double a1 = 1.0 / (1.0 + g * (g + k)), a2 = g * a1, a3 = g * a2;
    double v3 = x - f.ic2;
    double v1 = a1 * f.ic1 + a2 * v3;
    double v2 = f.ic2 + a2 * f.ic1 + a3 * v3;
    f.ic1 = 2 * v1 - f.ic1;
    f.ic2 = 2 * v2 - f.ic2;
    *low = v2;
    *band = v1;
}
