// gunfire.cpp -- the gun's sounds: three gunshots and a bullet striking flesh
#include "gunfire.h"

#include <cmath>
#include <cstdint>

#include "synth.h"

struct ShotVariant {
    float seconds;
    float thump;       // pitch of the low thump, relative
    float brightness;  // of the noise burst, relative
    uint64_t seed;
};

// Rapid fire cycles through these, so no two shots in a row sound alike.
const ShotVariant SHOT_VARIANTS[3] = {
    {0.19f, 1.0f, 1.0f, 11}, {0.21f, 0.86f, 0.8f, 12}, {0.17f, 1.15f, 1.25f, 13}};

// Rounds off the loudest peaks, `drive` times into the curve: more body under the same peak.
static void squash(std::vector<float> &s, float drive)
{
    float top = 0;
    for (float x : s)
        top = std::fmax(top, std::fabs(x));
    if (top == 0)
        return;
    for (float &x : s) {
        float d = x * drive / top;
        x = d / (1 + std::fabs(d));
    }
}

std::vector<float> make_shot(int variant)
{
    const ShotVariant &v = SHOT_VARIANTS[variant];
    std::vector<float> s(samples_for(v.seconds));
    Random r = make_random(v.seed);
    Oscillator thump = {0, 0};
    float crack_low = 0, blast[2] = {0, 0}, room[2] = {0, 0};
    for (int i = 0; i < (int)s.size(); i++) {
        float t = seconds_at(i), noise = white(r);
        // The crack: a few milliseconds of noise without its lows, so it stays sharp.
        float crack = (noise - lowpass(crack_low, noise, 1500)) * fall(t, 0.006f, 2);
        // The blast: noise darkening from a hiss to a roar as it dies.
        float cutoff = (400 + 7000 * fall(t, 0.05f, 2)) * v.brightness;
        float burst = darken(blast, noise, cutoff) * fall(t, v.seconds, 4);
        // The thump: a sine dropping more than an octave, the weight of the gun.
        float hz = v.thump * (48 + 110 * fall(t, 0.04f, 2));
        float low = sine(advance(thump, hz)) * fall(t, 0.15f, 3) * rise(t, 0.002f);
        float tail = darken(room, noise, 700) * fall(t, v.seconds, 2);
        s[i] = 1.0f * crack + 2.2f * burst + 1.0f * low + 1.6f * tail;
    }
    squash(s, 1.5f);
    return s;
}

std::vector<float> make_hit(int)
{
    const float SECONDS = 0.12f;
    std::vector<float> s(samples_for(SECONDS));
    Random r = make_random(21);
    Wobble wet = make_wobble(22);
    Oscillator thud = {0, 0};
    Resonator squelch = {0, 0};
    float slap = 0;
    for (int i = 0; i < (int)s.size(); i++) {
        float t = seconds_at(i), noise = white(r);
        float hz = 55 + 75 * fall(t, 0.035f, 2);
        float low = sine(advance(thud, hz)) * fall(t, 0.1f, 3) * rise(t, 0.0015f);
        // Wet: band-passed noise whose loudness jumps about, like flesh giving way.
        float gush = 0.5f + 0.5f * wobble(wet, 140);
        float mid = resonate(squelch, noise, 450 + 650 * fall(t, 0.06f, 1), 0.5f) * gush * gush;
        float smack = lowpass(slap, noise, 2500) * fall(t, 0.008f, 2);
        s[i] = low + 1.5f * mid * fall(t, SECONDS, 2) + 0.8f * smack;
    }
    return s;
}
