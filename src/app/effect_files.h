// effect_files.h -- the sound effects' file names, shared by the game and the media generator that makes them
#pragma once

const int EFFECT_FILE_COUNT = 10;

// Under Media/Sound/, in the order of the game's effects (sound.h).
const char *const EFFECT_FILES[EFFECT_FILE_COUNT] = {
    "shot1.wav", "shot2.wav", "shot3.wav",        "hit.wav",   "zombie_death.wav",
    "groan.wav", "hurt.wav",  "player_death.wav", "click.wav", "saved.wav"};
