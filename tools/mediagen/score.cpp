// score.cpp -- the music's notes in time: the heartbeat, the ostinato and the percussion
#include "score.h"

#include <cmath>

#include "instruments.h"

// One slow rise and fall over the whole loop, by position in bars; 0..1: low at the
// loop point, strongest in the middle, where the piece is most tense.
static float arc(double bar)
{
    return (float)(0.5 - 0.5 * std::cos(TWO_PI * bar / MUSIC_BARS));
}

void add_heartbeat(Track &dry)
{
    for (int beat = 0; beat < MUSIC_BARS * 4; beat++) {
        double bar = beat / 4.0;
        float level = 0.42f + 0.40f * arc(bar);
        long long at = (long long)beat * SAMPLES_PER_BEAT;
        add_thump(dry, at, level, 95, 44);
        add_thump(dry, at + SAMPLES_PER_BEAT / 4, level * 0.6f, 80, 40);
    }
}

void add_ostinato(Track &dry, Track &send)
{
    // Semitones above D3, two bars of eighth notes; -1 is a rest.
    const int PATTERN[16] = {0, 0, 1, 0, 0, -1, 3, 1, 0, 0, 1, 0, 7, 6, 3, 1};
    const double D3 = 146.83;
    for (int step = 0; step < MUSIC_BARS * 8; step++) {
        double bar = step / 8.0;
        float level = section_level(bar, 4, 8, 19, 23) * 0.32f;
        int note = PATTERN[step % 16];
        if (level <= 0 || note < 0)
            continue;
        // Accent on the beat, and an octave drop every fourth bar for weight.
        float accent = step % 2 == 0 ? 1.0f : 0.7f;
        double hz = D3 * std::pow(2.0, note / 12.0) * ((int)bar % 4 == 3 ? 0.5 : 1.0);
        float pan = step % 2 == 0 ? -0.25f : 0.25f;
        add_pluck(dry, send, (long long)step * SAMPLES_PER_BEAT / 2, hz, level * accent, pan);
    }
}

void add_percussion(Track &dry, Track &send)
{
    for (int bar = 0; bar < MUSIC_BARS; bar++) {
        long long start = (long long)bar * SAMPLES_PER_BAR;
        if (bar % 4 == 0)
            add_clang(dry, send, start, 0.22f + 0.12f * arc(bar));
        if (bar >= 6 && bar < 22 && bar % 2 == 1) {
            add_tom(dry, send, start + SAMPLES_PER_BEAT * 5 / 2, 0.35f);
            add_tom(dry, send, start + SAMPLES_PER_BEAT * 3, 0.28f);
        }
        if (bar >= 10 && bar < 20)
            add_rim(dry, send, start + SAMPLES_PER_BEAT * 3 / 2 + (bar % 3) * SAMPLES_PER_BEAT,
                    0.5f);
    }
}
