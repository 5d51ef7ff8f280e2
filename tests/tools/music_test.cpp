// music_test.cpp -- the music loop decodes whole, stays under its peak and joins its end to its start
#include <vorbis/vorbisfile.h>

#include "app/assets.h"
#include "media_files.h"

static double rms(const std::vector<float> &s, size_t from, size_t count)
{
    double sum = 0;
    for (size_t i = from; i < from + count; i++)
        sum += (double)s[i] * s[i];
    return std::sqrt(sum / count);
}

TEST(GeneratedMusic, StereoAt44kOfTheDeclaredLengthUnderItsPeakAndSizeAndLoopingSmoothly)
{
    std::string path = media_path(MUSIC_FILE + 6);  // the game's path, past its "Media/"
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_LT(st.st_size, 2 * 1024 * 1024);
    OggVorbis_File vf;
    ASSERT_EQ(ov_fopen(path.c_str(), &vf), 0);
    ASSERT_TRUE(ov_info(&vf, -1)->channels == 2 && ov_info(&vf, -1)->rate == 44100);
    long long declared = ov_pcm_total(&vf, -1);
    EXPECT_TRUE(declared >= 45LL * 44100 && declared <= 120LL * 44100) << declared;
    std::vector<float> channels[2];
    float **pcm;
    int section = 0;
    for (long n; (n = ov_read_float(&vf, &pcm, 4096, &section)) > 0;)
        for (int c = 0; c < 2; c++)
            channels[c].insert(channels[c].end(), pcm[c], pcm[c] + n);
    ov_clear(&vf);
    size_t n = channels[0].size();
    ASSERT_EQ((long long)n, declared);
    for (const std::vector<float> &s : channels) {
        std::vector<float> steps(n);  // steps[0]: from the last sample round to the first
        for (size_t i = 0; i < n; i++)
            steps[i] = std::fabs(s[i] - s[(i + n - 1) % n]);
        float loop_step = steps[0], peak = std::fabs(*std::max_element(s.begin(), s.end(), [](float a, float b) {
            return std::fabs(a) < std::fabs(b);
        }));
        EXPECT_LT(peak, std::pow(10.0f, -1.0f / 20));  // below -1 dBFS
        EXPECT_GT(rms(s, 0, n), 0.03);                 // not silence
        // The loop's step is no bigger than the steps the music makes anyway,
        // and the level of the last half second matches the first.
        std::nth_element(steps.begin(), steps.begin() + n * 999 / 1000, steps.end());
        EXPECT_LE(loop_step, steps[n * 999 / 1000]);
        EXPECT_LT(std::fabs(20 * std::log10(rms(s, n - 22050, 22050) / rms(s, 0, 22050))), 1.5);
    }
}
