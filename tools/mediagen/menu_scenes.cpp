// menu_scenes.cpp -- the contact sheet's menu panels: the main menu, and the system overlay over it
#include "menu_scenes.h"

#include <string>

#include "dashboard.h"
#include "sheet_drawing.h"

Picture menu_scene(const MediaSet &m)
{
    Picture p = m.background;
    text(p, m.font, 320, 60, "Rotwalk", true);
    const char *ROWS[] = {"Single Player", "Load Game Save", "Map Editor", "Credits"};
    for (int i = 0; i < 4; i++) {
        int y = 24 * (6 + i);
        if (i == 1)  // the row under the pointer
            copy_into(p, m.bright_background, 0, y, 640, 22, 0, y);
        text(p, m.font, 20, y, ROWS[i], false);
    }
    button(p, m, 500, 400, 100, 20, "Back", true);
    button(p, m, 380, 400, 100, 20, "Save", false);
    gauge(p, m, 320, 450, 0.7f);
    text(p, m.font, 15, 315, "Energy 70", false);
    return p;
}

static void overlay_panel(Picture &dst, const Picture &dash, int x, int y, bool lit)
{
    int s = lit ? 1 : 0;
    auto piece = [&](int i, int j, int dx, int dy, int h) {
        for (int v = 0; v < h; v++)
            for (int u = 0; u < PANEL_PIECE; u++)
                blend(dst, dx + u, dy + v, get(dash, 60 * s + 20 * i + u, PANEL_TOP + 20 * j + v),
                      1);
    };
    piece(0, 0, x - 20, y - 20, 20);
    piece(0, 2, x - 20, y + 15, 20);
    piece(2, 0, x + 300, y - 20, 20);
    piece(2, 2, x + 300, y + 15, 20);
    for (int i = 0; i < 15; i++) {
        piece(1, 2, x + 20 * i, y + 15, 20);
        piece(1, 0, x + 20 * i, y - 20, 20);
    }
    piece(2, 1, x + 300, y, 15);
    piece(0, 1, x - 20, y, 15);
    for (int i = 0; i < 15; i++)
        piece(1, 1, x + 20 * i, y, 15);
}

Picture overlay_scene(const MediaSet &m)
{
    // The frozen screen behind the dashboard: the menu, softened and brightened a little.
    Picture p = menu_scene(m);
    for (Color &c : p.pixels)
        c = {c.r * 0.8f + 0.06f, c.g * 0.8f + 0.05f, c.b * 0.8f + 0.05f, 1};
    const Picture &d = m.dashboard;
    auto bar = [&](int sy, int dy) {
        for (int v = 0; v < BAR_H; v++)
            for (int u = 0; u < DASHBOARD_W; u++)
                blend(p, u, dy + v, get(d, u, sy + v), 1);
    };
    bar(TOP_BAR_Y, 0);
    small_text(p, d, 20, 18, "Rotwalk");
    small_text(p, d, 20, 38, "v1.0");
    small_text(p, d, 620 - 100, 18, "06.12.2026");
    small_text(p, d, 620 - 80, 38, "18:42:07");
    bar(BOTTOM_BAR_Y, 420);
    small_text(p, d, 20, 442, "rotwalk.example.org");
    const char *LABELS[] = {"Resume game", "Exit", "Save screenshot"};
    for (int i = 0; i < 3; i++) {
        int cy = 115 + 50 * i;
        overlay_panel(p, d, 320 - 150, cy - 7, i == 1);
        int n = (int)std::string(LABELS[i]).size();
        small_text(p, d, 320 - n * 5, cy - 10, LABELS[i]);
    }
    for (int v = 0; v < POINTER_H; v++)
        for (int u = 0; u < POINTER_W; u++)
            blend(p, 350 - POINTER_HOT_X + u, 170 - POINTER_HOT_Y + v,
                  get(d, POINTER_X + u, POINTER_Y + v), 1);
    return p;
}
