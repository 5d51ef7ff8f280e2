// bench.cpp -- times the game's per-frame hot paths at 16 and 32 bits against an opaque SDL blit
//
// Usage: bench [repetitions] [map file name in data/Maps]
// Runs headless with the dummy video and audio drivers.
#include <SDL.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/artwork.h"
#include "app/backdrop.h"
#include "app/display.h"
#include "app/input.h"
#include "app/sound.h"
#include "app/window_scale.h"
#include "game/darkness.h"
#include "game/paths.h"
#include "game/view.h"
#include "game/world.h"
#include "maps/editor_view.h"
#include "maps/map_file.h"
#include "maps/map_list.h"
#include "maps/map_prepare.h"
#include "ui/editor.h"
#include "ui/game_screen.h"
#include "ui/map_choice.h"
#include "ui/overlay.h"
#include "ui/screens.h"

#include "bench_rows.h"

const int DEFAULT_REPETITIONS = 300;

static double now_us()
{
    using namespace std::chrono;
    return duration<double, std::micro>(steady_clock::now().time_since_epoch()).count();
}

Timing measure(int repetitions, void (*prepare)(), void (*run)())
{
    std::vector<double> samples;
    for (int i = 0; i < repetitions; i++) {
        if (prepare)
            prepare();
        double start = now_us();
        run();
        samples.push_back(now_us() - start);
    }
    std::sort(samples.begin(), samples.end());
    Timing timing = {samples[samples.size() / 2], samples[(samples.size() * 99) / 100]};
    return timing;
}

static std::vector<Uint8> frame_copy(640 * 480 * 4);
static SDL_Surface *opaque_picture = nullptr;

static void run_memcpy()
{
    memcpy(frame_copy.data(), view_surface->pixels, (size_t)view_surface->pitch * 480);
}

static void run_blit()
{
    SDL_BlitSurface(opaque_picture, nullptr, display_surface, nullptr);
}

static void run_composite()
{
    composite_view();
}

static void run_world_view()
{
    draw_world_view();
}

// The editor's whole frame, its controls and all, with the pointer resting
// over the world, no key down and the button up: nothing is painted.
static void prepare_editor_frame()
{
    memset(key_state, 0, sizeof key_state);
    mouse_button_state[SDL_BUTTON_LEFT] = KEY_UP;
    mouse_x[0] = VIEW_CENTER_X;
    mouse_y[0] = VIEW_CENTER_Y;
}

static void run_editor_frame()
{
    editor_screen(1.0f);
}

// The editor opened on the map the game rows loaded, at its entry view.
static void bench_editor_frame(int depth, int repetitions, double blit_us)
{
    prepare_editor_frame();
    enter_editor();
    if (screen_number != SCREEN_EDITOR) {
        fprintf(stderr, "bench: the editor could not open %s\n", map_path);
        return;
    }
    print_row("editor frame", depth, measure(repetitions, prepare_editor_frame, run_editor_frame),
              blit_us);
    screen_number = SCREEN_MAIN_MENU;
}

static void run_blur()
{
    blur_backdrop();
}

// The overlay halfway in: backdrop cross-fade, dashboard and its buttons.
static void prepare_overlay_frame()
{
    overlay_open = true;
    overlay_level = 50.0f;
}

static void run_overlay_frame()
{
    update_overlay_backdrop(1.0f);
    draw_overlay();
    run_overlay_buttons();
}

// The canvas presented in a window of twice and three times its size.
static SDL_Surface *scaled_window = nullptr;
static int present_scale_now = 2;

static void run_present()
{
    scale_canvas(display_surface, scaled_window, present_scale_now, 0, 0);
}

static void bench_presentation(int depth, int repetitions, double blit_us)
{
    const SDL_PixelFormat *f = display_surface->format;
    for (int scale : {2, 3}) {
        scaled_window =
            SDL_CreateRGBSurface(SDL_SWSURFACE, 640 * scale, 480 * scale, f->BitsPerPixel, f->Rmask,
                                 f->Gmask, f->Bmask, f->Amask);
        present_scale_now = scale;
        char name[80];
        snprintf(name, sizeof name, "present the canvas at %dx", scale);
        print_row(name, depth, measure(repetitions, nullptr, run_present), blit_us);
        SDL_FreeSurface(scaled_window);
    }
}

void print_row(const char *name, int depth, Timing timing, double blit_us)
{
    printf("| %-34s | %3d | %9.1f | %9.1f | %6.2f |\n", name, depth, timing.median_us,
           timing.p99_us, timing.median_us / blit_us);
}

// A scratch folder that looks like the game folder: Media/ and Maps/ linked in.
static bool enter_game_folder()
{
    char folder[] = "/tmp/rotwalk_bench_XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0)
        return false;
    return symlink(BENCH_MEDIA_DIR, "Media") == 0 && symlink(BENCH_MAPS_DIR, "Maps") == 0;
}

static void bench_depth(int depth, int repetitions, const char *map_name)
{
    display_surface = SDL_SetVideoMode(640, 480, depth, SDL_SWSURFACE);
    if (!display_surface) {
        fprintf(stderr, "bench: no %d-bit display: %s\n", depth, SDL_GetError());
        return;
    }
    init_overlay();
    load_artwork();
    create_world_surface();
    load_border_darkness();
    open_audio();
    opaque_picture = SDL_DisplayFormat(display_surface);
    SDL_FillRect(opaque_picture, nullptr, SDL_MapRGB(opaque_picture->format, 90, 60, 30));

    int lit = 0;
    for (int r = 0; r < darkness_row_first_run[VIEW_H]; r++)
        lit += darkness_runs[r].lit ? darkness_runs[r].end - darkness_runs[r].start : 0;
    printf("(%d bits: %.1f%% of the view is fully lit by the border darkness, in %d runs)\n", depth,
           100.0 * lit / (VIEW_W * VIEW_H), darkness_row_first_run[VIEW_H]);
    Timing blit = measure(repetitions, nullptr, run_blit);
    print_row("opaque full-screen SDL blit", depth, blit, blit.median_us);
    print_row("memcpy of one frame", depth, measure(repetitions, nullptr, run_memcpy),
              blit.median_us);
    bench_presentation(depth, repetitions, blit.median_us);
    bench_game_rows(depth, repetitions, map_name, blit.median_us);

    for (float health : {100.0f, 50.0f, 0.0f})
        for (int flash : {0, 100}) {
            view_scale = health / 100;
            hurt_flash = flash;
            char name[80];
            snprintf(name, sizeof name, "composite_view health %d flash %d", (int)health, flash);
            print_row(name, depth, measure(repetitions, nullptr, run_composite), blit.median_us);
        }
    // The editor's view of the whole world, centred as on entry.
    for (float scale : {4.0f, 3.8f, 1.37f, 1.0f, 0.26f, 0.25f}) {
        camera_x = 2180.0f;
        camera_y = 2260.0f;
        view_scale = scale;
        char name[80];
        snprintf(name, sizeof name, "editor world view scale %g", scale);
        print_row(name, depth, measure(repetitions, nullptr, run_world_view), blit.median_us);
    }
    bench_editor_frame(depth, repetitions, blit.median_us);
    print_row("overlay blur (once per opening)", depth, measure(repetitions, nullptr, run_blur),
              blit.median_us);
    print_row("overlay frame at level 50", depth,
              measure(repetitions, prepare_overlay_frame, run_overlay_frame), blit.median_us);
    overlay_open = false;
    overlay_level = 0.0f;
    SDL_FreeSurface(opaque_picture);
    close_audio();
    release_artwork();
    free_world_surface();
}

int main(int argc, char *argv[])
{
    int repetitions = argc > 1 ? atoi(argv[1]) : DEFAULT_REPETITIONS;
    if (repetitions < 1)
        repetitions = DEFAULT_REPETITIONS;
    const char *map_name = argc > 2 ? argv[2] : nullptr;
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (!enter_game_folder()) {
        fprintf(stderr, "bench: cannot prepare a scratch game folder\n");
        return 1;
    }
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        fprintf(stderr, "bench: SDL_Init failed: %s\n", SDL_GetError());
        return 1;
    }
    scan_map_folder();
    printf("%d repetitions per row; times in microseconds; ratio = median / blit median\n\n",
           repetitions);
    printf("| %-34s | bpp | median us | p99 us    | ratio  |\n", "row");
    printf("|%s|-----|-----------|-----------|--------|\n", std::string(36, '-').c_str());
    for (int depth : {16, 32})
        bench_depth(depth, repetitions, map_name);
    SDL_Quit();
    return 0;
}
