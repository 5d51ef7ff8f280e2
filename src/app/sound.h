// sound.h -- the fight's sound effects and the volume settings
#pragma once

#include <SDL_mixer.h>

enum Effect {
    EFFECT_SHOT_1,
    EFFECT_SHOT_2,
    EFFECT_SHOT_3,
    EFFECT_HIT,  // a bullet in a zombie
    EFFECT_ZOMBIE_DEATH,
    EFFECT_GROAN,
    EFFECT_HURT,  // the player bitten
    EFFECT_PLAYER_DEATH,
    EFFECT_CLICK,  // a button or menu row
    EFFECT_SAVED,  // a game, map or screenshot saved
    EFFECT_COUNT
};

const int SHOT_VARIANTS = 3;  // shots take the three gunshots in turn
const int FULL_VOLUME = 100;  // settings are 0 to 100
const int MUSIC_VOLUME_ABSENT = 100;
const int EFFECTS_VOLUME_ABSENT = 80;
const int EFFECT_CHANNELS = 16;         // effects that may sound at once
const int HURT_SPACING_MS = 400;        // at most one hurt sound this often
const int GROAN_SPACING_MS = 1000;      // at most one groan this often
const float GROAN_HEARING = 600.0f;     // world pixels: farther zombies are not heard
const int GROAN_CHANCE_PER_ZOMBIE = 2;  // per thousand, per frame, for each zombie heard
const int GROAN_CHANCE_MAX = 300;       // per thousand

// Set once at start-up
extern int setting_music_volume;                // 0 to 100; 0 loads no music
extern int setting_effects_volume;              // 0 to 100; 0 loads no effects
extern Mix_Chunk *effect_chunks[EFFECT_COUNT];  // null: missing, silent or no audio
extern bool audio_open;

// Reset when a game starts; advanced every game frame
extern int next_shot_variant;
extern int hurt_quiet_ms;      // until the next hurt sound may play
extern int groan_quiet_ms;     // until the next groan may come
extern unsigned sound_random;  // the effects' own generator, never rand()

// Per frame
// What was asked to sound this frame: a hit and a zombie's death sound once.
extern int effects_played[EFFECT_COUNT];

int clamp_volume(int volume);
void load_effects();  // after the audio opened
void free_effects();
void play_effect(Effect effect, int volume);  // volume 0 to 100 of the effects' volume
void start_frame_sounds();                    // clears the per-frame counts
void reset_game_sounds();
// Game events: each decides by the rules above whether and how loud it sounds.
void sound_shot();
void sound_zombie_hit();
void sound_zombie_death();
void sound_player_hurt();
void sound_player_death();
// Once per game frame: the hurt and groan spacing run down, and the horde may groan.
void update_game_sounds(int elapsed_ms);
