// sound.cpp -- the fight's sound effects and the volume settings
#include "app/sound.h"

#include <cmath>
#include <cstring>
#include <string>

#include "app/assets.h"
#include "app/effect_files.h"
#include "app/folders.h"
#include "game/collision.h"
#include "game/world.h"

int setting_music_volume = MUSIC_VOLUME_ABSENT;
int setting_effects_volume = EFFECTS_VOLUME_ABSENT;
Mix_Chunk *effect_chunks[EFFECT_COUNT];
bool audio_open = false;
int next_shot_variant = 0;
int hurt_quiet_ms = 0;
int groan_quiet_ms = 0;
unsigned sound_random = 1;
int effects_played[EFFECT_COUNT];

static_assert(EFFECT_COUNT == EFFECT_FILE_COUNT, "one file per effect");
const char SOUND_FOLDER[] = "Media/Sound/";

const unsigned SOUND_RANDOM_MUL = 1103515245u, SOUND_RANDOM_ADD = 12345u;
const int PER_THOUSAND = 1000;
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
        effect_chunks[i] = Mix_LoadWAV(data_file(path.c_str()).c_str());
        if (!effect_chunks[i])
            report_missing(path.c_str(), Mix_GetError());
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

// The more zombies near the player, the likelier a groan; the nearest one
// heard sets how loud it is.
void update_game_sounds(int elapsed_ms)
{
    hurt_quiet_ms -= elapsed_ms;
    groan_quiet_ms -= elapsed_ms;
    if (groan_quiet_ms > 0)
        return;
    int heard = 0;
    float nearest = GROAN_HEARING;
    for (int i = 0; i < zombie_count; i++) {
        float d = person_distance(zombies[i]->x, zombies[i]->y, player_x[0], player_y[0]);
        if (d < GROAN_HEARING) {
            heard++;
            nearest = d < nearest ? d : nearest;
        }
    }
    if (heard == 0)
        return;
    int chance = heard * GROAN_CHANCE_PER_ZOMBIE;
    if (sound_roll(PER_THOUSAND) >= (chance < GROAN_CHANCE_MAX ? chance : GROAN_CHANCE_MAX))
        return;
    play_effect(EFFECT_GROAN, (int)(FULL_VOLUME * (1.0f - nearest / GROAN_HEARING)));
    groan_quiet_ms = GROAN_SPACING_MS;
}
