// instruments.cpp -- the music's struck and plucked notes: thump, pluck, clang, tom and rim
#include "instruments.h"

#include <cmath>

#include "noise.h"

static void add_wrapped(std::vector<float> &buffer, long long at, float value)
{
    buffer[(size_t)(at % LOOP_SAMPLES)] += value;
}

void add_thump(Track &dry, long long at, float level, double top_hz, double low_hz)
{
    const int length = MUSIC_RATE * 2 / 5;
    double phase = 0;
    for (int j = 0; j < length; j++) {
        double s = (double)j / MUSIC_RATE;
        double hz = low_hz + (top_hz - low_hz) * std::exp(-s / 0.035);
        phase += TWO_PI * hz / MUSIC_RATE;
        double env = std::exp(-s / 0.13) * (1 - std::exp(-s / 0.002));
        float v = (float)(std::sin(phase) * env) * level;
        add_wrapped(dry.left, at + j, v);
        add_wrapped(dry.right, at + j, v);
    }
}

void add_pluck(Track &dry, Track &send, long long at, double hz, float level, float pan)
{
    const int length = MUSIC_RATE / 2;
    double phase = 0, state = 0;
    for (int j = 0; j < length; j++) {
        double s = (double)j / MUSIC_RATE;
        phase += hz / MUSIC_RATE;
        phase -= std::floor(phase);
        double saw = 2 * phase - 1;
        double cutoff = 250 + 2600 * std::exp(-s / 0.045);
        double a = 1 - std::exp(-TWO_PI * cutoff / MUSIC_RATE);
        state += a * (saw - state);
        double env = std::exp(-s / 0.16) * (1 - std::exp(-s / 0.003));
        float v = (float)(state * env) * level;
        add_wrapped(dry.left, at + j, v * (1 - pan));
        add_wrapped(dry.right, at + j, v * (1 + pan));
        add_wrapped(send.left, at + j, v * 0.5f);
        add_wrapped(send.right, at + j, v * 0.5f);
    }
}

void add_clang(Track &dry, Track &send, long long at, float level)
{
    const double RATIOS[] = {1.0, 2.31, 3.87, 5.12, 7.45};
    const double DECAYS[] = {2.4, 1.5, 0.95, 0.65, 0.4};
    const double LEVELS[] = {0.5, 0.34, 0.25, 0.18, 0.13};
    const int length = MUSIC_RATE * 3;
    Random r = make_random(at);
    for (int j = 0; j < length; j++) {
        double s = (double)j / MUSIC_RATE;
        double v = 0;
        for (int p = 0; p < 5; p++)
            v += LEVELS[p] * std::sin(TWO_PI * 98.0 * RATIOS[p] * s) * std::exp(-s / DECAYS[p]);
        v += (random_unit(r) - 0.5) * std::exp(-s / 0.01);  // the strike
        v *= 1 - std::exp(-s / 0.001);
        float f = (float)v * level;
        add_wrapped(dry.left, at + j, f * 0.8f);
        add_wrapped(dry.right, at + j, f * 1.2f);
        add_wrapped(send.left, at + j, f);
        add_wrapped(send.right, at + j, f);
    }
}

void add_tom(Track &dry, Track &send, long long at, float level)
{
    const int length = MUSIC_RATE / 2;
    double phase = 0;
    Random r = make_random(at + 17);
    for (int j = 0; j < length; j++) {
        double s = (double)j / MUSIC_RATE;
        phase += TWO_PI * (58 + 30 * std::exp(-s / 0.05)) / MUSIC_RATE;
        double v = std::sin(phase) * std::exp(-s / 0.22) +
                   (random_unit(r) - 0.5) * 0.4 * std::exp(-s / 0.012);
        v *= 1 - std::exp(-s / 0.001);
        float f = (float)v * level;
        add_wrapped(dry.left, at + j, f);
        add_wrapped(dry.right, at + j, f);
        add_wrapped(send.left, at + j, f * 0.4f);
        add_wrapped(send.right, at + j, f * 0.4f);
    }
}

void add_rim(Track &dry, Track &send, long long at, float level)
{
    const int length = MUSIC_RATE / 5;
    Filter f = {0, 0, -1, 0};
    Random r = make_random(at + 29);
    for (int j = 0; j < length; j++) {
        double s = (double)j / MUSIC_RATE;
        double low, band;
        filter_step(f, random_unit(r) - 0.5, 1800, 2.5, &low, &band);
        float v = (float)(band * std::exp(-s / 0.05)) * level;
        add_wrapped(dry.left, at + j, v * 1.3f);
        add_wrapped(dry.right, at + j, v * 0.7f);
        add_wrapped(send.left, at + j, v);
        add_wrapped(send.right, at + j, v);
    }
}
