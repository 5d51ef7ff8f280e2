// main.cpp -- the program's entry point: start up, run frames until quit
#include <SDL.h>

#include "app/main_loop.h"

// SDL 1.2's main wrapper calls this where the platform needs it; the
// arguments are ignored.
int main(int argc, char *argv[])
{
    (void)argc;
    (void)argv;
    start_up();
    while (!quit_requested)
        run_frame();
    shut_down();
    return 0;
}
