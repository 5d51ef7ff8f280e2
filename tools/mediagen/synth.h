// synth.h -- the sound effects' building blocks: sine, oscillators, noise, envelopes and filters
#pragma once

#include <cstdint>

#include "effects.h"
#include "noise.h"

// Only plain arithmetic reaches the samples (our own sine, polynomial envelopes, fixed
// seeds), never the C library's sin or exp, so the files are the same bytes everywhere.

const float PI = 3.14159265f;

int samples_for(float seconds);
float seconds_at(int i);  // of sample i

// sin(2 pi turns) from a Taylor series over a quarter wave: error under 4e-6.
float sine(float turns);

struct Oscillator {
    float phase;  // turns, 0..1
    int cycles;   // completed so far
};

// Moves the phase on by one sample at `hz` and returns it.
float advance(Oscillator &o, float hz);

float white(Random &r);  // -1..1

// Smooth random movement in -1..1: a new target `hz` times a second, eased towards.
struct Wobble {
    Random r;
    float from, to, pos;
};

Wobble make_wobble(uint64_t seed);
float wobble(Wobble &w, float hz);

// 1 at t = 0 falling to 0 at `length`; a higher power falls faster at first.
float fall(float t, float length, int n);
// 0 at t = 0 easing up to 1 at `length`.
float rise(float t, float length);
// 1 held through most of `length`, then down to 0 at its end; a higher power holds longer.
float hold(float t, float length, int n);

// One-pole low-pass, stable at any cutoff.
float lowpass(float &state, float x, float hz);
// Two one-pole low-passes in a row: 12 dB an octave, for noise that must really darken.
float darken(float state[2], float x, float hz);

// A resonant band-pass (a Chamberlin state-variable filter) with about unit gain at its
// centre; `width` is bandwidth over centre. Stable for centres under a sixth of the rate.
struct Resonator {
    float low, band;
};

float resonate(Resonator &f, float x, float hz, float width);
