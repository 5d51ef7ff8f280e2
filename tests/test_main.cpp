// test_main.cpp -- runs every test headless, whatever the caller's environment
#include <gtest/gtest.h>

#include <cstdlib>

#include "support.h"

int main(int argc, char **argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
