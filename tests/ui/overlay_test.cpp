// overlay_test.cpp -- the dashboard: small text and button frames
#include "app/backdrop.h"
#include "maps/edit_history.h"
#include "maps/map_file.h"
#include "support.h"
#include "ui/overlay.h"
#include "ui/screens.h"

// Colours of the stand-in dashboard, 0xRRGGBB, every channel exact in 5-6-5:
// small glyph k is a 10x16 block at (5, 2) of its cell; frame pieces are solid.
static int glyph_colour(char c)
{
    return (8 * ((c - 32) % 32)) << 16 | (128 + 8 * ((c - 32) / 32)) << 8;
}
static int piece_colour(int set, int row, int column)
{
    return (8 * (row * 3 + column + 1) + 72 * set) << 8 | 200;
}

class OverlayTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        init_overlay();  // no Media/ in the scratch folder
        dashboard_image = SDL_CreateRGBSurface(SDL_SWSURFACE | SDL_SRCALPHA, 640, 240, 32, 0xFF0000,
                                               0xFF00, 0xFF, 0xFF000000);
        SDL_FillRect(dashboard_image, nullptr, 0);  // fully transparent
        for (int k = 0; k < SMALL_GLYPH_COUNT; k++)
            fill(20 * (k % 32) + 5, 20 * (k / 32) + 2, 10, 16, glyph_colour((char)(32 + k)));
        for (int s = 0; s < 2; s++)
            for (int j = 0; j < 3; j++)
                for (int i = 0; i < 3; i++)
                    fill(60 * s + 20 * i, 60 + 20 * j, 20, 20, piece_colour(s, j, i));
    }
    void TearDown() override
    {
        SDL_FreeSurface(dashboard_image);
        dashboard_image = nullptr;
        ScreenTest::TearDown();
    }
    static void fill(int x, int y, int w, int h, int rgb)
    {
        SDL_Rect r = {(Sint16)x, (Sint16)y, (Uint16)w, (Uint16)h};
        SDL_FillRect(
            dashboard_image, &r,
            SDL_MapRGBA(dashboard_image->format, rgb >> 16, rgb >> 8 & 0xFF, rgb & 0xFF, 255));
    }
    static void expect_colour(int x, int y, int rgb)
    {
        expect_rgb(display_surface, x, y, rgb >> 16, rgb >> 8 & 0xFF, rgb & 0xFF);
    }
    // Text drawn at pen (x, y): character i's block spans x + 10 i .. + 9 and y + 2 .. y + 17.
    static void expect_text(int x, int y, const char *text)
    {
        for (int i = 0; text[i]; i++) {
            expect_colour(x + 10 * i, y + 2, glyph_colour(text[i]));
            expect_colour(x + 10 * i + 9, y + 17, glyph_colour(text[i]));
        }
    }
};

// A button's 340x55 frame: pieces of 20 around the 300x15 inner area 150
// left of and 7 above its centre, the middle row cut to 15 rows so the bottom
// row shows whole; highlighted while the pointer is strictly inside its hover
// box, clicked only in the frame of the press.
TEST_P(OverlayTest, ButtonFrameLightsUpInsideAStrictHoverBoxAndOnlyAPressClicks)
{
    const int pieces[][4] = {{-20, -20, 0, 0}, {319, -1, 0, 2}, {0, 0, 1, 1},
                             {299, 14, 1, 1},  {-20, 15, 2, 0}, {319, 34, 2, 2}};
    // Each row: the pointer, and whether the button is hovered there.
    const int cases[][3] = {{156, 215, 0}, {157, 215, 1}, {482, 215, 1}, {483, 215, 0},
                            {320, 194, 0}, {320, 195, 1}, {320, 235, 1}, {320, 236, 0}};
    for (const auto &c : cases) {
        click(c[0], c[1]);
        EXPECT_EQ(overlay_button("Exit", 320, 215), c[2] != 0) << c[0] << "," << c[1];
        for (const auto &p : pieces)
            expect_colour(170 + p[0], 208 + p[1], piece_colour(c[2], p[2], p[3]));
        point_at(c[0], c[1], KEY_HELD);
        EXPECT_FALSE(overlay_button("Exit", 320, 215));
    }
    for (const auto &p :
         {SDL_Rect{149, 208, 0, 0}, {490, 208, 0, 0}, {170, 187, 0, 0}, {170, 243, 0, 0}})
        expect_grey(display_surface, p.x, p.y, 0);  // just outside the frame
    expect_text(300, 205, "Exit");                  // centred on the button, ten pixels a character
}

// "Exit" over a game in progress, paused or not, or over unsaved edits asks
// once and quits on the second press; any other button takes the question
// back. With nothing to lose it quits at once.
TEST_P(OverlayTest, ExitAsksOnceWhereSomethingWouldBeLost)
{
    auto press = [](int y) {  // "Exit" at 165, "Save screenshot" at 215
        click(320, y);
        run_overlay_buttons();
    };
    const struct {
        int screen;
        bool unsaved, asks;
    } cases[] = {{SCREEN_GAME, false, true},       {SCREEN_GAME_MENU, false, true},
                 {SCREEN_EDITOR, true, true},      {SCREEN_EDITOR, false, false},
                 {SCREEN_MAIN_MENU, false, false}, {SCREEN_CHOOSE_MAP_TO_PLAY, false, false}};
    overlay_open = true;
    overlay_level = 100.0f;
    strcpy(map_path, "Maps/Town.map");
    for (const auto &c : cases) {
        screen_number = c.screen;
        clear_edit_history();
        history_saved = c.unsaved ? -1 : 0;
        quit_requested = exit_asked = false;
        press(165);
        EXPECT_EQ(quit_requested, !c.asks) << c.screen;
        if (!c.asks)
            continue;
        char question[EXIT_QUESTION_SIZE];
        ASSERT_TRUE(exit_would_lose(question, sizeof question));
        EXPECT_STREQ(question, c.unsaved ? "Quit? Unsaved changes to Maps/Town.map will be lost."
                                         : "Quit? The game since the last save will be lost.");
        press(215);  // "Save screenshot" takes the question back
        EXPECT_FALSE(exit_asked);
        press(165);
        press(165);
        EXPECT_TRUE(quit_requested) << c.screen;
    }
    quit_requested = exit_asked = overlay_open = false;
    overlay_level = 0.0f;
    clear_edit_history();
}

INSTANTIATE_AT_ONE_DEPTH(OverlayTest);
