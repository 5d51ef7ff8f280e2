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

void text(Picture &dst, const Picture &font, int x, int y, const std::string &s, bool centred)
{
    int pen = centred ? x - 6 * (int)s.size() - 6 : x;
    for (size_t i = 0; i < s.size(); i++) {
        int code = (unsigned char)s[i];
        if (code < FIRST_BIG_CHAR || code > LAST_CHAR)
            continue;
        int entry = code - FIRST_BIG_CHAR;
        int sx = (entry % BIG_COLUMNS) * BIG_CELL_W + 1,
            sy = (entry / BIG_COLUMNS) * BIG_CELL_H + 1;
        for (int v = 0; v < BIG_GLYPH_H; v++)
            for (int u = 0; u < BIG_GLYPH_W; u++) {
                Color c = get(font, sx + u, sy + v);
                if (c.a >= 0.5f)
                    blend(dst, pen + 12 * (int)i + u, y + v, c, 1);
            }
    }
}

void small_text(Picture &dst, const Picture &dash, int x, int y, const std::string &s)
{
    for (size_t i = 0; i < s.size(); i++) {
        int entry = (unsigned char)s[i] - FIRST_SMALL_CHAR;
        if (entry < 0 || entry > LAST_CHAR - FIRST_SMALL_CHAR)
            continue;
        int sx = (entry % SMALL_COLUMNS) * SMALL_CELL, sy = (entry / SMALL_COLUMNS) * SMALL_CELL;
        for (int v = 0; v < SMALL_CELL; v++)
            for (int u = 0; u < SMALL_CELL; u++)
                blend(dst, x - 5 + 10 * (int)i + u, y + v, get(dash, sx + u, sy + v), 1);
    }
}

void button(Picture &dst, const MediaSet &m, int x, int y, int w, int h, const std::string &label,
            bool lit)
{
    fill_rect(dst, x, y, w, h, BLACK);
    copy_into(dst, lit ? m.bright_background : m.background, x + 2, y + 2, w - 4, h - 4, x + 2,
              y + 2);
    text(dst, m.font, x + w / 2, y - 5, label, true);
}

void gauge(Picture &dst, const MediaSet &m, int y, int width, float fraction)
{
    fill_rect(dst, 20, y, width, 20, BLACK);
    copy_into(dst, m.background, 22, y + 2, width - 4, 16, 22, y + 2);
    int filled = (int)(width * fraction) - 4;
    if (filled > 0)
        copy_into(dst, m.bright_background, 22, y + 2, filled, 16, 22, y + 2);
}
