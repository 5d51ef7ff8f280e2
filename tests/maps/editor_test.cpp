// editor_test.cpp -- entering the editor, scrolling, zooming, picking and painting tiles, saving
#include <sys/stat.h>

#include <cstring>

#include "app/main_loop.h"
#include "game/world_fixture.h"
#include "maps/editor.h"
#include "maps/map_file.h"

// The editor on a map of floor 0, the pointer off the window. At entry a
// pointer at (x, y) is over world (2500 + 4 (x - 320), 2500 + 4 (y - 240)).
class Editor : public WorldPicture {
protected:
    void SetUp() override
    {
        WorldPicture::SetUp();
        make_floor();
        ASSERT_EQ(mkdir("Maps", 0755), 0);
        write_text_file("Maps/plain.map", std::string(50 * 51, '!'));
        strcpy(map_path, "Maps/plain.map");
        point_at(700, 470, KEY_UP);
        selected_tile_kind = 5;
        enter_editor();
    }
    // One editor frame with the pointer at (x, y) and the left button in `state`.
    static void frame_at(int x, int y, int state) { point_at(x, y, state), editor_screen(1.0f); }
    static bool preview_shows(int kind) { return read_pixel(display_surface, 50, 75) == cell_color(display_surface, kind); }
};

// Entry centres the world at scale 4 with kind 0; the direction keys scroll
// 7.5 screen pixels of 4 world pixels per frame, one move for both keys of a
// direction, none for opposite ones.
TEST_P(Editor, EntryCentresTheWorldAndTheDirectionKeysScrollIt)
{
    EXPECT_EQ((std::vector<float>{(float)screen_number, camera_x, camera_y, view_scale, (float)selected_tile_kind}),
              (std::vector<float>{SCREEN_EDITOR, 2180, 2260, 4, 0}));
    Uint32 marker = SDL_MapRGB(world_surface->format, 255, 0, 255);
    write_pixel(world_surface, 2500, 2500, marker);
    draw_world_view();
    EXPECT_EQ(read_pixel(display_surface, 319, 239), marker);  // left of and above the centre
    const struct { int keys[3]; float dx, dy; } moves[] = {
        {{SDLK_w}, 0, -30}, {{SDLK_RIGHT, SDLK_d}, 30, 0}, {{SDLK_LEFT, SDLK_d}, 0, 0}, {{SDLK_UP, SDLK_s}, 0, 0}};
    for (const auto &m : moves) {
        memset(key_state, 0, sizeof key_state);
        for (int key : m.keys)
            key_state[key] = KEY_HELD;
        float x = camera_x, y = camera_y;
        editor_screen(1.0f);
        EXPECT_NEAR(camera_x - x, m.dx, 0.01f) << m.keys[0];
        EXPECT_NEAR(camera_y - y, m.dy, 0.01f) << m.keys[0];
    }
}

TEST_P(Editor, ZoomButtonsActWhileDownAndTileChoiceWrapsWithThePreviewFollowing)
{
    frame_at(550, 320, KEY_PRESSED);
    EXPECT_FLOAT_EQ(view_scale, 3.8f);
    view_scale = 4.0f;
    frame_at(550, 350, KEY_HELD);
    EXPECT_FLOAT_EQ(view_scale, 4.2f);
    frame_at(550, 350, KEY_UP);
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

TEST_P(Editor, PaintingWritesOneTileUnderThePointerPerFrameWhileTheButtonIsDown)
{
    selected_tile_kind = 14;
    for (int frame = 0; frame < 4; frame++)  // 25 screen pixels are one tile
        frame_at(320 + 25 * frame, 240, frame == 0 ? KEY_PRESSED : frame < 3 ? KEY_HELD : KEY_UP);
    for (int x = 24; x <= 28; x++)
        EXPECT_EQ(map_tiles[x][25], x >= 25 && x <= 27 ? 14 : 0) << x;
    EXPECT_EQ(read_pixel(world_surface, 2500, 2500), cell_color(world_surface, 14));
    EXPECT_EQ(read_pixel(world_surface, 2799, 2599), cell_color(world_surface, 14));

    selected_tile_kind = 3;  // the outermost ring of a control belongs to the world
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

TEST_P(Editor, SaveWritesTheGridAndBackWithoutSaveLosesTheEdits)
{
    selected_tile_kind = 20;
    frame_at(320, 240, KEY_PRESSED);
    frame_at(550, 380, KEY_PRESSED);  // "Save"
    selected_tile_kind = 7;
    frame_at(100, 300, KEY_PRESSED);  // world (1620, 2740)
    EXPECT_EQ(map_tiles[16][27], 7);
    frame_at(550, 410, KEY_PRESSED);  // "Back"
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
    enter_editor();
    EXPECT_EQ((std::vector<int>{map_tiles[25][25], map_tiles[16][27]}), (std::vector<int>{20, 0}));
}

INSTANTIATE_AT_ONE_DEPTH(Editor);

class WorldView : public WorldPicture {};

// Screen point i samples world start + (i + 1) z, summed in floats; the
// background shows wherever that leaves the world.
TEST_P(WorldView, MatchesThePlainDefinitionAndLeavesTheBackgroundOutsideTheWorld)
{
    world_surface = display_like_surface(900, 700);
    for (int y = 0; y < 700; y++)
        for (int x = 0; x < 900; x++)
            write_pixel(world_surface, x, y, (Uint32)(x * 7 + y * 13 + 1) & (GetParam() == 16 ? 0xFFFF : 0xFFFFFF));
    const Uint32 background = 0xABCD;
    const struct { float camera_x, camera_y, scale; } views[] = {{0, 0, 1}, {100.5f, 50.25f, 1}, {-200, -100, 1}, {0, 0, 4},
                                                                 {300, 200, 0.25f}, {400, 300, 1.37f}, {-300, 400, 0.6f}, {5, 5, 0.05f}};
    for (const auto &v : views) {
        SDL_FillRect(display_surface, nullptr, background);
        camera_x = v.camera_x, camera_y = v.camera_y, view_scale = v.scale;
        draw_world_view();
        float sx[VIEW_W] = {v.camera_x + 320 - 320 * v.scale + v.scale}, sy[VIEW_H] = {v.camera_y + 240 - 240 * v.scale + v.scale};
        for (int i = 1; i < VIEW_W; i++)
            sx[i] = sx[i - 1] + v.scale;
        for (int i = 1; i < VIEW_H; i++)
            sy[i] = sy[i - 1] + v.scale;
        int world_pixels = 0;
        int mismatches = count_pixels(display_surface, [&](int x, int y, Uint32 p) {
            bool inside = sx[x] > 0 && sx[x] < 900 && sy[y] > 0 && sy[y] < 700;
            world_pixels += inside;
            return p != (inside ? read_pixel(world_surface, (int)sx[x], (int)sy[y]) : background);
        });
        EXPECT_EQ(mismatches, 0) << v.camera_x << "," << v.camera_y << " scale " << v.scale;
        EXPECT_GT(world_pixels, 0);
    }
}

INSTANTIATE_AT_BOTH_DEPTHS(WorldView);
