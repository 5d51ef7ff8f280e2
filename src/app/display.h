// display.h -- SDL's start, the window and the canvas every screen draws on, the software pointer
#pragma once

#include <SDL.h>

#include <string>

const int VIEW_W = 640, VIEW_H = 480;  // the window, every screen and the game view are this size
// The view zooms about the screen centre; the camera centres here
const int VIEW_CENTER_X = VIEW_W / 2;
const int VIEW_CENTER_Y = VIEW_H / 2;
const char WINDOW_CAPTION[] = "www.rotwalk.example";  // the studio's web address
const int POINTER_HOTSPOT_X = 12;                     // hot spot, right of the sprite's corner
const int POINTER_HOTSPOT_Y = 10;                     // hot spot, below the sprite's corner
const SDL_Rect POINTER_RECT = {440, 60, 40, 60};  // the pointer sprite within the dashboard artwork
const int COLOR_DEPTHS[] = {0, 8, 15, 16, 24, 32};  // bits per pixel; 0 is the desktop's
const char VIDEO_DRIVER_VARIABLE[] = "SDL_VIDEODRIVER";
const char WINDOWS_VIDEO_DRIVER[] = "windib";  // GDI: on every Windows and under Wine
const char *const PICTURE_VIDEO_DRIVERS[] = {"x11", "dga", "fbcon",
                                             "directfb"};  // never text or dummy
const int VIDEO_ERROR_SIZE = 256;
const int COMPAT_FIRST_PATCH = 50;  // sdl12-compat, SDL 1.2 over SDL2, says 1.2.50 and on
// SDL2's drivers that show nothing: it falls back to them when no display opens
const char *const SDL2_FALLBACK_DRIVERS[] = {"offscreen", "dummy"};
const char ICON_FILE[] = "Media/icon.png";

// Set once at start-up
extern float display_width;  // requested size, then the surface's own
extern float display_height;
extern int color_depth;           // requested bits per pixel (0: desktop), then actual
extern int desktop_w, desktop_h;  // the screen's size before the window opened; 0 when unknown

// Set when the window opens
extern SDL_Surface *display_surface;  // the 640x480 canvas: every screen draws here
extern SDL_Surface
    *window_surface;      // SDL's video surface; the canvas itself at scale 1 in a window
extern int window_scale;  // canvas pixels are shown as scale by scale blocks
extern int canvas_left,
    canvas_top;                 // where the canvas starts in the window (full screen centres it)
extern bool window_fullscreen;  // the window covers the screen now

// Per frame
extern bool pointer_shown_before;  // false only until the first frame's pointer step

void init_display();
// Whether the SDL 1.2 the game runs on is sdl12-compat rather than the classic one.
bool sdl_is_compat();
// Unless the player named a driver, starts SDL's video on one that shows a
// picture: classic SDL tries X11 and its other picture drivers in turn,
// sdl12-compat lets SDL2 choose (Wayland, X11, KMS/DRM) but not its
// offscreen or dummy fallback. Without one it says why and exits with 1.
void open_video_driver();
// What the player reads when no display opened: what was tried and why.
std::string no_display_reason(bool compat, const char *wayland_display, const char *x_display,
                              const char *error);
// Opens the window, or changes it between full screen and a window: at
// scale 1 in a window the canvas is the window's own surface, otherwise a
// surface of its own in the window's format. What the canvas showed is
// kept. Returns false when SDL refused the mode.
bool open_window(bool fullscreen, int depth);
// Alt+Enter: full screen for this run, or back to the window.
void toggle_fullscreen();
// Shows the finished frame: the canvas scaled into the window when they
// differ, then the flip.
void present_frame();
void close_display();  // SDL stops; nothing of the window is kept
void draw_pointer();
void blit_at(Sint16 x, Sint16 y, SDL_Surface *source, SDL_Surface *destination,
             SDL_Rect *source_rect);
SDL_Rect make_rect(int x, int y, int w, int h);
SDL_Surface *create_display_like_surface(int width, int height);
