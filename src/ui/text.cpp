// text.cpp -- text in the big font on the display, and areas of the menu background
#include "ui/text.h"

#include <cstring>

#include "app/artwork.h"
#include "app/display.h"
#include "app/pixels.h"

// Any alignment other than left or centre starts at the screen's left edge.
void draw_text(int x, int y, const char *text, int align)
{
    int length = (int)strlen(text);
    int pen_x = 0;
    if (align == TEXT_LEFT)
        pen_x = x;
    else if (align == TEXT_CENTER)
        pen_x = centred_text_start(x, length);
    else if (align == TEXT_RIGHT)
        pen_x = x - GLYPH_ADVANCE * length - (GLYPH_W - GLYPH_ADVANCE);
    draw_glyphs(display_surface, pen_x, y, text);
}

// The text drawn once at its own size on a keyed surface, then doubled
// pixel by pixel and blitted keyed, so the background shows between glyphs.
void draw_large_text_centred(int cx, int y, const char *text)
{
    int length = (int)strlen(text);
    if (!display_surface || length == 0)
        return;
    int w = GLYPH_ADVANCE * length + (GLYPH_W - GLYPH_ADVANCE), h = GLYPH_H;
    SDL_Surface *small = create_display_like_surface(w, h);
    SDL_Surface *large = create_display_like_surface(w * LARGE_TEXT_SCALE, h * LARGE_TEXT_SCALE);
    if (small && large) {
        Uint32 key = key_color(small);
        SDL_FillRect(small, nullptr, key);
        draw_glyphs(small, 0, 0, text);
        SDL_LockSurface(small);
        SDL_LockSurface(large);
        for (int v = 0; v < large->h; v++)
            for (int u = 0; u < large->w; u++)
                write_surface_pixel(
                    large, u, v,
                    read_surface_pixel(small, u / LARGE_TEXT_SCALE, v / LARGE_TEXT_SCALE));
        SDL_UnlockSurface(large);
        SDL_UnlockSurface(small);
        SDL_SetColorKey(large, SDL_SRCCOLORKEY, key);
        blit_at((Sint16)(cx - large->w / 2), (Sint16)y, large, display_surface, nullptr);
    }
    SDL_FreeSurface(small);
    SDL_FreeSurface(large);
}

// Copies an area of the plain or bright menu background to the same place
// of the display: every control shows the background through itself.
// A picture in the display's own layout is copied row by row, much faster
// than SDL's blit for the small areas of buttons; any other goes through SDL.
void copy_background_area(bool bright, int x, int y, int w, int h)
{
    if (w <= 0 || h <= 0)
        return;
    SDL_Surface *picture = bright ? background_bright_image : background_image;
    SDL_Rect area = {(Sint16)x, (Sint16)y, (Uint16)w, (Uint16)h};
    if (picture && same_layout(picture->format, display_surface->format) &&
        !(picture->flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA)))
        copy_pixels(picture, area, display_surface, x, y);
    else
        blit_at((Sint16)x, (Sint16)y, picture, display_surface, &area);
}
