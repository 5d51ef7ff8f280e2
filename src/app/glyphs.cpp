// glyphs.cpp -- the big font's glyphs blitted onto any surface: the menus' text and the players' labels
#include "app/glyphs.h"

#include <cstring>

#include "app/artwork.h"
#include "app/display.h"
#include "app/sprite_tables.h"

int centred_text_start(int x, int length)
{
    return x - (GLYPH_ADVANCE * length) / 2 - CENTRED_TEXT_SHIFT;
}

void draw_glyphs(SDL_Surface *destination, int pen_x, int y, const char *text)
{
    for (int i = 0; text[i]; i++) {
        int code = (unsigned char)text[i];
        if (code >= FIRST_GLYPH_CHAR && code <= LAST_GLYPH_CHAR)
            blit_at((Sint16)(pen_x + GLYPH_ADVANCE * i), (Sint16)y, font_image, destination,
                    &glyph_rects[code - FIRST_GLYPH_CHAR]);
    }
}

void draw_label_on_view(int x, int y, const char *text)
{
    draw_glyphs(view_surface, centred_text_start(x, (int)strlen(text)), y, text);
}
