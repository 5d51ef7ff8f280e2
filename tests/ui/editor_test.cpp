// editor_test.cpp -- entering the editor, scrolling, zooming, picking and painting tiles, undo, saving, leaving
#include "app/input.h"
#include "app/pads.h"
#include "game/world_fixture.h"
#include "main_loop.h"
#include "maps/edit_history.h"
#include "maps/editor_camera.h"
#include "maps/editor_view.h"
#include "maps/map_file.h"
#include "ui/editor.h"
#include "ui/editor_panel.h"
#include "ui/game_over.h"

const int CELL_HOLE = 40, CELL_HOLE_SIZE = 20;  // every cell of the test tile sheet is keyed there

// The editor on a map of floor 0, the pointer off the window. At entry a
// pointer at (x, y) is over world (2500 + 4 (x - 320), 2500 + 4 (y - 240)).
// The tile sheet has every cell one colour around a keyed hole; the world
// surface is 5000 by 5000 of an earlier paint.
class Editor : public WorldPicture {
protected:
    void SetUp() override
    {
        WorldPicture::SetUp();
        tile_image = display_like_surface(TILE_CELL_COLUMNS * TILE_SIZE,
                                          TILE_CELL_COUNT / TILE_CELL_COLUMNS * TILE_SIZE);
        for (int cell = 0; cell < TILE_CELL_COUNT; cell++) {
            SDL_Rect hole = {(Sint16)(tile_rects[cell].x + CELL_HOLE),
                             (Sint16)(tile_rects[cell].y + CELL_HOLE), CELL_HOLE_SIZE,
                             CELL_HOLE_SIZE};
            SDL_FillRect(tile_image, &tile_rects[cell], cell_color(tile_image, cell));
            SDL_FillRect(tile_image, &hole, key_color(tile_image));
        }
        SDL_SetColorKey(tile_image, SDL_SRCCOLORKEY, key_color(tile_image));
        world_surface = display_like_surface(WORLD_PIXELS, WORLD_PIXELS);
        SDL_FillRect(world_surface, nullptr, display_rgb(248, 0, 0));
        ASSERT_EQ(mkdir("Maps", 0755), 0);
        write_text_file("Maps/plain.map", std::string(50 * 51, '!'));
        strcpy(map_path, "Maps/plain.map");
        point_at(700, 470, KEY_UP);
        selected_tile_kind = 5;
        enter_editor();
    }
    static Uint32 cell_color(SDL_Surface *s, int cell)
    {
        return SDL_MapRGB(s->format, (Uint8)(8 * (cell % 32)), (Uint8)(4 * (cell / 32) + 100), 200);
    }
    // One editor frame with the pointer at (x, y) and the left button in `state`.
    static void frame_at(int x, int y, int state)
    {
        point_at(x, y, state);
        editor_screen(1.0f);
    }
    static bool preview_shows(int kind)
    {
        return read_pixel(display_surface, 50, 75) == cell_color(display_surface, kind);
    }
    // One frame, the button up, with a key pressed and the modifiers down.
    static void key_frame(int key, int modifiers)
    {
        SDL_SetModState((SDLMod)modifiers);
        key_state[key] = KEY_PRESSED;
        frame_at(700, 470, KEY_UP);
        key_state[key] = KEY_UP;
        SDL_SetModState(KMOD_NONE);
    }
    static std::string status()
    {
        char text[STATUS_TEXT_SIZE];
        editor_status_text(text, sizeof text);
        return text;
    }
};

// Entry centres the world at scale 4 with kind 0; the direction keys scroll
// 7.5 screen pixels of 4 world pixels per frame, one move for both keys of a
// direction, none for opposite ones. Home shows the whole map.
TEST_P(Editor, EntryCentresTheWorldAndTheDirectionKeysScrollIt)
{
    EXPECT_EQ((std::vector<float>{(float)screen_number, camera_x, camera_y, view_scale,
                                  (float)selected_tile_kind}),
              (std::vector<float>{SCREEN_EDITOR, 2180, 2260, 4, 0}));
    Uint32 marker = SDL_MapRGB(world_surface->format, 255, 0, 255);
    write_pixel(world_surface, 2500, 2500, marker);
    draw_world_view();
    EXPECT_EQ(read_pixel(display_surface, 319, 239), marker);  // left of and above the centre
    const struct {
        int keys[3];
        float dx, dy;
    } moves[] = {{{SDLK_w}, 0, -30},
                 {{SDLK_RIGHT, SDLK_d}, 30, 0},
                 {{SDLK_LEFT, SDLK_d}, 0, 0},
                 {{SDLK_UP, SDLK_s}, 0, 0}};
    for (const auto &m : moves) {
        memset(key_state, 0, sizeof key_state);
        for (int key : m.keys)
            key_state[key] = KEY_HELD;
        float x = camera_x, y = camera_y;
        editor_screen(1.0f);
        EXPECT_NEAR(camera_x - x, m.dx, 0.01f) << m.keys[0];
        EXPECT_NEAR(camera_y - y, m.dy, 0.01f) << m.keys[0];
    }
    memset(key_state, 0, sizeof key_state);
    view_scale = 0.3f;
    key_frame(SDLK_HOME, KMOD_NONE);  // the whole map, as tall as the view
    EXPECT_TRUE(camera_x == 2180 && camera_y == 2260);
    EXPECT_NEAR(view_scale * 480, 5000, 0.01);
}

TEST_P(Editor, ZoomButtonsActWhileDownAndTileChoiceWrapsWithThePreviewFollowing)
{
    frame_at(550, 320, KEY_PRESSED);
    EXPECT_FLOAT_EQ(view_scale, 3.8f);
    view_scale = 4.0f;
    frame_at(550, 350, KEY_HELD);
    EXPECT_FLOAT_EQ(view_scale, 4.2f);

    frame_at(95, 45, KEY_PRESSED);  // "Last tile" at kind 0
    EXPECT_EQ(selected_tile_kind, 21);
    EXPECT_TRUE(preview_shows(21));  // in the same frame
    frame_at(95, 195, KEY_PRESSED);  // "Next tile" at 21
    EXPECT_EQ(selected_tile_kind, 0);
    EXPECT_TRUE(preview_shows(21));  // in the next frame
    frame_at(95, 195, KEY_UP);
    EXPECT_TRUE(preview_shows(0));
}

// The click that opened the editor is still down in its first frame: it
// paints only once released and pressed again. 25 screen pixels are one tile.
TEST_P(Editor, PaintingWritesOneTileUnderThePointerPerFrameWhileTheButtonIsDown)
{
    selected_tile_kind = 14;
    for (int frame = 0; frame < 5; frame++)
        frame_at(295 + 25 * frame, 240, frame == 1 ? KEY_PRESSED : frame < 4 ? KEY_HELD : KEY_UP);
    for (int x = 24; x <= 28; x++)
        EXPECT_EQ(map_tiles[x][25], x >= 25 && x <= 27 ? 14 : 0) << x;
    EXPECT_EQ(read_pixel(world_surface, 2500, 2500), cell_color(world_surface, 14));
    EXPECT_EQ(read_pixel(world_surface, 2799, 2599), cell_color(world_surface, 14));

    selected_tile_kind = 3;      // the outermost ring of a control belongs to the world
    frame_at(40, 45, KEY_HELD);  // the left edge of "Last tile": world (1380, 1720)
    EXPECT_EQ(selected_tile_kind, 3);
    EXPECT_EQ(map_tiles[13][17], 3);

    int before[MAP_SIZE][MAP_SIZE];  // off the world nothing changes
    memcpy(before, map_tiles, sizeof before);
    for (float x : {-3000.0f, 7000.0f}) {
        camera_x = x;
        frame_at(320, 240, KEY_HELD);
    }
    EXPECT_EQ(memcmp(before, map_tiles, sizeof before), 0);
}

// A stroke is what one press paints. Undo and redo give back the exact grid
// and picture, drawing only the stroke's tiles; a new stroke drops what was
// undone; strokes past the ring's size are forgotten, the oldest first.
TEST_P(Editor, UndoAndRedoRestoreWholeStrokesExactly)
{
    // The grid, then the picture of tiles 24 to 28 by 24 to 26.
    auto grid_and_picture = [] {
        std::vector<Uint32> state(&map_tiles[0][0], &map_tiles[0][0] + MAP_SIZE * MAP_SIZE);
        for (int y = 2400; y < 2700; y++)
            for (int x = 2400; x < 2900; x++)
                state.push_back(read_pixel(world_surface, x, y));
        return state;
    };
    const std::vector<Uint32> before = grid_and_picture();
    selected_tile_kind = 14;
    for (int x : {320, 345, 370})  // tiles (25..27, 25)
        frame_at(x, 240, x == 320 ? KEY_PRESSED : KEY_HELD);
    selected_tile_kind = 3;
    frame_at(370, 265, KEY_PRESSED);  // (27, 26), then (27, 25) again
    frame_at(370, 240, KEY_HELD);
    const std::vector<Uint32> after = grid_and_picture();
    Uint32 marker = SDL_MapRGB(world_surface->format, 1, 2, 3);
    write_pixel(world_surface, 150, 150, marker);

    key_frame(SDLK_z, KMOD_LCTRL);
    EXPECT_EQ((std::vector<int>{map_tiles[27][25], map_tiles[27][26]}), (std::vector<int>{14, 0}));
    key_frame(SDLK_z, KMOD_RCTRL);
    EXPECT_TRUE(grid_and_picture() == before);
    EXPECT_EQ(read_pixel(world_surface, 150, 150), marker);
    key_frame(SDLK_y, KMOD_LCTRL);
    key_frame(SDLK_z, KMOD_LCTRL | KMOD_LSHIFT);
    EXPECT_TRUE(grid_and_picture() == after);
    key_frame(SDLK_z, KMOD_LCTRL);
    frame_at(320, 265, KEY_PRESSED);  // (25, 26)
    key_frame(SDLK_y, KMOD_LCTRL);
    EXPECT_EQ((std::vector<int>{map_tiles[25][26], map_tiles[27][26]}), (std::vector<int>{3, 0}));

    for (int i = 0; i < HISTORY_STROKES + 10; i++) {  // one tile each, rows 40 to 45
        paint_tile(i % MAP_SIZE, 40 + i / MAP_SIZE, 9);
        end_stroke();
    }
    while (undo_stroke()) {
    }
    EXPECT_EQ((std::vector<int>{map_tiles[9][40], map_tiles[10][40], map_tiles[15][45]}),
              (std::vector<int>{9, 0, 0}));
}

// The status line marks unsaved edits. "Back" over them asks first and
// leaves on a second press; a paint, an undo or a save in between cancels
// the question. Saving keeps the history, so undo can make the map unsaved again.
TEST_P(Editor, BackOverUnsavedEditsAsksFirstUntilAPaintUndoOrSaveCancels)
{
    const char *const path = "Maps/plain.map", *const marked = "Maps/plain.map *";
    selected_tile_kind = 6;
    // Painting (26, 25), undoing it, pressing "Save".
    const struct {
        std::function<void()> step;
        const char *status;
    } cancellations[] = {{[] { frame_at(345, 240, KEY_PRESSED); }, marked},
                         {[] { key_frame(SDLK_z, KMOD_LCTRL); }, marked},
                         {[] { frame_at(550, 380, KEY_PRESSED); }, path}};
    for (const auto &c : cancellations) {
        frame_at(320, 240, KEY_PRESSED);  // (25, 25)
        EXPECT_EQ(status(), marked);
        frame_at(550, 410, KEY_PRESSED);  // "Back"
        EXPECT_EQ(status(), LEAVE_QUESTION);
        c.step();
        EXPECT_EQ(status(), c.status);
    }
    key_frame(SDLK_z, KMOD_LCTRL);
    EXPECT_EQ(status(), marked);
    // A pad's B is "Back", asking first as well.
    pads_drive_pointer = pads[0].present = true;
    for (int screen : {SCREEN_EDITOR, SCREEN_MAIN_MENU}) {
        pads[0].button[1] = KEY_PRESSED;
        frame_at(700, 470, KEY_UP);
        pads[0].button[1] = KEY_UP;
        EXPECT_EQ(screen_number, screen);
    }
    enter_editor();  // the saved file, without the undone stroke
    EXPECT_EQ((std::vector<int>{map_tiles[25][25], map_tiles[26][25]}), (std::vector<int>{6, 0}));
}

// The screen point over the middle of tile (x, y) at the entry's view.
static int tile_screen_x(int tile)
{
    return 332 + 25 * (tile - 25);
}
static int tile_screen_y(int tile)
{
    return 252 + 25 * (tile - 25);
}

// One drag of the left button from tile (x0, y0) to (x1, y1) with the tool.
static void drag_tiles(int tool, int x0, int y0, int x1, int y1)
{
    editor_tool = tool;
    point_at(tile_screen_x(x0), tile_screen_y(y0), KEY_PRESSED);
    editor_screen(1.0f);
    for (int state : {KEY_HELD, KEY_UP}) {
        point_at(tile_screen_x(x1), tile_screen_y(y1), state);
        editor_screen(1.0f);
    }
}

// A room walls its border with the kinds facing out and keeps its inside;
// a fill takes the inside up to the walls; a rectangle fills its span;
// each is one undo step; the right button picks the kind under it.
TEST_P(Editor, RoomFillAndRectangleAreOneUndoStepEachAndTheRightButtonPicks)
{
    map_tiles[23][22] = 5;
    drag_tiles(TOOL_ROOM, 27, 25, 20, 20);  // dragged up and left: the span is the same
    const int walls[][3] = {{20, 20, TILE_WALL_LEFT_TOP},
                            {23, 20, TILE_WALL_TOP},
                            {27, 20, TILE_WALL_RIGHT_TOP},
                            {20, 22, TILE_WALL_LEFT},
                            {27, 22, TILE_WALL_RIGHT},
                            {20, 25, TILE_WALL_LEFT_BOTTOM},
                            {23, 25, TILE_WALL_BOTTOM},
                            {27, 25, TILE_WALL_RIGHT_BOTTOM},
                            {23, 22, 5},
                            {24, 23, 0},
                            {28, 22, 0}};
    for (const auto &w : walls)
        EXPECT_EQ(map_tiles[w[0]][w[1]], w[2]) << w[0] << "," << w[1];
    selected_tile_kind = 3;
    drag_tiles(TOOL_FILL, 22, 23, 22, 23);
    int inside = 0;
    for (int x = 21; x <= 26; x++)
        for (int y = 21; y <= 24; y++)
            inside += map_tiles[x][y] == 3;
    EXPECT_EQ(inside, 23);  // all but the 5
    EXPECT_EQ(map_tiles[30][30], 0);
    drag_tiles(TOOL_RECTANGLE, 30, 30, 31, 32);
    EXPECT_TRUE(map_tiles[31][32] == 3 && map_tiles[32][32] == 0 && map_tiles[31][33] == 0);
    const int undone[][3] = {{30, 30, 0}, {22, 23, 0}, {20, 20, 0}};  // one step each
    for (const auto &u : undone) {
        key_frame(SDLK_z, KMOD_LCTRL);
        EXPECT_EQ(map_tiles[u[0]][u[1]], u[2]) << u[0];
        EXPECT_EQ(map_tiles[23][22], 5);
    }
    map_tiles[24][24] = 9;
    mouse_button_state[SDL_BUTTON_RIGHT] = KEY_PRESSED;
    frame_at(tile_screen_x(24), tile_screen_y(24), KEY_UP);
    EXPECT_EQ(selected_tile_kind, 9);
}

// The wheel zooms about the pointer between a tile of 400 pixels and the
// map as tall as the view; scrolling stops with half the map across in view.
TEST_P(Editor, TheWheelZoomsAboutThePointerAndTheViewKeepsTheMapInSight)
{
    point_at(100, 60, KEY_UP);
    float x0, y0, x1, y1;
    screen_to_world(100, 60, x0, y0);
    mouse_wheel = -2;  // up: closer
    editor_screen(1.0f);
    screen_to_world(100, 60, x1, y1);
    EXPECT_NEAR(view_scale, 4.0 / 1.15 / 1.15, 1e-4);
    EXPECT_TRUE(std::fabs(x1 - x0) < 0.05f && std::fabs(y1 - y0) < 0.05f);
    for (int wheel : {-60, 60}) {
        mouse_wheel = wheel;
        editor_screen(1.0f);
        EXPECT_FLOAT_EQ(view_scale, wheel < 0 ? EDITOR_MIN_SCALE : EDITOR_MAX_SCALE);
    }
    mouse_wheel = 0;
    view_scale = 4.0f;
    key_state[SDLK_d] = key_state[SDLK_s] = KEY_HELD;
    for (int frame = 0; frame < 200; frame++)
        editor_screen(1.0f);
    EXPECT_FLOAT_EQ(camera_x + 320 - 320 * 4, 2500);  // 2560 wide: half the map stays
    EXPECT_FLOAT_EQ(camera_y + 240 - 240 * 4, 3080);  // 1920 high: all of it on the map
}

// "Play" over unsaved edits asks, then saves and starts a Classic game;
// the summary's button goes back to the same map and view, undo intact.
TEST_P(Editor, PlayAsksSavesAndTheGamesEndComesBackToTheEditor)
{
    selected_tile_kind = 6;
    frame_at(320, 240, KEY_PRESSED);
    camera_x = 1000.0f;
    for (int press = 0; press < 2; press++)
        frame_at(550, 260, KEY_PRESSED);
    EXPECT_TRUE(screen_number == SCREEN_START_GAME && playtest_active && game_mode == MODE_CLASSIC);
    EXPECT_EQ(read_file("Maps/plain.map")[51 * 25 + 25], '!' + 6);
    camera_x = 7.0f;
    screen_number = SCREEN_GAME_OVER;
    click(320, 370);
    game_over_screen();
    EXPECT_TRUE(screen_number == SCREEN_EDITOR && camera_x == 1000.0f && !playtest_active);
    key_frame(SDLK_z, KMOD_LCTRL);
    EXPECT_EQ(map_tiles[25][25], 0);
}

INSTANTIATE_AT_ONE_DEPTH(Editor);
