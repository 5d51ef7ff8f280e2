// corpus_replay_test.cpp -- every checked-in fuzz input run through its target and its checks
#include <sstream>

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
        std::istringstream names(folder_listing(folder.c_str()));
        int inputs = 0;
        for (std::string name; std::getline(names, name); inputs++) {
            failing_input = folder + "/" + name;
            std::string bytes = read_file(failing_input.c_str());
            target.run(bytes);
            // A save the game wrote, or one on the edges of what it can write, must load.
            bool must_load = strcmp(target.name, "save") == 0 &&
                             (name.rfind("game-written-", 0) == 0 || name.rfind("valid-", 0) == 0);
            EXPECT_TRUE(!must_load || load_game_from_text(bytes)) << failing_input;
        }
        EXPECT_GT(inputs, 0) << folder;
    }
    clean_world();
}
