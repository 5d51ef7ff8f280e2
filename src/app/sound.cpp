// sound.cpp -- the audio device, the music loop and the fight's sound effects
#include "app/sound.h"

#include <cmath>
#include <cstring>
#include <string>

#include <cstdio>

#include "app/artwork.h"
#include "app/effect_files.h"
#include "app/folders.h"
#include "app/settings.h"

Mix_Chunk *effect_chunks[EFFECT_COUNT];
bool audio_open = false;
Mix_Music *music_track = nullptr;
std::string music_bytes;
SDL_RWops *music_source = nullptr;
int next_shot_variant = 0;
int hurt_quiet_ms = 0;
int groan_quiet_ms = 0;
unsigned sound_random = 1;
int effects_played[EFFECT_COUNT];

static_assert(EFFECT_COUNT == EFFECT_FILE_COUNT, "one file per effect");
const char SOUND_FOLDER[] = "Media/Sound/";

const unsigned SOUND_RANDOM_MUL = 1103515245u, SOUND_RANDOM_ADD = 12345u;
const int MIX_FULL = MIX_MAX_VOLUME;  // SDL_mixer's scale is 0 to 128

int clamp_volume(int volume)
{
    return volume < 0 ? 0 : (volume > FULL_VOLUME ? FULL_VOLUME : volume);
}

// A missing or broken effect is named once and then stays silent.
void load_effects()
{
    free_effects();
    if (!audio_open || setting_effects_volume == 0)
        return;
    Mix_AllocateChannels(EFFECT_CHANNELS);
    for (int i = 0; i < EFFECT_COUNT; i++) {
        std::string path = std::string(SOUND_FOLDER) + EFFECT_FILES[i];
        std::string bytes, why = read_data_file(path.c_str(), bytes);
        if (why.empty())
            effect_chunks[i] =
                Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), (int)bytes.size()), 1);
        if (!effect_chunks[i])
            report_missing(path.c_str(), why.empty() ? Mix_GetError() : why.c_str());
    }
}

void free_effects()
{
    for (Mix_Chunk *&chunk : effect_chunks) {
        if (chunk)
            Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
}

// Counted even without a sound device, so the rules can be watched anywhere.
void play_effect(Effect effect, int volume)
{
    effects_played[effect]++;
    Mix_Chunk *chunk = effect_chunks[effect];
    if (!chunk)
        return;
    int channel = Mix_PlayChannel(-1, chunk, 0);
    if (channel >= 0)
        Mix_Volume(channel, MIX_FULL * clamp_volume(volume) / FULL_VOLUME * setting_effects_volume /
                                FULL_VOLUME);
}

void start_frame_sounds()
{
    memset(effects_played, 0, sizeof effects_played);
}

void reset_game_sounds()
{
    next_shot_variant = 0;
    hurt_quiet_ms = groan_quiet_ms = 0;
}

// A linear congruential step of its own: the game's rand() stream, and so
// every result of the simulation, is the same with or without sound.
static int sound_roll(int range)
{
    sound_random = sound_random * SOUND_RANDOM_MUL + SOUND_RANDOM_ADD;
    return (int)((sound_random >> 16) % (unsigned)range);
}

void sound_shot()
{
    play_effect((Effect)(EFFECT_SHOT_1 + next_shot_variant), FULL_VOLUME);
    next_shot_variant = (next_shot_variant + 1) % SHOT_VARIANTS;
}

// A shot through a crowd is one hit and one death, not ten.
void sound_zombie_hit()
{
    if (effects_played[EFFECT_HIT] == 0)
        play_effect(EFFECT_HIT, FULL_VOLUME);
}

void sound_zombie_death()
{
    if (effects_played[EFFECT_ZOMBIE_DEATH] == 0)
        play_effect(EFFECT_ZOMBIE_DEATH, FULL_VOLUME);
}

void sound_player_hurt()
{
    if (hurt_quiet_ms > 0)
        return;
    play_effect(EFFECT_HURT, FULL_VOLUME);
    hurt_quiet_ms = HURT_SPACING_MS;
}

void sound_player_death()
{
    play_effect(EFFECT_PLAYER_DEATH, FULL_VOLUME);
}

void run_down_sound_spacing(int elapsed_ms)
{
    hurt_quiet_ms -= elapsed_ms;
    groan_quiet_ms -= elapsed_ms;
}

bool groan_may_come()
{
    return groan_quiet_ms <= 0;
}

void sound_groan(int chance, int volume)
{
    if (sound_roll(SOUND_CHANCE_RANGE) >= chance)
        return;
    play_effect(EFFECT_GROAN, volume);
    groan_quiet_ms = GROAN_SPACING_MS;
}

// The music plays from memory as it goes, so its bytes and their reader
// stay until the music is freed.
static void free_music_source()
{
    if (music_source)
        SDL_FreeRW(music_source);
    music_source = nullptr;
    music_bytes.clear();
}

static void start_music()
{
    Mix_VolumeMusic(MIX_FULL * setting_music_volume / FULL_VOLUME);
    std::string why = read_data_file(MUSIC_FILE, music_bytes);
    if (why.empty()) {
        music_source = SDL_RWFromConstMem(music_bytes.data(), (int)music_bytes.size());
        music_track = Mix_LoadMUS_RW(music_source);
    }
    if (!music_track) {
        report_missing(MUSIC_FILE, why.empty() ? Mix_GetError() : why.c_str());
        free_music_source();
        return;
    }
    Mix_PlayMusic(music_track, -1);
}

void open_audio()
{
    // Zeros ask SDL for its default rate, format, channels and buffer. An
    // earlier message must not pass for the reason of a failure here.
    SDL_ClearError();
    if (Mix_OpenAudio(0, 0, 0, 0) < 0) {
        const char *reason = Mix_GetError();
        fprintf(stderr, "rotwalk: no sound: %s\n", reason[0] ? reason : "no audio device");
        return;
    }
    audio_open = true;
    load_effects();
    if (setting_music_volume > 0)
        start_music();  // at 0, silence without loading anything
}

// Raising a volume from 0 loads what start-up left unloaded; other changes
// are heard at once, the next effect at the new loudness.
void apply_music_volume(int old_volume)
{
    if (!audio_open)
        return;
    if (!music_track && old_volume == 0 && setting_music_volume > 0) {
        start_music();
        return;
    }
    Mix_VolumeMusic(MIX_FULL * setting_music_volume / FULL_VOLUME);
}

// Effects play at full loudness of their own in the menus, so every
// channel that sounds now takes the new loudness, the click of the change too.
void apply_effects_volume(int old_volume)
{
    if (!audio_open)
        return;
    if (old_volume == 0 && setting_effects_volume > 0)
        load_effects();
    Mix_Volume(-1, MIX_FULL * setting_effects_volume / FULL_VOLUME);
}

void close_audio()
{
    if (music_track) {
        Mix_HaltMusic();
        Mix_FreeMusic(music_track);
        music_track = nullptr;
        free_music_source();
    }
    free_effects();
    if (audio_open)
        Mix_CloseAudio();
    audio_open = false;
}
