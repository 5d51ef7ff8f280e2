// interface_sounds.cpp -- the interface's sounds: a button's click and the chime of a saved game
#include "interface_sounds.h"

#include "synth.h"

std::vector<float> make_click(int)
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

std::vector<float> make_saved(int)
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
