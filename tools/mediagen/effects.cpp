// effects.cpp -- the sound effects: gunshots, a hit, zombie and player voices, a click and a chime
#include "effects.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "noise.h"

// Only plain arithmetic reaches the samples (our own sine, polynomial envelopes, fixed
// seeds), never the C library's sin or exp, so the files are the same bytes everywhere.

const float PI = 3.14159265f;
const float PEAK_LOUD = 0.708f;  // -3 dBFS
// -9 dBFS: the ambient groan and the interface sit under the action
const float PEAK_QUIET = 0.355f;
const float FADE_IN_SECONDS = 0.001f;  // short enough to keep a gunshot's crack
const float FADE_OUT_SECONDS = 0.012f;
const float DC_CUTOFF_HZ = 25;  // filtered noise drifts off zero; the ends must come back to it
const int SAMPLE_MAX = 32767;
const int WAV_HEADER_BYTES = 44;
const int WAV_FORMAT_PCM = 1;
const int WAV_BITS = 16;

static int samples_for(float seconds)
{
    return (int)(seconds * EFFECT_RATE);
}

static float seconds_at(int i)
{
    return (float)i / EFFECT_RATE;
}

// ---- oscillators, noise and envelopes ----

// sin(2 pi turns) from a Taylor series over a quarter wave: error under 4e-6.
static float sine(float turns)
{
    float t = turns - std::floor(turns);
    if (t > 0.75f)
        t -= 1;
    else if (t > 0.25f)
        t = 0.5f - t;
    float x = 2 * PI * t, x2 = x * x;
    return x * (1 - x2 / 6 * (1 - x2 / 20 * (1 - x2 / 42 * (1 - x2 / 72))));
}

struct Oscillator {
    float phase;  // turns, 0..1
    int cycles;   // completed so far
};

static float advance(Oscillator &o, float hz)
{
    o.phase += hz / EFFECT_RATE;
    if (o.phase >= 1) {
        o.phase -= 1;
        o.cycles++;
    }
    return o.phase;
}

static float white(Random &r)
{
    return 2 * random_unit(r) - 1;
}

// Smooth random movement in -1..1: a new target `hz` times a second, eased towards.
struct Wobble {
    Random r;
    float from, to, pos;
};

static Wobble make_wobble(uint64_t seed)
{
    Wobble w = {make_random(seed), 0, 0, 0};
    w.from = white(w.r);
    w.to = white(w.r);
    return w;
}

static float wobble(Wobble &w, float hz)
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

// 1 at t = 0 falling to 0 at `length`; a higher power falls faster at first.
static float fall(float t, float length, int n)
{
    return t >= length ? 0 : power(1 - t / length, n);
}

// 0 at t = 0 easing up to 1 at `length`.
static float rise(float t, float length)
{
    if (t >= length)
        return 1;
    float u = t / length;
    return u * u * (3 - 2 * u);
}

// 1 held through most of `length`, then down to 0 at its end; a higher power holds longer.
static float hold(float t, float length, int n)
{
    return t >= length ? 0 : 1 - power(t / length, n);
}

// ---- filters ----

// One-pole low-pass, stable at any cutoff.
static float lowpass(float &state, float x, float hz)
{
    float w = 2 * PI * hz / EFFECT_RATE;
    state += w / (1 + w) * (x - state);
    return state;
}

// Two one-pole low-passes in a row: 12 dB an octave, for noise that must really darken.
static float darken(float state[2], float x, float hz)
{
    return lowpass(state[1], lowpass(state[0], x, hz), hz);
}

// A resonant band-pass (a Chamberlin state-variable filter) with about unit gain at its
// centre; `width` is bandwidth over centre. Stable for centres under a sixth of the rate.
struct Resonator {
    float low, band;
};

static float resonate(Resonator &f, float x, float hz, float width)
{
    float g = 2 * sine(hz / (2 * EFFECT_RATE));
    f.low += g * f.band;
    float high = x - f.low - width * f.band;
    f.band += g * high;
    return f.band * width;
}

// ---- voices: a buzz shaped by three formants ----

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

// ---- the effects ----

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

static std::vector<float> shot(int variant)
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

static std::vector<float> hit(int)
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

static std::vector<float> zombie_death(int)
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

static std::vector<float> groan(int)
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

static std::vector<float> hurt(int)
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

static std::vector<float> player_death(int)
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

static std::vector<float> click(int)
{
    const float SECONDS = 0.03f;
    std::vector<float> s(samples_for(SECONDS));
    Random r = make_random(71);
    Oscillator tick = {0, 0};
    Resonator snap = {0, 0};
    for (int i = 0; i < (int)s.size(); i++) {
        float t = seconds_at(i);
        float tone = sine(advance(tick, 1700)) * fall(t, 0.014f, 3);
        float edge = resonate(snap, white(r), 3200, 0.6f) * fall(t, 0.004f, 2);
        s[i] = tone + 0.6f * edge;
    }
    return s;
}

static std::vector<float> saved(int)
{
    const float SECONDS = 0.32f;
    const float SECOND_NOTE = 0.1f;            // seconds after the first
    const float NOTES[2] = {880.0f, 1318.5f};  // A5 then E6: a fifth up, done
    std::vector<float> s(samples_for(SECONDS));
    Oscillator notes[2] = {{0, 0}, {0, 0}};
    for (int i = 0; i < (int)s.size(); i++) {
        float t = seconds_at(i);
        float x = 0;
        for (int n = 0; n < 2; n++) {
            float start = n * SECOND_NOTE, nt = t - start;
            if (nt < 0)
                continue;
            float p = advance(notes[n], NOTES[n]);
            float bell = sine(p) + 0.25f * sine(2 * p) + 0.08f * sine(3 * p);
            x += bell * rise(nt, 0.004f) * fall(nt, SECONDS - start, 3);
        }
        s[i] = x;
    }
    return s;
}

// ---- finishing and the files ----

struct Recipe {
    std::vector<float> (*make)(int variant);
    int variant;
    float peak;
};

// In EFFECT_FILES' order.
const Recipe RECIPES[EFFECT_COUNT] = {
    {shot, 0, PEAK_LOUD},  {shot, 1, PEAK_LOUD},         {shot, 2, PEAK_LOUD},
    {hit, 0, PEAK_LOUD},   {zombie_death, 0, PEAK_LOUD}, {groan, 0, PEAK_QUIET},
    {hurt, 0, PEAK_LOUD},  {player_death, 0, PEAK_LOUD}, {click, 0, PEAK_QUIET},
    {saved, 0, PEAK_LOUD},
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

// Little-endian whatever the machine.
static void put16(std::vector<unsigned char> &b, uint16_t v)
{
    b.push_back((unsigned char)(v & 0xff));
    b.push_back((unsigned char)(v >> 8));
}

static void put32(std::vector<unsigned char> &b, uint32_t v)
{
    put16(b, (uint16_t)(v & 0xffff));
    put16(b, (uint16_t)(v >> 16));
}

static void put_tag(std::vector<unsigned char> &b, const char *tag)
{
    for (int i = 0; i < 4; i++)
        b.push_back((unsigned char)tag[i]);
}

std::vector<unsigned char> wav_bytes(const std::vector<float> &samples)
{
    const int BYTES_PER_SAMPLE = WAV_BITS / 8;
    uint32_t data = (uint32_t)(samples.size() * BYTES_PER_SAMPLE);
    std::vector<unsigned char> b;
    put_tag(b, "RIFF");
    put32(b, WAV_HEADER_BYTES - 8 + data);
    put_tag(b, "WAVE");
    put_tag(b, "fmt ");
    put32(b, 16);  // the PCM format chunk's size
    put16(b, WAV_FORMAT_PCM);
    put16(b, 1);  // channels
    put32(b, EFFECT_RATE);
    put32(b, EFFECT_RATE * BYTES_PER_SAMPLE);
    put16(b, BYTES_PER_SAMPLE);
    put16(b, WAV_BITS);
    put_tag(b, "data");
    put32(b, data);
    for (float x : samples) {
        float clamped = std::fmax(-1.0f, std::fmin(1.0f, x));
        put16(b, (uint16_t)(int16_t)std::floor(clamped * SAMPLE_MAX + 0.5f));
    }
    return b;
}

bool write_wav(const std::string &path, const std::vector<float> &samples)
{
    std::vector<unsigned char> bytes = wav_bytes(samples);
    FILE *file = fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && ok;
}
