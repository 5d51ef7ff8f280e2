// atmosphere.cpp -- the music's sustained layers: saw drones, wind and a far-off wavering tone
#include "atmosphere.h"

#include <cmath>
#include <vector>

#include "noise.h"

// Whole cycles per loop closest to a frequency.
static long long loop_cycles(double hz)
{
    return std::llround(hz * LOOP_SAMPLES / MUSIC_RATE);
}

// A slow sine that completes `cycles` cycles per loop; 0..1.
static float swell(int cycles, long long t, double offset)
{
    return (float)(0.5 - 0.5 * std::cos(TWO_PI * (cycles * (double)t / LOOP_SAMPLES + offset)));
}

void add_drones(Track &dry, Track &send)
{
    struct Voice {
        double hz, level;
    };
    const Voice VOICES[] = {{36.71, 0.30}, {73.42, 0.30}, {110.0, 0.17}, {146.83, 0.07}};
    const int VOICE_COUNT = 4;
    // Left and right are detuned in opposite ways: a slow beating that moves across.
    const int DETUNE[4] = {11, -7, -11, 7};
    long long step[VOICE_COUNT][4], phase[VOICE_COUNT][4];
    for (int v = 0; v < VOICE_COUNT; v++)
        for (int d = 0; d < 4; d++) {
            step[v][d] = loop_cycles(VOICES[v].hz) + DETUNE[d];
            phase[v][d] = 0;
        }
    Filter fl = {0, 0, -1, 0}, fr = {0, 0, -1, 0};
    double cutoff = 0;
    for (long long i = 0; i < 2LL * LOOP_SAMPLES; i++) {
        long long t = i % LOOP_SAMPLES;
        if (t == 0)
            for (int v = 0; v < VOICE_COUNT; v++)
                for (int d = 0; d < 4; d++)
                    phase[v][d] = 0;
        double l = 0, r = 0;
        for (int v = 0; v < VOICE_COUNT; v++) {
            double saw[4];
            for (int d = 0; d < 4; d++) {
                saw[d] = 2.0 * phase[v][d] / LOOP_SAMPLES - 1;
                phase[v][d] += step[v][d];
                if (phase[v][d] >= LOOP_SAMPLES)
                    phase[v][d] -= LOOP_SAMPLES;
            }
            l += VOICES[v].level * (saw[0] + saw[1]) * 0.5;
            r += VOICES[v].level * (saw[2] + saw[3]) * 0.5;
        }
        if (t % FILTER_UPDATE == 0)
            cutoff = 160 + 480 * swell(3, t, 0) + 200 * swell(5, t, 0.3);
        double low, band;
        filter_step(fl, l, cutoff, 1.6, &low, &band);
        l = low;
        filter_step(fr, r, cutoff * 1.03, 1.6, &low, &band);
        r = low;
        if (i < LOOP_SAMPLES)
            continue;
        float level = 0.75f + 0.25f * swell(2, t, 0.25);
        dry.left[t] += (float)l * level;
        dry.right[t] += (float)r * level;
        send.left[t] += (float)l * level * 0.3f;
        send.right[t] += (float)r * level * 0.3f;
    }
}

void add_wind(Track &dry)
{
    Filter fl = {0, 0, -1, 0}, fr = {0, 0, -1, 0};
    // The noise itself repeats with the loop, so the filtered wind does too.
    std::vector<float> noise_l(LOOP_SAMPLES), noise_r(LOOP_SAMPLES);
    Random r = make_random(4242);
    for (int i = 0; i < LOOP_SAMPLES; i++) {
        noise_l[i] = random_unit(r) - 0.5f;
        noise_r[i] = random_unit(r) - 0.5f;
    }
    double cutoff = 0;
    for (long long i = 0; i < 2LL * LOOP_SAMPLES; i++) {
        long long t = i % LOOP_SAMPLES;
        if (t % FILTER_UPDATE == 0)
            cutoff = 350 + 500 * swell(5, t, 0.1) + 250 * swell(7, t, 0.6);
        double low, band_l, band_r;
        filter_step(fl, noise_l[t], cutoff, 3.0, &low, &band_l);
        filter_step(fr, noise_r[t], cutoff * 1.15, 3.0, &low, &band_r);
        if (i < LOOP_SAMPLES)
            continue;
        float level = 0.10f * (0.4f + 0.6f * swell(4, t, 0.4));
        dry.left[t] += (float)band_l * level;
        dry.right[t] += (float)band_r * level;
    }
}

void add_siren(Track &dry, Track &send)
{
    double phase = 0;
    for (long long t = 0; t < LOOP_SAMPLES; t++) {
        double bar = (double)t / SAMPLES_PER_BAR;
        float level = section_level(bar, 10, 13, 18, 22) * 0.045f;
        if (level <= 0)
            continue;
        double s = (double)t / MUSIC_RATE;
        double glide = std::sin(TWO_PI * s / 9.0) * 0.5 + 0.5;
        double hz = 880.0 * std::pow(2.0, (glide + 0.15 * std::sin(TWO_PI * 5.2 * s)) / 12.0);
        phase += TWO_PI * hz / MUSIC_RATE;
        float v = (float)std::sin(phase) * level;
        dry.left[t] += v * 0.6f;
        dry.right[t] += v;
        send.left[t] += v;
        send.right[t] += v;
    }
}
