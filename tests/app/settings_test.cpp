// settings_test.cpp -- reading settings.ini
#include <string>

#include "app/display.h"
#include "app/settings.h"
#include "support.h"

using SettingsFile = ScratchFolderTest;

TEST_F(SettingsFile, BlanksVanishButCaseAndLinePositionMatter)
{
    write_text_file(SETTINGS_FILE,
                    "  screenbpp   =  3 2\n"
                    "FULLSCREEN=1\n"
                    "#showcursor=1\n"
                    "antialiasing=1 # smooth edges\n"
                    "screenwidth=800\n"
                    "mipmapping=\n");
    read_settings_file();
    EXPECT_EQ(settings_line_count, SETTINGS_MAX_LINES);
    EXPECT_STREQ(settings_lines[0], "screenbpp=32");
    EXPECT_FLOAT_EQ(setting_value("screenbpp"), 32.0f);
    EXPECT_FLOAT_EQ(setting_value("fullscreen"), 0.0f);    // case-sensitive
    EXPECT_FLOAT_EQ(setting_value("showcursor"), 0.0f);    // key must start the line
    EXPECT_FLOAT_EQ(setting_value("antialiasing"), 1.0f);  // comment stops the number
    EXPECT_FLOAT_EQ(setting_value("screenw"), 0.0f);       // "screenw=" is not "screenwidth="
    EXPECT_FLOAT_EQ(setting_value("mipmapping"), 0.0f);    // empty value
}

TEST_F(SettingsFile, LastMatchingLineWinsAndCarriageReturnsAreDropped)
{
    write_text_file(SETTINGS_FILE, "screenbpp=16\r\nscreenbpp=24\r\nshowcursor=1\r\n");
    read_settings_file();
    EXPECT_FLOAT_EQ(setting_value("screenbpp"), 24.0f);
    EXPECT_STREQ(settings_lines[2], "showcursor=1");
}

TEST_F(SettingsFile, OnlyTheFirstHundredLinesAreRead)
{
    std::string text;
    for (int i = 0; i < 100; i++)
        text += "screenbpp=8\n";
    text += "screenbpp=32\n";  // line 101
    write_text_file(SETTINGS_FILE, text);
    read_settings_file();
    EXPECT_FLOAT_EQ(setting_value("screenbpp"), 8.0f);
}

TEST_F(SettingsFile, AVeryLongLineHidesEveryLaterLine)
{
    std::string long_line(300, 'x');
    write_text_file(SETTINGS_FILE, "screenbpp=16\n" + long_line + "\nfullscreen=1\n");
    read_settings_file();
    EXPECT_EQ(strlen(settings_lines[1]), 255u);
    EXPECT_STREQ(settings_lines[2], "");
    EXPECT_FLOAT_EQ(setting_value("fullscreen"), 0.0f);
    EXPECT_FLOAT_EQ(setting_value("screenbpp"), 16.0f);

    // 255 characters still fit, and the next line is read normally.
    write_text_file(SETTINGS_FILE, std::string(255, 'y') + "\nfullscreen=1");
    read_settings_file();
    EXPECT_FLOAT_EQ(setting_value("fullscreen"), 1.0f);
}

TEST_F(SettingsFile, LoadSettingsConvertsEachKeyByItsType)
{
    write_text_file(SETTINGS_FILE,
                    "screenw=1024\nscreenh=768.5\nscreenbpp=16.9\nfullscreen=-1\n"
                    "showcursor=0.5\nantialiasing=yes\nmipmapping=2\n");
    load_settings();
    EXPECT_FLOAT_EQ(display_width, 1024.0f);
    EXPECT_FLOAT_EQ(display_height, 768.5f);
    EXPECT_EQ(color_depth, 16);
    EXPECT_TRUE(setting_fullscreen);
    EXPECT_TRUE(setting_show_cursor);
    EXPECT_FALSE(setting_antialiasing);  // letters read as 0
    EXPECT_TRUE(setting_mipmapping);
}

TEST_F(SettingsFile, NoFileGivesEveryAbsentDefault)
{
    display_width = display_height = 5.0f;
    color_depth = 8;
    setting_fullscreen = setting_show_cursor = true;
    load_settings();
    EXPECT_EQ(settings_line_count, 0);
    EXPECT_FLOAT_EQ(setting_value("screenbpp"), 0.0f);
    EXPECT_FLOAT_EQ(display_width, 0.0f);
    EXPECT_FLOAT_EQ(display_height, 0.0f);
    EXPECT_EQ(color_depth, 0);
    EXPECT_FALSE(setting_fullscreen);
    EXPECT_FALSE(setting_show_cursor);
}

TEST_F(SettingsFile, AnOutOfRangeDepthFallsBackToTheDesktopDepth)
{
    write_text_file(SETTINGS_FILE, "screenbpp=1e30\n");
    load_settings();
    EXPECT_EQ(color_depth, 0);
    write_text_file(SETTINGS_FILE, "screenbpp=nan\n");
    load_settings();
    EXPECT_EQ(color_depth, 0);
}
