// text.cpp -- the bitmap font, text on the display and the view, background areas
#include "ui/text.h"

#include <cstring>

#include "app/assets.h"
#include "app/display.h"

static int centred_start(int x, int length)
{
    return x - (GLYPH_ADVANCE * length) / 2 - 6;
}

// Characters without a glyph (space, control codes, 127 and up) still
// advance the pen.
static void draw_glyphs(SDL_Surface *destination, int pen_x, int y, const char *text)
{
    for (int i = 0; text[i]; i++) {
        int code = (unsigned char)text[i];
        if (code >= FIRST_GLYPH_CHAR && code <= LAST_GLYPH_CHAR)
            blit_at((Sint16)(pen_x + GLYPH_ADVANCE * i), (Sint16)y, font_image, destination,
                    &glyph_rects[code - FIRST_GLYPH_CHAR]);
    }
}

// Any alignment other than left or centre starts at the screen's left edge.
void draw_text(int x, int y, const char *text, int align)
{
    int length = (int)strlen(text);
    int pen_x = 0;
    if (align == TEXT_LEFT)
        pen_x = x;
    else if (align == TEXT_CENTER)
        pen_x = centred_start(x, length);
    draw_glyphs(display_surface, pen_x, y, text);
}

void draw_label_on_view(int x, int y, const char *text)
{
    draw_glyphs(view_surface, centred_start(x, (int)strlen(text)), y, text);
}

// Copies an area of the plain or bright menu background to the same place
// of the display: every control shows the background through itself.
void copy_background_area(bool bright, int x, int y, int w, int h)
{
    if (w <= 0 || h <= 0)
        return;
    SDL_Rect area = {(Sint16)x, (Sint16)y, (Uint16)w, (Uint16)h};
    blit_at((Sint16)x, (Sint16)y, bright ? background_bright_image : background_image,
            display_surface, &area);
}
