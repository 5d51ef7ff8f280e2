// folders_test.cpp -- finding the data, making the player's game folder, reading the command line
#include "app/command_line.h"
#include "app/folders.h"
#include "game/world_fixture.h"

using Folders = ScratchFolderTest;

TEST_F(Folders, DataIsWhereAskedOrFoundAndTheGameFolderIsMadeOnceKeepingThePlayersEdits)
{
    for (const char *made :
         {"portable", "portable/Media", "usr", "usr/bin", "usr/share", "usr/share/rotwalk",
          "usr/share/rotwalk/Media", "empty", "share", "share/Maps"})
        ASSERT_EQ(mkdir(made, 0755), 0) << made;
    const std::string here = folder,
                      home = getenv("HOME") ? getenv("HOME") : "";  // put back at the end
    const struct {
        const char *asked;
        std::string exe, found;
    } cases[] = {{nullptr, here + "/portable", here + "/portable"},
                 {nullptr, here + "/usr/bin", here + "/usr/share/rotwalk"},
                 {nullptr, here + "/empty", ""},
                 {nullptr, "", ""},
                 {"portable", here + "/usr/bin", here + "/portable"},  // relative, made absolute
                 {"empty", here + "/portable", ""}};  // asked for, so nothing else is tried
    for (const auto &c : cases)
        EXPECT_EQ(find_data_folder(c.asked, c.exe), c.found) << c.exe;
    bool portable = true;
    EXPECT_EQ(
        planned_game_folder(nullptr, nullptr, here + "/portable", here + "/portable", portable),
        here + "/portable");
    EXPECT_TRUE(portable);
    setenv("XDG_DATA_HOME", "/x/data", 1);
    EXPECT_EQ(planned_game_folder(nullptr, nullptr, here + "/usr/share/rotwalk", here + "/usr/bin",
                                  portable),
              "/x/data/rotwalk");
    EXPECT_FALSE(portable);
    EXPECT_EQ(
        planned_game_folder(nullptr, "mine", here + "/portable", here + "/portable", portable),
        "mine");
    setenv("XDG_DATA_HOME", "relative", 1),
        setenv("HOME", "/home/p", 1);  // a relative XDG path is ignored
    EXPECT_EQ(default_game_folder(), "/home/p/.local/share/rotwalk");
    unsetenv("XDG_DATA_HOME"), unsetenv("HOME");
    EXPECT_EQ(default_game_folder(), "");
    setenv("HOME", home.c_str(), 1);

    // The shipped maps and settings are copied only where the player has none,
    // so edits survive every start; a folder that cannot be made is told.
    write_text_file("share/Maps/Town.map", "town"),
        write_text_file("share/Maps/notes.txt", "no map");
    write_text_file("share/settings.ini", "screenbpp = 0\n");
    const std::string game = folder + "/home/.local/share/rotwalk";
    EXPECT_EQ(prepare_game_folder(game, folder + "/share"), "");
    EXPECT_EQ(folder_listing(game.c_str()) + folder_listing((game + "/Maps").c_str()),
              "Maps\nSaves\nsettings.ini\nTown.map\n");
    write_text_file((game + "/Maps/Town.map").c_str(), "edited"),
        write_text_file((game + "/settings.ini").c_str(), "mine");
    write_text_file("share/Maps/Farm.map", "farm");  // a newer install ships one more
    EXPECT_EQ(prepare_game_folder(game, folder + "/share"), "");
    EXPECT_EQ(read_file((game + "/Maps/Town.map").c_str()) +
                  read_file((game + "/settings.ini").c_str()) +
                  read_file((game + "/Maps/Farm.map").c_str()),
              "editedminefarm");
    write_text_file("blocked", "a file where a folder should be");
    EXPECT_EQ(prepare_game_folder(folder + "/blocked/rotwalk", folder + "/share"),
              "cannot make " + folder + "/blocked/rotwalk: Not a directory");
}

TEST(CommandLine, OptionsAreReadAndAnythingElseIsRefused)
{
    const struct {
        std::vector<const char *> args;
        int result;
        const char *data, *game;
        int fullscreen;
        long frames;
    } cases[] = {{{}, COMMAND_PLAY, nullptr, nullptr, FULLSCREEN_FROM_SETTINGS, 0},
                 {{"--data", "d", "--game-folder", "g", "--windowed", "--frames", "30"},
                  COMMAND_PLAY,
                  "d",
                  "g",
                  0,
                  30},
                 {{"--fullscreen"}, COMMAND_PLAY, nullptr, nullptr, 1, 0},
                 {{"--version"}, COMMAND_DONE, nullptr, nullptr, FULLSCREEN_FROM_SETTINGS, 0},
                 {{"--frames", "0"}, COMMAND_BAD, nullptr, nullptr, FULLSCREEN_FROM_SETTINGS, 0},
                 {{"--frames", "12x"}, COMMAND_BAD, nullptr, nullptr, FULLSCREEN_FROM_SETTINGS, 0},
                 {{"--data"}, COMMAND_BAD, nullptr, nullptr, FULLSCREEN_FROM_SETTINGS, 0},
                 {{"-x"}, COMMAND_BAD, nullptr, nullptr, FULLSCREEN_FROM_SETTINGS, 0}};
    for (const auto &c : cases) {
        option_data = option_game_folder = nullptr, option_fullscreen = FULLSCREEN_FROM_SETTINGS,
        option_frames = 0;
        std::vector<char *> argv = {(char *)"rotwalk"};
        for (const char *arg : c.args)
            argv.push_back((char *)arg);
        std::string what = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(read_command_line((int)argv.size(), argv.data()), c.result) << what;
        EXPECT_STREQ(option_data, c.data) << what;
        EXPECT_STREQ(option_game_folder, c.game) << what;
        EXPECT_TRUE(option_fullscreen == c.fullscreen && option_frames == c.frames) << what;
    }
    option_data = option_game_folder = nullptr, option_fullscreen = FULLSCREEN_FROM_SETTINGS,
    option_frames = 0;
}
