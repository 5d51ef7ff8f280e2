// attract.cpp -- the title screen's replay: one shipped with the game plays once the menu has idled
#include "ui/attract.h"

#include <cstdio>
#include <string>

#include "app/folders.h"
#include "app/frame_clock.h"
#include "app/input.h"
#include "app/pads.h"
#include "app/settings.h"
#include "maps/replay_file.h"
#include "maps/replay_list.h"
#include "ui/replay_view.h"
#include "ui/screens.h"

int attract_idle_ms = 0;
int attract_next = 0;
bool attract_refused = false;

static bool pads_touched()
{
    for (const Pad &pad : pads)
        if (pad.touched)
            return true;
    return false;
}

void count_attract_idle()
{
    if (screen_opened || keyboard_touched || pads_touched() || !setting_attract) {
        attract_idle_ms = 0;
        return;
    }
    attract_idle_ms += frame_ms;
    if (attract_idle_ms < ATTRACT_IDLE_MS || attract_refused)
        return;
    attract_idle_ms = 0;
    if (!start_attract_replay())
        attract_refused = true;
}

// The shipped folder is listed anew each time, so the turn goes by name.
// A file that cannot be played is told once on stderr: the player did
// nothing, so nothing shows on screen.
bool start_attract_replay()
{
    std::string folder = data_file(ATTRACT_FOLDER);
    scan_replay_folder(folder.c_str());
    std::vector<std::string> names;
    for (const ReplayEntry &entry : replay_entries)
        if (entry.read == REPLAY_READ)
            names.push_back(entry.name);
    if (names.empty())
        return false;
    const std::string &name = names[(size_t)attract_next % names.size()];
    attract_next = (attract_next + 1) % (int)names.size();
    ReplayTape tape;
    ReplaySummary summary;
    int error = 0;
    std::string path = folder + "/" + name;
    int result = load_replay_file(path.c_str(), tape, summary, error);
    if (result == REPLAY_READ && watch_replay(tape, REPLAY_ATTRACT))
        return true;
    if (result == REPLAY_READ)
        result = REPLAY_DAMAGED;
    fprintf(stderr, "rotwalk: %s\n", replay_refusal(path.c_str(), result, error).c_str());
    return false;
}

bool attract_interrupted()
{
    if (!any_press())
        return false;
    swallow_presses();
    return true;
}
