// menus_test.cpp -- the main menu's rows and the credits
#include "app/main_loop.h"
#include "game/world.h"
#include "support.h"
#include "ui/menus.h"

using MenuTest = ScreenTest;

// The scratch folder has no save, so "Load Game Save" leaves everything as it
// is; between two rows' bands nothing is picked.
TEST_P(MenuTest, EachRowLeadsToItsScreenFromAnywhereOnTheRow)
{
    spawn_zombie(1, 2);
    const struct { int x, y, screen, players; } rows[] = {{5, 145, SCREEN_CHOOSE_MAP_TO_PLAY, 1}, {300, 175, SCREEN_MAIN_MENU, 3},
                {639, 200, SCREEN_CHOOSE_MAP_TO_EDIT, 3}, {100, 225, SCREEN_CREDITS, 3}, {100, 166, SCREEN_MAIN_MENU, 3}};
    for (const auto &row : rows) {
        screen_number = SCREEN_MAIN_MENU;
        player_count = 3;
        click(row.x, row.y);
        main_menu_screen();
        EXPECT_TRUE(screen_number == row.screen && player_count == row.players && zombie_count == 1) << row.y;
    }
    clear_zombies();
    expect_test_glyph(display_surface, 320 - 6 * 7 - 6, 60, 'R');  // "Rotwalk" centred
    expect_grey(display_surface, 320 - 6 * 13 - 6, 80 + 22, TEST_PLAIN_GREY);  // no edition line
}

TEST_P(MenuTest, CreditsArePlainLinesKeepingTheEmptyOneAndBackReturns)
{
    screen_number = SCREEN_CREDITS;
    click(600, 150);
    credits_screen();
    EXPECT_EQ(screen_number, SCREEN_CREDITS);
    expect_test_glyph(display_surface, 320 - 6 * 13 - 6, 80 + 22, 'E');  // the edition line
    expect_grey(display_surface, 20, 216 + 10, TEST_PLAIN_GREY);  // the empty line
    expect_test_glyph(display_surface, 20, 240, 'M');             // the line after it
    expect_grey(display_surface, 600, 150, TEST_PLAIN_GREY);      // no highlight
    click(550, 410);
    credits_screen();
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
}

INSTANTIATE_AT_ONE_DEPTH(MenuTest);
