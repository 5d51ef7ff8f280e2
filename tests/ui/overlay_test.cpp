// overlay_test.cpp -- the dashboard's tables, small text, button frames, layout by level and buttons
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/assets.h"
#include "app/backdrop.h"
#include "app/display.h"
#include "app/frame_clock.h"
#include "app/input.h"
#include "app/main_loop.h"
#include "support.h"
#include "ui/overlay.h"

// The stand-in dashboard: glyph k is a 10x16 block of red 8 (k mod 32),
// green 128 + 8 (k div 32) in the middle of its cell; frame piece n of the
// nine of a set is solid green 8 (n + 1) + 72 s, blue 200; the top bar is
// blue, the bottom bar magenta. Every channel survives 5-6-5.
const int GLYPH_BLOCK_LEFT = 5, GLYPH_BLOCK_TOP = 2, GLYPH_BLOCK_W = 10, GLYPH_BLOCK_H = 16;

static void glyph_color(char c, int *r, int *g, int *b)
{
    int k = (unsigned char)c - 32;
    *r = 8 * (k % 32);
    *g = 128 + 8 * (k / 32);
    *b = 0;
}

static void piece_color(int set, int row, int column, int *r, int *g, int *b)
{
    *r = 0;
    *g = 8 * (row * 3 + column + 1) + 72 * set;
    *b = 200;
}

static SDL_Surface *make_test_dashboard()
{
    SDL_Surface *image = SDL_CreateRGBSurface(SDL_SWSURFACE | SDL_SRCALPHA, 640, 240, 32,
                                              0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000);
    SDL_FillRect(image, nullptr, 0);  // fully transparent
    int r, g, b;
    for (int k = 0; k < SMALL_GLYPH_COUNT; k++) {
        glyph_color((char)(32 + k), &r, &g, &b);
        SDL_Rect block = {(Sint16)(20 * (k % 32) + GLYPH_BLOCK_LEFT),
                          (Sint16)(20 * (k / 32) + GLYPH_BLOCK_TOP), GLYPH_BLOCK_W, GLYPH_BLOCK_H};
        SDL_FillRect(image, &block, SDL_MapRGBA(image->format, r, g, b, 255));
    }
    for (int s = 0; s < 2; s++)
        for (int j = 0; j < 3; j++)
            for (int i = 0; i < 3; i++) {
                piece_color(s, j, i, &r, &g, &b);
                SDL_Rect piece = {(Sint16)(60 * s + 20 * i), (Sint16)(60 + 20 * j), 20, 20};
                SDL_FillRect(image, &piece, SDL_MapRGBA(image->format, r, g, b, 255));
            }
    SDL_Rect top = {0, 120, 640, 60}, bottom = {0, 180, 640, 60};
    SDL_FillRect(image, &top, SDL_MapRGBA(image->format, 0, 0, 248, 255));
    SDL_FillRect(image, &bottom, SDL_MapRGBA(image->format, 248, 0, 248, 255));
    return image;
}

class OverlayTest : public DisplayTest {
protected:
    std::string folder, previous_folder;

    // Each test runs in an empty folder: there is no Media/ and screenshots land here.
    void SetUp() override
    {
        DisplayTest::SetUp();
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        previous_folder = cwd;
        char pattern[] = "/tmp/rotwalk_overlay_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        ASSERT_EQ(chdir(folder.c_str()), 0);
        init_overlay();
        EXPECT_EQ(dashboard_image, nullptr);
        dashboard_image = make_test_dashboard();
        snprintf(game_name, sizeof game_name, "%s", "Rotwalk");
        version_number = 1.0f;
        snprintf(date_text, sizeof date_text, "%s", "Mon");
        snprintf(time_text, sizeof time_text, "%s", "9:05 PM");
        SDL_FillRect(display_surface, nullptr, 0);
        point(0, 0, KEY_UP);
        quit_requested = false;
    }
    void TearDown() override
    {
        SDL_FreeSurface(dashboard_image);
        dashboard_image = nullptr;
        quit_requested = false;
        ASSERT_EQ(chdir(previous_folder.c_str()), 0);
        ASSERT_EQ(system(("rm -rf '" + folder + "'").c_str()), 0);
        DisplayTest::TearDown();
    }
    static void point(int x, int y, int left_button)
    {
        mouse_x[0] = x;
        mouse_y[0] = y;
        mouse_button_state[SDL_BUTTON_LEFT] = left_button;
    }
    void expect_black(int x, int y) { expect_rgb(display_surface, x, y, 0, 0, 0); }
    void expect_glyph(int x, int y, char c)
    {
        int r, g, b;
        glyph_color(c, &r, &g, &b);
        expect_rgb(display_surface, x, y, r, g, b);
    }
    void expect_piece(int x, int y, int set, int row, int column)
    {
        int r, g, b;
        piece_color(set, row, column, &r, &g, &b);
        expect_rgb(display_surface, x, y, r, g, b);
    }
    // A text drawn at pen (x, y): each character's block starts at the pen.
    void expect_text(int x, int y, const char *text)
    {
        for (int i = 0; text[i]; i++) {
            expect_glyph(x + 10 * i, y + GLYPH_BLOCK_TOP, text[i]);
            expect_glyph(x + 10 * i + 9, y + GLYPH_BLOCK_TOP + GLYPH_BLOCK_H - 1, text[i]);
        }
    }
    void expect_top_bar(int x, int y) { expect_rgb(display_surface, x, y, 0, 0, 248); }
    void expect_bottom_bar(int x, int y) { expect_rgb(display_surface, x, y, 248, 0, 248); }
    // The 340x55 frame of a button centred at (320, cy), not highlighted.
    void expect_button_frame(int cy)
    {
        expect_piece(150, cy - 27, 0, 0, 0);
        expect_piece(489, cy - 27, 0, 0, 2);
        expect_piece(180, cy, 0, 1, 1);
    }
};

TEST_P(OverlayTest, InitialisationFillsTheTablesAndMakesDisplayLikeBackdrops)
{
    overlay_open = true;
    overlay_level = 40.0f;
    SDL_Surface *mine = dashboard_image;
    dashboard_image = nullptr;
    init_overlay();  // a second time replaces, and frees, what the first made
    dashboard_image = mine;
    EXPECT_FALSE(overlay_open);
    EXPECT_EQ(overlay_level, 0.0f);

    auto expect_rect = [](const SDL_Rect &r, int x, int y, int w, int h) {
        EXPECT_TRUE(r.x == x && r.y == y && r.w == w && r.h == h)
            << r.x << "," << r.y << " " << r.w << "x" << r.h;
    };
    expect_rect(small_glyph_rects[0], 0, 0, 20, 20);
    expect_rect(small_glyph_rects['A' - 32], 20, 20, 20, 20);
    expect_rect(small_glyph_rects['~' - 32], 600, 40, 20, 20);
    expect_rect(panel_piece_rects[0][0][2], 40, 60, 20, 20);  // top right
    expect_rect(panel_piece_rects[0][2][0], 0, 100, 20, 20);  // bottom left
    expect_rect(panel_piece_rects[1][1][1], 80, 80, 20, 20);  // highlighted centre
    expect_rect(pointer_rect, 440, 60, 40, 60);
    expect_rect(top_bar_rect, 0, 120, 640, 60);
    expect_rect(bottom_bar_rect, 0, 180, 640, 60);
    EXPECT_STREQ(footer_line_1, "");
    EXPECT_STREQ(footer_line_2, WINDOW_CAPTION);

    for (SDL_Surface *s : {backdrop_snapshot, backdrop_image}) {
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->w, 640);
        EXPECT_EQ(s->h, 480);
        EXPECT_EQ(s->format->BitsPerPixel, display_surface->format->BitsPerPixel);
        EXPECT_EQ(s->format->Rmask, display_surface->format->Rmask);
        EXPECT_EQ(s->format->Gmask, display_surface->format->Gmask);
        EXPECT_EQ(s->format->Bmask, display_surface->format->Bmask);
    }
    EXPECT_NE(backdrop_snapshot, backdrop_image);
}

TEST_P(OverlayTest, SmallTextStepsTenPixelsAndSkipsCharactersWithoutACell)
{
    draw_small_text(100, 200, "A ~\tB");
    expect_text(100, 200, "A ~");
    expect_black(130, 202);  // the tab draws nothing...
    expect_black(139, 217);
    expect_text(140, 200, "B");  // ...but takes its place
    expect_black(99, 202);
    expect_black(150, 202);
    expect_black(100, 201);
    expect_black(100, 218);

    char version[VERSION_TEXT_SIZE];
    const struct {
        float number;
        const char *text;
    } versions[] = {{1.0f, "v1.0"}, {1.25f, "v1.25"}, {10.0f, "v10.0"}, {0.125f, "v0.125"},
                    {2.5f, "v2.5"}};
    for (const auto &v : versions) {
        format_version_text(version, sizeof version, v.number);
        EXPECT_STREQ(version, v.text);
    }
}

TEST_P(OverlayTest, PanelFrameSurroundsItsInnerAreaWithCutMiddlePieces)
{
    for (int s = 0; s < 2; s++) {
        int x = 100, y = 100 + 200 * s;
        draw_overlay_panel(x, y, s == 1);
        expect_piece(x - 20, y - 20, s, 0, 0);
        expect_piece(x - 1, y - 1, s, 0, 0);
        expect_piece(x, y - 20, s, 0, 1);
        expect_piece(x + 299, y - 1, s, 0, 1);
        expect_piece(x + 300, y - 20, s, 0, 2);
        expect_piece(x + 319, y - 1, s, 0, 2);
        expect_piece(x - 20, y, s, 1, 0);
        expect_piece(x, y, s, 1, 1);
        expect_piece(x + 299, y + 14, s, 1, 1);
        expect_piece(x + 319, y + 14, s, 1, 2);
        // The middle row is 15 rows high: the bottom row shows whole below it.
        expect_piece(x - 20, y + 15, s, 2, 0);
        expect_piece(x + 150, y + 19, s, 2, 1);
        expect_piece(x + 319, y + 34, s, 2, 2);
        expect_black(x - 21, y);
        expect_black(x + 320, y);
        expect_black(x, y - 21);
        expect_black(x, y + 35);
    }
}

TEST_P(OverlayTest, ButtonHoverBoxIsStrictAndOnlyAPressClicks)
{
    const struct {
        int x, y;
        bool hovered;
    } cases[] = {{156, 215, false}, {157, 215, true}, {482, 215, true}, {483, 215, false},
                 {320, 194, false}, {320, 195, true}, {320, 235, true}, {320, 236, false}};
    for (const auto &c : cases) {
        point(c.x, c.y, KEY_PRESSED);
        EXPECT_EQ(overlay_button("Exit", 320, 215), c.hovered) << c.x << "," << c.y;
        expect_piece(150, 188, c.hovered ? 1 : 0, 0, 0);
        point(c.x, c.y, KEY_HELD);
        EXPECT_FALSE(overlay_button("Exit", 320, 215));
    }
    // "Exit" is centred on the button: cells from 295, blocks 300 to 339.
    expect_text(300, 205, "Exit");
    expect_piece(340, 207, 0, 0, 1);
    expect_piece(299, 210, 0, 1, 1);
}

TEST_P(OverlayTest, FullyOpenTheBarsAndButtonsStandInPlace)
{
    overlay_level = 100.0f;
    draw_overlay();
    run_overlay_buttons();
    expect_top_bar(300, 0);
    expect_top_bar(300, 59);
    expect_black(300, 60);
    expect_bottom_bar(300, 420);
    expect_bottom_bar(300, 479);
    expect_black(300, 419);
    expect_text(20, 18, "Rotwalk");
    expect_text(20, 38, "v1.0");
    expect_top_bar(60, 40);
    expect_text(590, 18, "Mon");
    expect_text(550, 38, "9:05 PM");
    expect_top_bar(620, 20);
    expect_text(20, 442, footer_line_2);
    expect_bottom_bar(25, 424);  // footer line 1 is empty

    expect_button_frame(115);
    expect_button_frame(165);
    expect_button_frame(215);
    expect_black(150, 87);
    expect_piece(150, 137, 0, 2, 0);  // the next frame overlaps the previous one's bottom
    expect_piece(489, 242, 0, 2, 2);
    expect_black(489, 243);
    expect_text(265, 105, "Resume game");
    expect_text(300, 155, "Exit");
    expect_text(245, 205, "Save screenshot");

    // Date and time end at the right margin whatever their length.
    SDL_FillRect(display_surface, nullptr, 0);
    snprintf(date_text, sizeof date_text, "%s", "Wednesday September 23rd 2026");
    snprintf(time_text, sizeof time_text, "%s", "12:00:00 AM");
    draw_overlay();
    expect_text(330, 18, date_text);
    expect_text(510, 38, time_text);
    expect_top_bar(620, 20);
    expect_top_bar(620, 40);
}

TEST_P(OverlayTest, PartlyOpenTheBarsAndButtonsSlideWithTheLevel)
{
    overlay_level = 50.0f;
    draw_overlay();
    run_overlay_buttons();
    expect_top_bar(600, 29);
    expect_black(600, 30);
    expect_black(600, 449);
    expect_bottom_bar(600, 450);
    expect_glyph(20, 474, footer_line_2[0]);
    expect_button_frame(355);

    SDL_FillRect(display_surface, nullptr, 0);
    overlay_level = 5.0f;
    draw_overlay();
    run_overlay_buttons();
    expect_top_bar(600, 2);  // 57 rows off screen
    expect_black(600, 3);
    expect_black(600, 476);
    expect_bottom_bar(600, 477);
    for (int x = 0; x < 640; x += 7)
        expect_black(x, 479 - 4);  // the first button (centre 571) is still out of sight
}

TEST_P(OverlayTest, ButtonsAnswerAlsoWithoutTheDashboardArtwork)
{
    SDL_FreeSurface(dashboard_image);
    dashboard_image = nullptr;
    overlay_open = true;
    overlay_level = 50.0f;  // still moving: the first button is centred at 355
    point(320, 355, KEY_PRESSED);
    run_overlay_buttons();
    EXPECT_FALSE(overlay_open);
    EXPECT_FALSE(quit_requested);
    for (int y = 0; y < 480; y += 5)
        expect_black(320, y);

    overlay_level = 100.0f;
    point(320, 215, KEY_PRESSED);
    run_overlay_buttons();
    FILE *file = fopen("screenshot1.png", "rb");
    EXPECT_NE(file, nullptr);
    if (file)
        fclose(file);
    EXPECT_FALSE(quit_requested);

    point(320, 165, KEY_PRESSED);
    run_overlay_buttons();
    EXPECT_TRUE(quit_requested);
}

INSTANTIATE_AT_BOTH_DEPTHS(OverlayTest);
