// records_test.cpp -- bests that survive the names a map may have
#include "game/world_fixture.h"
#include "maps/map_list.h"
#include "maps/records.h"

class Records : public CleanWorld {
protected:
    // What the end of a game does with the records; the best before it.
    static MapRecord one_game(const char *name, int kills, int seconds)
    {
        MapRecord before;
        read_records();
        enter_game_record(name, MODE_CLASSIC, 1, kills, seconds, 0, before);
        EXPECT_EQ(write_records(), 0);
        return before;
    }
};

// Blanks, a '#' in front and backslashes keep their bests; a name with a
// tab or a line end is not listed, gets no record and leaves the others' be.
TEST_F(Records, EveryNameTheListAcceptsKeepsItsBestsAndNoOtherNameAppears)
{
    const struct {
        const char *name;
        bool plain;
    } names[] = {{"Town", true},       {"#1", true},         {"a b ", true},    {"C:\\temp", true},
                 {"Tab\tTown", false}, {"Line\nEnd", false}, {"Cr\rEnd", false}};
    int plain = 0;
    for (const auto &n : names) {
        EXPECT_EQ(is_plain_name(n.name), n.plain) << n.name;
        one_game(n.name, 5, 60);
        one_game(n.name, 9, 30);
        MapRecord before = one_game(n.name, 1, 1);
        EXPECT_EQ(before.kills, n.plain ? 9 : 0) << n.name;
        EXPECT_EQ(before.seconds, n.plain ? 60 : 0) << n.name;
        plain += n.plain;
        read_records();
        EXPECT_EQ(map_record_count, plain) << n.name;
    }
    for (const char *phantom : {"Tab", "Town\t", "End", "Line", "Cr"})
        EXPECT_EQ(find_record(phantom, MODE_CLASSIC), nullptr) << phantom;
}
