// synth.cpp -- the sound effects' building blocks: sine, oscillators, noise, envelopes and filters
#include "synth.h"

#include <cmath>

int samples_for(float seconds)
{
    return (int)(seconds * EFFECT_RATE);
}

float seconds_at(int i)
{
    return (float)i / EFFECT_RATE;
}

float sine(float turns)
{
    float t = turns - std::floor(turns);
    if (t > 0.75f)
        t -= 1;
    else if (t > 0.25f)
        t = 0.5f - t;
    float x = 2 * PI * t, x2 = x * x;
    return x * (1 - x2 / 6 * (1 - x2 / 20 * (1 - x2 / 42 * (1 - x2 / 72))));
}

float advance(Oscillator &o, float hz)
{
    o.phase += hz / EFFECT_RATE;
    if (o.phase >= 1) {
        o.phase -= 1;
        o.cycles++;
    }
    return o.phase;
}

float white(Random &r)
{
    return 2 * random_unit(r) - 1;
}

Wobble make_wobble(uint64_t seed)
{
    Wobble w = {make_random(seed), 0, 0, 0};
    w.from = white(w.r);
    w.to = white(w.r);
    return w;
}

float wobble(Wobble &w, float hz)
{
    w.pos += hz / EFFECT_RATE;
    if (w.pos >= 1) {
        w.pos -= 1;
        w.from = w.to;
        w.to = white(w.r);
    }
    float u = w.pos * w.pos * (3 - 2 * w.pos);
    return w.from + (w.to - w.from) * u;
}

static float power(float base, int n)
{
    float v = 1;
    for (int i = 0; i < n; i++)
        v *= base;
    return v;
}

float fall(float t, float length, int n)
{
    return t >= length ? 0 : power(1 - t / length, n);
}

float rise(float t, float length)
{
    if (t >= length)
        return 1;
    float u = t / length;
    return u * u * (3 - 2 * u);
}

float hold(float t, float length, int n)
{
    return t >= length ? 0 : 1 - power(t / length, n);
}

float lowpass(float &state, float x, float hz)
{
    float w = 2 * PI * hz / EFFECT_RATE;
    state += w / (1 + w) * (x - state);
    return state;
}

float darken(float state[2], float x, float hz)
{
    return lowpass(state[1], lowpass(state[0], x, hz), hz);
}

float resonate(Resonator &f, float x, float hz, float width)
{
    float g = 2 * sine(hz / (2 * EFFECT_RATE));
    f.low += g * f.band;
    float high = x - f.low - width * f.band;
    f.band += g * high;
    return f.band * width;
}
