// buttons_test.cpp -- hover, clicks and looks of box buttons, panels and gauges
#include "app/artwork.h"
#include "app/input.h"
#include "support.h"
#include "ui/buttons.h"
#include "ui/focus.h"
#include "ui/menus.h"
#include "ui/screens.h"

using ButtonTest = ScreenTest;

// Hover is strict: the left column and top row of the frame do not count,
// the right column and bottom row do. Only the frame of the press clicks,
// except on hold buttons (the editor's zoom), which click while held.
TEST_P(ButtonTest, HoverIsStrictOnEveryEdgeAndOnlyThePressClicksExceptOnHoldButtons)
{
    // Each row: the pointer, and whether the button is hovered there.
    const int cases[][3] = {{500, 410, 0}, {550, 400, 0}, {599, 410, 1}, {550, 419, 1},
                            {501, 401, 1}, {600, 410, 0}, {550, 420, 0}};
    for (const auto &c : cases)
        for (int state : {KEY_UP, KEY_HELD, KEY_PRESSED}) {
            point_at(c[0], c[1], state);
            EXPECT_EQ(draw_hold_button(500, 400, 100, 20, "Zoom"), c[2] && state != KEY_UP);
            EXPECT_EQ(draw_button(500, 400, 100, 20, "Back"), c[2] && state == KEY_PRESSED)
                << c[0] << "," << c[1];
            expect_grey(display_surface, 590, 410, c[2] ? TEST_BRIGHT_GREY : TEST_PLAIN_GREY);
        }
    // A 2-pixel black frame, the label centred at 550 with its top 5 px above it.
    const int PLAIN = TEST_PLAIN_GREY;
    const int frame[][3] = {
        {501, 410, 0}, {502, 401, 0}, {502, 402, PLAIN}, {597, 417, PLAIN}, {598, 417, 0}};
    for (const auto &p : frame)
        expect_grey(display_surface, p[0], p[1], p[2]);
    expect_test_glyph(display_surface, 520, 395, 'B');
    click(90, 100);
    draw_panel(40, 65, 110, 110);  // a frame that never lights up
    expect_grey(display_surface, 90, 100, TEST_PLAIN_GREY);
    expect_grey(display_surface, 41, 100, 0);
}

// The bright picture fills trunc(width x fraction) - 4 columns from x 22,
// inside a 2-pixel black frame; the rest of the inside is the plain picture.
TEST_P(ButtonTest, BarsShowTheBrightPictureOverTheirFilledShare)
{
    // Each row: the fraction and the bright columns; overfull runs past the
    // frame to the screen's edge.
    const std::pair<float, int> cases[] = {{1.0f, 446}, {0.5f, 221}, {0.01f, 0},
                                           {0.0f, 0},   {-3.0f, 0},  {2.0f, 618}};
    for (const auto &c : cases) {
        SDL_FillRect(display_surface, nullptr, 0);
        draw_bar(405, 450, c.first);
        int bright = 0;
        for (int x = 0; x < 640; x++)
            bright += read_pixel(display_surface, x, 415) ==
                      display_rgb(TEST_BRIGHT_GREY, TEST_BRIGHT_GREY, TEST_BRIGHT_GREY);
        EXPECT_EQ(bright, c.second) << c.first;
        expect_grey(display_surface, 21, 415, 0);
        expect_grey(display_surface, 22, 415, c.second ? TEST_BRIGHT_GREY : TEST_PLAIN_GREY);
        if (c.first <= 1.0f)
            expect_grey(display_surface, 22 + c.second, 415, c.first < 1.0f ? TEST_PLAIN_GREY : 0);
    }
    expect_grey(display_surface, 100, 406, 0);  // frame rows; the inside runs y 407 to 422
    expect_grey(display_surface, 100, 407, TEST_BRIGHT_GREY);
    expect_grey(display_surface, 100, 422, TEST_BRIGHT_GREY);
    expect_grey(display_surface, 100, 423, 0);
}

// One main-menu frame with `key` pressed in it.
static void menu_frame(int key)
{
    if (key)
        key_state[key] = KEY_PRESSED;
    begin_focus_frame(screen_number);
    main_menu_screen();
    if (key)
        key_state[key] = KEY_UP;
}

// Down and Up (Tab and Shift+Tab) walk the main menu's rows with one
// highlight, from where the mouse was, wrapping at the ends; Return picks
// the lit row; moving the pointer gives the lead back to the mouse.
TEST_P(ButtonTest, TheKeyboardReachesAndPicksEveryMainMenuRow)
{
    const int rows = 9, quit = 8;
    const int play = SCREEN_CHOOSE_MAP_TO_PLAY, menu = SCREEN_MAIN_MENU;
    const int expected_screens[rows] = {play,           menu,           SCREEN_CHOOSE_MAP_TO_EDIT,
                                        SCREEN_CREDITS, play,           SCREEN_COOP,
                                        SCREEN_OPTIONS, SCREEN_REPLAYS, menu};
    focus_enabled = true;
    auto lit = [](int row) {
        return read_pixel(display_surface, 600, MENU_LINE_HEIGHT * (MENU_FIRST_LINE + row) + 10) ==
               read_pixel(background_bright_image, 600, 0);
    };
    for (int row = 0; row < rows; row++) {
        screen_number = SCREEN_MAIN_MENU;
        quit_requested = false;
        point_at(700, 470, KEY_UP);  // off every row
        menu_frame(0);
        for (int step = 0; step <= row; step++)
            menu_frame(step % 2 ? SDLK_DOWN : SDLK_TAB);
        for (int other = 0; other < rows; other++)
            EXPECT_EQ(lit(other), other == row) << row << " " << other;
        menu_frame(SDLK_RETURN);
        EXPECT_EQ(screen_number, expected_screens[row]) << row;
        EXPECT_EQ(quit_requested, row == quit) << row;
        focus_index = NO_FOCUS;
    }
    screen_number = SCREEN_MAIN_MENU;
    quit_requested = false;
    point_at(50, 155, KEY_UP);  // on "Single Player"
    menu_frame(0);
    menu_frame(SDLK_UP);  // from the mouse's row
    menu_frame(SDLK_UP);  // wraps to the last
    EXPECT_TRUE(lit(quit) && !lit(0));
    point_at(50, 180, KEY_UP);  // the mouse leads again
    menu_frame(0);
    EXPECT_TRUE(lit(1) && !lit(quit));
    focus_enabled = false;
    focus_index = NO_FOCUS;
}

INSTANTIATE_AT_ONE_DEPTH(ButtonTest);
