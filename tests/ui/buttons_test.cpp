// buttons_test.cpp -- hover, clicks and looks of box buttons, panels and menu rows
#include "app/display.h"
#include "app/input.h"
#include "support.h"
#include "ui/buttons.h"

class ButtonTest : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        make_test_artwork();
        SDL_FillRect(display_surface, nullptr, 0);
        mouse_button_state[SDL_BUTTON_LEFT] = KEY_UP;
    }
    void TearDown() override
    {
        free_test_artwork();
        DisplayTest::TearDown();
    }
    static void point(int x, int y, int left_button)
    {
        mouse_x[0] = x;
        mouse_y[0] = y;
        mouse_button_state[SDL_BUTTON_LEFT] = left_button;
    }
    void expect_grey(int x, int y, int grey) { expect_rgb(display_surface, x, y, grey, grey, grey); }
};

TEST_P(ButtonTest, HoverExcludesTheLeftAndTopEdgesAndIncludesTheRightAndBottom)
{
    const struct {
        int x, y;
        bool hovered;
    } cases[] = {{500, 410, false}, {550, 400, false}, {599, 410, true}, {550, 419, true},
                 {501, 401, true},  {600, 410, false}, {550, 420, false}};
    for (const auto &c : cases) {
        point(c.x, c.y, KEY_PRESSED);
        EXPECT_EQ(draw_button(500, 400, 100, 20, "Back"), c.hovered) << c.x << "," << c.y;
        expect_grey(590, 410, c.hovered ? TEST_BRIGHT_GREY : TEST_PLAIN_GREY);
    }
    expect_rgb(display_surface, 501, 410, 0, 0, 0);  // the 2-pixel frame
    expect_rgb(display_surface, 502, 401, 0, 0, 0);
    expect_grey(502, 402, TEST_PLAIN_GREY);
    expect_grey(597, 417, TEST_PLAIN_GREY);
    expect_rgb(display_surface, 598, 417, 0, 0, 0);
    // The label stands centred at 550 with its top 5 px above the frame.
    expect_rgb(display_surface, 520, 395, 'B', TEST_GLYPH_GREEN, 0);
}

TEST_P(ButtonTest, OnlyTheFrameOfThePressClicksExceptForHoldButtons)
{
    point(550, 410, KEY_HELD);
    EXPECT_FALSE(draw_button(500, 400, 100, 20, "Back"));
    EXPECT_TRUE(draw_hold_button(500, 400, 100, 20, "Zoom in"));
    point(550, 410, KEY_UP);
    EXPECT_FALSE(draw_hold_button(500, 400, 100, 20, "Zoom in"));
    point(550, 410, KEY_PRESSED);
    EXPECT_TRUE(draw_hold_button(500, 400, 100, 20, "Zoom in"));
    point(700, 410, KEY_PRESSED);
    EXPECT_FALSE(draw_hold_button(500, 400, 100, 20, "Zoom in"));
}

TEST_P(ButtonTest, APanelIsNeverHighlighted)
{
    point(90, 100, KEY_PRESSED);
    draw_panel(40, 65, 110, 110);
    expect_grey(90, 100, TEST_PLAIN_GREY);
    expect_rgb(display_surface, 41, 100, 0, 0, 0);
}

TEST_P(ButtonTest, MenuRowsSpanTheWidthAndAtMostOneIsLit)
{
    for (int mouse = 140; mouse <= 200; mouse++) {
        point(639, mouse, KEY_PRESSED);
        SDL_FillRect(display_surface, nullptr, 0);
        menu_line = MENU_FIRST_LINE;
        int clicked = 0, lit = 0;
        for (int row = 0; row < 3; row++) {
            int y = 144 + 24 * row;
            bool expected = y < mouse && mouse < y + 22;
            bool result = draw_menu_row("Row");
            EXPECT_EQ(result, expected) << "mouse " << mouse << " row " << row;
            clicked += result;
            Uint8 r, g, b;
            pixel_rgb(display_surface, 600, y + 10, &r, &g, &b);
            lit += r != 0;
        }
        EXPECT_LE(clicked, 1);
        EXPECT_EQ(lit, clicked);
        EXPECT_EQ(menu_line, MENU_FIRST_LINE + 3);
    }
    // A lit row covers y to y + 21 across the whole width; its text starts at x 20.
    point(10, 150, KEY_HELD);
    SDL_FillRect(display_surface, nullptr, 0);
    menu_line = MENU_FIRST_LINE;
    EXPECT_FALSE(draw_menu_row("Row"));  // held, not pressed
    expect_grey(0, 144, TEST_BRIGHT_GREY);
    expect_grey(639, 165, TEST_BRIGHT_GREY);
    expect_rgb(display_surface, 639, 166, 0, 0, 0);
    expect_rgb(display_surface, 639, 143, 0, 0, 0);
    expect_rgb(display_surface, 20, 144, 'R', TEST_GLYPH_GREEN, 0);
}

INSTANTIATE_AT_BOTH_DEPTHS(ButtonTest);
