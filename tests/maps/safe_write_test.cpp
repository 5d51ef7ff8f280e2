// safe_write_test.cpp -- replacing files without ever losing the old contents
#include <sys/stat.h>

#include "game/world_fixture.h"
#include "maps/safe_write.h"

using SafeWrite = ScratchFolderTest;

static bool replaced = true;

static void replace_with_a_long_text()
{
    replaced = replace_file("Saves/old.dat", std::string(500, 'x'));
}

TEST_F(SafeWrite, ReplacesTheContentsKeepsThePermissionsAndLeavesNoTemporaryFile)
{
    mkdir("Saves", 0777);
    ASSERT_TRUE(replace_file("Saves/a.dat", std::string("one\0two\n", 8)));
    EXPECT_EQ(read_file("Saves/a.dat"), std::string("one\0two\n", 8));
    struct stat info;
    ASSERT_EQ(stat("Saves/a.dat", &info), 0);
    EXPECT_EQ(info.st_mode & 07777, (mode_t)NEW_FILE_MODE);
    chmod("Saves/a.dat", 0600);
    ASSERT_TRUE(replace_file("Saves/a.dat", "short"));
    EXPECT_EQ(read_file("Saves/a.dat"), "short");
    ASSERT_EQ(stat("Saves/a.dat", &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    ASSERT_TRUE(replace_file("plain.txt", ""));  // no folder in the name
    EXPECT_EQ(folder_listing("."), "Saves\nplain.txt\n");
    EXPECT_EQ(folder_listing("Saves"), "a.dat\n");
}

TEST_F(SafeWrite, EveryFailureKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    mkdir("Saves", 0777);
    write_text_file("Saves/old.dat", "old contents\n");
    with_file_size_limit(100, replace_with_a_long_text);  // the disk fills up halfway
    EXPECT_FALSE(replaced);
    EXPECT_EQ(read_file("Saves/old.dat"), "old contents\n");
    EXPECT_FALSE(replace_file("Missing/a.dat", "x"));
    mkdir("Saves/taken", 0777);
    EXPECT_FALSE(replace_file("Saves/taken", "x"));  // the rename fails after the write
    EXPECT_EQ(folder_listing("Saves"), "old.dat\ntaken\n");
}
