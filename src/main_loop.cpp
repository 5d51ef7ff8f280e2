// main_loop.cpp -- start-up, the frame loop and the screen dispatcher
#include "main_loop.h"

#include <SDL.h>
#include <cstdlib>
#include <ctime>

#include "app/artwork.h"
#include "app/backdrop.h"
#include "app/command_line.h"
#include "app/display.h"
#include "app/folders.h"
#include "app/frame_clock.h"
#include "app/input.h"
#include "app/pads.h"
#include "app/random.h"
#include "app/safe_write.h"
#include "app/settings.h"
#include "app/sound.h"
#include "game/darkness.h"
#include "game/world.h"
#include "maps/map_list.h"
#include "maps/replay_file.h"
#include "ui/controls_menu.h"
#include "ui/coop.h"
#include "ui/editor.h"
#include "ui/focus.h"
#include "ui/game_menu.h"
#include "ui/game_over.h"
#include "ui/game_screen.h"
#include "ui/map_choice.h"
#include "ui/menus.h"
#include "ui/notice.h"
#include "ui/options.h"
#include "ui/overlay.h"
#include "ui/replay_menu.h"

// One row per screen number. The game and the editor take the speed factor;
// a row with neither function is a screen not built into this program: the
// frame still paces, draws the pointer and flips.
struct ScreenEntry {
    void (*run)();
    void (*run_timed)(float speed_factor);
};

static const ScreenEntry screen_table[SCREEN_COUNT] = {
    {main_menu_screen, nullptr},           // SCREEN_MAIN_MENU
    {credits_screen, nullptr},             // SCREEN_CREDITS
    {choose_map_to_play_screen, nullptr},  // SCREEN_CHOOSE_MAP_TO_PLAY
    {start_game_screen, nullptr},          // SCREEN_START_GAME
    {nullptr, game_frame},                 // SCREEN_GAME
    {choose_map_to_edit_screen, nullptr},  // SCREEN_CHOOSE_MAP_TO_EDIT
    {enter_editor, nullptr},               // SCREEN_START_EDITOR
    {nullptr, editor_screen},              // SCREEN_EDITOR
    {game_menu_screen, nullptr},           // SCREEN_GAME_MENU
    {game_over_screen, nullptr},           // SCREEN_GAME_OVER
    {coop_screen, nullptr},                // SCREEN_COOP
    {options_screen, nullptr},             // SCREEN_OPTIONS
    {controls_screen, nullptr},            // SCREEN_CONTROLS
    {replay_menu_screen, nullptr},         // SCREEN_REPLAYS
};

void start_up()
{
    load_settings();
    read_pad_settings();
    if (option_fullscreen != FULLSCREEN_FROM_SETTINGS)
        setting_fullscreen = option_fullscreen != 0;  // for this run only
    seed_random((unsigned)time(nullptr));
    init_display();
    init_overlay();
    // Temporaries of saves that a crash or a kill interrupted.
    remove_stale_temporaries(MAP_FOLDER);
    remove_stale_temporaries(SAVE_FOLDER);
    remove_stale_temporaries(REPLAY_FOLDER);
    scan_map_folder();
    load_artwork();
    create_world_surface();
    load_border_darkness();
    open_audio();
    open_pads();
}

// Return went down this frame with either Alt key held.
static bool alt_enter_pressed()
{
    return key_state[SDLK_RETURN] == KEY_PRESSED && (SDL_GetModState() & KMOD_ALT) != 0;
}

// Everything update_input left in the queue is discarded here; only the
// window's quit event (also raised by SIGINT and SIGTERM) matters.
static void drain_events()
{
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_ALLEVENTS) > 0) {
        if (event.type == SDL_QUIT)
            quit_requested = true;
    }
}

// The keyboard walks the menus and the overlay; in play, in the editor and
// on the join screen its keys mean other things, and while the controls
// screen waits for a key, Up, Down, Tab and Return are keys to bind.
static void begin_menu_focus()
{
    bool overlay = overlay_level != 0.0f;
    int s = screen_number;
    bool binding = s == SCREEN_CONTROLS && controls_waiting();
    focus_enabled = overlay || !(s == SCREEN_GAME || s == SCREEN_EDITOR || s == SCREEN_COOP ||
                                 s == SCREEN_START_GAME || s == SCREEN_START_EDITOR || binding);
    begin_focus_frame(overlay ? SCREEN_COUNT + s : s);
}

void run_frame()
{
    SDL_PumpEvents();
    start_frame_sounds();
    // In play the pads walk and aim; over the overlay and elsewhere they point and click.
    pads_drive_pointer = screen_number != SCREEN_GAME || overlay_level != 0.0f;
    update_input();
    begin_menu_focus();
    if (alt_enter_pressed())
        toggle_fullscreen();
    // While the overlay is anything but fully closed the screen stays frozen.
    if (overlay_level == 0.0f)
        run_current_screen();
    pace_frame();
    update_overlay_backdrop(1.0f);
    if (overlay_level != 0.0f) {
        draw_overlay();
        run_overlay_buttons();
    }
    draw_notice();
    draw_pointer();
    present_frame();
    drain_events();
}

// Everything start-up made, so a shut-down leaves nothing behind.
void shut_down()
{
    // A window closed over the options keeps their changes, as "Back" would.
    if (screen_number == SCREEN_OPTIONS || screen_number == SCREEN_CONTROLS)
        save_settings_with_notice();
    close_pads();
    close_audio();
    release_artwork();
    free_world_surface();
    clear_map_names();
    close_display();
}

float compute_speed_factor(float fps)
{
    // The first frame has fps 0: the division gives +inf and the factor 2.
    float factor = (float)(SPEED_REFERENCE_FPS / fps);
    if (factor < MIN_SPEED_FACTOR)
        factor = MIN_SPEED_FACTOR;
    else if (factor > MAX_SPEED_FACTOR)
        factor = MAX_SPEED_FACTOR;
    return factor;
}

void run_current_screen()
{
    float speed_factor = compute_speed_factor(frames_per_second);
    if (screen_number < 0 || screen_number >= SCREEN_COUNT)
        return;
    screen_opened = screen_number != last_screen_number;
    last_screen_number = screen_number;
    const ScreenEntry &entry = screen_table[screen_number];
    if (entry.run)
        entry.run();
    else if (entry.run_timed)
        entry.run_timed(speed_factor);
}
