// folders_test.cpp -- finding the data, making the player's game folder, reading the command line
#include "app/command_line.h"
#include "app/folders.h"
#include "game/world_fixture.h"

using Folders = ScratchFolderTest;

// A relative folder asked for is made absolute, and it is the only one tried.
// Windows' own folders are tried in platform_windows_test.cpp.
#ifndef _WIN32
TEST_F(Folders, DataIsWhereAskedOrFoundAndTheGameFolderIsMadeOnceKeepingThePlayersEdits)
{
    ASSERT_EQ(system("mkdir -p portable/Media usr/bin usr/share/rotwalk/Media empty share/Maps"),
              0);
    const std::string home = getenv("HOME") ? getenv("HOME") : "";
    const std::string own = folder + "/portable", bin = folder + "/usr/bin",
                      installed = folder + "/usr/share/rotwalk";
    const struct {
        const char *asked;
        std::string exe, found;
    } cases[] = {{nullptr, own, own}, {nullptr, bin, installed}, {nullptr, folder + "/empty", ""},
                 {nullptr, "", ""},   {"portable", bin, own},    {"empty", own, ""}};
    for (const auto &c : cases)
        EXPECT_EQ(find_data_folder(c.asked, c.exe), c.found) << c.exe;
    bool portable = true;
    EXPECT_EQ(planned_game_folder(nullptr, nullptr, own, own, portable), own);
    EXPECT_TRUE(portable);
    setenv("XDG_DATA_HOME", "/x/data", 1);
    EXPECT_EQ(planned_game_folder(nullptr, nullptr, installed, bin, portable), "/x/data/rotwalk");
    EXPECT_FALSE(portable);
    EXPECT_EQ(planned_game_folder(nullptr, "mine", own, own, portable), "mine");
    setenv("XDG_DATA_HOME", "relative", 1);  // a relative XDG path is ignored
    setenv("HOME", "/home/p", 1);
    EXPECT_EQ(default_game_folder(), "/home/p/.local/share/rotwalk");
    unsetenv("XDG_DATA_HOME");
    unsetenv("HOME");
    EXPECT_EQ(default_game_folder(), "");
    setenv("HOME", home.c_str(), 1);

    // The shipped maps and settings are copied only where the player has none,
    // so edits survive every start; a folder that cannot be made is told.
    const std::string game = folder + "/home/rotwalk";
    ASSERT_EQ(prepare_game_folder(game, folder + "/empty"), "");
    for (const char *shipped : {"Maps/Town.map", "Maps/Farm.map", "Maps/notes.txt", "settings.ini"})
        write_text_file(("share/" + std::string(shipped)).c_str(), shipped);
    write_text_file((game + "/Maps/Town.map").c_str(), "edited");
    write_text_file((game + "/settings.ini").c_str(), "mine");
    EXPECT_EQ(prepare_game_folder(game, folder + "/share"), "");
    EXPECT_EQ(folder_listing(game.c_str()) + folder_listing((game + "/Maps").c_str()),
              "Maps\nSaves\nsettings.ini\nFarm.map\nTown.map\n");
    EXPECT_EQ(read_file((game + "/Maps/Town.map").c_str()) +
                  read_file((game + "/Maps/Farm.map").c_str()) +
                  read_file((game + "/settings.ini").c_str()),
              "editedMaps/Farm.mapmine");
    write_text_file("blocked", "a file where a folder should be");
    EXPECT_EQ(prepare_game_folder(folder + "/blocked/rotwalk", folder + "/share"),
              "cannot make " + folder + "/blocked/rotwalk: Not a directory");
}
#endif

// Each row starts from no options; the last leaves them so for the other tests.
TEST(CommandLine, OptionsAreReadAndAnythingElseIsRefused)
{
    const int SETTINGS = FULLSCREEN_FROM_SETTINGS;
    const struct {
        std::vector<const char *> args;
        int result;
        const char *data, *game;
        int fullscreen, frames;
        const char *play = nullptr, *canvas = nullptr;
    } cases[] = {
        {{"--play", "Best.rwr"}, COMMAND_PLAY, nullptr, nullptr, SETTINGS, 0, "Best.rwr"},
        {{"--play"}, COMMAND_BAD, nullptr, nullptr, SETTINGS, 0},
        {{"--data", "d", "--game-folder", "g", "--windowed"}, COMMAND_PLAY, "d", "g", 0, 0},
        {{"--frames", "30", "--canvas", "c.ppm"},
         COMMAND_PLAY,
         nullptr,
         nullptr,
         SETTINGS,
         30,
         nullptr,
         "c.ppm"},
        {{"--fullscreen"}, COMMAND_PLAY, nullptr, nullptr, 1, 0},
        {{"--version"}, COMMAND_DONE, nullptr, nullptr, SETTINGS, 0},
        {{"--frames", "0"}, COMMAND_BAD, nullptr, nullptr, SETTINGS, 0},
        {{"--frames", "12x"}, COMMAND_BAD, nullptr, nullptr, SETTINGS, 0},
        {{"--data"}, COMMAND_BAD, nullptr, nullptr, SETTINGS, 0},
        {{"-x"}, COMMAND_BAD, nullptr, nullptr, SETTINGS, 0}};
    for (const auto &c : cases) {
        option_data = option_game_folder = nullptr;
        option_fullscreen = SETTINGS;
        option_frames = 0;
        option_play = option_canvas = nullptr;
        std::vector<char *> argv = {(char *)"rotwalk"};
        for (const char *arg : c.args)
            argv.push_back((char *)arg);
        EXPECT_EQ(read_command_line((int)argv.size(), argv.data()), c.result) << c.args[0];
        EXPECT_STREQ(option_data, c.data) << c.args[0];
        EXPECT_STREQ(option_game_folder, c.game) << c.args[0];
        EXPECT_TRUE(option_fullscreen == c.fullscreen && option_frames == c.frames) << c.args[0];
        EXPECT_STREQ(option_play, c.play) << c.args[0];
        EXPECT_STREQ(option_canvas, c.canvas) << c.args[0];
    }
}
