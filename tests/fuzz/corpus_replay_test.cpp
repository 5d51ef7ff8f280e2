// corpus_replay_test.cpp -- every checked-in fuzz input run through its target and its checks
#include <dirent.h>

#include "fuzz/fuzz_targets.h"
#include "game/world_fixture.h"
#include "maps/save_game.h"

static std::string failing_input;

static void record_failure(const char *check, const char *file, int line)
{
    ADD_FAILURE_AT(file, line) << check << " failed on " << failing_input;
}

using FuzzCorpus = ScratchFolderTest;

TEST_F(FuzzCorpus, EveryInputOfEveryTargetPassesItsChecks)
{
    fuzz_check_failed = record_failure;
    for (const FuzzTarget &target : fuzz_targets) {
        std::string folder = std::string(FUZZ_CORPUS_DIR) + "/" + target.name;
        DIR *listing = opendir(folder.c_str());
        ASSERT_NE(listing, nullptr) << folder;
        int inputs = 0;
        while (const dirent *entry = readdir(listing)) {
            if (entry->d_name[0] == '.')
                continue;
            failing_input = folder + "/" + entry->d_name;
            std::string bytes = read_file(failing_input.c_str()), name = entry->d_name;
            target.run(bytes);
            inputs++;
            // A save the game wrote, or one on the edges of what it can write, must load.
            bool must_load = name.rfind("game-written-", 0) == 0 || name.rfind("valid-", 0) == 0;
            if (strcmp(target.name, "save") == 0 && must_load) {
                EXPECT_TRUE(load_game_from_text(bytes)) << failing_input;
            }
        }
        closedir(listing);
        EXPECT_GT(inputs, 0) << folder;
    }
    clean_world();
}
