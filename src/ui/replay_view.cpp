// replay_view.cpp -- watching a recorded game: its time at the top, pause, speed, and the way out
#include "ui/replay_view.h"

#include <cstdio>

#include "app/input.h"
#include "game/game_clock.h"
#include "game/sprites.h"
#include "game/view.h"
#include "game/world.h"
#include "maps/replay_tape.h"
#include "ui/attract.h"
#include "ui/buttons.h"
#include "ui/game_over.h"
#include "ui/game_screen.h"
#include "ui/hud.h"
#include "ui/menus.h"
#include "ui/notice.h"
#include "ui/screens.h"
#include "ui/text.h"

bool replay_paused = false;
int replay_speed = 1;
int replay_origin = REPLAY_OF_LAST_GAME;

bool watch_replay(const ReplayTape &tape, int origin)
{
    if (tape.frames == 0 || !begin_playback(tape))
        return false;
    replay_paused = false;
    replay_speed = 1;
    replay_origin = origin;
    screen_number = SCREEN_GAME;
    return true;
}

bool watch_last_game()
{
    return watch_replay(recorded_tape, REPLAY_OF_LAST_GAME);
}

bool replay_shows_summary()
{
    return replay_origin == REPLAY_OF_LAST_GAME || replay_origin == REPLAY_FROM_LIST;
}

void stop_replay()
{
    end_playback();
    replay_paused = false;
    end_game();
    if (replay_origin == REPLAY_FROM_LIST)
        screen_number = SCREEN_REPLAYS;
    else
        screen_number = SCREEN_MAIN_MENU;
    if (replay_origin == REPLAY_FROM_COMMAND)
        quit_requested = true;
}

// The keys are the player's own: the tape's input is written only while a
// game frame runs.
static void replay_keys()
{
    if (key_state[SDLK_SPACE] == KEY_PRESSED)
        replay_paused = !replay_paused;
    const struct {
        int key, speed;
    } speeds[] = {{SDLK_1, 1}, {SDLK_2, 2}, {SDLK_4, REPLAY_FASTEST}};
    for (const auto &s : speeds)
        if (key_state[s.key] == KEY_PRESSED || key_state[SDLK_KP1 + s.speed - 1] == KEY_PRESSED)
            replay_speed = s.speed;
}

static void draw_replay_line()
{
    char elapsed[DURATION_TEXT_SIZE], total[DURATION_TEXT_SIZE], line[96];
    format_duration(elapsed, sizeof elapsed, (int)(tape_elapsed_ms / MS_PER_SECOND));
    format_duration(total, sizeof total, (int)(tape_total_ms / MS_PER_SECOND));
    if (replay_paused)
        snprintf(line, sizeof line, "Replay %s / %s, paused", elapsed, total);
    else if (replay_speed > 1)
        snprintf(line, sizeof line, "Replay %s / %s, x%d", elapsed, total, replay_speed);
    else
        snprintf(line, sizeof line, "Replay %s / %s", elapsed, total);
    draw_text(TITLE_X, REPLAY_LINE_Y, line, TEXT_CENTER);
}

// Paused, the last picture is drawn again as the pause menu draws it. A
// tape that ends before its game does goes back to the main menu; one that
// ends with the game shows its summary.
void watch_replay_frame()
{
    bool attract = replay_origin == REPLAY_ATTRACT;
    if (attract && attract_interrupted()) {
        stop_replay();
        return;
    }
    if (!attract)
        replay_keys();
    if (replay_paused) {
        draw_zombies();
        draw_players();
        draw_wall_overlays();
        composite_game_view();
        draw_hud();
    }
    for (int step = 0; !replay_paused && step < replay_speed; step++) {
        hold_real_input();
        float speed_factor;
        int played = play_input(speed_factor);
        if (played == TAPE_FRAME)
            run_game_step(speed_factor, true);
        give_back_real_input();
        if (played == TAPE_DIFFERS)
            report_failure("%s", REPLAY_DIFFERS_TEXT);
        if (played != TAPE_FRAME) {
            stop_replay();
            return;
        }
        if (screen_number != SCREEN_GAME)
            return;  // the game ended: its summary follows
    }
    if (attract) {
        draw_text(TITLE_X, REPLAY_LINE_Y, ATTRACT_TEXT, TEXT_CENTER);
        return;
    }
    draw_replay_line();
    if (draw_corner_button("Back") || clicked(back_pressed()))
        stop_replay();
}
