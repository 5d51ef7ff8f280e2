// bots.h -- scripted players for the playtest: they press the game's own keys and aim its pointer
#pragma once

enum { BOT_STILL, BOT_TURRET, BOT_KITE, BOT_COUNT };

const char *const BOT_NAMES[BOT_COUNT] = {"still", "turret", "kite"};

// Sets this frame's keys, pointer and left button for player 0 as the bot
// plays: `still` does nothing, `turret` stands and fires at the nearest
// zombie, `kite` walks away from the horde through open ground while firing
// at the nearest, and sprints only when one is close.
void play_bot(int bot);
