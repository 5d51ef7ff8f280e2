// contact_sheet.cpp -- the contact sheet's layout: every panel and asset in captioned rows
#include "contact_sheet.h"

#include <algorithm>
#include <string>

#include "effects.h"
#include "game_scene.h"
#include "map_panels.h"
#include "menu_scenes.h"
#include "sheet_drawing.h"
#include "sound_strips.h"

const int GAP = 16;
const int CAPTION_H = 30;
const int SHEET_W = 2440;
const Color GREY = {0.5f, 0.5f, 0.5f, 1};

// The sheet is laid out twice: once to measure its height, then to draw.
struct Layout {
    Picture sheet;
    bool measuring;
    int x, y, row_h;
};

static void place(Layout &l, const MediaSet &m, const Picture &p, const std::string &caption,
                  int scale, Color backdrop)
{
    int w = p.w * scale, h = p.h * scale;
    int slot = std::max(w, GLYPH_ADVANCE * (int)caption.size());
    if (l.x + slot > SHEET_W - GAP && l.x > GAP) {
        l.y += l.row_h + GAP;
        l.x = GAP;
        l.row_h = 0;
    }
    if (!l.measuring) {
        text(l.sheet, m.font, l.x, l.y + 2, caption, TEXT_LEFT);
        fill_rect(l.sheet, l.x, l.y + CAPTION_H, w, h, backdrop);
        draw_over(l.sheet, p, l.x, l.y + CAPTION_H, scale);
    }
    l.x += slot + GAP;
    l.row_h = std::max(l.row_h, CAPTION_H + h);
}

static void new_row(Layout &l)
{
    l.y += l.row_h + GAP;
    l.x = GAP;
    l.row_h = 0;
}

// Shows a transparent asset at 1:1 and 2:1, on grey and on black.
static void place_four(Layout &l, const MediaSet &m, const Picture &p, const std::string &name)
{
    place(l, m, p, name + " 1:1 grey", 1, GREY);
    place(l, m, p, name + " 1:1 black", 1, BLACK);
    place(l, m, p, name + " 2:1 grey", 2, GREY);
    place(l, m, p, name + " 2:1 black", 2, BLACK);
    new_row(l);
}

struct SheetParts {
    Picture menu, overlay, game, music, named_tiles;
    std::vector<Picture> effects;
    std::vector<Picture> maps;
};

static void lay_out(Layout &l, const MediaSet &m, const SheetParts &parts,
                    const std::vector<ShippedMap> &maps)
{
    place(l, m, parts.menu, "bg.png: menu, lit row, buttons, gauge", 1, BLACK);
    place(l, m, parts.overlay, "dashboard.png over the menu", 1, BLACK);
    place(l, m, parts.game, "a game scene", 1, BLACK);
    new_row(l);
    place(l, m, m.bright_background, "bgbright.png", 1, BLACK);
    place(l, m, m.border_darkness, "borderdarkness.png", 1, BLACK);
    place(l, m, parts.music, "music: peak level per column, 24 bars", 1, BLACK);
    new_row(l);
    for (size_t i = 0; i < parts.effects.size(); i++) {
        int ms = (int)((m.effects[i].size() * 1000 + EFFECT_RATE / 2) / EFFECT_RATE);
        place(l, m, parts.effects[i],
              std::string("Sound/") + EFFECT_FILES[i] + " " + std::to_string(ms) + " ms", 1, BLACK);
    }
    new_row(l);
    for (size_t i = 0; i < maps.size(); i++)
        place(l, m, parts.maps[i], "Maps/" + maps[i].name + " 1:10", 1, BLACK);
    new_row(l);
    place_four(l, m, keyed(m.people), "people.png");
    place_four(l, m, keyed(m.font), "font.png");
    place_four(l, m, m.blood, "blood.png");
    place_four(l, m, m.dashboard, "dashboard.png");
    place_four(l, m, keyed(m.tiles), "maptiles.png");
    place(l, m, parts.named_tiles, "maptiles.png: the kinds by the names the editor shows", 1,
          BLACK);
    new_row(l);
    for (const Picture &icon : m.icons)
        place(l, m, icon, "icon " + std::to_string(icon.w) + " grey", 1, GREY);
    for (const Picture &icon : m.icons)
        place(l, m, icon, "icon " + std::to_string(icon.w) + " black", 1, BLACK);
    new_row(l);
}

Picture make_contact_sheet(const MediaSet &m, const std::vector<ShippedMap> &maps)
{
    const int EFFECT_STRIP_W = 1180, EFFECT_STRIP_H = 120;  // two strips a row
    const int MUSIC_STRIP_W = 640, MUSIC_STRIP_H = 240;
    SheetParts parts = {menu_scene(m),
                        overlay_scene(m),
                        game_scene(m),
                        music_strip(m.music, MUSIC_STRIP_W, MUSIC_STRIP_H),
                        named_tiles(m),
                        {},
                        {}};
    for (const std::vector<float> &effect : m.effects)
        parts.effects.push_back(effect_strip(effect, EFFECT_STRIP_W, EFFECT_STRIP_H));
    Picture shrunk = shrunk_tiles(m);
    for (const ShippedMap &map : maps)
        parts.maps.push_back(map_preview(shrunk, map));
    Layout measure = {make_picture(0, 0, SHEET_BACK), true, GAP, GAP, 0};
    lay_out(measure, m, parts, maps);
    Layout l = {make_picture(SHEET_W, measure.y + GAP, SHEET_BACK), false, GAP, GAP, 0};
    lay_out(l, m, parts, maps);
    return l.sheet;
}
