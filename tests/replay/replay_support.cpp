// replay_support.cpp -- what the scripted replays share: a fresh game folder, checkpoints, the golden files
#include "replay/replay_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cinttypes>
#include <cstring>

#include "app/backdrop.h"
#include "app/folders.h"
#include "app/frame_clock.h"
#include "app/settings.h"
#include "fuzz/fuzz_targets.h"
#include "game/world_fixture.h"
#include "main_loop.h"
#include "ui/notice.h"

// FNV-1a over bytes: the world's values written to the bit and the display's pixels, so the
// smallest change of any value shows.
const uint64_t FNV_OFFSET = 14695981039346656037ull, FNV_PRIME = 1099511628211ull;

static void hash_bytes(uint64_t &hash, const void *data, size_t size)
{
    for (size_t i = 0; i < size; i++)
        hash = (hash ^ ((const unsigned char *)data)[i]) * FNV_PRIME;
}

std::string checkpoint_line(int frame)
{
    uint64_t world = FNV_OFFSET, display = FNV_OFFSET;
    const std::string values = world_dump(false);
    hash_bytes(world, values.data(), values.size());
    SDL_Surface *s = display_surface;
    for (int y = 0; y < s->h; y++)
        for (int x = 0; x < s->w; x++) {
            Uint32 pixel = read_pixel(s, x, y);  // the bytes of its colour, as memory holds them
            hash_bytes(display, &pixel, s->format->BytesPerPixel);
        }
    char line[64];
    snprintf(line, sizeof line, "%d %016" PRIx64 " %016" PRIx64, frame, world, display);
    return line;
}

static std::string golden_path(const std::string &name)
{
    std::string source = __FILE__;
    return source.substr(0, source.rfind('/') + 1) + name;
}

void start_fresh_game_folder()
{
#ifndef _WIN32
    ASSERT_EQ(symlink(MEDIA_DIR, "Media"), 0);
#endif
    ASSERT_EQ(mkdir("Maps", 0777), 0);
    write_text_file((std::string("Maps/") + REPLAY_MAP).c_str(),
                    read_file((std::string(SHIPPED_MAPS_DIR) + "/" + REPLAY_MAP).c_str()));
    write_text_file(SETTINGS_FILE, "screenbpp = 32\nscale = 1\nfullscreen = 0\n");
    clean_world();
    quit_requested = false;
#ifdef _WIN32
    // No link to the artwork: it is read from the folder that holds it.
    std::string media = MEDIA_DIR;
    snprintf(data_folder, sizeof data_folder, "%s", media.substr(0, media.rfind('/')).c_str());
#else
    data_folder[0] = '\0';  // the artwork is read from the scratch folder
#endif
    last_frame_tick = 0;
    frame_ms = 0;
    frames_per_second = 0.0f;
    pointer_shown_before = false;
    clear_notice();
    // A new game leaves the angles and the unused slots' gauges as earlier runs left them.
    for (float *slots : {player_angle, player_health, player_energy, player_x, player_y})
        std::fill(slots, slots + MAX_PLAYERS, 0.0f);
    struct tm moment = {};
    moment.tm_year = 126;  // Monday June 1st 2026, 3 PM
    moment.tm_mon = 5;
    moment.tm_mday = 1;
    moment.tm_wday = 1;
    moment.tm_hour = 15;
    build_clock_texts(moment);  // the overlay shows them; the scripted clock leaves them
    scripted_frame_ms = REPLAY_FRAME_MS;
}

// sdl12-compat blends a few colours a step apart and, without a window
// system, gives the window no mouse focus, so the pointer is not drawn: its
// pictures are pinned in a golden file of their own ("golden_sdl12compat.txt"),
// while its world hashes must be the classic file's to the bit.
void begin_replay_run(ReplayRun &replay, const char *golden_name)
{
    const char *record = getenv(RECORD_VARIABLE);
    replay.recording = record && strcmp(record, "0") != 0;
    std::string name = golden_name;
    replay.classic = read_file(golden_path(name).c_str());
    if (sdl_is_compat())
        name.insert(name.rfind('.'), COMPAT_GOLDEN_SUFFIX);
    replay.golden_name = name;
    replay.golden = read_file(golden_path(name).c_str());
    replay.run = "# frame, world hash, display hash of the replay; ";
    replay.run += std::string(RECORD_VARIABLE) + "=1 re-records\n";
    replay.picture.clear();
}

void checkpoint_replay(ReplayRun &replay, int frame, int every, const std::string &folder)
{
    if (frame % every != 0)
        return;
    replay.run += checkpoint_line(frame) + "\n";
    if (!replay.recording && replay.picture.empty() &&
        replay.golden.compare(0, replay.run.size(), replay.run) != 0) {
        replay.picture = folder + "/replay_after_frame_" + std::to_string(frame) + ".png";
        save_surface_png(display_surface, replay.picture.c_str());
    }
}

// Each checkpoint's frame and world hash, the display's left out.
static std::string world_column(const std::string &checkpoints)
{
    std::istringstream lines(checkpoints);
    std::string column;
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] != '#')
            column += line.substr(0, line.rfind(' ')) + "\n";
    return column;
}

void finish_replay_run(ReplayRun &replay)
{
    const std::string path = golden_path(replay.golden_name);
    if (replay.recording) {
        write_text_file(path.c_str(), replay.run);
        FAIL() << "recorded the checkpoints into " << path
               << "; a recording run never passes: run the test again without " << RECORD_VARIABLE;
    }
    EXPECT_EQ(world_column(replay.run), world_column(replay.classic))
        << "the world differs from the one classic SDL 1.2 recorded";
    EXPECT_EQ(replay.run, replay.golden)
        << "the first display unlike the recorded one: " << replay.picture
        << " (after an intended change, record " << replay.golden_name << " again: see the README)";
}
