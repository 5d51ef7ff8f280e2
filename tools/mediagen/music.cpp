// music.cpp -- the music loop: every part mixed to stereo under a gentle saturation
#include "music.h"

#include <algorithm>
#include <cmath>

#include "atmosphere.h"
#include "music_track.h"
#include "reverb.h"
#include "score.h"

const float PEAK_LEVEL = 0.70f;       // about -3 dBFS before encoding, safely under -1 after
const float SATURATION_DRIVE = 1.8f;  // tanh input at the loudest sample

static Track make_track()
{
    return {std::vector<float>(LOOP_SAMPLES, 0.0f), std::vector<float>(LOOP_SAMPLES, 0.0f)};
}

std::vector<float> make_music()
{
    Track dry = make_track(), send = make_track();
    add_drones(dry, send);
    add_heartbeat(dry);
    add_ostinato(dry, send);
    add_percussion(dry, send);
    add_wind(dry);
    add_siren(dry, send);
    add_reverb(send.left, dry.left, 0);
    add_reverb(send.right, dry.right, 23);
    float peak = 0;
    for (int i = 0; i < LOOP_SAMPLES; i++)
        peak = std::max(peak, std::max(std::fabs(dry.left[i]), std::fabs(dry.right[i])));
    // A gentle tape-like saturation rounds off the rare peaks, so the whole loop
    // can sit louder under the same ceiling.
    float drive = peak > 0 ? SATURATION_DRIVE / peak : 1;
    float gain = PEAK_LEVEL / std::tanh(SATURATION_DRIVE);
    std::vector<float> samples((size_t)LOOP_SAMPLES * 2);
    for (int i = 0; i < LOOP_SAMPLES; i++) {
        samples[2 * i] = std::tanh(dry.left[i] * drive) * gain;
        samples[2 * i + 1] = std::tanh(dry.right[i] * drive) * gain;
    }
    return samples;
}
