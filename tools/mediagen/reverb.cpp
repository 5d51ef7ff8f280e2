// reverb.cpp -- a plain Schroeder reverb: six damped combs into three all-passes
#include "reverb.h"

#include <cstddef>

#include "music.h"

struct Echo {
    std::vector<float> line;
    size_t pos;
    float state;
};

static Echo make_echo(int length)
{
    return {std::vector<float>(length, 0.0f), 0, 0};
}

static float comb(Echo &e, float x)
{
    float out = e.line[e.pos];
    e.state = out * 0.7f + e.state * 0.3f;  // damping: the tail darkens as it fades
    e.line[e.pos] = x + e.state * 0.84f;
    if (++e.pos == e.line.size())
        e.pos = 0;
    return out;
}

static float allpass(Echo &e, float x)
{
    float delayed = e.line[e.pos];
    float out = delayed - x;
    e.line[e.pos] = x + delayed * 0.5f;
    if (++e.pos == e.line.size())
        e.pos = 0;
    return out;
}

void add_reverb(const std::vector<float> &send, std::vector<float> &out, int spread)
{
    const int COMBS[] = {1557, 1617, 1491, 1422, 1277, 1356};
    const int ALLPASSES[] = {556, 441, 341};
    std::vector<Echo> combs, allpasses;
    for (int c : COMBS)
        combs.push_back(make_echo(c * 2 + spread));
    for (int a : ALLPASSES)
        allpasses.push_back(make_echo(a + spread));
    for (long long i = 0; i < 2LL * LOOP_SAMPLES; i++) {
        float x = send[i % LOOP_SAMPLES] * 0.1f, y = 0;
        for (Echo &e : combs)
            y += comb(e, x);
        for (Echo &e : allpasses)
            y = allpass(e, y);
        if (i >= LOOP_SAMPLES)
            out[i % LOOP_SAMPLES] += y * 0.9f;
    }
}
