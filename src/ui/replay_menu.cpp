// replay_menu.cpp -- the saved replays listed like the maps, newest first, and the one picked played
#include "ui/replay_menu.h"

#include <cstdio>
#include <cstring>

#include "maps/replay_file.h"
#include "maps/replay_tape.h"
#include "ui/buttons.h"
#include "ui/game_over.h"
#include "ui/map_choice.h"
#include "ui/menus.h"
#include "ui/notice.h"
#include "ui/replay_view.h"
#include "ui/screens.h"
#include "ui/text.h"

int replay_list_top = 0;

void open_replay_menu()
{
    replay_list_top = 0;
    screen_number = SCREEN_REPLAYS;
}

std::string replay_row_label(const ReplayEntry &entry)
{
    if (entry.read != REPLAY_READ)
        return replay_refusal(entry.name.c_str(), entry.read, 0);
    const ReplaySummary &s = entry.summary;
    char map[GAME_MAP_NAME_SIZE], players[32] = "", length[DURATION_TEXT_SIZE],
                                  row[GAME_MAP_NAME_SIZE + 96];
    snprintf(map, sizeof map, "%s", s.map_name);
    if (strlen(map) > (size_t)MAX_REPLAY_MAP_CHARS)
        snprintf(map + MAX_REPLAY_MAP_CHARS - strlen(CLIP_MARK), strlen(CLIP_MARK) + 1, "%s",
                 CLIP_MARK);
    const char *mode = s.players > 1 ? COOP_MODE_NAMES[s.mode] : MODE_NAMES[s.mode];
    if (s.players > 1)
        snprintf(players, sizeof players, ", %d players", s.players);
    format_duration(length, sizeof length, (int)(s.length_ms / MS_PER_SECOND));
    snprintf(row, sizeof row, "%s: %s%s, %d %s, %s", map, mode, players, s.kills,
             s.kills == 1 ? "kill" : "kills", length);
    return row;
}

void play_listed_replay(const ReplayEntry &entry)
{
    std::string path = std::string(REPLAY_FOLDER) + "/" + entry.name;
    ReplayTape tape;
    ReplaySummary summary;
    int error = 0;
    int result = load_replay_file(path.c_str(), tape, summary, error);
    if (result == REPLAY_READ) {
        recorded_tape = tape;  // the summary's "Watch replay" shows it again
        game_over_replay_saved = true;
        if (watch_replay(recorded_tape, REPLAY_FROM_LIST))
            return;
        result = REPLAY_DAMAGED;
    }
    report_failure("%s", replay_refusal(entry.name.c_str(), result, error).c_str());
}

// The folder is listed anew each time the screen shows, also on coming
// back from a replay, whose page stays.
void replay_menu_screen()
{
    if (screen_opened)
        scan_replay_folder(REPLAY_FOLDER);
    int count = (int)replay_entries.size();
    replay_list_top = scrolled_list_top(replay_list_top, count);
    draw_menu_background();
    draw_title(true);
    draw_text(TITLE_X, MODE_LINE_Y, "Replays", TEXT_CENTER);
    if (count == 0)
        draw_text(MENU_TEXT_X, MENU_LINE_HEIGHT * MENU_FIRST_LINE, NO_REPLAYS_TEXT, TEXT_LEFT);
    MapPage page = map_page(replay_list_top, count);
    if (page.previous && draw_menu_row(PREVIOUS_LABEL))
        replay_list_top = previous_page_top(replay_list_top);
    for (int i = page.first; i < page.first + page.count; i++)
        if (draw_menu_row(replay_row_label(replay_entries[(size_t)i]).c_str()))
            play_listed_replay(replay_entries[(size_t)i]);
    if (page.more && draw_menu_row(MORE_LABEL))
        replay_list_top = clamped_list_top(page.first + page.count, count);
    if (draw_back_button())
        screen_number = SCREEN_MAIN_MENU;
}
