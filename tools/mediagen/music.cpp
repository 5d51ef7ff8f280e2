// music.cpp -- the music loop: synthesised drones, pulses and sparse percussion, encoded with libvorbis
#include "music.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "noise.h"

// Everything is made to repeat exactly every LOOP_SAMPLES: oscillators hold a
// whole number of cycles per loop, notes that ring past the end wrap round to the
// start, and every filter or echo runs over the loop twice, keeping the second
// pass, so its state at the end flows into the beginning without a seam.
const int N = LOOP_SAMPLES;
const int SAMPLES_PER_BAR = SAMPLES_PER_BEAT * 4;
const double TWO_PI = 6.283185307179586;
const float PEAK_LEVEL = 0.70f;       // about -3 dBFS before encoding, safely under -1 after
const float SATURATION_DRIVE = 1.8f;  // tanh input at the loudest sample
const float VORBIS_QUALITY = 0.3f;
const int OGG_SERIAL = 0x526f7457;  // fixed, so every build writes the same bytes
const int ENCODE_CHUNK = 1024;

struct Track {
    std::vector<float> left, right;
};

static Track make_track()
{
    return {std::vector<float>(N, 0.0f), std::vector<float>(N, 0.0f)};
}

// Whole cycles per loop closest to a frequency.
static long long loop_cycles(double hz)
{
    return std::llround(hz * N / MUSIC_RATE);
}

// A slow sine that completes `cycles` cycles per loop; 0..1.
static float swell(int cycles, long long t, double offset)
{
    return (float)(0.5 - 0.5 * std::cos(TWO_PI * (cycles * (double)t / N + offset)));
}

// The same for a position in bars, one cycle over the whole loop: low at the
// loop point, strongest in the middle, where the piece is most tense.
static float arc(double bar)
{
    return (float)(0.5 - 0.5 * std::cos(TWO_PI * bar / MUSIC_BARS));
}

// Topology-preserving state-variable filter (low and band outputs), stable under modulation.
// The tangent is recomputed only when the cutoff changes, which callers do every
// FILTER_UPDATE samples at most.
struct Filter {
    double ic1, ic2;
    double cutoff, g;
};
const int FILTER_UPDATE = 16;

static void filter_step(Filter &f, double x, double cutoff, double q, double *low, double *band)
{
    if (cutoff != f.cutoff) {
        f.cutoff = cutoff;
        f.g = std::tan(M_PI * std::min(cutoff, MUSIC_RATE * 0.45) / MUSIC_RATE);
    }
    double g = f.g;
    double k = 1.0 / q;
    double a1 = 1.0 / (1.0 + g * (g + k)), a2 = g * a1, a3 = g * a2;
    double v3 = x - f.ic2;
    double v1 = a1 * f.ic1 + a2 * v3;
    double v2 = f.ic2 + a2 * f.ic1 + a3 * v3;
    f.ic1 = 2 * v1 - f.ic1;
    f.ic2 = 2 * v2 - f.ic2;
    *low = v2;
    *band = v1;
}

static void add_wrapped(std::vector<float> &buffer, long long at, float value)
{
    buffer[(size_t)(at % N)] += value;
}

// ---- drones: detuned saws on D and A through a slowly breathing low-pass ----

static void add_drones(Track &dry, Track &send)
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
    for (long long i = 0; i < 2LL * N; i++) {
        long long t = i % N;
        if (t == 0)
            for (int v = 0; v < VOICE_COUNT; v++)
                for (int d = 0; d < 4; d++)
                    phase[v][d] = 0;
        double l = 0, r = 0;
        for (int v = 0; v < VOICE_COUNT; v++) {
            double saw[4];
            for (int d = 0; d < 4; d++) {
                saw[d] = 2.0 * phase[v][d] / N - 1;
                phase[v][d] += step[v][d];
                if (phase[v][d] >= N)
                    phase[v][d] -= N;
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
        if (i < N)
            continue;
        float level = 0.75f + 0.25f * swell(2, t, 0.25);
        dry.left[t] += (float)l * level;
        dry.right[t] += (float)r * level;
        send.left[t] += (float)l * level * 0.3f;
        send.right[t] += (float)r * level * 0.3f;
    }
}

// ---- the heartbeat: a low lub-dub on every beat, strongest mid-loop ----

static void add_thump(Track &dry, long long at, float level, double top_hz, double low_hz)
{
    const int length = MUSIC_RATE * 2 / 5;
    double phase = 0;
    for (int j = 0; j < length; j++) {
        double s = (double)j / MUSIC_RATE;
        double hz = low_hz + (top_hz - low_hz) * std::exp(-s / 0.035);
        phase += TWO_PI * hz / MUSIC_RATE;
        double env = std::exp(-s / 0.13) * (1 - std::exp(-s / 0.002));
        float v = (float)(std::sin(phase) * env) * level;
        add_wrapped(dry.left, at + j, v);
        add_wrapped(dry.right, at + j, v);
    }
}

static void add_heartbeat(Track &dry)
{
    for (int beat = 0; beat < MUSIC_BARS * 4; beat++) {
        double bar = beat / 4.0;
        float level = 0.42f + 0.40f * arc(bar);
        long long at = (long long)beat * SAMPLES_PER_BEAT;
        add_thump(dry, at, level, 95, 44);
        add_thump(dry, at + SAMPLES_PER_BEAT / 4, level * 0.6f, 80, 40);
    }
}

// ---- the ostinato: a muted, plucked figure in D Phrygian on eighth notes ----

static double smoothstep_d(double edge0, double edge1, double v)
{
    double t = std::min(1.0, std::max(0.0, (v - edge0) / (edge1 - edge0)));
    return t * t * (3 - 2 * t);
}

// Level of a part that fades in from `from` to `full` and out from `fade` to `to` (bars).
static float section_level(double bar, double from, double full, double fade, double to)
{
    if (bar < from || bar >= to)
        return 0;
    if (bar < full)
        return (float)smoothstep_d(from, full, bar);
    if (bar > fade)
        return (float)(1 - smoothstep_d(fade, to, bar));
    return 1;
}

static void add_pluck(Track &dry, Track &send, long long at, double hz, float level, float pan)
{
    const int length = MUSIC_RATE / 2;
    double phase = 0, state = 0;
    for (int j = 0; j < length; j++) {
        double s = (double)j / MUSIC_RATE;
        phase += hz / MUSIC_RATE;
        phase -= std::floor(phase);
        double saw = 2 * phase - 1;
        double cutoff = 250 + 2600 * std::exp(-s / 0.045);
        double a = 1 - std::exp(-TWO_PI * cutoff / MUSIC_RATE);
        state += a * (saw - state);
        double env = std::exp(-s / 0.16) * (1 - std::exp(-s / 0.003));
        float v = (float)(state * env) * level;
        add_wrapped(dry.left, at + j, v * (1 - pan));
        add_wrapped(dry.right, at + j, v * (1 + pan));
        add_wrapped(send.left, at + j, v * 0.5f);
        add_wrapped(send.right, at + j, v * 0.5f);
    }
}

static void add_ostinato(Track &dry, Track &send)
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

// ---- percussion: a distant metal clang every four bars, low toms, a dry rim ----

static void add_clang(Track &dry, Track &send, long long at, float level)
{
    const double RATIOS[] = {1.0, 2.31, 3.87, 5.12, 7.45};
    const double DECAYS[] = {2.4, 1.5, 0.95, 0.65, 0.4};
    const double LEVELS[] = {0.5, 0.34, 0.25, 0.18, 0.13};
    const int length = MUSIC_RATE * 3;
    Random r = make_random(at);
    for (int j = 0; j < length; j++) {
        double s = (double)j / MUSIC_RATE;
        double v = 0;
        for (int p = 0; p < 5; p++)
            v += LEVELS[p] * std::sin(TWO_PI * 98.0 * RATIOS[p] * s) * std::exp(-s / DECAYS[p]);
        v += (random_unit(r) - 0.5) * std::exp(-s / 0.01);  // the strike
        v *= 1 - std::exp(-s / 0.001);
        float f = (float)v * level;
        add_wrapped(dry.left, at + j, f * 0.8f);
        add_wrapped(dry.right, at + j, f * 1.2f);
        add_wrapped(send.left, at + j, f);
        add_wrapped(send.right, at + j, f);
    }
}

static void add_tom(Track &dry, Track &send, long long at, float level)
{
    const int length = MUSIC_RATE / 2;
    double phase = 0;
    Random r = make_random(at + 17);
    for (int j = 0; j < length; j++) {
        double s = (double)j / MUSIC_RATE;
        phase += TWO_PI * (58 + 30 * std::exp(-s / 0.05)) / MUSIC_RATE;
        double v = std::sin(phase) * std::exp(-s / 0.22) +
                   (random_unit(r) - 0.5) * 0.4 * std::exp(-s / 0.012);
        v *= 1 - std::exp(-s / 0.001);
        float f = (float)v * level;
        add_wrapped(dry.left, at + j, f);
        add_wrapped(dry.right, at + j, f);
        add_wrapped(send.left, at + j, f * 0.4f);
        add_wrapped(send.right, at + j, f * 0.4f);
    }
}

static void add_rim(Track &dry, Track &send, long long at, float level)
{
    const int length = MUSIC_RATE / 5;
    Filter f = {0, 0, -1, 0};
    Random r = make_random(at + 29);
    for (int j = 0; j < length; j++) {
        double s = (double)j / MUSIC_RATE;
        double low, band;
        filter_step(f, random_unit(r) - 0.5, 1800, 2.5, &low, &band);
        float v = (float)(band * std::exp(-s / 0.05)) * level;
        add_wrapped(dry.left, at + j, v * 1.3f);
        add_wrapped(dry.right, at + j, v * 0.7f);
        add_wrapped(send.left, at + j, v);
        add_wrapped(send.right, at + j, v);
    }
}

static void add_percussion(Track &dry, Track &send)
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

// ---- atmosphere: wind and a far-off wavering tone ----

static void add_wind(Track &dry)
{
    Filter fl = {0, 0, -1, 0}, fr = {0, 0, -1, 0};
    // The noise itself repeats with the loop, so the filtered wind does too.
    std::vector<float> noise_l(N), noise_r(N);
    Random r = make_random(4242);
    for (int i = 0; i < N; i++) {
        noise_l[i] = random_unit(r) - 0.5f;
        noise_r[i] = random_unit(r) - 0.5f;
    }
    double cutoff = 0;
    for (long long i = 0; i < 2LL * N; i++) {
        long long t = i % N;
        if (t % FILTER_UPDATE == 0)
            cutoff = 350 + 500 * swell(5, t, 0.1) + 250 * swell(7, t, 0.6);
        double low, band_l, band_r;
        filter_step(fl, noise_l[t], cutoff, 3.0, &low, &band_l);
        filter_step(fr, noise_r[t], cutoff * 1.15, 3.0, &low, &band_r);
        if (i < N)
            continue;
        float level = 0.10f * (0.4f + 0.6f * swell(4, t, 0.4));
        dry.left[t] += (float)band_l * level;
        dry.right[t] += (float)band_r * level;
    }
}

static void add_siren(Track &dry, Track &send)
{
    double phase = 0;
    for (long long t = 0; t < N; t++) {
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

// ---- a plain Schroeder reverb, run over the loop twice ----

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

static void add_reverb(const std::vector<float> &send, std::vector<float> &out, int spread)
{
    const int COMBS[] = {1557, 1617, 1491, 1422, 1277, 1356};
    const int ALLPASSES[] = {556, 441, 341};
    std::vector<Echo> combs, allpasses;
    for (int c : COMBS)
        combs.push_back(make_echo(c * 2 + spread));
    for (int a : ALLPASSES)
        allpasses.push_back(make_echo(a + spread));
    for (long long i = 0; i < 2LL * N; i++) {
        float x = send[i % N] * 0.1f, y = 0;
        for (Echo &e : combs)
            y += comb(e, x);
        for (Echo &e : allpasses)
            y = allpass(e, y);
        if (i >= N)
            out[i % N] += y * 0.9f;
    }
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
    for (int i = 0; i < N; i++)
        peak = std::max(peak, std::max(std::fabs(dry.left[i]), std::fabs(dry.right[i])));
    // A gentle tape-like saturation rounds off the rare peaks, so the whole loop
    // can sit louder under the same ceiling.
    float drive = peak > 0 ? SATURATION_DRIVE / peak : 1;
    float gain = PEAK_LEVEL / std::tanh(SATURATION_DRIVE);
    std::vector<float> samples((size_t)N * 2);
    for (int i = 0; i < N; i++) {
        samples[2 * i] = std::tanh(dry.left[i] * drive) * gain;
        samples[2 * i + 1] = std::tanh(dry.right[i] * drive) * gain;
    }
    return samples;
}

// ---- Ogg Vorbis output ----

static bool write_pages(ogg_stream_state &os, FILE *file, bool flush)
{
    ogg_page page;
    while (flush ? ogg_stream_flush(&os, &page) : ogg_stream_pageout(&os, &page)) {
        if (fwrite(page.header, 1, page.header_len, file) != (size_t)page.header_len ||
            fwrite(page.body, 1, page.body_len, file) != (size_t)page.body_len)
            return false;
    }
    return true;
}

static bool drain_blocks(vorbis_dsp_state &vd, vorbis_block &vb, ogg_stream_state &os, FILE *file)
{
    ogg_packet packet;
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
        vorbis_analysis(&vb, nullptr);
        vorbis_bitrate_addblock(&vb);
        while (vorbis_bitrate_flushpacket(&vd, &packet)) {
            ogg_stream_packetin(&os, &packet);
            if (!write_pages(os, file, false))
                return false;
        }
    }
    return true;
}

bool write_ogg(const std::string &path, const std::vector<float> &samples, std::string &error)
{
    FILE *file = fopen(path.c_str(), "wb");
    if (!file) {
        error = "cannot create " + path;
        return false;
    }
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 2, MUSIC_RATE, VORBIS_QUALITY) != 0) {
        error = "the Vorbis encoder refused its settings";
        vorbis_info_clear(&vi);
        fclose(file);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "TITLE", "Surrounded loop");
    vorbis_comment_add_tag(&vc, "ARTIST", "Selvane");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, OGG_SERIAL);
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codebooks);
    bool ok = write_pages(os, file, true);  // the audio starts on a fresh page
    long frames = (long)(samples.size() / 2);
    for (long at = 0; ok && at < frames; at += ENCODE_CHUNK) {
        int n = (int)std::min<long>(ENCODE_CHUNK, frames - at);
        float **buffer = vorbis_analysis_buffer(&vd, n);
        for (int i = 0; i < n; i++) {
            buffer[0][i] = samples[2 * (at + i)];
            buffer[1][i] = samples[2 * (at + i) + 1];
        }
        vorbis_analysis_wrote(&vd, n);
        ok = drain_blocks(vd, vb, os, file);
    }
    vorbis_analysis_wrote(&vd, 0);
    ok = ok && drain_blocks(vd, vb, os, file) && write_pages(os, file, true);
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    if (fclose(file) != 0)
        ok = false;
    if (!ok)
        error = "cannot write " + path;
    return ok;
}
