// music_test.cpp -- the music loop decodes whole, stays under its peak and joins its end to its start
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/assets.h"
#include "media_files.h"

struct DecodedMusic {
    int channels = 0;
    long rate = 0;
    long long declared = 0;                 // frames, from the stream's granule positions
    std::vector<float> left, right;
};

static DecodedMusic decode_music()
{
    DecodedMusic m;
    OggVorbis_File vf;
    std::string path = media_path(MUSIC_FILE + 6);   // the game's path, past its "Media/"
    if (ov_fopen(path.c_str(), &vf) != 0)
        return m;
    vorbis_info *info = ov_info(&vf, -1);
    m.channels = info->channels;
    m.rate = info->rate;
    m.declared = ov_pcm_total(&vf, -1);
    int section = 0;
    for (;;) {
        float **pcm;
        long n = ov_read_float(&vf, &pcm, 4096, &section);
        if (n <= 0)
            break;
        m.left.insert(m.left.end(), pcm[0], pcm[0] + n);
        m.right.insert(m.right.end(), pcm[m.channels > 1 ? 1 : 0], pcm[m.channels > 1 ? 1 : 0] + n);
    }
    ov_clear(&vf);
    return m;
}

static double rms(const std::vector<float> &s, size_t from, size_t count)
{
    double sum = 0;
    for (size_t i = from; i < from + count; i++)
        sum += (double)s[i] * s[i];
    return std::sqrt(sum / count);
}

TEST(GeneratedMusic, DecodesToItsWholeLengthInStereoUnderItsPeakAndSize)
{
    struct stat st;
    ASSERT_EQ(stat(media_path(MUSIC_FILE + 6).c_str(), &st), 0);
    EXPECT_LT(st.st_size, 2 * 1024 * 1024);
    DecodedMusic m = decode_music();
    ASSERT_EQ(m.channels, 2);
    EXPECT_EQ(m.rate, 44100);
    EXPECT_GE(m.declared, 45LL * 44100);
    EXPECT_LE(m.declared, 120LL * 44100);
    EXPECT_EQ((long long)m.left.size(), m.declared);
    float peak = 0;
    for (size_t i = 0; i < m.left.size(); i++)
        peak = std::max(peak, std::max(std::fabs(m.left[i]), std::fabs(m.right[i])));
    EXPECT_LT(peak, std::pow(10.0f, -1.0f / 20));   // below -1 dBFS
    // Not silence: the loop carries a real level.
    EXPECT_GT(rms(m.left, 0, m.left.size()), 0.03);
}

TEST(GeneratedMusic, EndFlowsIntoTheStartWithoutClickOrJumpInLevel)
{
    DecodedMusic m = decode_music();
    ASSERT_GT(m.left.size(), 44100u);
    size_t n = m.left.size();
    for (const std::vector<float> *channel : {&m.left, &m.right}) {
        const std::vector<float> &s = *channel;
        // The step from the last sample to the first is no bigger than the steps the music makes anyway.
        std::vector<float> steps;
        for (size_t i = 1; i < n; i++)
            steps.push_back(std::fabs(s[i] - s[i - 1]));
        std::nth_element(steps.begin(), steps.begin() + steps.size() * 999 / 1000, steps.end());
        float usual = steps[steps.size() * 999 / 1000];
        EXPECT_LE(std::fabs(s[0] - s[n - 1]), usual);
        // The level of the last half second matches the first half second.
        double end = rms(s, n - 22050, 22050), start = rms(s, 0, 22050);
        EXPECT_LT(std::fabs(20 * std::log10(end / start)), 1.5);
    }
}
