// replay_test.cpp -- a whole scripted game through the real frame loop, checked against recorded hashes
#include <cmath>

#include "app/backdrop.h"
#include "app/frame_clock.h"
#include "fuzz/fuzz_targets.h"
#include "game/world_fixture.h"
#include "main_loop.h"
#include "maps/save_game.h"
#include "replay/replay_support.h"

const int REPLAY_FRAMES = 3000;
const int CHECKPOINT_FRAMES = 250;  // a checkpoint after every 250th frame
const unsigned REPLAY_SEED = 20240601;
const int AIM_RADIUS = 150;     // display pixels: the circle stays clear of "Pause"
const double AIM_TURN = 0.1;    // radians per frame
const int FIRE = SDLK_UNKNOWN;  // held: the left mouse button, the pointer circling

// The pointer moved to a place from a frame on, and a click there unless `click` is false: a
// press and a release one frame apart, since the input rules ignore both in one frame.
struct Point {
    int frame, x, y;
    bool click = true;
};
// "Single Player" and the map (the game starts in frame 21); "Pause" and "Save", back to the
// game; "Pause", "Exit" and "Load Game Save"; the Escape overlay's "Resume game", fully open;
// the pointer still, facing the horde until it wins; the summary's "Main menu", "Credits",
// "Back", "Single Player" and the map, a second game; the summary's "Main menu", "Load Game
// Save" (the same save again), "Pause" and "Exit".
static const Point points[] = {
    {10, 100, 155},   {20, 100, 155},   {135, 550, 410},  {145, 320, 140},        {265, 550, 410},
    {275, 320, 170},  {285, 100, 179},  {420, 320, 115},  {600, 200, 200, false}, {1000, 320, 370},
    {1100, 100, 227}, {1150, 550, 410}, {1200, 100, 155}, {1210, 100, 155},       {2000, 320, 370},
    {2050, 100, 179}, {2070, 550, 410}, {2090, 320, 170}};

// A key or the fire button held from one frame to another. The first game: right, a sprint
// and down, firing; left and up, firing. After the load: up and right with a sprint, firing;
// Escape, whose overlay freezes the game; down and left, firing. The second game: up, left
// and down, firing where it stands until frame 1990.
struct Hold {
    int from, to, key;
};
static const Hold holds[] = {
    {30, 100, SDLK_d},       {60, 80, SDLK_LSHIFT},   {100, 125, SDLK_s}, {30, 125, FIRE},
    {150, 210, SDLK_a},      {210, 250, SDLK_w},      {150, 255, FIRE},   {290, 380, SDLK_UP},
    {330, 380, SDLK_RIGHT},  {340, 360, SDLK_LSHIFT}, {290, 380, FIRE},   {385, 386, SDLK_ESCAPE},
    {450, 520, SDLK_s},      {520, 580, SDLK_a},      {450, 600, FIRE},   {1220, 1300, SDLK_w},
    {1300, 1380, SDLK_LEFT}, {1380, 1460, SDLK_DOWN}, {1220, 1990, FIRE}};

// This frame's presses and releases into SDL's queue, and the pointer where the latest cue put
// it: the latest point, or circling the view's centre since firing began, as when aiming around.
static void feed_input(int frame)
{
    int moved = -1, x = 0, y = 0;
    for (const Point &point : points) {
        if (point.frame > frame)
            break;
        moved = point.frame;
        x = point.x;
        y = point.y;
        if (point.click && frame - point.frame < 2)
            push_event(frame == point.frame ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP,
                       SDL_BUTTON_LEFT);
    }
    for (const Hold &hold : holds) {
        bool fire = hold.key == FIRE;
        if (hold.from == frame)
            push_event(fire ? SDL_MOUSEBUTTONDOWN : SDL_KEYDOWN, fire ? SDL_BUTTON_LEFT : hold.key);
        if (hold.to == frame)
            push_event(fire ? SDL_MOUSEBUTTONUP : SDL_KEYUP, fire ? SDL_BUTTON_LEFT : hold.key);
        if (fire && hold.from <= frame && hold.from > moved) {
            x = VIEW_W / 2 + (int)(AIM_RADIUS * std::cos(frame * AIM_TURN));
            y = VIEW_H / 2 + (int)(AIM_RADIUS * std::sin(frame * AIM_TURN));
        }
    }
    SDL_WarpMouse((Uint16)x, (Uint16)y);  // the dummy driver's pointer, read by update_input
}

using GoldenReplay = ScratchFolderTest;

// The main menu, a game with walking, sprinting and firing, a save, an exit,
// the load of the save, the overlay over the game, a death with its summary,
// the credits, a second game to its end and the save loaded once more: after
// every 250th frame the world and the display must hash as recorded.
TEST_F(GoldenReplay, AScriptedGameHashesAsRecorded)
{
    start_fresh_game_folder();
    start_up();
    ASSERT_EQ(display_surface->format->BitsPerPixel, 32);
    seed_random(REPLAY_SEED);
    ReplayRun replay;
    begin_replay_run(replay, "golden.txt");
    std::string saved;                          // the last save written
    int loads = 0, deaths = 0, most_kills = 0;  // to show a recording did not go trivially wrong
    for (int frame = 0; frame < REPLAY_FRAMES; frame++) {
        feed_input(frame);
        int screen_before = screen_number;
        run_frame();
        if (screen_number == SCREEN_GAME && screen_before == SCREEN_GAME_MENU)
            saved = read_file(SAVE_FILE);  // "Save" went back to the game
        if (screen_number == SCREEN_GAME && screen_before == SCREEN_MAIN_MENU) {
            loads++;  // exactly the game saved comes back
            EXPECT_EQ(saved_game_text(), saved) << "loaded in frame " << frame;
        }
        deaths += screen_before == SCREEN_GAME && screen_number == SCREEN_GAME_OVER;
        most_kills = std::max(most_kills, kill_count);
        checkpoint_replay(replay, frame + 1, CHECKPOINT_FRAMES, previous_folder);
    }
    EXPECT_TRUE(!quit_requested && last_frame_tick == (Uint32)(REPLAY_FRAMES * REPLAY_FRAME_MS));
    EXPECT_STREQ(time_text, "3:00:00 PM");  // never read from the machine's clock
    shut_down();
    scripted_frame_ms = 0;
    EXPECT_TRUE(!saved.empty() && loads == 2 && deaths == 2 && most_kills > 0);
    finish_replay_run(replay);
}
