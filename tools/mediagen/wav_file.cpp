// wav_file.cpp -- the sound effects written as 16-bit mono WAV files
#include "wav_file.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "effects.h"

const int SAMPLE_MAX = 32767;
const int WAV_HEADER_BYTES = 44;
const int WAV_FORMAT_PCM = 1;
const int WAV_BITS = 16;

// Little-endian whatever the machine.
static void put16(std::vector<unsigned char> &b, uint16_t v)
{
    b.push_back((unsigned char)(v & 0xff));
    b.push_back((unsigned char)(v >> 8));
}

static void put32(std::vector<unsigned char> &b, uint32_t v)
{
    put16(b, (uint16_t)(v & 0xffff));
    put16(b, (uint16_t)(v >> 16));
}

static void put_tag(std::vector<unsigned char> &b, const char *tag)
{
    for (int i = 0; i < 4; i++)
        b.push_back((unsigned char)tag[i]);
}

// A canonical RIFF/WAVE file of the samples: PCM, one channel, 16 bits, EFFECT_RATE.
static std::vector<unsigned char> wav_bytes(const std::vector<float> &samples)
{
    const int BYTES_PER_SAMPLE = WAV_BITS / 8;
    uint32_t data = (uint32_t)(samples.size() * BYTES_PER_SAMPLE);
    std::vector<unsigned char> b;
    put_tag(b, "RIFF");
    put32(b, WAV_HEADER_BYTES - 8 + data);
    put_tag(b, "WAVE");
    put_tag(b, "fmt ");
    put32(b, 16);  // the PCM format chunk's size
    put16(b, WAV_FORMAT_PCM);
    put16(b, 1);  // channels
    put32(b, EFFECT_RATE);
    put32(b, EFFECT_RATE * BYTES_PER_SAMPLE);
    put16(b, BYTES_PER_SAMPLE);
    put16(b, WAV_BITS);
    put_tag(b, "data");
    put32(b, data);
    for (float x : samples) {
        float clamped = std::fmax(-1.0f, std::fmin(1.0f, x));
        put16(b, (uint16_t)(int16_t)std::floor(clamped * SAMPLE_MAX + 0.5f));
    }
    return b;
}

bool write_wav(const std::string &path, const std::vector<float> &samples)
{
    std::vector<unsigned char> bytes = wav_bytes(samples);
    FILE *file = fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && ok;
}
