// text.cpp -- text in the big font on the display, and areas of the menu background
#include "ui/text.h"

#include <cstring>

#include "app/artwork.h"
#include "app/display.h"

// Any alignment other than left or centre starts at the screen's left edge.
void draw_text(int x, int y, const char *text, int align)
{
    int length = (int)strlen(text);
    int pen_x = 0;
    if (align == TEXT_LEFT)
        pen_x = x;
    else if (align == TEXT_CENTER)
        pen_x = centred_text_start(x, length);
    draw_glyphs(display_surface, pen_x, y, text);
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
