// game_screen.cpp -- the game's screen: one step of the world, its picture and the heads-up display
#include "ui/game_screen.h"

#include "app/frame_clock.h"
#include "app/key_bindings.h"
#include "app/pads.h"
#include "game/camera.h"
#include "game/controls.h"
#include "game/game_clock.h"
#include "game/gauges.h"
#include "game/players.h"
#include "game/shots.h"
#include "game/sprites.h"
#include "game/view.h"
#include "game/world.h"
#include "game/zombies.h"
#include "maps/map_file.h"
#include "maps/replay_tape.h"
#include "ui/buttons.h"
#include "ui/game_over.h"
#include "ui/hud.h"
#include "ui/notice.h"
#include "ui/replay_view.h"
#include "ui/screens.h"

// The check uses health after this frame's clamp: the frame in which it
// reaches 0 still moves, fires and draws. A replay has no "Pause" of its own
// and does not pause where its game paused: the pause changed nothing.
static void pause_or_game_over(bool watched)
{
    if (player_health[0] != 0.0f) {
        if (watched)
            return;
        if (draw_corner_button("Pause") || any_pad_pressed(PAD_START) ||
            action_pressed(ACTION_PAUSE)) {
            screen_number = SCREEN_GAME_MENU;
            if (player_count > 1)
                reopen_pads_keeping_players();  // a pause finds a pad plugged in to drop in
        }
    } else {
        finish_game();  // the summary shows over the last picture, composited at scale 0
    }
}

void run_game_step(float speed_factor, bool watched)
{
    set_frame_scale(speed_factor);
    count_game_time(frame_ms);  // the summary's clock; pauses do not count
    update_horde_sounds(frame_ms);
    int joined = drop_in_pad();
    if (joined >= 0)
        show_notice("P%d joined", joined + 1);
    update_players(speed_factor);
    update_zombies(speed_factor);
    update_energy();
    update_health();
    update_camera();
    draw_floor();
    fire_weapons();  // tracers on the floor under the people; their splats show next frame
    draw_zombies();
    draw_players();
    draw_wall_overlays();   // over anyone walking beneath them
    composite_game_view();  // health zoom, border darkness, hurt tint
    draw_hud();
    pause_or_game_over(watched);
}

// A game being watched takes its input from its tape; any other game is
// recorded as it is played.
void game_frame(float speed_factor)
{
    if (playing_replay) {
        watch_replay_frame();
        return;
    }
    if (recording_game)
        record_input(speed_factor);
    run_game_step(speed_factor, false);
}
