// settings_test.cpp -- reading settings.ini: which line a key matches, line limits, typed values
#include "app/settings.h"
#include "support.h"

using SettingsFile = ScratchFolderTest;

TEST_F(SettingsFile, AKeyMatchesOnlyAtTheLineStartBeforeEqualsAndTheLastLineWins)
{
    std::string hundred_lines, long_line(300, 'x');
    for (int i = 0; i < 100; i++)
        hundred_lines += "screenbpp=8\n";
    const struct { std::string text; const char *key; float value; } cases[] = {
        {"  screenbpp   =  3 2\n", "screenbpp", 32.0f},      // blanks anywhere vanish
        {"FULLSCREEN=1\n", "fullscreen", 0.0f},              // letter case matters
        {"#showcursor=1\n", "showcursor", 0.0f},
        {"antialiasing=1 # smooth\n", "antialiasing", 1.0f},  // a comment ends the number
        {"screenwidth=800\n", "screenw", 0.0f},
        {"mipmapping=\n", "mipmapping", 0.0f},
        {"screenbpp=16\r\nscreenbpp=24\r\nscreenh=5\n", "screenbpp", 24.0f},
        {hundred_lines + "screenbpp=32\n", "screenbpp", 8.0f},  // line 101 is never read
        {"screenbpp=16\n" + long_line + "\nfullscreen=1\n", "fullscreen", 0.0f},  // 256+ hides the rest
        {"screenbpp=16\n" + long_line + "\nfullscreen=1\n", "screenbpp", 16.0f},
        {std::string(255, 'y') + "\nfullscreen=1", "fullscreen", 1.0f},  // 255 still fit, 256 do not
        {std::string(256, 'y') + "\nfullscreen=1", "fullscreen", 0.0f},
        {std::string(255, 'y') + "\r\nfullscreen=1\r\n", "fullscreen", 1.0f},  // the CR LF is no character
        {std::string(255, 'y') + "\rfullscreen=1\n", "fullscreen", 0.0f},       // a lone CR is one
    };
    for (const auto &c : cases) {
        write_text_file(SETTINGS_FILE, c.text);
        read_settings_file();
        EXPECT_EQ(setting_value(c.key), c.value) << c.key << " in: " << c.text.substr(0, 40);
    }
}

// A depth no int can hold falls back to the desktop's (0), as an absent key does.
TEST_F(SettingsFile, EachKeyIsStoredByItsTypeAndAbsentOrUnusableValuesAreZero)
{
    write_text_file(SETTINGS_FILE, "screenw=1024\nscreenh=768.5\nscreenbpp=16.9\nfullscreen=-1\n"
                                   "showcursor=0.5\nantialiasing=yes\nmipmapping=2\n");
    load_settings();
    EXPECT_TRUE(display_width == 1024.0f && display_height == 768.5f && color_depth == 16);
    EXPECT_TRUE(setting_fullscreen && setting_show_cursor && !setting_antialiasing && setting_mipmapping);
    for (const char *text : {"screenbpp=1e30\n", "screenbpp=nan\n", ""}) {
        write_text_file(SETTINGS_FILE, text);
        color_depth = 8;
        load_settings();
        EXPECT_EQ(color_depth, 0) << text;
    }
    ASSERT_EQ(remove(SETTINGS_FILE), 0);  // no file at all
    setting_fullscreen = setting_show_cursor = true;
    load_settings();
    EXPECT_TRUE(display_width == 0.0f && color_depth == 0 && !setting_fullscreen && !setting_show_cursor);
}
