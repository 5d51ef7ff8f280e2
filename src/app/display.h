// display.h -- the window, the display surface and the software pointer
#pragma once

#include <SDL.h>

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
const char *const PICTURE_VIDEO_DRIVERS[] = {"x11", "dga", "fbcon",
                                             "directfb"};  // never text or dummy
const int VIDEO_ERROR_SIZE = 256;
const char ICON_FILE[] = "Media/icon.png";

// Set once at start-up
extern SDL_Surface *display_surface;  // the video surface: every screen's canvas
extern float display_width;           // requested size, then the surface's own
extern float display_height;
extern int color_depth;  // requested bits per pixel (0: desktop), then actual
extern bool setting_fullscreen;
extern bool setting_show_cursor;  // the system pointer; ours is always drawn

// Per frame
extern bool mouse_focus;           // the pointer is over the window
extern bool pointer_shown_before;  // false only until the first frame's pointer step

void init_display();
void draw_pointer();
void blit_at(Sint16 x, Sint16 y, SDL_Surface *source, SDL_Surface *destination,
             SDL_Rect *source_rect);
SDL_Rect make_rect(int x, int y, int w, int h);
SDL_Surface *create_display_like_surface(int width, int height);
