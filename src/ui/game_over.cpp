// game_over.cpp -- the summary when the horde wins: kills, time survived and the map's bests
#include "ui/game_over.h"

#include <cstdio>
#include <cstring>

#include "app/display.h"
#include "app/sound.h"
#include "game/waves.h"
#include "game/world.h"
#include "maps/replay_file.h"
#include "maps/replay_tape.h"
#include "ui/buttons.h"
#include "ui/editor.h"
#include "ui/menus.h"
#include "ui/notice.h"
#include "ui/replay_view.h"
#include "ui/screens.h"
#include "ui/text.h"

SDL_Surface *game_over_picture = nullptr;
int game_over_kills = 0;
int game_over_seconds = 0;
int game_over_wave = 0;
MapRecord game_over_before;
bool game_over_replay_saved = false;
bool game_over_watched_from_list = false;

const int SECONDS_PER_MINUTE = 60, SECONDS_PER_HOUR = 3600;

// "0:20", "12:05", "1:02:03".
void format_duration(char *text, int size, int seconds)
{
    int hours = seconds / SECONDS_PER_HOUR;
    int minutes = seconds / SECONDS_PER_MINUTE % SECONDS_PER_MINUTE;
    if (hours > 0)
        snprintf(text, (size_t)size, "%d:%02d:%02d", hours, minutes, seconds % SECONDS_PER_MINUTE);
    else
        snprintf(text, (size_t)size, "%d:%02d", minutes, seconds % SECONDS_PER_MINUTE);
}

// The display as the last frame left it, under a half-transparent black.
static void keep_last_scene()
{
    SDL_FreeSurface(game_over_picture);
    game_over_picture = display_surface
                            ? create_display_like_surface(display_surface->w, display_surface->h)
                            : nullptr;
    if (!game_over_picture)
        return;
    SDL_BlitSurface(display_surface, nullptr, game_over_picture, nullptr);
    SDL_Surface *shade = create_display_like_surface(display_surface->w, display_surface->h);
    if (!shade)
        return;
    SDL_FillRect(shade, nullptr, SDL_MapRGB(shade->format, 0, 0, 0));
    SDL_SetAlpha(shade, SDL_SRCALPHA, GAME_OVER_DIM_ALPHA);
    SDL_BlitSurface(shade, nullptr, game_over_picture, nullptr);
    SDL_FreeSurface(shade);
}

// A loaded game does not know its map, so it enters no record.
void finish_game()
{
    if (playing_replay && !replay_shows_summary()) {
        if (replay_origin == REPLAY_FROM_COMMAND)
            printf("The replay ended: %d zombies killed in %d s.\n", kill_count,
                   (int)(game_time_ms / MS_PER_SECOND));
        stop_replay();
        return;
    }
    sound_player_death();
    keep_last_scene();
    game_over_kills = kill_count;
    game_over_seconds = game_time_ms / MS_PER_SECOND;
    game_over_wave = game_mode == MODE_WAVES ? wave_number : 0;
    memset(&game_over_before, 0, sizeof game_over_before);
    if (game_map_name[0] && playing_replay) {  // a replay shows the bests and enters nothing
        read_records();
        const MapRecord *best = find_record(game_map_name, game_mode, player_count);
        if (best)
            game_over_before = *best;
    } else if (game_map_name[0]) {
        read_records();
        enter_game_record(game_map_name, game_mode, player_count, game_over_kills,
                          game_over_seconds, game_over_wave, game_over_before);
        int error = write_records();
        if (error)
            report_failure("Could not save the records: %s", strerror(error));
    }
    end_game();
    game_over_watched_from_list = playing_replay && replay_origin == REPLAY_FROM_LIST;
    if (!playing_replay)
        game_over_replay_saved = false;  // a new game's; watching one kept changes nothing
    recording_game = false;
    end_playback();
    screen_number = SCREEN_GAME_OVER;
}

// Once saved, the button goes: a second press would only write a copy.
static void save_replay_with_notice()
{
    std::string path;
    int error = save_replay(recorded_tape, game_over_kills, path);
    if (error) {
        report_failure("Could not save the replay: %s", strerror(error));
        return;
    }
    report_saved("Saved %s", path.c_str());
    game_over_replay_saved = true;
}

static void draw_summary_line(int line, const char *text)
{
    draw_text(TITLE_X, SUMMARY_FIRST_LINE_Y + SUMMARY_LINE_GAP * line, text, TEXT_CENTER);
}

// Games of several players keep bests of their own: "Best on Town, 2 players".
static void draw_bests(int line)
{
    char text[RECORD_NAME_SIZE + 64], time_text[DURATION_TEXT_SIZE], players[32] = "";
    if (player_count > 1)
        snprintf(players, sizeof players, ", %d players", player_count);
    if (game_mode == MODE_WAVES) {
        bool further = game_over_wave > game_over_before.wave;
        int best_wave = further ? game_over_wave : game_over_before.wave;
        snprintf(text, sizeof text, "Best wave on %.24s%s: %d%s", game_map_name, players, best_wave,
                 further ? " (new best!)" : "");
    } else {
        bool more_kills = game_over_kills > game_over_before.kills;
        int best_kills = more_kills ? game_over_kills : game_over_before.kills;
        snprintf(text, sizeof text, "Best on %.30s%s: %d%s", game_map_name, players, best_kills,
                 more_kills ? " (new best!)" : "");
    }
    draw_summary_line(line, text);
    bool longer = game_over_seconds > game_over_before.seconds;
    format_duration(time_text, sizeof time_text,
                    longer ? game_over_seconds : game_over_before.seconds);
    snprintf(text, sizeof text, "Longest: %s%s", time_text, longer ? " (new best!)" : "");
    draw_summary_line(line + 1, text);
}

void game_over_screen()
{
    blit_at(0, 0, game_over_picture, display_surface, nullptr);
    char text[64], time_text[DURATION_TEXT_SIZE];
    if (game_mode == MODE_WAVES)
        snprintf(text, sizeof text, "You were overrun in wave %d", game_over_wave);
    else
        snprintf(text, sizeof text, "You were overrun");
    draw_text(TITLE_X, SUMMARY_TITLE_Y, text, TEXT_CENTER);
    snprintf(text, sizeof text, "Zombies killed: %d", game_over_kills);
    draw_summary_line(0, text);
    format_duration(time_text, sizeof time_text, game_over_seconds);
    snprintf(text, sizeof text, "Survived: %s", time_text);
    draw_summary_line(1, text);
    if (game_map_name[0])
        draw_bests(2);
    // A play-test started in the editor goes back there, a replay picked
    // from the list back to the list.
    const char *back = playtest_active               ? "Editor"
                       : game_over_watched_from_list ? "Replays"
                                                     : "Main menu";
    if (draw_button(MAIN_MENU_BUTTON_X, MAIN_MENU_BUTTON_Y, MAIN_MENU_BUTTON_W, MAIN_MENU_BUTTON_H,
                    back)) {
        if (playtest_active)
            return_to_editor();
        else
            screen_number = game_over_watched_from_list ? SCREEN_REPLAYS : SCREEN_MAIN_MENU;
    }
    if (recorded_tape.frames > 0 &&
        draw_button(WATCH_REPLAY_BUTTON_X, MAIN_MENU_BUTTON_Y, WATCH_REPLAY_BUTTON_W,
                    MAIN_MENU_BUTTON_H, "Watch replay"))
        watch_replay(recorded_tape,
                     game_over_watched_from_list ? REPLAY_FROM_LIST : REPLAY_OF_LAST_GAME);
    if (recorded_tape.frames > 0 && !game_over_replay_saved &&
        draw_button(SAVE_REPLAY_BUTTON_X, MAIN_MENU_BUTTON_Y, WATCH_REPLAY_BUTTON_W,
                    MAIN_MENU_BUTTON_H, "Save replay"))
        save_replay_with_notice();
    // A loaded game does not know its map: it cannot be played again. Nor
    // is another's game from the list the player's own to play again.
    if (game_map_name[0] && !game_over_watched_from_list &&
        draw_button(MAIN_MENU_BUTTON_X, PLAY_AGAIN_BUTTON_Y, MAIN_MENU_BUTTON_W, MAIN_MENU_BUTTON_H,
                    "Play again"))
        screen_number = SCREEN_START_GAME;
}
