// voices.cpp -- the throats' sounds, each a buzz shaped by three formants
#include "voices.h"

#include "synth.h"

struct Formants {
    float f1, f2, f3;  // Hz
};

struct Voice {
    Oscillator buzz;
    float tilt[2];  // softens the buzz's top
    float tilt_hz;  // low is dark and smooth, high is bright and strained
    Resonator formant[3];
    float width;  // of the formants: wide is hoarse, narrow is clear
};

static Voice make_voice(float tilt_hz, float width)
{
    return {{0, 0}, {0, 0}, tilt_hz, {{0, 0}, {0, 0}, {0, 0}}, width};
}

static Formants blend(Formants a, Formants b, float t)
{
    return {a.f1 + (b.f1 - a.f1) * t, a.f2 + (b.f2 - a.f2) * t, a.f3 + (b.f3 - a.f3) * t};
}

// One cycle of the buzz is a falling ramp, rich in harmonics like the glottis.
static float buzz(Voice &v, float hz)
{
    return darken(v.tilt, 1 - 2 * advance(v.buzz, hz), v.tilt_hz);
}

static float shape(Voice &v, float source, Formants f)
{
    const float LEVEL[3] = {1.0f, 0.7f, 0.3f};
    return LEVEL[0] * resonate(v.formant[0], source, f.f1, v.width) +
           LEVEL[1] * resonate(v.formant[1], source, f.f2, v.width * 0.8f) +
           LEVEL[2] * resonate(v.formant[2], source, f.f3, v.width * 0.6f);
}

std::vector<float> make_zombie_death(int)
{
    const float SECONDS = 0.62f;
    const Formants OPEN = {650, 1080, 2450}, CLOSED = {380, 760, 2300};  // "aa" closing to "oo"
    std::vector<float> s(samples_for(SECONDS));
    Voice v = make_voice(900, 0.2f);
    Random r = make_random(31);
    Wobble jitter = make_wobble(32), gurgle = make_wobble(33), pop = make_wobble(34);
    Resonator throat = {0, 0};
    for (int i = 0; i < (int)s.size(); i++) {
        float t = seconds_at(i), u = t / SECONDS;
        float hz = (58 + 85 * fall(t, SECONDS, 1)) * (1 + 0.05f * wobble(jitter, 35));
        // The throat fills: the voice is chopped harder and bubbles as it falls.
        float chop = 1 - (0.25f + 0.65f * u) * (0.5f + 0.5f * wobble(gurgle, 22));
        float voice = shape(v, buzz(v, hz), blend(OPEN, CLOSED, u)) * chop;
        float bubbles = resonate(throat, white(r), 330 + 120 * wobble(pop, 14), 0.25f) * u;
        s[i] = (voice + 0.6f * bubbles) * rise(t, 0.04f) * hold(t, SECONDS, 2);
    }
    return s;
}

std::vector<float> make_groan(int)
{
    const float SECONDS = 1.1f;
    const Formants FROM = {420, 780, 2300}, TO = {540, 920, 2400};  // "oh" opening to "uh"
    std::vector<float> s(samples_for(SECONDS));
    Voice v = make_voice(500, 0.2f);
    Random r = make_random(41);
    Wobble jitter = make_wobble(42), slow = make_wobble(43);
    Resonator breath = {0, 0};
    for (int i = 0; i < (int)s.size(); i++) {
        float t = seconds_at(i), u = t / SECONDS;
        // Low and rough: the pitch swells and sags, shakes, and every other cycle is weak (a creak).
        float hz = (68 + 16 * sine(0.5f * u)) * (1 + 0.06f * wobble(jitter, 45));
        float source = buzz(v, hz) * (v.buzz.cycles % 2 ? 0.55f : 1.0f);
        float mouth = 0.5f - 0.5f * sine(0.25f + u);  // opens towards the middle and closes again
        float voice = shape(v, source, blend(FROM, TO, mouth)) * (0.8f + 0.2f * wobble(slow, 3));
        float air = resonate(breath, white(r), 900, 0.5f);
        s[i] = (voice + 0.15f * air) * rise(t, 0.25f) * hold(t, SECONDS, 3);
    }
    return s;
}

std::vector<float> make_hurt(int)
{
    const float SECONDS = 0.26f;
    const Formants UH = {600, 1150, 2500};
    std::vector<float> s(samples_for(SECONDS));
    Voice v = make_voice(1400, 0.15f);
    Random r = make_random(51);
    Oscillator thud = {0, 0};
    float knock = 0;
    for (int i = 0; i < (int)s.size(); i++) {
        float t = seconds_at(i), noise = white(r);
        // The grunt is pushed out by the blow: it starts a touch late and drops in pitch.
        float grunt_t = t - 0.015f;
        float grunt = 0;
        if (grunt_t > 0) {
            float hz = 130 + 60 * fall(grunt_t, SECONDS, 1);
            grunt = (shape(v, buzz(v, hz), UH) + 0.05f * noise) * rise(grunt_t, 0.01f) *
                    fall(grunt_t, SECONDS, 2);
        }
        float low =
            sine(advance(thud, 50 + 50 * fall(t, 0.03f, 2))) * fall(t, 0.08f, 3) * rise(t, 0.0015f);
        float impact = lowpass(knock, noise, 2000) * fall(t, 0.012f, 2);
        s[i] = 2.5f * grunt + 0.6f * low + 0.6f * impact;
    }
    return s;
}

std::vector<float> make_player_death(int)
{
    const float SECONDS = 1.0f;
    const Formants AH = {780, 1200, 2600}, OH = {480, 850, 2400};
    std::vector<float> s(samples_for(SECONDS));
    Voice v = make_voice(1800, 0.12f);
    Random r = make_random(61);
    Wobble jitter = make_wobble(62);
    Oscillator vibrato = {0, 0};
    Resonator breath = {0, 0};
    for (int i = 0; i < (int)s.size(); i++) {
        float t = seconds_at(i), u = t / SECONDS;
        // A cry that falls away; its waver grows as the strength goes.
        float shake =
            (0.01f + 0.04f * u) * sine(advance(vibrato, 5.5f)) + 0.02f * wobble(jitter, 30);
        float hz = (105 + 175 * fall(t, SECONDS, 2)) * (1 + shake);
        float voice = shape(v, buzz(v, hz), blend(AH, OH, u));
        float air = resonate(breath, white(r), 1200, 0.6f);
        s[i] = (voice + (0.04f + 0.12f * u) * air) * rise(t, 0.03f) * hold(t, SECONDS, 2);
    }
    return s;
}
