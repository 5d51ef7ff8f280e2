// effects_test.cpp -- the sound effects: small 16-bit mono WAVs of their length and loudness, made the same every time
#include <cstdint>
#include <set>

#include "game/world_fixture.h"

static uint32_t little(const std::string &b, size_t at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; i--)
        v = v << 8 | (unsigned char)b[at + i];
    return v;
}

static bool tag_at(const std::string &b, size_t at, const char *tag)
{
    return b.compare(at, 4, tag) == 0;
}

// The samples of a canonical WAV as SDL_mixer opens it without resampling: "RIFF",
// "WAVE", a 16-byte PCM "fmt " chunk for one channel of 16 bits at 22,050 Hz, and a
// "data" chunk running to the end of the file. Empty when the file is anything else.
static std::vector<int> canonical_wav_samples(const std::string &b)
{
    const size_t HEADER = 44;
    if (b.size() < HEADER || (b.size() - HEADER) % 2 != 0)
        return {};
    bool ok = tag_at(b, 0, "RIFF") && little(b, 4, 4) == b.size() - 8 && tag_at(b, 8, "WAVE") &&
              tag_at(b, 12, "fmt ") && little(b, 16, 4) == 16 && little(b, 20, 2) == 1 &&
              little(b, 22, 2) == 1 && little(b, 24, 4) == 22050 && little(b, 28, 4) == 44100 &&
              little(b, 32, 2) == 2 && little(b, 34, 2) == 16 && tag_at(b, 36, "data") &&
              little(b, 40, 4) == b.size() - HEADER;
    std::vector<int> samples;
    for (size_t at = HEADER; ok && at < b.size(); at += 2)
        samples.push_back((int16_t)little(b, at, 2));
    return samples;
}

using GeneratedEffects = ScratchFolderTest;

// Rapid fire takes the three gunshots in turn: they must not be one sound
// three times. A second run of the generator, of the sounds alone, writes
// them byte for byte again.
TEST_F(GeneratedEffects, MonoWavsOfTheirLengthAndPeakSilentAtTheEndsSmallAndTheSameWhenMadeAgain)
{
    const struct {
        const char *file;
        int min_ms, max_ms;
        double peak_dbfs;
    } effects[] = {{"shot1.wav", 150, 250, -3},        {"shot2.wav", 150, 250, -3},
                   {"shot3.wav", 150, 250, -3},        {"hit.wav", 80, 150, -3},
                   {"zombie_death.wav", 450, 800, -3}, {"groan.wav", 800, 1200, -9},
                   {"hurt.wav", 200, 300, -3},         {"player_death.wav", 800, 1300, -3},
                   {"click.wav", 20, 45, -9},          {"saved.wav", 200, 400, -3}};
    const double PEAK_TOLERANCE_DB = 0.5;
    const int NEAR_ZERO = 328;  // 1% of full scale
    ASSERT_EQ(system((std::string("'") + MEDIAGEN + "' --sounds Sound").c_str()), 0);
    size_t total = 0;
    std::set<std::string> shots;
    for (const auto &e : effects) {
        SCOPED_TRACE(e.file);
        std::string bytes = read_file((std::string(MEDIA_DIR) + "/Sound/" + e.file).c_str());
        total += bytes.size();
        if (std::string(e.file).compare(0, 4, "shot") == 0)
            shots.insert(bytes);
        EXPECT_EQ(read_file((std::string("Sound/") + e.file).c_str()), bytes);
        std::vector<int> s = canonical_wav_samples(bytes);
        ASSERT_FALSE(s.empty());
        int ms = (int)(s.size() * 1000 / 22050);
        EXPECT_TRUE(ms >= e.min_ms && ms <= e.max_ms) << ms << " ms";
        int peak = 0;
        for (int v : s)
            peak = std::max(peak, std::abs(v));
        EXPECT_NEAR(20 * std::log10(peak / 32768.0), e.peak_dbfs, PEAK_TOLERANCE_DB);
        EXPECT_TRUE(std::abs(s.front()) <= NEAR_ZERO && std::abs(s.back()) <= NEAR_ZERO);
    }
    EXPECT_LT(total, 300u * 1024);
    EXPECT_EQ(shots.size(), 3u);
}
