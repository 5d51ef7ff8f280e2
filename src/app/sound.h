// sound.h -- the audio device, the music loop and the fight's sound effects
#pragma once

#include <SDL_mixer.h>

#include <string>

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

const int SHOT_VARIANTS = 3;          // shots take the three gunshots in turn
const int FULL_VOLUME = 100;          // settings are 0 to 100
const int EFFECT_CHANNELS = 16;       // effects that may sound at once
const int HURT_SPACING_MS = 400;      // at most one hurt sound this often
const int GROAN_SPACING_MS = 1000;    // at most one groan this often
const int SOUND_CHANCE_RANGE = 1000;  // chances of a sound are given per thousand
const char MUSIC_FILE[] = "Media/Game/Selvane - Surrounded loop.ogg";

// Set once at start-up
extern Mix_Chunk *effect_chunks[EFFECT_COUNT];  // null: missing, silent or no audio
extern bool audio_open;
extern Mix_Music *music_track;
extern std::string music_bytes;  // the music file, read whole; it plays from here
extern SDL_RWops *music_source;  // reads music_bytes for the mixer

// Reset when a game starts; advanced every game frame
extern int next_shot_variant;
extern int hurt_quiet_ms;      // until the next hurt sound may play
extern int groan_quiet_ms;     // until the next groan may come
extern unsigned sound_random;  // the effects' own generator, never rand()

// Per frame
// What was asked to sound this frame: a hit and a zombie's death sound once.
extern int effects_played[EFFECT_COUNT];

int clamp_volume(int volume);
// Opens the device with SDL_mixer's defaults, loads the effects and starts
// the music; without a device the game plays silently, and says so.
void open_audio();
void close_audio();
// After the options changed a volume from `old_volume`: heard at once.
void apply_music_volume(int old_volume);
void apply_effects_volume(int old_volume);
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
// Once per game frame: the hurt and groan spacing run down.
void run_down_sound_spacing(int elapsed_ms);
bool groan_may_come();  // the last groan is a second past
// A groan with `chance` in a thousand, at `volume` (0 to 100).
void sound_groan(int chance, int volume);
