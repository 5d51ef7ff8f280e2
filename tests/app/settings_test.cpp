// settings_test.cpp -- reading settings.ini: which line a key matches; writing it back
#include "app/key_bindings.h"
#include "app/pads.h"
#include "app/settings.h"
#include "app/settings_save.h"
#include "game/world_fixture.h"

using SettingsFile = ScratchFolderTest;

// How lines are cut (255 characters, CR LF, line 101) is the fuzz corpus's.
// Blanks anywhere vanish, letter case matters, a comment ends the number.
TEST_F(SettingsFile, AKeyMatchesOnlyAtTheLineStartBeforeEqualsAndTheLastLineWins)
{
    const struct {
        std::string text;
        const char *key;
        float value;
    } cases[] = {{"  screenbpp   =  3 2\n", "screenbpp", 32.0f},
                 {"FULLSCREEN=1\n", "fullscreen", 0.0f},
                 {"#showcursor=1\n", "showcursor", 0.0f},
                 {"antialiasing=1 # smooth\n", "antialiasing", 1.0f},
                 {"screenwidth=800\n", "screenw", 0.0f},
                 {"mipmapping=\n", "mipmapping", 0.0f},
                 {"screenbpp=16\r\nscreenbpp=24\r\nscreenh=5\n", "screenbpp", 24.0f}};
    for (const auto &c : cases) {
        write_text_file(SETTINGS_FILE, c.text);
        read_settings_file();
        EXPECT_EQ(setting_value(c.key), c.value) << c.key << " in: " << c.text;
    }
}

// Written back, the line that sets a key keeps its place, blanks and
// comment; only a number that reads otherwise changes, and a key no line
// sets is added where the reader still finds it: last, or above line 100.
TEST(SettingsWriter, KeepsThePlayersLinesAndChangesOnlyNumbersThatReadOtherwise)
{
    std::string hundred;
    for (int i = 0; i < 100; i++)
        hundred += "#\n";
    const struct {
        std::string old_text;
        SavedSetting setting;
        std::string new_text;
    } cases[] = {
        {"# mine\r\nfullscreen = 1 # on\r\nfoo=7\r\n",
         {"fullscreen", 0, true},
         "# mine\r\nfullscreen = 0 # on\r\nfoo=7\r\n"},
        {"fullscreen=-1\n", {"fullscreen", 1, true}, "fullscreen=-1\n"},
        {"scale=1\nscale = 16.9\n", {"scale", 16, false}, "scale=1\nscale = 16.9\n"},
        {"scale=1\n s c a l e = 2\n", {"scale", 3, false}, "scale=1\n s c a l e = 3\n"},
        {"screenbpp = 3 2#x\n", {"screenbpp", 16, false}, "screenbpp = 16#x\n"},
        {"keyfire=\n", {"keyfire", 112, false}, "keyfire=112\n"},
        {"#scale=2\r\nscalex=1", {"scale", 2, false}, "#scale=2\r\nscalex=1\r\nscale = 2\r\n"},
        {"", {"keyup", 122, false}, "keyup = 122\n"},
        {hundred, {"scale", 2, false}, hundred.substr(0, 198) + "scale = 2\n#\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(rewrite_settings(c.old_text, &c.setting, 1), c.new_text) << c.old_text;
}

// Every key the game writes stands in the shipped file, which a save of its
// own values leaves byte for byte; a save of other values reads back as
// them and keeps the player's comment and a key the game does not know.
TEST_F(SettingsFile, EveryKeyIsShippedAndRoundTripsThroughTheFile)
{
    std::string shipped = read_file(FUZZ_CORPUS_DIR "/../../../data/settings.ini");
    write_text_file(SETTINGS_FILE, shipped);
    load_settings();
    read_pad_settings();
    SavedSetting values[SAVED_SETTING_LIMIT], back[SAVED_SETTING_LIMIT];
    int count = current_settings(values);
    EXPECT_EQ(rewrite_settings(shipped, values, count), shipped);

    write_text_file(SETTINGS_FILE, "# my comment\nvsync = 1\n");
    setting_color_depth = 16;
    setting_fullscreen = setting_show_cursor = true;
    setting_scale = 3;
    setting_music_volume = 30;
    setting_effects_volume = 0;
    for (int i = 0; i < AXIS_ROLE_COUNT; i++)
        pad_axis_override[i] = i + 2;
    for (int i = 0; i < PAD_ROLE_COUNT; i++)
        pad_button_override[i] = i + 1;
    pad_dead_zone = 40;
    for (int action = 0; action < ACTION_COUNT; action++)
        key_bindings[action] = SDLK_a + action;
    current_settings(values);
    ASSERT_EQ(save_settings(), 0);
    load_settings();
    read_pad_settings();
    ASSERT_EQ(current_settings(back), count);
    for (int i = 0; i < count; i++)
        EXPECT_EQ(back[i].value, values[i].value) << values[i].key;
    EXPECT_EQ(read_file(SETTINGS_FILE).substr(0, 23), "# my comment\nvsync = 1\n");
    use_bindings(DEFAULT_BINDINGS);
    read_pad_settings();
}

// A file past the limit of the game's other files still gives its first lines.
TEST_F(SettingsFile, AHugeFileStillGivesItsFirstLines)
{
    write_text_file(SETTINGS_FILE, "fullscreen = 1\n" + std::string(5 << 20, '#') + "\nscale=2\n");
    read_settings_file();
    EXPECT_EQ(settings_line_count, SETTINGS_MAX_LINES);
    EXPECT_EQ(setting_value("fullscreen"), 1.0f);
}
