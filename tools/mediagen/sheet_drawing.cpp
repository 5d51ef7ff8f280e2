// sheet_drawing.cpp -- the game's own drawing steps, redone on pictures for the contact sheet
#include "sheet_drawing.h"

#include "fonts.h"

Picture keyed(const Picture &p)
{
    Picture k = p;
    for (Color &c : k.pixels)
        c.a = c.a < 0.5f ? 0.0f : 1.0f;
    return k;
}

// Any alignment other than left or centre starts at the picture's left edge, as in the game.
static int text_start(int x, int length, int align)
{
    if (align == TEXT_LEFT)
        return x;
    if (align == TEXT_CENTER)
        return x - (GLYPH_ADVANCE * length) / 2 - CENTRED_TEXT_SHIFT;
    return 0;
}

void text(Picture &dst, const Picture &font, int x, int y, const std::string &s, int align)
{
    int pen = text_start(x, (int)s.size(), align);
    for (size_t i = 0; i < s.size(); i++) {
        int code = (unsigned char)s[i];
        if (code < FIRST_GLYPH_CHAR || code > LAST_GLYPH_CHAR)
            continue;
        int entry = code - FIRST_GLYPH_CHAR;
        int sx = glyph_x(entry), sy = glyph_y(entry);
        for (int v = 0; v < GLYPH_H; v++)
            for (int u = 0; u < GLYPH_W; u++) {
                Color c = get(font, sx + u, sy + v);
                if (c.a >= 0.5f)
                    blend(dst, pen + GLYPH_ADVANCE * (int)i + u, y + v, c, 1);
            }
    }
}

void small_text(Picture &dst, const Picture &dash, int x, int y, const std::string &s)
{
    for (size_t i = 0; i < s.size(); i++) {
        int code = (unsigned char)s[i];
        if (code < FIRST_SMALL_GLYPH || code > LAST_SMALL_GLYPH)
            continue;
        int entry = code - FIRST_SMALL_GLYPH;
        int sx = small_glyph_x(entry), sy = small_glyph_y(entry);
        for (int v = 0; v < SMALL_GLYPH_SIZE; v++)
            for (int u = 0; u < SMALL_GLYPH_SIZE; u++)
                blend(dst, x - SMALL_TEXT_SHIFT + SMALL_TEXT_ADVANCE * (int)i + u, y + v,
                      get(dash, sx + u, sy + v), 1);
    }
}

void button(Picture &dst, const MediaSet &m, int x, int y, int w, int h, const std::string &label,
            bool lit)
{
    fill_rect(dst, x, y, w, h, BLACK);
    copy_into(dst, lit ? m.bright_background : m.background, x + FRAME_THICKNESS,
              y + FRAME_THICKNESS, w - 2 * FRAME_THICKNESS, h - 2 * FRAME_THICKNESS,
              x + FRAME_THICKNESS, y + FRAME_THICKNESS);
    text(dst, m.font, x + w / 2, y - BUTTON_LABEL_RISE, label, TEXT_CENTER);
}

void corner_button(Picture &dst, const MediaSet &m, const std::string &label, bool lit)
{
    button(dst, m, CORNER_BUTTON_X, CORNER_BUTTON_Y, CORNER_BUTTON_W, CORNER_BUTTON_H, label, lit);
}

void gauge(Picture &dst, const MediaSet &m, int y, int width, float fraction)
{
    const int inner_x = BAR_LEFT + FRAME_THICKNESS, inner_y = y + FRAME_THICKNESS;
    const int inner_h = BAR_HEIGHT - 2 * FRAME_THICKNESS;
    fill_rect(dst, BAR_LEFT, y, width, BAR_HEIGHT, BLACK);
    copy_into(dst, m.background, inner_x, inner_y, width - 2 * FRAME_THICKNESS, inner_h, inner_x,
              inner_y);
    int filled = (int)(width * fraction) - 2 * FRAME_THICKNESS;
    if (filled > 0)
        copy_into(dst, m.bright_background, inner_x, inner_y, filled, inner_h, inner_x, inner_y);
}
