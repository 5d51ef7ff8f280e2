// contact_sheet.cpp -- one picture that shows every asset, the menus and a game scene, for a person to judge
#include "contact_sheet.h"

#include <dirent.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "backgrounds.h"
#include "blood.h"
#include "dashboard.h"
#include "effects.h"
#include "fonts.h"
#include "lighting.h"
#include "maps/tile_names.h"
#include "music.h"
#include "people.h"
#include "tiles.h"

const int GAP = 16;
const int CAPTION_H = 30;
const int SHEET_W = 2440;
const Color SHEET_BACK = {0.16f, 0.16f, 0.17f, 1};
const Color GREY = {0.5f, 0.5f, 0.5f, 1};
const int MAP_PREVIEW_SCALE = 10;  // world pixels per preview pixel
const int MAP_SIZE = 50;

std::vector<ShippedMap> read_shipped_maps(const std::string &folder)
{
    std::vector<ShippedMap> maps;
    DIR *dir = opendir(folder.c_str());
    if (!dir)
        return maps;
    while (dirent *entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name.size() < 5 || name.substr(name.size() - 4) != ".map")
            continue;
        ShippedMap map = {name, {}};
        std::ifstream file(folder + "/" + name);
        std::string line;
        while (std::getline(file, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            map.rows.push_back(line);
        }
        maps.push_back(map);
    }
    closedir(dir);
    std::sort(maps.begin(), maps.end(),
              [](const ShippedMap &a, const ShippedMap &b) { return a.name < b.name; });
    return maps;
}

// A colour-keyed file is all or nothing: show it the way the game will.
static Picture keyed(const Picture &p)
{
    Picture k = p;
    for (Color &c : k.pixels)
        c.a = c.a < 0.5f ? 0.0f : 1.0f;
    return k;
}

// ---- the game's own drawing steps, redone on pictures ----

static void text(Picture &dst, const Picture &font, int x, int y, const std::string &s,
                 bool centred)
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

static void small_text(Picture &dst, const Picture &dash, int x, int y, const std::string &s)
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

static void button(Picture &dst, const MediaSet &m, int x, int y, int w, int h,
                   const std::string &label, bool lit)
{
    fill_rect(dst, x, y, w, h, BLACK);
    copy_into(dst, lit ? m.bright_background : m.background, x + 2, y + 2, w - 4, h - 4, x + 2,
              y + 2);
    text(dst, m.font, x + w / 2, y - 5, label, true);
}

static void gauge(Picture &dst, const MediaSet &m, int y, int width, float fraction)
{
    fill_rect(dst, 20, y, width, 20, BLACK);
    copy_into(dst, m.background, 22, y + 2, width - 4, 16, 22, y + 2);
    int filled = (int)(width * fraction) - 4;
    if (filled > 0)
        copy_into(dst, m.bright_background, 22, y + 2, filled, 16, 22, y + 2);
}

static Picture menu_scene(const MediaSet &m)
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

static Picture overlay_scene(const MediaSet &m)
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

// Draws sprite `row` of people.png turned to face `angle`, centred at (x, y), nearest neighbour.
static void draw_person(Picture &dst, const Picture &people, int row, float x, float y, float angle)
{
    float cs = std::cos(angle), sn = std::sin(angle);
    for (int v = 0; v < PERSON; v++)
        for (int u = 0; u < PERSON; u++) {
            float dx = u - 17.5f, dy = v - 17.5f;
            int sx = (int)std::floor(18 + cs * dx + sn * dy),
                sy = (int)std::floor(18 - sn * dx + cs * dy);
            if (sx <= 0 || sy < 0 || sx >= PERSON || sy >= PERSON - 1)
                continue;
            Color c = get(people, sx, row * PERSON + sy);
            if (c.a >= 0.5f)
                blend(dst, (int)x - 18 + u, (int)y - 18 + v, c, 1);
        }
}

static Picture game_scene(const MediaSet &m)
{
    // A house with two doorways on the edge of a road, and the horde closing in.
    const int W = 8, H = 6;
    const int GRID[H][W] = {
        {13, 17, 17, 12, 3, 4, 0, 0}, {14, 9, 9, 20, 3, 4, 0, 7}, {14, 5, 5, 16, 3, 4, 1, 7},
        {10, 19, 15, 11, 3, 4, 1, 2}, {0, 0, 1, 1, 3, 4, 2, 2},   {0, 8, 8, 1, 3, 4, 0, 0},
    };
    Picture world = make_picture(W * TILE, H * TILE, BLACK);
    for (int ty = 0; ty < H; ty++)
        for (int tx = 0; tx < W; tx++) {
            int k = GRID[ty][tx];
            for (int v = 0; v < TILE; v++)
                for (int u = 0; u < TILE; u++) {
                    Color c = get(m.tiles, TILE * (k % 4) + u, TILE * (k / 4) + v);
                    if (c.a >= 0.5f)
                        at(world, tx * TILE + u, ty * TILE + v) = c;
                }
        }
    // Blood and the dead are painted into the floor.
    const float CORPSES[][3] = {{400, 340, 2.1f}, {620, 230, 4.0f}, {300, 120, 0.6f}};
    int splat = 0;
    Picture people = keyed(m.people);
    for (const float *c : CORPSES) {
        draw_person(world, people, 2, c[0], c[1], c[2]);
        for (int i = 0; i < 6; i++, splat++) {
            int f = splat % SPLAT_COUNT;
            Picture one = make_picture(SPLAT, SPLAT, TRANSPARENT);
            copy_into(one, m.blood, f * SPLAT, 0, SPLAT, SPLAT, 0, 0);
            draw_over(world, one, (int)c[0] - 23 + (i * 37 % 41) - 20,
                      (int)c[1] - 23 + (i * 23 % 41) - 20, 1);
        }
    }
    const int CAM_X = 60, CAM_Y = 10;
    Picture view = make_picture(VIEW_WIDTH, VIEW_HEIGHT, BLACK);
    copy_into(view, world, CAM_X, CAM_Y, VIEW_WIDTH, VIEW_HEIGHT, 0, 0);
    const float PLAYER_X = 450, PLAYER_Y = 260;
    const float ZOMBIES[][2] = {{560, 150}, {590, 330}, {350, 400},
                                {230, 250}, {480, 420}, {250, 140}};
    for (const float *z : ZOMBIES)
        draw_person(view, people, 1, z[0] - CAM_X, z[1] - CAM_Y,
                    std::atan2(PLAYER_Y - z[1], PLAYER_X - z[0]));
    draw_person(view, people, 0, PLAYER_X - CAM_X, PLAYER_Y - CAM_Y,
                std::atan2(120 - PLAYER_Y, 640 - PLAYER_X));
    for (int ty = 0; ty < H; ty++)
        for (int tx = 0; tx < W; tx++) {
            int k = GRID[ty][tx];
            if (k < FIRST_WALL)
                continue;
            int o = k + OVERLAY_OFFSET;
            for (int v = 0; v < TILE; v++)
                for (int u = 0; u < TILE; u++) {
                    Color c = get(m.tiles, TILE * (o % 4) + u, TILE * (o / 4) + v);
                    if (c.a >= 0.5f)
                        blend(view, tx * TILE + u - CAM_X, ty * TILE + v - CAM_Y, c, 1);
                }
        }
    // The lighting subtracts the darkness of the border.
    for (int y = 0; y < VIEW_HEIGHT; y++)
        for (int x = 0; x < VIEW_WIDTH; x++) {
            float a = get(m.border_darkness, x, y).r - 1;
            Color &c = at(view, x, y);
            c = {clamp01(c.r + a), clamp01(c.g + a), clamp01(c.b + a), 1};
        }
    text(view, m.font, 20, 50, "Zombies Killed = 12", false);
    gauge(view, m, 405, 450, 0.62f);
    text(view, m.font, 15, 400, "Energy 62", false);
    gauge(view, m, 430, 600, 0.88f);
    text(view, m.font, 15, 425, "Health 88", false);
    button(view, m, 500, 400, 100, 20, "Pause", false);
    return view;
}

// Each tile kind shrunk to 10 by 10, every pixel the mean of a 10 by 10 block.
static Picture shrunk_tiles(const MediaSet &m)
{
    int cells = TILE / MAP_PREVIEW_SCALE;
    Picture p = make_picture(cells * (LAST_WALL + 1), cells, BLACK);
    for (int k = 0; k <= LAST_WALL; k++)
        for (int v = 0; v < cells; v++)
            for (int u = 0; u < cells; u++) {
                Color sum = {0, 0, 0, 0};
                for (int j = 0; j < MAP_PREVIEW_SCALE; j++)
                    for (int i = 0; i < MAP_PREVIEW_SCALE; i++) {
                        Color c = get(m.tiles, TILE * (k % 4) + u * MAP_PREVIEW_SCALE + i,
                                      TILE * (k / 4) + v * MAP_PREVIEW_SCALE + j);
                        sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, 1};
                    }
                float n = MAP_PREVIEW_SCALE * MAP_PREVIEW_SCALE;
                at(p, k * cells + u, v) = {sum.r / n, sum.g / n, sum.b / n, 1};
            }
    return p;
}

static Picture map_preview(const Picture &shrunk, const ShippedMap &map)
{
    int cells = TILE / MAP_PREVIEW_SCALE, size = MAP_SIZE * cells;
    Picture p = make_picture(size, size, rgb(255, 0, 255));  // magenta marks a broken map
    for (int ty = 0; ty < MAP_SIZE && ty < (int)map.rows.size(); ty++)
        for (int tx = 0; tx < MAP_SIZE && tx < (int)map.rows[ty].size(); tx++) {
            int k = map.rows[ty][tx] - 33;
            if (k >= 0 && k <= LAST_WALL)
                copy_into(p, shrunk, k * cells, 0, cells, cells, tx * cells, ty * cells);
        }
    // The players start around the middle.
    draw_disc(p, size / 2.0f, size / 2.0f - 5, 3, rgb(255, 200, 40));
    return p;
}

// Every kind at 1:1 under the name the editor shows for it, so a person can
// check that names and pictures agree.
static Picture named_tiles(const MediaSet &m)
{
    const int PER_ROW = 7, SLOT_W = 330, NAME_H = 30;  // the longest name fits its slot
    static_assert(TILE_NAME_COUNT == LAST_WALL + 1, "every tile kind has a name");
    int rows = (TILE_NAME_COUNT + PER_ROW - 1) / PER_ROW;
    Picture p = make_picture(PER_ROW * SLOT_W, rows * (TILE + NAME_H), SHEET_BACK);
    for (int k = 0; k < TILE_NAME_COUNT; k++) {
        int x = (k % PER_ROW) * SLOT_W, y = (k / PER_ROW) * (TILE + NAME_H);
        copy_into(p, m.tiles, TILE * (k % 4), TILE * (k / 4), TILE, TILE, x, y);
        small_text(p, m.dashboard, x, y + TILE + 4, std::to_string(k) + " " + TILE_NAMES[k]);
    }
    return p;
}

// The music as a picture: its level over the loop, left up and right down.
static Picture music_strip(const std::vector<float> &music, int w, int h)
{
    Picture p = make_picture(w, h, rgb(12, 12, 14));
    size_t frames = music.size() / 2;
    for (int x = 0; x < w && frames > 0; x++) {
        size_t from = frames * x / w, to = frames * (x + 1) / w;
        float peak_l = 0, peak_r = 0;
        for (size_t i = from; i < to; i++) {
            peak_l = std::max(peak_l, std::fabs(music[2 * i]));
            peak_r = std::max(peak_r, std::fabs(music[2 * i + 1]));
        }
        int mid = h / 2;
        for (int y = mid - (int)(peak_l * mid); y < mid; y++)
            at(p, x, y) = rgb(200, 120, 60);
        for (int y = mid; y < mid + (int)(peak_r * mid); y++)
            at(p, x, y) = rgb(160, 90, 50);
    }
    for (int bar = 0; bar <= MUSIC_BARS; bar++)
        fill_rect(p, std::min(w - 1, bar * w / MUSIC_BARS), 0, 1, 6, rgb(230, 230, 230));
    return p;
}

// A sound effect as a picture: the lowest and highest sample under each column over its
// whole length, warm where the sound is dull and pale where it hisses (how often it
// crosses zero nearby), a tick every 100 ms and the -3 dBFS level marked.
static Picture effect_strip(const std::vector<float> &s, int w, int h)
{
    const int ZERO_WINDOW = 48;      // samples each side
    const float LOUD_PEAK = 0.708f;  // -3 dBFS
    Picture p = make_picture(w, h, rgb(12, 12, 14));
    int n = (int)s.size(), mid = h / 2;
    for (int y : {mid - (int)(LOUD_PEAK * mid), mid, mid + (int)(LOUD_PEAK * mid)})
        fill_rect(p, 0, y, w, 1, rgb(50, 50, 56));
    for (int x = 0; x < w && n > 0; x++) {
        int from = (int)((long long)n * x / w),
            to = std::max(from + 1, (int)((long long)n * (x + 1) / w));
        float lo = 0, hi = 0;
        for (int i = from; i < to; i++) {
            lo = std::min(lo, s[i]);
            hi = std::max(hi, s[i]);
        }
        int centre = (from + to) / 2, crossings = 0, span = 0;
        for (int i = std::max(1, centre - ZERO_WINDOW); i < std::min(n, centre + ZERO_WINDOW);
             i++, span++)
            crossings += (s[i - 1] < 0) != (s[i] < 0);
        float hiss = span > 0 ? clamp01(3.0f * crossings / span) : 0;
        Color c = mix(rgb(220, 120, 50), rgb(190, 220, 255), hiss);
        for (int y = mid - (int)(hi * mid); y <= mid - (int)(lo * mid); y++)
            at(p, x, std::min(h - 1, y)) = c;
    }
    int tenths = n * 10 / EFFECT_RATE;
    for (int k = 0; k <= tenths && n > 0; k++)
        fill_rect(p, std::min(w - 1, (int)((long long)k * EFFECT_RATE / 10 * w / n)), 0, 1, 6,
                  rgb(230, 230, 230));
    return p;
}

// ---- layout ----

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
    int slot = std::max(w, 12 * (int)caption.size());
    if (l.x + slot > SHEET_W - GAP && l.x > GAP) {
        l.y += l.row_h + GAP;
        l.x = GAP;
        l.row_h = 0;
    }
    if (!l.measuring) {
        text(l.sheet, m.font, l.x, l.y + 2, caption, false);
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
    SheetParts parts = {menu_scene(m),
                        overlay_scene(m),
                        game_scene(m),
                        music_strip(m.music, 640, 240),
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
