// map_list_test.cpp -- the order of the listed entries of Maps/
#include "game/world_fixture.h"
#include "maps/map_list.h"

class MapList : public CleanWorld {
protected:
    void TearDown() override
    {
        clear_map_names();
        CleanWorld::TearDown();
    }
    static std::vector<std::string> listed()
    {
        return std::vector<std::string>(map_names, map_names + map_name_count);
    }
};

// By name with case aside and numbers by value, then by the bytes, so names
// differing only in case keep one order however the folder lists them; a
// map added later takes its place among them.
TEST_F(MapList, EntriesAreSortedByNameCaseAsideNumbersByValueThenByTheirBytes)
{
    ASSERT_EQ(mkdir("Maps", 0755), 0);
    for (const char *name :
         {"b.map", "Zeta.map", "a.map", "9.map", "_x.map", "alpha.map", "B.map", "A.MAP", "10.map"})
        write_text_file((std::string("Maps/") + name).c_str(), "");
    scan_map_folder();
    std::vector<std::string> sorted = {".",     "..",        "9.map", "10.map", "_x.map",  "A.MAP",
                                       "a.map", "alpha.map", "B.map", "b.map",  "Zeta.map"};
#ifdef _WIN32
    // Windows keeps one file for names that differ in case only: the first written.
    for (const char *name : {"A.MAP", "B.map"})
        ASSERT_TRUE(add_map_name(name));
#endif
    EXPECT_EQ(listed(), sorted);
    for (const char *name : {"Map 10.map", "Map 2.map", "map 02.map", "~.map", ""})
        ASSERT_TRUE(add_map_name(name));
    sorted.insert(sorted.begin() + 10, {"Map 2.map", "map 02.map", "Map 10.map"});
    sorted.push_back("~.map");
    sorted.insert(sorted.begin(), "");
    EXPECT_EQ(listed(), sorted);
}
