// effects_test.cpp -- the sound effects: small 16-bit mono WAVs of their length and loudness, made the same every time
#include <set>

#include "game/world_fixture.h"

// The samples of a WAV as SDL reads it, when it holds one channel of 16 bits
// at 22,050 Hz right after the 44-byte header; empty when it is anything else.
static std::vector<int> canonical_wav_samples(const std::string &bytes)
{
    SDL_AudioSpec format;
    Uint8 *data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), (int)bytes.size()), 1, &format, &data,
                        &length))
        return {};
    std::vector<int> samples((const Sint16 *)data, (const Sint16 *)(data + length));
    SDL_FreeWAV(data);
    bool canonical = format.freq == 22050 && format.format == AUDIO_S16LSB &&
                     format.channels == 1 && length == bytes.size() - 44;
    return canonical ? samples : std::vector<int>();
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
