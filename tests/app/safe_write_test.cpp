// safe_write_test.cpp -- replacing files without ever losing the old contents; reading only regular files
// The POSIX build's links, modes and pipes; Windows has its own in safe_write_windows_test.cpp.
#ifndef _WIN32
#include <sys/time.h>

#include <cerrno>

#include "app/safe_write.h"
#include "game/world_fixture.h"

using SafeWrite = ScratchFolderTest;

static int mode_of(const char *path)
{
    struct stat info;
    return stat(path, &info) == 0 ? (int)(info.st_mode & 07777) : -1;
}

// A link is written through, atomically beside its target, and stays a
// link; a file without write permission is refused, also for root.
TEST_F(SafeWrite,
       ReplacesThroughLinksKeepsTheOldOnFailureReadsOnlyRegularFilesRemovesOnlyOurOldTemporaries)
{
    mkdir("Saves", 0777);
    mkdir("Elsewhere", 0777);
    ASSERT_EQ(replace_file("Saves/a.dat", std::string("one\0two\n", 8)), 0);
    EXPECT_EQ(read_file("Saves/a.dat"), std::string("one\0two\n", 8));
    EXPECT_EQ(mode_of("Saves/a.dat"), NEW_FILE_MODE);
    chmod("Saves/a.dat", 0600);
    ASSERT_EQ(replace_file("Saves/a.dat", "short"), 0);
    EXPECT_EQ(read_file("Saves/a.dat"), "short");
    EXPECT_EQ(mode_of("Saves/a.dat"), 0600);
    ASSERT_EQ(replace_file("plain.txt", ""), 0);  // no folder in the name
    ASSERT_EQ(symlink("../Elsewhere/real.dat", "Saves/game.dat"), 0);
    ASSERT_EQ(symlink("Saves/game.dat", "chain.dat"), 0);
    EXPECT_EQ(replace_file("chain.dat", "new"), 0);  // a link to a link to a file not there yet
    struct stat info;
    EXPECT_EQ(lstat("Saves/game.dat", &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode) && read_file("Elsewhere/real.dat") == "new");

    int full_disk = 0;
    with_file_size_limit(100,
                         [&] { full_disk = replace_file("Saves/a.dat", std::string(500, 'x')); });
    EXPECT_EQ(full_disk, EFBIG);
    EXPECT_EQ(replace_file("Missing/a.dat", "x"), ENOENT);
    mkdir("Saves/taken", 0777);
    EXPECT_EQ(replace_file("Saves/taken", "x"), EISDIR);
    chmod("Elsewhere/real.dat", 0444);
    EXPECT_EQ(replace_file("Saves/game.dat", "lost"), EACCES);
    EXPECT_EQ(read_file("Saves/a.dat") + read_file("Elsewhere/real.dat"), "shortnew");
    // No temporary file stays.
    EXPECT_EQ(folder_listing("Saves") + folder_listing("Elsewhere"),
              "a.dat\ngame.dat\ntaken\nreal.dat\n");

    std::string text = "x";
    mkdir("Saves/folder.dat", 0777);
    mkfifo("Saves/pipe.dat", 0644);
    write_text_file("Saves/ok.dat", "contents");
    EXPECT_EQ(read_regular_file("Saves/ok.dat", text), 0);
    EXPECT_EQ(text, "contents");
    const struct {
        const char *path;
        int error;
    } refused[] = {
        {"Saves/folder.dat", EISDIR}, {"Saves/pipe.dat", EINVAL}, {"Saves/none.dat", ENOENT}};
    for (const auto &row : refused) {
        EXPECT_EQ(read_regular_file(row.path, text), row.error) << row.path;
        EXPECT_EQ(text, "") << row.path;
    }

    // Two killed saves, one save in progress, a player's folder and file.
    const char *old_names[] = {"Saves/.rotwalk_a1b2c3", "Saves/.rotwalk_zzzzzz",
                               "Saves/.rotwalk_dir", "Saves/rotwalk_x"};
    mkdir("Saves/.rotwalk_dir", 0777);
    for (const char *name : {".rotwalk_a1b2c3", ".rotwalk_zzzzzz", "rotwalk_x", ".rotwalk_new123"})
        write_text_file((std::string("Saves/") + name).c_str(), name);
    struct timeval long_ago[2] = {{1000, 0}, {1000, 0}};
    for (const char *name : old_names)
        utimes(name, long_ago);
    EXPECT_EQ(remove_stale_temporaries("Saves"), 2);
    EXPECT_EQ(folder_listing("Saves"), ".rotwalk_dir\n.rotwalk_new123\na.dat\nfolder.dat\n"
                                       "game.dat\nok.dat\npipe.dat\nrotwalk_x\ntaken\n");
    EXPECT_EQ(remove_stale_temporaries("Missing"), 0);

    // A save slot that is a link leaves its killed saves beside the target:
    // they go too, and the target folder's other files stay.
    mkdir("Elsewhere", 0777);
    for (const char *name : {"Elsewhere/.rotwalk_old1", "Elsewhere/.rotwalk_old2",
                             "Elsewhere/.rotwalk_new", "Elsewhere/real.dat"})
        write_text_file(name, "x");
    for (const char *name : {"Elsewhere/.rotwalk_old1", "Elsewhere/.rotwalk_old2"})
        utimes(name, long_ago);
    ASSERT_EQ(symlink("../Elsewhere/real.dat", "Saves/linked.dat"), 0);
    ASSERT_EQ(symlink("../Elsewhere/real.dat", "Saves/twice.dat"), 0);
    EXPECT_EQ(remove_stale_temporaries("Saves"), 2);
    EXPECT_EQ(folder_listing("Elsewhere"), ".rotwalk_new\nreal.dat\n");
}
#endif
