// display.cpp -- opening SDL and the window, drawing the software pointer
#include "app/display.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/artwork.h"
#include "app/folders.h"
#include "app/input.h"
#include "app/platform.h"
#include "app/settings.h"
#include "app/window_scale.h"

float display_width = 0.0f;
float display_height = 0.0f;
int color_depth = 0;
int desktop_w = 0, desktop_h = 0;
SDL_Surface *display_surface = nullptr;
SDL_Surface *window_surface = nullptr;
int window_scale = 1;
int canvas_left = 0, canvas_top = 0;
bool window_fullscreen = false;
bool pointer_shown_before = false;

// Drawing on a null surface would crash on the first frame, so a program
// that cannot get a window says why and stops.
static void fail_start(const char *what)
{
    fprintf(stderr, "rotwalk: %s failed: %s\n", what, SDL_GetError());
    exit(1);
}

// SDL refuses a depth it has no pixel format for and the window would never
// open: any other value asks for the desktop's depth instead.
static bool is_color_depth(int bits)
{
    for (int valid : COLOR_DEPTHS)
        if (bits == valid)
            return true;
    return false;
}

// An unknown depth becomes 0, told on stderr.
static void check_color_depth()
{
    if (is_color_depth(color_depth))
        return;
    fprintf(stderr,
            "rotwalk: screenbpp = %d is no colour depth (8, 15, 16, 24 or 32); "
            "using the desktop's\n",
            color_depth);
    color_depth = 0;
}

bool sdl_is_compat()
{
    const SDL_version *v = SDL_Linked_Version();
    return v->major == 1 && v->minor == 2 && v->patch >= COMPAT_FIRST_PATCH;
}

static bool is_set(const char *variable)
{
    return variable && variable[0];
}

std::string no_display_reason(bool compat, const char *wayland_display, const char *x_display,
                              const char *error)
{
    char reason[2 * VIDEO_ERROR_SIZE];
    if (!compat && !is_set(x_display))
        snprintf(reason, sizeof reason, "DISPLAY is not set");
    else if (!compat)
        snprintf(reason, sizeof reason, "cannot open the X display %s (%s)", x_display, error);
    else if (!is_set(wayland_display) && !is_set(x_display))
        snprintf(reason, sizeof reason,
                 "neither a Wayland nor an X11 display could be opened "
                 "(WAYLAND_DISPLAY and DISPLAY are not set)");
    else
        snprintf(reason, sizeof reason,
                 "neither a Wayland nor an X11 display could be opened "
                 "(WAYLAND_DISPLAY %s, DISPLAY %s: %s)",
                 is_set(wayland_display) ? wayland_display : "not set",
                 is_set(x_display) ? x_display : "not set", error);
    return reason;
}

#ifdef _WIN32
// Windows has one picture driver that every version shows: GDI's windib.
void open_video_driver()
{
    if (getenv(VIDEO_DRIVER_VARIABLE))
        return;
    _putenv_s(VIDEO_DRIVER_VARIABLE, WINDOWS_VIDEO_DRIVER);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)
        return;
    tell_fatal(std::string("no display: no window could be opened (") + SDL_GetError() + ")");
    exit(1);
}
#else
// SDL2 names its own drivers; it ends on one that shows nothing when no
// real one opens, which is no display for a player.
static bool open_sdl2_driver(char *error, int size)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        snprintf(error, (size_t)size, "%s", SDL_GetError());
        return false;
    }
    char name[32] = "";
    SDL_VideoDriverName(name, sizeof name);
    for (const char *fallback : SDL2_FALLBACK_DRIVERS)
        if (strcmp(name, fallback) == 0) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            snprintf(error, (size_t)size, "SDL2 offered only its %s driver", name);
            return false;
        }
    return true;
}

// Left to itself, classic SDL falls back from a missing X display to drawing
// with text characters in the terminal, so only its picture drivers are tried.
static bool open_classic_driver(char *error, int size)
{
    for (const char *driver : PICTURE_VIDEO_DRIVERS) {
        setenv(VIDEO_DRIVER_VARIABLE, driver, 1);
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)
            return true;
        if (!error[0])  // the X display's own reason
            snprintf(error, (size_t)size, "%s", SDL_GetError());
    }
    return false;
}

void open_video_driver()
{
    if (getenv(VIDEO_DRIVER_VARIABLE))
        return;
    char error[VIDEO_ERROR_SIZE] = "";
    bool compat = sdl_is_compat();
    if (compat ? open_sdl2_driver(error, sizeof error) : open_classic_driver(error, sizeof error))
        return;
    fprintf(stderr, "rotwalk: no display: %s\n",
            no_display_reason(compat, getenv("WAYLAND_DISPLAY"), getenv("DISPLAY"), error).c_str());
    exit(1);
}
#endif

// The window's icon must be set before the window opens.
static void set_window_icon()
{
    SDL_Surface *icon = load_data_image(ICON_FILE);
    if (!icon)
        return;
    SDL_WM_SetIcon(icon, nullptr);
    SDL_FreeSurface(icon);
}

// Full screen takes the desktop's own mode, so the picture is a sharp
// multiple centred on black instead of a stretched 640 by 480 mode.
static SDL_Surface *set_mode(bool fullscreen, int depth, int &scale)
{
    if (fullscreen) {
        scale = choose_window_scale(desktop_w, desktop_h, SCALE_FIT, true);
        int w = desktop_w >= CANVAS_W ? desktop_w : CANVAS_W;
        int h = desktop_h >= CANVAS_H ? desktop_h : CANVAS_H;
        return SDL_SetVideoMode(w, h, depth, SDL_FULLSCREEN);
    }
    scale = choose_window_scale(desktop_w, desktop_h, setting_scale, false);
    return SDL_SetVideoMode(CANVAS_W * scale, CANVAS_H * scale, depth, SDL_DOUBLEBUF);
}

// The canvas lives in the window's own surface only in a window of exactly
// its size, so no frame is ever copied there.
static SDL_Surface *canvas_for(SDL_Surface *window)
{
    if (window->w == CANVAS_W && window->h == CANVAS_H)
        return window;
    const SDL_PixelFormat *f = window->format;
    SDL_FillRect(window, nullptr, 0);  // the black around a centred picture
    return SDL_CreateRGBSurface(SDL_SWSURFACE, CANVAS_W, CANVAS_H, f->BitsPerPixel, f->Rmask,
                                f->Gmask, f->Bmask, f->Amask);
}

// What the canvas shows is carried over: behind an open overlay the frozen
// frame is drawn only once.
bool open_window(bool fullscreen, int depth)
{
    SDL_Surface *kept = nullptr;
    if (display_surface && window_surface)
        kept = SDL_ConvertSurface(display_surface, display_surface->format, SDL_SWSURFACE);
    int scale = 1;
    SDL_Surface *window = set_mode(fullscreen, depth, scale);
    if (!window) {
        SDL_FreeSurface(kept);
        return false;
    }
    if (display_surface && display_surface != window_surface)
        SDL_FreeSurface(display_surface);  // a canvas of its own; SDL freed the old window
    window_surface = window;
    window_scale = scale;
    canvas_left = (window->w - CANVAS_W * scale) / 2;
    canvas_top = (window->h - CANVAS_H * scale) / 2;
    display_surface = canvas_for(window);
    if (kept) {
        SDL_BlitSurface(kept, nullptr, display_surface, nullptr);
        SDL_FreeSurface(kept);
    }
    window_fullscreen = fullscreen;
    return true;
}

// Where the platform refuses full screen the window stays as it was.
void toggle_fullscreen()
{
    int depth = display_surface ? display_surface->format->BitsPerPixel : 0;
    if (!open_window(!window_fullscreen, depth) && !open_window(window_fullscreen, depth))
        return;
}

void present_frame()
{
    if (!window_surface) {
        if (display_surface)
            SDL_Flip(display_surface);
        return;
    }
    if (display_surface && display_surface != window_surface) {
        if (window_scale == 1) {
            SDL_Rect where = {(Sint16)canvas_left, (Sint16)canvas_top, 0, 0};
            SDL_BlitSurface(display_surface, nullptr, window_surface, &where);
        } else {
            scale_canvas(display_surface, window_surface, window_scale, canvas_left, canvas_top);
        }
    }
    SDL_Flip(window_surface);
}

static void init_video()
{
    check_color_depth();
    open_video_driver();
    // Audio, joystick or CD-ROM may be missing on a machine; only video is required.
    SDL_Init(SDL_INIT_EVERYTHING);
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_Init(SDL_INIT_VIDEO) < 0)
        fail_start("SDL_Init");

    set_window_icon();
    // Read before the first mode is set: afterwards SDL reports the window.
    const SDL_VideoInfo *desktop = SDL_GetVideoInfo();
    desktop_w = desktop ? desktop->current_w : 0;
    desktop_h = desktop ? desktop->current_h : 0;
    display_surface = window_surface = nullptr;  // nothing survives a new start of SDL
    bool opened = setting_fullscreen && open_window(true, color_depth);
    if (setting_fullscreen && !opened)
        fprintf(stderr, "rotwalk: full screen unavailable (%s), opening a window\n",
                SDL_GetError());
    if (!opened && !open_window(false, color_depth))
        fail_start("SDL_SetVideoMode");
    SDL_WM_SetCaption(WINDOW_CAPTION, nullptr);
}

void init_display()
{
    init_video();
    display_width = (float)display_surface->w;
    display_height = (float)display_surface->h;
    color_depth = display_surface->format->BitsPerPixel;
    SDL_ShowCursor(setting_show_cursor ? SDL_ENABLE : SDL_DISABLE);
}

void close_display()
{
    SDL_Quit();
    display_surface = window_surface = nullptr;  // gone with SDL
}

// Never on the first frame, and only while the mouse is over the window or
// a pad moves the pointer in a menu: a player on the couch has the mouse
// anywhere.
void draw_pointer()
{
    bool mouse_focus = (SDL_GetAppState() & SDL_APPMOUSEFOCUS) != 0;
    bool pad_moved = pad_pointer.in_use && pads_drive_pointer;
    SDL_Rect sprite = POINTER_RECT;
    if (pointer_shown_before && (mouse_focus || pad_moved))
        blit_at((Sint16)(mouse_x[0] - POINTER_HOTSPOT_X), (Sint16)(mouse_y[0] - POINTER_HOTSPOT_Y),
                dashboard_image, display_surface, &sprite);
    pointer_shown_before = true;
}

// An absent surface draws nothing, so missing artwork never stops the game.
void blit_at(Sint16 x, Sint16 y, SDL_Surface *source, SDL_Surface *destination,
             SDL_Rect *source_rect)
{
    if (!source || !destination)
        return;
    SDL_Rect where = {x, y, 0, 0};
    SDL_UpperBlit(source, source_rect, destination, &where);
}

SDL_Rect make_rect(int x, int y, int w, int h)
{
    SDL_Rect rect = {(Sint16)x, (Sint16)y, (Uint16)w, (Uint16)h};
    return rect;
}

// An off-screen surface in the display's depth and masks, in system memory,
// where the game reads and writes its pixels directly.
SDL_Surface *create_display_like_surface(int width, int height)
{
    const SDL_PixelFormat *format = display_surface->format;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, format->BitsPerPixel, format->Rmask,
                                format->Gmask, format->Bmask, format->Amask);
}
