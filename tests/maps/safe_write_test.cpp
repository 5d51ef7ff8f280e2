// safe_write_test.cpp -- replacing files without ever losing the old contents
#include <sys/stat.h>

#include "game/world_fixture.h"
#include "maps/safe_write.h"

using SafeWrite = ScratchFolderTest;

static bool replaced = true;
static void replace_with_a_long_text() { replaced = replace_file("Saves/a.dat", std::string(500, 'x')); }

static int mode_of(const char *path)
{
    struct stat info;
    return stat(path, &info) == 0 ? (int)(info.st_mode & 07777) : -1;
}

TEST_F(SafeWrite, ReplacesTheWholeContentsAndKeepsThePermissionsButAFailureKeepsTheOldFile)
{
    mkdir("Saves", 0777);
    ASSERT_TRUE(replace_file("Saves/a.dat", std::string("one\0two\n", 8)));
    EXPECT_EQ(read_file("Saves/a.dat"), std::string("one\0two\n", 8));
    EXPECT_EQ(mode_of("Saves/a.dat"), NEW_FILE_MODE);
    chmod("Saves/a.dat", 0600);
    ASSERT_TRUE(replace_file("Saves/a.dat", "short"));
    EXPECT_EQ(read_file("Saves/a.dat"), "short");
    EXPECT_EQ(mode_of("Saves/a.dat"), 0600);
    ASSERT_TRUE(replace_file("plain.txt", ""));  // no folder in the name

    with_file_size_limit(100, replace_with_a_long_text);  // the disk fills up halfway
    EXPECT_FALSE(replaced);
    EXPECT_FALSE(replace_file("Missing/a.dat", "x"));
    mkdir("Saves/taken", 0777);
    EXPECT_FALSE(replace_file("Saves/taken", "x"));  // the rename fails after the write
    EXPECT_EQ(read_file("Saves/a.dat"), "short");
    EXPECT_EQ(folder_listing(".") + folder_listing("Saves"), "Saves\nplain.txt\na.dat\ntaken\n");  // no temporary file stays
}
