// effects.cpp -- each sound effect's recipe and the finishing every one gets: DC, ends and peak
#include "effects.h"

#include <cmath>

#include "gunfire.h"
#include "interface_sounds.h"
#include "synth.h"
#include "voices.h"

const float PEAK_LOUD = 0.708f;  // -3 dBFS
// -9 dBFS: the ambient groan and the interface sit under the action
const float PEAK_QUIET = 0.355f;
const float FADE_IN_SECONDS = 0.001f;  // short enough to keep a gunshot's crack
const float FADE_OUT_SECONDS = 0.012f;
const float DC_CUTOFF_HZ = 25;  // filtered noise drifts off zero; the ends must come back to it

struct Recipe {
    std::vector<float> (*make)(int variant);
    int variant;
    float peak;
};

// In EFFECT_FILES' order.
const Recipe RECIPES[EFFECT_COUNT] = {
    {make_shot, 0, PEAK_LOUD},  {make_shot, 1, PEAK_LOUD},         {make_shot, 2, PEAK_LOUD},
    {make_hit, 0, PEAK_LOUD},   {make_zombie_death, 0, PEAK_LOUD}, {make_groan, 0, PEAK_QUIET},
    {make_hurt, 0, PEAK_LOUD},  {make_player_death, 0, PEAK_LOUD}, {make_click, 0, PEAK_QUIET},
    {make_saved, 0, PEAK_LOUD},
};

static void block_dc(std::vector<float> &s)
{
    float keep = 1 - 2 * PI * DC_CUTOFF_HZ / EFFECT_RATE, last_in = 0, last_out = 0;
    for (float &x : s) {
        float out = x - last_in + keep * last_out;
        last_in = x;
        last_out = out;
        x = out;
    }
}

// Both ends reach exactly zero, so starting or cutting a sound never clicks.
static void fade_ends(std::vector<float> &s)
{
    int n = (int)s.size(), in = samples_for(FADE_IN_SECONDS), out = samples_for(FADE_OUT_SECONDS);
    for (int i = 0; i < in && i < n; i++)
        s[i] *= (float)i / in;
    for (int i = 0; i < out && i < n; i++)
        s[n - 1 - i] *= (float)i / out;
}

static void normalise(std::vector<float> &s, float peak)
{
    float top = 0;
    for (float x : s)
        top = std::fmax(top, std::fabs(x));
    if (top > 0)
        for (float &x : s)
            x *= peak / top;
}

std::vector<float> make_effect(int index)
{
    const Recipe &recipe = RECIPES[index];
    std::vector<float> s = recipe.make(recipe.variant);
    block_dc(s);
    fade_ends(s);
    normalise(s, recipe.peak);
    return s;
}
