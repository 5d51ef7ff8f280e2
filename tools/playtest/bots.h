// bots.h -- scripted players for the playtest: they press the game's own keys and aim its pointer
#pragma once

enum { BOT_STILL, BOT_TURRET, BOT_KITE, BOT_COUNT };

const char *const BOT_NAMES[BOT_COUNT] = {"still", "turret", "kite"};

// Sets this frame's keys, pointer and left button for player 0 as the bot
// plays: `still` does nothing, `turret` stands and fires at the nearest
// zombie, `kite` walks away from the horde through open ground, towards the
// least crowded spot and round the middle of the world, while firing at the
// nearest; it goes after the wave when nothing is close, stays out of
// buildings unless it stands in one, and sprints only when a zombie is close
// and energy is left.
void play_bot(int bot);
