// name_field_test.cpp -- the names a map may take, typing into the field, saving a copy under a name
#include <sstream>

#include "game/world_fixture.h"
#include "maps/map_list.h"
#include "ui/name_field.h"
#include "ui/notice.h"
#include "ui/save_as.h"

using NameField = ScreenTest;

// Outer spaces are trimmed first.
TEST_P(NameField, ANameIsPlainNotEmptyNotTooLongAndNotTaken)
{
    ASSERT_EQ(mkdir("Maps", 0755), 0);
    write_text_file("Maps/Town.map", "");
    const char *const cases[][2] = {{"  My farm_2-b ", nullptr},
                                    {"", "Type a name first"},
                                    {"   ", "Type a name first"},
                                    {" Town ", "A map has that name already"},
                                    {"../b", "Letters, digits, spaces, - and _ only"},
                                    {" xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx ", nullptr},
                                    {"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", "That name is too long"}};
    for (const auto &c : cases)
        EXPECT_STREQ(name_refusal(c[0]), c[1]) << c[0];
}

// Keys pressed together type in the table's order; Shift gives capitals and
// '_' but no digits; Backspace and then Return come after them. Return is
// refused while no name is typed. The keys it reads are taken from the table, so
// Escape opens no overlay.
TEST_P(NameField, TypedKeysEditTheTextAndReturnOrEscapeCloseIt)
{
    const struct {
        int keys[6];
        const char *text;
        int result;
    } frames[] = {{{SDLK_SPACE, SDLK_RETURN}, " ", NAME_TYPING},
                  {{SDLK_MINUS, SDLK_1, SDLK_a, SDLK_KP5, SDLK_PERIOD}, " a15-", NAME_TYPING},
                  {{SDLK_LSHIFT, SDLK_b, SDLK_MINUS, SDLK_2, SDLK_BACKSPACE, SDLK_RETURN},
                   " a15-B",
                   NAME_ACCEPTED},
                  {{SDLK_c, SDLK_ESCAPE}, "c", NAME_CANCELLED}};
    for (const auto &f : frames) {
        if (!name_field_open)
            open_name_field("Name?", "");
        memset(key_state, 0, sizeof key_state);
        for (int key : f.keys)
            key_state[key] = KEY_PRESSED;
        EXPECT_EQ(run_name_field(), f.result) << f.text;
        EXPECT_STREQ(name_field_text, f.text);
        EXPECT_EQ(name_field_open, f.result == NAME_TYPING);
    }
    EXPECT_EQ(key_state[SDLK_ESCAPE], KEY_HELD);
    EXPECT_STREQ(accepted_name, "a15-B");
    open_name_field("Name?", std::string(31, 'x').c_str());
    key_state[SDLK_y] = key_state[SDLK_z] = KEY_PRESSED;
    run_name_field();
    EXPECT_EQ(name_field_text, std::string(31, 'x') + "y");
    expect_test_glyph(display_surface, NAME_TEXT_X + 12 * 32 - 6 + 16, NAME_TEXT_Y, '|');
    close_name_field();
}

// The copy holds the grid as it is, becomes the map being edited and is
// listed; a taken name is refused and its file kept.
TEST_P(NameField, SaveAsWritesANewFileOfTheGridAndRefusesATakenName)
{
    clear_map_names();  // whatever an earlier case in this process listed
    for (int i = 0; i < MAP_SIZE * MAP_SIZE; i++)
        map_tiles[i % MAP_SIZE][i / MAP_SIZE] = i % TILE_KIND_COUNT;
    std::ostringstream rows;
    write_map_rows(rows, map_tiles);
    EXPECT_TRUE(save_map_as(" Copy 1 "));
    EXPECT_STREQ(notice_text, "Map saved as Copy 1");
    EXPECT_EQ(read_file("Maps/Copy 1.map"), rows.str());
    EXPECT_STREQ(map_path, "Maps/Copy 1.map");
    EXPECT_STREQ(map_names[0], "Copy 1.map");
    map_tiles[0][0] = 5;
    EXPECT_FALSE(save_map_as("Copy 1"));
    EXPECT_STREQ(notice_text, "Could not save as \"Copy 1\": A map has that name already");
    EXPECT_EQ(read_file("Maps/Copy 1.map"), rows.str());
    clear_notice();
    clear_map_names();
}

INSTANTIATE_AT_ONE_DEPTH(NameField);
