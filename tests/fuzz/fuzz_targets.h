// fuzz_targets.h -- the loaders driven by arbitrary bytes (libFuzzer, the corpus replay) and the world as text
#pragma once

#include <string>

// A failed check goes here: the libFuzzer driver aborts (so the input is kept
// as a crash), the replay test records a failure and goes on.
extern void (*fuzz_check_failed)(const char *check, const char *file, int line);
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? (void)0 : fuzz_check_failed(#condition, __FILE__, __LINE__))

// Each target works in the current folder, which must be a scratch folder:
// it writes settings.ini, a map file and a Maps/ folder there.
struct FuzzTarget {
    const char *name;  // also the name of its corpus folder
    void (*run)(const std::string &input);
};
const int FUZZ_TARGET_COUNT = 5;
extern const FuzzTarget fuzz_targets[FUZZ_TARGET_COUNT];

// Every value of the world to the bit, the screen and the overlay included; with_records
// adds the zombies' and walls' addresses, which a refused load must keep too.
std::string world_dump(bool with_records);

// A game in progress that a refused save must leave exactly as it is: every
// kind of tile, dozens of walls, three zombies, three players and no value at
// its start. The save tests load over it too.
void set_up_game_in_progress();

// Whether a value is a number from low to high.
bool within(float value, float low, float high);
// What any later frame relies on: counts within their lists, gauges within their ranges, every
// position near the world, distinct zombies, and a kill count one more kill cannot overflow.
bool world_within_rules();
