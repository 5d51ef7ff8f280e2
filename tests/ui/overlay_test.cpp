// overlay_test.cpp -- the dashboard: small text, button frames, layout by level and its buttons
#include "app/backdrop.h"
#include "app/frame_clock.h"
#include "app/main_loop.h"
#include "support.h"
#include "ui/overlay.h"

// Colours of the stand-in dashboard, 0xRRGGBB, every channel exact in 5-6-5:
// small glyph k is a 10x16 block at (5, 2) of its cell; frame pieces are solid.
static int glyph_colour(char c) { return (8 * ((c - 32) % 32)) << 16 | (128 + 8 * ((c - 32) / 32)) << 8; }
static int piece_colour(int set, int row, int column) { return (8 * (row * 3 + column + 1) + 72 * set) << 8 | 200; }
const int TOP_BAR = 0x0000F8, BOTTOM_BAR = 0xF800F8;

class OverlayTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        init_overlay();  // no Media/ in the scratch folder
        dashboard_image = SDL_CreateRGBSurface(SDL_SWSURFACE | SDL_SRCALPHA, 640, 240, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
        SDL_FillRect(dashboard_image, nullptr, 0);  // fully transparent
        for (int k = 0; k < SMALL_GLYPH_COUNT; k++)
            fill(20 * (k % 32) + 5, 20 * (k / 32) + 2, 10, 16, glyph_colour((char)(32 + k)));
        for (int s = 0; s < 2; s++)
            for (int j = 0; j < 3; j++)
                for (int i = 0; i < 3; i++)
                    fill(60 * s + 20 * i, 60 + 20 * j, 20, 20, piece_colour(s, j, i));
        fill(0, 120, 640, 60, TOP_BAR);
        fill(0, 180, 640, 60, BOTTOM_BAR);
        snprintf(game_name, sizeof game_name, "%s", "Rotwalk");
        version_number = 1.0f;
        snprintf(date_text, sizeof date_text, "%s", "Mon");
        snprintf(time_text, sizeof time_text, "%s", "9:05 PM");
        quit_requested = false;
    }
    void TearDown() override
    {
        SDL_FreeSurface(dashboard_image);
        dashboard_image = nullptr;
        quit_requested = false;
        ScreenTest::TearDown();
    }
    static void fill(int x, int y, int w, int h, int rgb)
    {
        SDL_Rect r = {(Sint16)x, (Sint16)y, (Uint16)w, (Uint16)h};
        SDL_FillRect(dashboard_image, &r, SDL_MapRGBA(dashboard_image->format, rgb >> 16, rgb >> 8 & 0xFF, rgb & 0xFF, 255));
    }
    static void expect_colour(int x, int y, int rgb) { expect_rgb(display_surface, x, y, rgb >> 16, rgb >> 8 & 0xFF, rgb & 0xFF); }
    // Text drawn at pen (x, y): character i's block spans x + 10 i .. + 9 and y + 2 .. y + 17.
    static void expect_text(int x, int y, const char *text)
    {
        for (int i = 0; text[i]; i++) {
            expect_colour(x + 10 * i, y + 2, glyph_colour(text[i]));
            expect_colour(x + 10 * i + 9, y + 17, glyph_colour(text[i]));
        }
    }
    // The 340x55 frame of a button centred at (320, cy), plain or highlighted.
    static void expect_button_frame(int cy, int set = 0)
    {
        expect_colour(150, cy - 27, piece_colour(set, 0, 0));
        expect_colour(489, cy - 27, piece_colour(set, 0, 2));
        expect_colour(180, cy, piece_colour(set, 1, 1));
    }
};

TEST_P(OverlayTest, SmallTextStepsTenPixelsSkipsCharactersWithoutACellAndTrimsTheVersion)
{
    draw_small_text(100, 200, "A ~\tB");
    expect_text(100, 200, "A ~");
    expect_text(140, 200, "B");  // the tab draws nothing but takes its place
    const int blank[][2] = {{130, 202}, {139, 217}, {99, 202}, {150, 202}, {100, 201}, {100, 218}};
    for (const auto &p : blank)
        expect_grey(display_surface, p[0], p[1], 0);
    const struct { float number; const char *text; } versions[] = {{1.0f, "v1.0"}, {1.25f, "v1.25"}, {10.0f, "v10.0"}, {0.125f, "v0.125"}};
    char version[VERSION_TEXT_SIZE];
    for (const auto &v : versions)
        EXPECT_STREQ((format_version_text(version, sizeof version, v.number), version), v.text);
}

// A button's 340x55 frame: pieces of 20 around the 300x15 inner area 150
// left of and 7 above its centre, the middle row cut to 15 rows so the bottom
// row shows whole; highlighted while the pointer is strictly inside its hover
// box, clicked only in the frame of the press.
TEST_P(OverlayTest, ButtonFrameLightsUpInsideAStrictHoverBoxAndOnlyAPressClicks)
{
    const int pieces[][4] = {{-20, -20, 0, 0}, {319, -1, 0, 2}, {0, 0, 1, 1}, {299, 14, 1, 1}, {-20, 15, 2, 0}, {319, 34, 2, 2}};
    const struct { int x, y; bool hovered; } cases[] = {{156, 215, false}, {157, 215, true}, {482, 215, true}, {483, 215, false},
                 {320, 194, false}, {320, 195, true}, {320, 235, true}, {320, 236, false}};
    for (const auto &c : cases) {
        click(c.x, c.y);
        EXPECT_EQ(overlay_button("Exit", 320, 215), c.hovered) << c.x << "," << c.y;
        for (const auto &p : pieces)
            expect_colour(170 + p[0], 208 + p[1], piece_colour(c.hovered, p[2], p[3]));
        point_at(c.x, c.y, KEY_HELD);
        EXPECT_FALSE(overlay_button("Exit", 320, 215));
    }
    for (const auto &p : {SDL_Rect{149, 208, 0, 0}, {490, 208, 0, 0}, {170, 187, 0, 0}, {170, 243, 0, 0}})
        expect_grey(display_surface, p.x, p.y, 0);  // just outside the frame
    expect_text(300, 205, "Exit");  // centred on the button
}

// The bars stand trunc((1 - level / 100) 60) pixels off screen and slide in
// with their texts; the buttons rise from centre 595 to 115, 50 apart.
TEST_P(OverlayTest, BarsTextsAndButtonsSlideInWithTheLevel)
{
    const struct { float level; int slide, first_button; } levels[] = {
        {12.0f, 52, 537}, {50.0f, 30, 355}, {100.0f, 0, 115}};  // 52.8 truncated
    for (const auto &l : levels) {
        SCOPED_TRACE(l.level);
        SDL_FillRect(display_surface, nullptr, 0);
        overlay_level = l.level;
        draw_overlay();
        run_overlay_buttons();
        expect_colour(600, 59 - l.slide, TOP_BAR);
        expect_grey(display_surface, 600, 60 - l.slide, 0);
        expect_colour(600, 420 + l.slide, BOTTOM_BAR);
        expect_grey(display_surface, 600, 419 + l.slide, 0);
        if (l.first_button + 27 < 480)
            expect_button_frame(l.first_button);
        else
            for (int x = 0; x < 640; x += 7)
                expect_grey(display_surface, x, 470, 0);  // no button in sight yet
    }
    expect_text(20, 18, "Rotwalk");  // fully open, as drawn last
    expect_text(20, 38, "v1.0");
    expect_text(590, 18, "Mon");  // date and time end at x 620
    expect_text(20, 442, WINDOW_CAPTION);  // the second footer line
    expect_colour(25, 424, BOTTOM_BAR);  // footer line 1 is empty
    expect_colour(150, 137, piece_colour(0, 2, 0));  // a frame overlaps the previous one's bottom
    expect_text(265, 105, "Resume game");
    expect_text(245, 205, "Save screenshot");
}

TEST_P(OverlayTest, ButtonsAnswerAlsoWithoutTheDashboardArtwork)
{
    SDL_FreeSurface(dashboard_image);
    dashboard_image = nullptr;
    overlay_open = true;
    overlay_level = 50.0f;  // still rising: "Resume game" is centred at 355
    click(320, 355);
    run_overlay_buttons();
    EXPECT_FALSE(overlay_open);
    EXPECT_EQ(differing_pixels(display_surface, nullptr, 0), 0);
    overlay_level = 100.0f;
    click(320, 215);
    run_overlay_buttons();
    EXPECT_EQ(access("screenshot1.png", F_OK), 0);
    EXPECT_FALSE(quit_requested);
    click(320, 165);
    run_overlay_buttons();
    EXPECT_TRUE(quit_requested);
}

INSTANTIATE_AT_ONE_DEPTH(OverlayTest);
