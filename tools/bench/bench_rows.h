// bench_rows.h -- the benchmark's timing and its table rows, shared by its parts
#pragma once

const int CROWD_SIZE = 250;

struct Timing {
    double median_us;
    double p99_us;
};

// Runs prepare() untimed and run() timed, `repetitions` times.
Timing measure(int repetitions, void (*prepare)(), void (*run)());
void print_row(const char *name, int depth, Timing timing, double blit_us);
// The game frames on the map (the first listed when null), after the blit rows.
void bench_game_rows(int depth, int repetitions, const char *map_name, double blit_us);
