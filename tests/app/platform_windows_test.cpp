// platform_windows_test.cpp -- the Windows side of folders and files: listing, replacing, the folder choice, the log
#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include <cerrno>

#include "app/folders.h"
#include "app/platform.h"
#include "app/safe_write.h"
#include "game/world_fixture.h"
#include "maps/map_list.h"

using WindowsFiles = ScratchFolderTest;

static const char CAFE[] = "Caf\xC3\xA9.map";  // in the ANSI code page
static const char CYRILLIC[] = "\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0.map";  // outside it

static void write_wide(const std::string &path, const std::string &text)
{
    FILE *file = _wfopen(wide_text(path).c_str(), L"wb");
    ASSERT_NE(file, nullptr) << path;
    fwrite(text.data(), 1, text.size(), file);
    fclose(file);
}

// The map list comes from the directory search with "." and "..", names in
// UTF-8 whichever code page could hold them; a folder named with letters of
// any alphabet is listed, written and read through.
TEST_F(WindowsFiles, NamesAreListedInUtf8AndFilesAreReplacedInPlaceOrRefusedKeepingTheOld)
{
    ASSERT_EQ(make_folder("Maps"), 0);
    EXPECT_EQ(make_folder("Maps"), 0);  // already there
    write_wide(std::string("Maps/") + CAFE, "a");
    write_text_file("Maps/Town.map", "b");
    scan_map_folder();
    std::vector<std::string> names(map_names, map_names + map_name_count);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", CAFE, "Town.map"}));
    write_wide(std::string("Maps/") + CYRILLIC, "c");
    scan_map_folder();
    EXPECT_EQ(map_name_count, 5);
    EXPECT_EQ(folder_listing("Maps"), std::string(CAFE) + "\nTown.map\n" + CYRILLIC + "\n");

    std::string own = std::string("\xC3\x9C") + "ber " + CYRILLIC;  // "Über Карта.map" as a folder
    ASSERT_EQ(make_folder(own.c_str()), 0);
    std::string file = own + "/save.dat", text;
    ASSERT_EQ(replace_file(file.c_str(), "first"), 0);
    ASSERT_EQ(replace_file(file.c_str(), "second"), 0);  // over an existing file
    EXPECT_EQ(read_regular_file(file.c_str(), text), 0);
    EXPECT_EQ(text, "second");
    EXPECT_TRUE(path_exists(file.c_str()) && is_folder(own.c_str()) && !is_folder(file.c_str()));
    SetFileAttributesW(wide_text(file).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(replace_file(file.c_str(), "lost"), EACCES);
    SetFileAttributesW(wide_text(file).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(replace_file(own.c_str(), "x"), EISDIR);
    EXPECT_EQ(replace_file("Missing/a.dat", "x"), ENOENT);
    EXPECT_EQ(folder_listing(own.c_str()), "save.dat\n");  // no temporary stays
    const struct {
        const char *path;
        int error;
    } refused[] = {{"Maps", EISDIR}, {"NUL", EINVAL}, {"none.dat", ENOENT}};
    for (const auto &row : refused) {
        EXPECT_EQ(read_regular_file(row.path, text), row.error) << row.path;
        EXPECT_EQ(text, "") << row.path;
    }
    FILE *made = open_new_file("new.png");
    ASSERT_NE(made, nullptr);
    fclose(made);
    EXPECT_EQ(open_new_file("new.png"), nullptr);
    EXPECT_EQ(errno, EEXIST);

    // Killed saves older than a minute go; a fresh one and the player's stay.
    for (const char *name : {".rotwalk_1", ".rotwalk_2", "rotwalk_x"})
        write_text_file((std::string("Maps/") + name).c_str(), "x");
    FILETIME long_ago = {0, 0x01000000};
    for (const char *name : {"Maps/.rotwalk_1", "Maps/rotwalk_x"}) {
        HANDLE handle = CreateFileW(wide_text(name).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        SetFileTime(handle, nullptr, nullptr, &long_ago);
        CloseHandle(handle);
    }
    EXPECT_EQ(remove_stale_temporaries("Maps"), 1);
    EXPECT_TRUE(!path_exists("Maps/.rotwalk_1") && path_exists("Maps/.rotwalk_2") &&
                path_exists("Maps/rotwalk_x"));
}

// Beside the game when it can write there, else in %APPDATA%\Rotwalk, made
// with every folder on the way, accented letters and the drive included.
TEST_F(WindowsFiles, TheGameFolderIsPortableWhereWritableElseInAppDataAndTheLogLandsThere)
{
    const char *saved = getenv("APPDATA");
    std::string appdata_before = saved ? saved : "";
    std::string profile = absolute_path(folder) + "\\Zo\xC3\xAB\\AppData";
    _wputenv_s(L"APPDATA", wide_text(profile).c_str());
    EXPECT_EQ(default_game_folder(), profile + "\\Rotwalk");
    bool portable = false;
    std::string here = absolute_path(folder);
    EXPECT_EQ(planned_game_folder(nullptr, nullptr, here, here, portable), here);
    EXPECT_TRUE(portable);
    std::string locked = here + "\\Program Files\\Rotwalk";  // nothing can be made in it
    EXPECT_EQ(planned_game_folder(nullptr, nullptr, locked, locked, portable),
              profile + "\\Rotwalk");
    EXPECT_FALSE(portable);
    ASSERT_EQ(make_folder("share"), 0);
    ASSERT_EQ(make_folder("share/Maps"), 0);
    write_text_file("share/Maps/Town.map", "town");
    write_text_file("share/settings.ini", "screenbpp = 32\n");
    ASSERT_EQ(prepare_game_folder(profile + "\\Rotwalk", here + "\\share"), "");
    EXPECT_EQ(folder_listing((profile + "\\Rotwalk").c_str()), "Maps\nSaves\nsettings.ini\n");
    _wputenv_s(L"APPDATA", wide_text(appdata_before).c_str());

    // What is printed on stderr from then on is in the log of the current folder.
    ASSERT_EQ(change_folder((profile + "\\Rotwalk").c_str()), 0);
    fflush(stderr);
    int console = _dup(2);
    ASSERT_EQ(start_log(), "");
    fprintf(stderr, "rotwalk: a line for the log\n");
    fflush(stderr);
    _dup2(console, 2);
    _close(console);
    ASSERT_EQ(change_folder(folder.c_str()), 0);
    std::string log;
    EXPECT_EQ(read_regular_file((profile + "\\Rotwalk\\" + LOG_FILE).c_str(), log), 0);
    EXPECT_EQ(log, "rotwalk: a line for the log\r\n");  // a text file as Windows writes them
}
#endif
