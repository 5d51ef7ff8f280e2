// libfuzzer_main.cpp -- libFuzzer's entry points for one target, chosen by FUZZ_TARGET_NAME at compile time
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/fuzz_targets.h"

static const FuzzTarget *target = nullptr;
// In memory where the system offers it: the map-list target makes hundreds
// of files per input, which on a disk is far slower than the code it tests.
static char scratch_folder[] = "/dev/shm/rotwalk_fuzz_XXXXXX";
static char scratch_fallback[] = "/tmp/rotwalk_fuzz_XXXXXX";
static int starting_folder = -1;

static void remove_scratch_folder()
{
    if (system((std::string("rm -rf '") + scratch_folder + "'").c_str()) != 0)
        fprintf(stderr, "could not remove %s\n", scratch_folder);
}

// Inputs run in a scratch folder, so build.sh names where crashes are kept
// (-artifact_prefix); libFuzzer would keep them in the folder of the input.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    for (const FuzzTarget &candidate : fuzz_targets)
        if (strcmp(candidate.name, FUZZ_TARGET_NAME) == 0)
            target = &candidate;
    starting_folder = open(".", O_RDONLY | O_DIRECTORY);
    bool made = mkdtemp(scratch_folder) || mkdtemp(strcpy(scratch_folder, scratch_fallback));
    if (!target || starting_folder < 0 || !made) {
        fprintf(stderr, "no target %s or no scratch folder\n", FUZZ_TARGET_NAME);
        exit(1);
    }
    atexit(remove_scratch_folder);
    return 0;
}

// The targets write into the current folder, so each input runs in a scratch
// folder of this process; libFuzzer's own paths stay relative to where it
// was started.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (chdir(scratch_folder) != 0)
        abort();
    target->run(std::string((const char *)data, size));
    if (fchdir(starting_folder) != 0)
        abort();
    return 0;
}
