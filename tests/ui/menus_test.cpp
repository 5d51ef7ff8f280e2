// menus_test.cpp -- the main menu's rows and the credits
#include <cstring>

#include "app/display.h"
#include "app/input.h"
#include "app/main_loop.h"
#include "game/world.h"
#include "support.h"
#include "ui/menus.h"

class MenuTest : public DisplayTest {
protected:
    std::string previous_folder, folder;
    void SetUp() override
    {
        DisplayTest::SetUp();
        make_test_artwork();
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        previous_folder = cwd;
        char pattern[] = "/tmp/rotwalk_menu_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        ASSERT_EQ(chdir(folder.c_str()), 0);  // no save file here
        screen_number = SCREEN_MAIN_MENU;
    }
    void TearDown() override
    {
        ASSERT_EQ(chdir(previous_folder.c_str()), 0);
        rmdir(folder.c_str());
        free_test_artwork();
        DisplayTest::TearDown();
    }
    static void click(int x, int y)
    {
        mouse_x[0] = x;
        mouse_y[0] = y;
        mouse_button_state[SDL_BUTTON_LEFT] = KEY_PRESSED;
    }
};

TEST_P(MenuTest, EachRowLeadsToItsScreenFromAnywhereOnTheRow)
{
    const struct {
        int y;
        int screen;
    } rows[] = {{150, SCREEN_CHOOSE_MAP_TO_PLAY}, {200, SCREEN_CHOOSE_MAP_TO_EDIT}, {225, SCREEN_CREDITS}};
    for (const auto &row : rows) {
        screen_number = SCREEN_MAIN_MENU;
        click(639, row.y);
        main_menu_screen();
        EXPECT_EQ(screen_number, row.screen) << row.y;
    }
    player_count = 3;
    screen_number = SCREEN_MAIN_MENU;
    click(5, 145);
    main_menu_screen();
    EXPECT_EQ(player_count, 1);
    // Between two rows' hover bands nothing is picked.
    screen_number = SCREEN_MAIN_MENU;
    click(100, 166);
    main_menu_screen();
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
}

TEST_P(MenuTest, LoadGameSaveWithoutASaveStaysOnTheMenu)
{
    spawn_zombie(1, 2);
    kill_count = 7;
    click(300, 175);
    main_menu_screen();
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
    EXPECT_EQ(zombie_count, 1);
    EXPECT_EQ(kill_count, 7);
    clear_zombies();
}

TEST_P(MenuTest, TheMainMenuShowsTitleAndRowsButNoEditionLine)
{
    click(300, 300);
    mouse_button_state[SDL_BUTTON_LEFT] = KEY_UP;
    main_menu_screen();
    expect_rgb(display_surface, 320 - 6 * 7 - 6, 60, 'R', TEST_GLYPH_GREEN, 0);  // "Rotwalk"
    expect_rgb(display_surface, 20, 144, 'S', TEST_GLYPH_GREEN, 0);
    expect_rgb(display_surface, 20, 216, 'C', TEST_GLYPH_GREEN, 0);
    expect_rgb(display_surface, 320 - 6 * 13 - 6, 80 + 22, TEST_PLAIN_GREY, TEST_PLAIN_GREY, TEST_PLAIN_GREY);
}

TEST_P(MenuTest, CreditsKeepTheEmptyLineAndBackReturns)
{
    mouse_x[0] = 0;
    mouse_y[0] = 0;
    mouse_button_state[SDL_BUTTON_LEFT] = KEY_UP;
    screen_number = SCREEN_CREDITS;
    credits_screen();
    expect_rgb(display_surface, 320 - 6 * 13 - 6, 80 + 22, 'E', TEST_GLYPH_GREEN, 0);  // edition line
    expect_rgb(display_surface, 20, 144, 'D', TEST_GLYPH_GREEN, 0);
    expect_rgb(display_surface, 20, 240, 'M', TEST_GLYPH_GREEN, 0);  // "Music by Selvane."
    expect_rgb(display_surface, 20, 216 + 10, TEST_PLAIN_GREY, TEST_PLAIN_GREY, TEST_PLAIN_GREY);
    // Plain lines: no highlight under the pointer.
    click(600, 150);
    credits_screen();
    expect_rgb(display_surface, 600, 150, TEST_PLAIN_GREY, TEST_PLAIN_GREY, TEST_PLAIN_GREY);
    EXPECT_EQ(screen_number, SCREEN_CREDITS);
    click(550, 410);
    credits_screen();
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
}

INSTANTIATE_AT_BOTH_DEPTHS(MenuTest);
