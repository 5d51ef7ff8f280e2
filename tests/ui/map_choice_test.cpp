// map_choice_test.cpp -- which names are offered, picking a map, making a new one
#include "app/glyphs.h"
#include "game/world_fixture.h"
#include "main_loop.h"
#include "maps/map_file.h"
#include "maps/map_list.h"
#include "ui/editor.h"
#include "ui/map_choice.h"
#include "ui/map_preview.h"
#include "ui/name_field.h"
#include "ui/notice.h"

#ifdef _WIN32
const int THROUGH_A_FILE = ENOENT;  // Windows finds no path through a file
#else
const int THROUGH_A_FILE = ENOTDIR;
#endif

class MapChoice : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        reset_choice();
    }
    void TearDown() override
    {
        clear_map_names();
        reset_choice();
        ScreenTest::TearDown();
    }
    // The choice already open on page one, nothing previewed yet.
    static void reset_choice()
    {
        screen_opened = false;
        last_screen_number = SCREEN_CHOOSE_MAP_TO_PLAY;
        map_list_top = 0;
        mouse_wheel = 0;
        forget_map_preview();
        tile_preview_colors_ready = false;
        close_name_field();
    }
    static void set_map_names(const std::vector<std::string> &names)
    {
        clear_map_names();
        for (const std::string &name : names)
            map_names[map_name_count++] = strcpy(new char[name.size() + 1], name.c_str());
    }
    // One frame of the screen for playing (or editing), with a click at (x, y).
    static void pick(int x, int y, int target = SCREEN_START_GAME)
    {
        screen_number =
            target == SCREEN_START_GAME ? SCREEN_CHOOSE_MAP_TO_PLAY : SCREEN_CHOOSE_MAP_TO_EDIT;
        map_path[0] = '\0';
        click(x, y);
        map_choice_screen(target);
    }
};

// Names holding ".map" or ".MAP" that are plain and fit map_path, in list
// order, one row each from y 144, labelled without their last 4
// characters. Ten maps take ten rows and no paging row; a click on the
// editor's "New map" under "Back" asks for its name and then goes back.
TEST_P(MapChoice, OnlyMapNamesAreListedInListOrderWithoutGapsAndBackIsTestedLast)
{
    std::vector<std::string> names = {
        ".",         "..",        "zeta.map",      "notes.txt",     "old.map.bak",
        "ALPHA.MAP", "mixed.Map", "Tab\tTown.map", "Line\nEnd.map", "Del\x7f.map"};
    names.push_back(std::string(95, 'x') + ".map");
    for (int i = 4; i <= 10; i++)
        names.push_back("m" + std::to_string(i) + ".map");
    set_map_names(names);
    const char *const paths[] = {"Maps/zeta.map", "Maps/old.map.bak", "Maps/ALPHA.MAP",
                                 "Maps/m4.map"};
    for (int row = 0; row < 4; row++) {
        pick(630, 150 + 24 * row);
        EXPECT_STREQ(map_path, paths[row]);
        EXPECT_EQ(screen_number, SCREEN_START_GAME);
    }
    expect_test_glyph(display_surface, 20 + 12 * 6, 168, 'p');  // "old.map"
    expect_grey(display_surface, 20 + 12 * 7 + 8, 168 + 10, TEST_PLAIN_GREY);
    expect_test_glyph(display_surface, 20, 360, 'm');  // m10, not a paging row
    pick(630, 390);
    EXPECT_EQ(screen_number, SCREEN_CHOOSE_MAP_TO_PLAY);
    ASSERT_EQ(mkdir("Maps", 0755), 0);
    pick(550, 402, SCREEN_START_EDITOR);
    EXPECT_STREQ(name_field_text, "Map 1");
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
}

// Past ten maps a page shows nine or eight of them between "Previous..."
// above and "More..." below; the rows, Page Up, Page Down and the wheel
// turn it, never past either end.
TEST_P(MapChoice, MoreThanTenMapsArePagedByTheRowsTheKeysAndTheWheel)
{
    std::vector<std::string> names;
    for (int i = 0; i < 23; i++)
        names.push_back((i < 10 ? "m0" : "m") + std::to_string(i) + ".map");
    set_map_names(names);
    const int NONE = 0, WHEEL = 1, ROW = 2;
    struct Step {
        int how, value;  // a wheel's steps, a key, or a click on row `value`
        char first, last;
        int second_map;  // on the second row
    } steps[] = {{NONE, 0, 'm', 'M', 1},
                 {ROW, 9, 'P', 'M', 9},
                 {WHEEL, 0, 'P', 'M', 9},
                 {ROW + 1, SDLK_PAGEDOWN, 'P', 'm', 14},
                 {WHEEL, 50, 'P', 'm', 14},
                 {WHEEL, -1, 'P', 'M', 13},
                 {ROW + 1, SDLK_PAGEUP, 'P', 'M', 5},
                 {ROW, 0, 'm', 'M', 1},
                 {WHEEL, -4, 'm', 'M', 1},
                 {WHEEL, 2, 'P', 'M', 2}};
    for (const Step &step : steps) {
        point_at(630, 10, KEY_UP);
        if (step.how == WHEEL)
            mouse_wheel = step.value;
        if (step.how == ROW)
            click(630, 150 + 24 * step.value);
        if (step.how == ROW + 1)
            key_state[step.value] = KEY_PRESSED;
        map_choice_screen(SCREEN_START_GAME);
        memset(key_state, 0, sizeof key_state);
        mouse_wheel = 0;
        pick(630, 174);
        char path[32];
        snprintf(path, sizeof path, "Maps/m%02d.map", step.second_map);
        EXPECT_STREQ(map_path, path) << step.how << " " << step.value;
        expect_test_glyph(display_surface, 20, 144, step.first);
        expect_test_glyph(display_surface, 20, 360, step.last);
        expect_grey(display_surface, 20, 384 + 10, TEST_PLAIN_GREY);
    }
}

// Maps/ is listed again when a choice opens, not in every frame it stays.
TEST_P(MapChoice, OpeningTheChoiceListsMapsAddedSinceAndLosesRemovedOnes)
{
    last_screen_number = SCREEN_MAIN_MENU;
    ASSERT_EQ(mkdir("Maps", 0755), 0);
    write_text_file("Maps/b.map", "");
    write_text_file("Maps/a.map", "");
    const char *const expected[][2] = {
        {"Maps/a.map", "Maps/b.map"}, {"Maps/a.map", "Maps/b.map"}, {"Maps/b.map", "Maps/c.map"}};
    for (int visit = 0; visit < 3; visit++) {
        if (visit == 2)
            point_at(0, 0, KEY_UP), screen_number = SCREEN_MAIN_MENU, run_current_screen();
        for (int row = 0; row < 2; row++) {
            screen_number = SCREEN_CHOOSE_MAP_TO_PLAY;
            click(630, 150 + 24 * row);
            run_current_screen();
            EXPECT_STREQ(map_path, expected[visit][row]) << visit;
        }
        write_text_file("Maps/c.map", "");
        unlink("Maps/a.map");
    }
}

// A map gone from Maps/ between its pick and its start is told, and its
// choice comes back: no game or editing on an empty grid.
TEST_P(MapChoice, AMapGoneWhenPickedIsToldAndItsChoiceComesBack)
{
    ASSERT_EQ(mkdir("Maps", 0755), 0);
    ASSERT_EQ(mkdir("Maps/Dir.map", 0755), 0);
    struct Case {
        const char *path;
        void (*start)();
        int screen;
        const char *notice;
    } cases[] = {
        {"Maps/Town.map", start_game_screen, SCREEN_CHOOSE_MAP_TO_PLAY, "Town is gone from Maps/"},
        {"Maps/Town.map", enter_editor, SCREEN_CHOOSE_MAP_TO_EDIT, "Town is gone from Maps/"},
        {"Maps/Dir.map", start_game_screen, SCREEN_CHOOSE_MAP_TO_PLAY,
         "Could not open Maps/Dir.map: Is a directory"}};
    for (const Case &c : cases) {
        strcpy(map_path, c.path);
        kill_count = 5;
        screen_number = SCREEN_START_GAME;
        c.start();
        EXPECT_EQ(screen_number, c.screen);
        EXPECT_STREQ(notice_text, c.notice);
        EXPECT_EQ(kill_count, 5);
        clear_notice();
    }
}

// Only for editing, after the maps: the name is asked first, offering the
// first number no entry of Maps/ has taken. Return makes a file of floor 0,
// listed at once in its place for playing too, and opens the editor.
TEST_P(MapChoice, NewMapIsNamedFirstThenMadeOfFloorAndJoinsTheListAtOnce)
{
    ASSERT_EQ(mkdir("Maps", 0755), 0);
    write_text_file("Maps/Map 1.map", "");
    ASSERT_EQ(make_dangling_entry("nowhere", "Maps/Map 2.map"), 0);
    write_text_file("Maps/Map 4.map", "");
    set_map_names({"Map 1.map", "Map 4.map"});
    pick(630, 200, SCREEN_START_EDITOR);
    expect_test_glyph(display_surface, 20, 192, 'N');
    key_state[SDLK_RETURN] = KEY_PRESSED;
    pick(630, 10, SCREEN_START_EDITOR);
    EXPECT_EQ(screen_number, SCREEN_START_EDITOR);
    EXPECT_STREQ(map_path, "Maps/Map 3.map");
    std::string floor;
    while (floor.size() < 50 * 51)
        floor += std::string(50, '!') + "\n";
    EXPECT_EQ(read_file("Maps/Map 3.map"), floor);
    pick(630, 176);  // in its place, between Map 1 and Map 4
    EXPECT_STREQ(map_path, "Maps/Map 3.map");

    ASSERT_EQ(rename("Maps", "Old"), 0);  // a file where the folder should be
    write_text_file("Maps", "");
    pick(630, 224, SCREEN_START_EDITOR);
    key_state[SDLK_RETURN] = KEY_PRESSED;
    pick(630, 10, SCREEN_START_EDITOR);
    EXPECT_EQ(screen_number, SCREEN_CHOOSE_MAP_TO_EDIT);
    EXPECT_EQ(std::string(notice_text),
              std::string("Could not save Maps/Map 1.map: ") + strerror(THROUGH_A_FILE));
    EXPECT_EQ(map_name_count, 3);
    clear_notice();
}

INSTANTIATE_AT_ONE_DEPTH(MapChoice);

// Every cell of the tile sheet: half colour A, a quarter B, a quarter keyed;
// kind 1's cell has A and B swapped. Its floors average (2A + B) / 3.
class MapPreview : public MapChoice {
protected:
    void SetUp() override
    {
        MapChoice::SetUp();
        tile_image = display_like_surface(TILE_CELL_COLUMNS * TILE_SIZE,
                                          TILE_CELL_COUNT / TILE_CELL_COLUMNS * TILE_SIZE);
        for (int cell = 0; cell < TILE_CELL_COUNT; cell++) {
            SDL_Rect r = tile_rects[cell];
            SDL_FillRect(
                tile_image, &r,
                display_rgb(cell == 1 ? 0 : 216, cell == 1 ? 0 : 108, cell == 1 ? 240 : 24));
            r.x = (Sint16)(r.x + 50), r.w = 25;
            SDL_FillRect(
                tile_image, &r,
                display_rgb(cell == 1 ? 216 : 0, cell == 1 ? 108 : 0, cell == 1 ? 24 : 240));
            r.x = (Sint16)(r.x + 25);
            SDL_FillRect(tile_image, &r, key_color(tile_image));
        }
        SDL_SetColorKey(tile_image, SDL_SRCCOLORKEY, key_color(tile_image));
    }
    void TearDown() override
    {
        SDL_FreeSurface(tile_image);
        tile_image = nullptr;
        MapChoice::TearDown();
    }
};

// The hovered map's grid at three pixels a tile right of the rows, walls at
// a third of their tops' colour, and under it its best in the mode being
// chosen; nothing while no map is hovered, no best when editing.
TEST_P(MapPreview, TheHoveredMapIsDrawnSmallWithItsBestInTheModeBeingChosen)
{
    ASSERT_EQ(mkdir("Maps", 0755), 0);
    std::string rows(50 * 51, '!');
    for (int y = 0; y < 50; y++)
        rows[51 * y + 50] = '\n';
    rows[0] = '"';                  // kind 1 at (0, 0)
    rows[51 * 49 + 49] = '!' + 14;  // a wall at (49, 49)
    write_text_file("Maps/Town.map", rows);
    ASSERT_EQ(mkdir("Saves", 0755), 0);
    write_text_file("Saves/records.txt", "Town\t7\t65\nTown\t9\t80\twaves\t3\n");
    screen_opened = true;
    struct Case {
        int target, mode, pointer_y;
        const char *best;  // its first line, or null for none
    } cases[] = {{SCREEN_START_GAME, MODE_CLASSIC, 10, nullptr},
                 {SCREEN_START_GAME, MODE_CLASSIC, 150, "Kills: 7"},
                 {SCREEN_START_GAME, MODE_WAVES, 150, "Wave: 3"},
                 {SCREEN_START_EDITOR, MODE_CLASSIC, 150, nullptr}};
    for (const Case &c : cases) {
        game_mode = c.mode;
        point_at(20, c.pointer_y, KEY_UP);
        map_choice_screen(c.target);
        screen_opened = false;
        bool shown = c.pointer_y == 150;
        Uint32 a = display_rgb(144, 72, 96), b = display_rgb(72, 36, 168);
        Uint32 wall = display_rgb(48, 24, 32), frame = display_rgb(0, 0, 0);
        const struct {
            int x, y;
            Uint32 color;
        } pixels[] = {{466, 144, frame}, {467, 297, frame}, {468, 146, b},    {470, 148, b},
                      {471, 146, a},     {468, 149, a},     {615, 293, wall}, {617, 295, wall},
                      {614, 295, a},     {615, 292, a},     {619, 297, frame}};
        for (const auto &p : pixels)
            if (shown)
                EXPECT_EQ(read_pixel(display_surface, p.x, p.y), p.color) << p.x << "," << p.y;
            else
                expect_grey(display_surface, p.x, p.y, TEST_PLAIN_GREY);
        if (c.best) {
            int length = (int)strlen(c.best), start = centred_text_start(PREVIEW_CENTER_X, length);
            expect_test_glyph(display_surface, start, 330, c.best[0]);
            expect_test_glyph(display_surface, start + 12 * (length - 1), 330, c.best[length - 1]);
            expect_test_glyph(display_surface, centred_text_start(PREVIEW_CENTER_X, 13), 354, 'L');
        } else {
            expect_grey(display_surface, PREVIEW_CENTER_X, 330 + 10, TEST_PLAIN_GREY);
        }
    }
    player_count = 2;  // a game of two has no best on Town yet
    map_choice_screen(SCREEN_START_GAME);
    expect_test_glyph(display_surface, centred_text_start(PREVIEW_CENTER_X, 11), 306, 'N');
    player_count = 1;
}

INSTANTIATE_AT_BOTH_DEPTHS(MapPreview);
