// sound_strips.cpp -- the contact sheet's waveform panels: the music loop and each sound effect
#include "sound_strips.h"

#include <algorithm>
#include <cmath>

#include "effects.h"
#include "music.h"

Picture music_strip(const std::vector<float> &music, int w, int h)
{
    Picture p = make_picture(w, h, rgb(12, 12, 14));
    size_t frames = music.size() / 2;
    for (int x = 0; x < w && frames > 0; x++) {
        size_t from = frames * x / w, to = frames * (x + 1) / w;
        float peak_l = 0, peak_r = 0;
        for (size_t i = from; i < to; i++) {
            peak_l = std::max(peak_l, std::fabs(music[2 * i]));
            peak_r = std::max(peak_r, std::fabs(music[2 * i + 1]));
        }
        int mid = h / 2;
        for (int y = mid - (int)(peak_l * mid); y < mid; y++)
            at(p, x, y) = rgb(200, 120, 60);
        for (int y = mid; y < mid + (int)(peak_r * mid); y++)
            at(p, x, y) = rgb(160, 90, 50);
    }
    for (int bar = 0; bar <= MUSIC_BARS; bar++)
        fill_rect(p, std::min(w - 1, bar * w / MUSIC_BARS), 0, 1, 6, rgb(230, 230, 230));
    return p;
}

Picture effect_strip(const std::vector<float> &s, int w, int h)
{
    const int ZERO_WINDOW = 48;      // samples each side
    const float LOUD_PEAK = 0.708f;  // -3 dBFS
    Picture p = make_picture(w, h, rgb(12, 12, 14));
    int n = (int)s.size(), mid = h / 2;
    for (int y : {mid - (int)(LOUD_PEAK * mid), mid, mid + (int)(LOUD_PEAK * mid)})
        fill_rect(p, 0, y, w, 1, rgb(50, 50, 56));
    for (int x = 0; x < w && n > 0; x++) {
        int from = (int)((long long)n * x / w),
            to = std::max(from + 1, (int)((long long)n * (x + 1) / w));
        float lo = 0, hi = 0;
        for (int i = from; i < to; i++) {
            lo = std::min(lo, s[i]);
            hi = std::max(hi, s[i]);
        }
        int centre = (from + to) / 2, crossings = 0, span = 0;
        for (int i = std::max(1, centre - ZERO_WINDOW); i < std::min(n, centre + ZERO_WINDOW);
             i++, span++)
            crossings += (s[i - 1] < 0) != (s[i] < 0);
        float hiss = span > 0 ? clamp01(3.0f * crossings / span) : 0;
        Color c = mix(rgb(220, 120, 50), rgb(190, 220, 255), hiss);
        for (int y = mid - (int)(hi * mid); y <= mid - (int)(lo * mid); y++)
            at(p, x, std::min(h - 1, y)) = c;
    }
    int tenths = n * 10 / EFFECT_RATE;
    for (int k = 0; k <= tenths && n > 0; k++)
        fill_rect(p, std::min(w - 1, (int)((long long)k * EFFECT_RATE / 10 * w / n)), 0, 1, 6,
                  rgb(230, 230, 230));
    return p;
}
